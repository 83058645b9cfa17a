// The paint box over the board's felt: draws the board as the table's
// mirror shows it, tile by tile in cells of 20 x 30 pixels at 100 % (cell
// (col, row) at ((col - 1) * 20, (row - 1) * 30)) and larger at a larger
// table size, with the marks of the last finished turn laid over their
// cells. Sets that are not valid are outlined in red, their tooltip saying
// why. Mouse presses and moves are passed on to the table. The cell the
// keyboard stands on wears the key frame (keyframe.h).
#pragma once

#include "model/boardgrid.h"
#include "table/boardproblems.h"
#include "table/tablescale.h"

#include <QWidget>

#include <optional>
#include <vector>

class QPainter;
class TilePictures;
namespace brixo {
class TableMirror;
}

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const TilePictures& pictures, QWidget* parent);

    void setScale(const brixo::TableScale& scale);
    QRect cellRect(brixo::BoardCell cell) const;

    // Takes the board as the mirror shows it, and repaints the cells whose
    // tile or mark changed since.
    void sync(const brixo::TableMirror& mirror);
    // What the board shows at a cell: its tile, and whether the mark lies over it.
    int shownTile(brixo::BoardCell cell) const { return m_drawn.at(cell).code(); }
    bool showsMark(brixo::BoardCell cell) const { return cell.inside() && m_drawnMarks[cell.index()]; }
    // The words of the outline over a cell, empty where there is none.
    QString problemAt(brixo::BoardCell cell) const;

    // The cell the keyboard stands on, framed; none while the keys are
    // elsewhere.
    void setKeyCell(std::optional<brixo::BoardCell> cell);
    std::optional<brixo::BoardCell> keyCell() const { return m_keyCell; }

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void moved(int x, int y);
    // The left button came up at paint-box pixel (x, y), anywhere on screen.
    void released(int x, int y);
    void keyCellChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const brixo::BoardProblem* problemOver(brixo::BoardCell cell) const;
    QRect outlineRect(const brixo::BoardProblem& problem) const;
    void showProblemTip(const QPoint& at);
    void paintProblems(QPainter& p);

    const TilePictures& m_pictures;
    brixo::TableScale m_scale;
    std::vector<brixo::BoardProblem> m_problems;
    brixo::BoardGrid m_drawn;
    brixo::BoardCellFlags m_drawnMarks{};
    std::optional<brixo::BoardCell> m_keyCell;
};
