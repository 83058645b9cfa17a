#include "dialogs/dialogstyle.h"

#include "table/artwork.h"

#include <QPalette>
#include <QWidget>

void useTableBackground(QWidget* window)
{
    QPalette felt = window->palette();
    felt.setBrush(QPalette::Window, QBrush(artwork::felt()));
    felt.setColor(QPalette::WindowText, QColor(0xf2, 0xf4, 0xf0));
    window->setPalette(felt);
    window->setAutoFillBackground(true);
}
