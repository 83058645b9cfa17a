#include "table/boardview.h"

#include "table/tilepictures.h"

#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(const brixo::BoardGrid& mirror, const TilePictures& pictures, QWidget* parent)
    : QWidget(parent), m_mirror(mirror), m_pictures(pictures)
{
    setMouseTracking(true);
}

QRect BoardView::cellRect(int col, int row)
{
    return QRect(col * kCellWidth - kCellWidth, row * kCellHeight - kCellHeight, kCellWidth, kCellHeight);
}

void BoardView::drawcell(int col, int row)
{
    m_marked.erase({col, row});
    update(cellRect(col, row));
}

void BoardView::drawmark(int col, int row)
{
    if (!brixo::BoardGrid::inside(col, row)) return;
    m_marked.insert({col, row});
    update(cellRect(col, row));
}

void BoardView::redrawAll()
{
    update();
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) {
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row) {
            const QRect cell = cellRect(col, row);
            if (!cell.intersects(event->rect())) continue;
            const int tile = m_mirror.at(col, row);
            if (tile != brixo::kNoTile) p.drawPixmap(cell, m_pictures.small(tile));
            if (m_marked.count({col, row})) p.drawPixmap(cell, m_pictures.small(TilePictures::kMark));
        }
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit pressed(event->button(), event->modifiers(), at.x(), at.y());
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit moved(at.x(), at.y());
}
