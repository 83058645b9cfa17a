#include "table/boardview.h"

#include "table/core/tablemirror.h"
#include "table/tilepictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
int markIndex(int col, int row)
{
    return col * brixo::BoardGrid::kRows + row;
}
} // namespace

BoardView::BoardView(const brixo::TableMirror& mirror, const TilePictures& pictures, QWidget* parent)
    : QWidget(parent), m_mirror(mirror), m_pictures(pictures)
{
    setMouseTracking(true);
}

QRect BoardView::cellRect(int col, int row)
{
    return QRect(col * kCellWidth - kCellWidth, row * kCellHeight - kCellHeight, kCellWidth, kCellHeight);
}

bool BoardView::showsMark(int col, int row) const
{
    return brixo::BoardGrid::inside(col, row) && m_drawnMarks[markIndex(col, row)];
}

void BoardView::sync()
{
    const brixo::BoardGrid& board = m_mirror.board();
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) {
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row) {
            const bool mark = m_mirror.markShown(col, row);
            if (board.at(col, row) == m_drawn.at(col, row) && mark == m_drawnMarks[markIndex(col, row)]) continue;
            m_drawn.set(col, row, board.at(col, row));
            m_drawnMarks[markIndex(col, row)] = mark;
            update(cellRect(col, row));
        }
    }
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) {
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row) {
            const QRect cell = cellRect(col, row);
            if (!cell.intersects(event->rect())) continue;
            const int tile = m_drawn.at(col, row);
            if (tile != brixo::kNoTile) p.drawPixmap(cell, m_pictures.small(tile));
            if (m_drawnMarks[markIndex(col, row)]) p.drawPixmap(cell, m_pictures.small(TilePictures::kMark));
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
