#include "dialogs/dialogstyle.h"

#include "resources/qt/artwork.h"

#include <QPalette>
#include <QWidget>

void useTableBackground(QWidget* window)
{
    QPalette felt = window->palette();
    felt.setBrush(QPalette::Window, QBrush(artwork::cloth()));
    felt.setColor(QPalette::WindowText, QColor(0xf2, 0xf4, 0xf0));
    window->setPalette(felt);
    window->setAutoFillBackground(true);
    // The table's style sheet reaches its side windows too; their own words
    // are light on the cloth.
    window->setStyleSheet(window->styleSheet() +
                          QStringLiteral("QLabel, QCheckBox, QGroupBox { color: #f2f4f0; }"));
}
