// The paint box over the board's felt: draws the tiles of the table's board
// mirror in their cells (20 x 30 pixels, cell (col, row) at
// ((col - 1) * 20, (row - 1) * 30)) and the marks laid over the cells the
// last finished turn changed. Mouse presses and moves are passed on to the
// table.
#pragma once

#include "model/boardgrid.h"

#include <QWidget>

#include <set>
#include <utility>

class TilePictures;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 20;
    static constexpr int kCellHeight = 30;

    BoardView(const brixo::BoardGrid& mirror, const TilePictures& pictures, QWidget* parent);

    static QRect cellRect(int col, int row);

    // Draws the cell from the mirror (its tile, or nothing when empty); a
    // mark on the cell is painted over.
    void drawcell(int col, int row);
    // Repaints the cell with the felt only: the mirror holds no tile there.
    void fillspace(int col, int row) { drawcell(col, row); }
    // Lays the mark picture over the cell until the cell is drawn again.
    void drawmark(int col, int row);
    bool showsMark(int col, int row) const { return m_marked.count({col, row}) > 0; }
    int shownMarks() const { return static_cast<int>(m_marked.size()); }
    // Everything again (after the pictures changed).
    void redrawAll();

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void moved(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const brixo::BoardGrid& m_mirror;
    const TilePictures& m_pictures;
    std::set<std::pair<int, int>> m_marked;
};
