#include "table/qt/cardimage.h"

#include "table/qt/tableaccessible.h"

#include "model/tile.h"
#include "table/qt/keyframe.h"
#include "table/tilewords.h"

#include <QMouseEvent>
#include <QPainter>

CardImage::CardImage(int slot, int tile, QWidget* parent) : QLabel(parent), m_slot(slot), m_tile(tile)
{
    setObjectName(nameFor(slot));
    resize(kWidth, kHeight);
    setScaledContents(true);
    setToolTip(QString::fromStdString(brixo::tileword(tile)));
}

void CardImage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) setToolTip(QString::fromStdString(brixo::tileword(m_tile)));
    QLabel::changeEvent(event);
}

void CardImage::mousePressEvent(QMouseEvent* event)
{
    emit pressed(this, event->button(), event->modifiers());
}

void CardImage::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) emit dragged(event->globalPosition().toPoint());
}

void CardImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit released(event->globalPosition().toPoint());
}

void CardImage::setMarked(bool marked)
{
    if (marked == m_marked) return;
    m_marked = marked;
    update();
}

void CardImage::setJustDrawn(bool drawn)
{
    if (drawn == m_justDrawn) return;
    m_justDrawn = drawn;
    update();
}

void CardImage::setKeyFocused(bool focused)
{
    if (focused == m_keyFocused) return;
    m_keyFocused = focused;
    // A screen reader follows the key focus along the rack.
    if (focused) notifyCardFocus(this);
    update();
}

void CardImage::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_marked && !m_justDrawn && !m_keyFocused) return;
    QPainter painter(this);
    const qreal unit = width() / 40.0; // the pixel of a tile at 100 %
    if (m_justDrawn) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 140, 255));
        painter.drawRoundedRect(QRectF(4 * unit, height() - 7 * unit, width() - 10 * unit, 4 * unit), 2 * unit, 2 * unit);
    }
    if (m_marked) {
        painter.setPen(QPen(QColor(255, 190, 0), qMax(2.0, 3 * unit)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    if (!m_keyFocused) return;
    // Inside the hint's gold frame, so that both show.
    const int inset = m_marked ? qMax(2, qRound(3 * unit)) : 0;
    keyframe::paint(painter, rect().adjusted(inset, inset, -inset, -inset), unit, keyframe::Inside);
}
