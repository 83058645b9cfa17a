#include "table/cardimage.h"

#include "model/tile.h"

#include <QMouseEvent>
#include <QPainter>

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

void CardImage::setMarked(bool marked)
{
    if (marked == m_marked) return;
    m_marked = marked;
    update();
}

void CardImage::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_marked) return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(255, 190, 0), 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
