#include "table/cardimage.h"

#include "model/tile.h"

#include <QMouseEvent>

CardImage::CardImage(int slot, int tile, QWidget* parent) : QLabel(parent), m_slot(slot), m_tile(tile)
{
    setObjectName(nameFor(slot));
    setFixedSize(kWidth, kHeight);
    setScaledContents(true);
    setToolTip(QString::fromStdString(brixo::gettilename(tile)));
}

void CardImage::mousePressEvent(QMouseEvent* event)
{
    emit pressed(this, event->button(), event->modifiers());
}
