// The paint box over the board's felt: draws the board as the table's
// mirror shows it, tile by tile in cells of 20 x 30 pixels at 100 % (cell
// (col, row) at ((col - 1) * 20, (row - 1) * 30)) and larger at a larger
// table size, with the marks of the last finished turn laid over their
// cells. Sets that are not valid are outlined in red, their tooltip saying
// why. Mouse presses and moves are passed on to the table.
#pragma once

#include "model/boardgrid.h"
#include "table/boardproblems.h"
#include "table/tablescale.h"

#include <QWidget>

#include <array>
#include <vector>

class TilePictures;
namespace brixo {
class TableMirror;
}

class BoardView : public QWidget {
    Q_OBJECT
public:

    BoardView(const brixo::TableMirror& mirror, const TilePictures& pictures, QWidget* parent);

    void setScale(const brixo::TableScale& scale);
    QRect cellRect(int col, int row) const;

    // Repaints the cells whose tile or mark changed since the last paint.
    void sync();
    // What the board shows at a cell: its tile, and whether the mark lies over it.
    int shownTile(int col, int row) const { return m_drawn.at(col, row); }
    bool showsMark(int col, int row) const;
    // The words of the outline over a cell, empty where there is none.
    QString problemAt(int col, int row) const;

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void moved(int x, int y);
    // The left button came up at paint-box pixel (x, y), anywhere on screen.
    void released(int x, int y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const brixo::TableMirror& m_mirror;
    const TilePictures& m_pictures;
    brixo::TableScale m_scale;
    std::vector<brixo::BoardProblem> m_problems;
    brixo::BoardGrid m_drawn;
    std::array<bool, brixo::BoardGrid::kColumns * brixo::BoardGrid::kRows> m_drawnMarks{};
};
