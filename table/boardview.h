// The paint box over the board's felt: draws the board as the table's
// mirror shows it, tile by tile in cells of 20 x 30 pixels (cell (col, row)
// at ((col - 1) * 20, (row - 1) * 30)), with the marks of the last finished
// turn laid over their cells. Mouse presses and moves are passed on to the
// table.
#pragma once

#include "model/boardgrid.h"

#include <QWidget>

#include <array>

class TilePictures;
namespace brixo {
class TableMirror;
}

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 20;
    static constexpr int kCellHeight = 30;

    BoardView(const brixo::TableMirror& mirror, const TilePictures& pictures, QWidget* parent);

    static QRect cellRect(int col, int row);

    // Repaints the cells whose tile or mark changed since the last paint.
    void sync();
    // What the board shows at a cell: its tile, and whether the mark lies over it.
    int shownTile(int col, int row) const { return m_drawn.at(col, row); }
    bool showsMark(int col, int row) const;

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void moved(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const brixo::TableMirror& m_mirror;
    const TilePictures& m_pictures;
    brixo::BoardGrid m_drawn;
    std::array<bool, brixo::BoardGrid::kColumns * brixo::BoardGrid::kRows> m_drawnMarks{};
};
