// What the table tells assistive technology: every part of the window has
// an accessible name, and the parts that show the game say it in words
// (spokenwords): each rack tile, each board cell, each seat, the clock and
// the pool. The board is a table of cells, one accessible child per cell
// the player can use (22 columns by 12 rows), so a screen reader can walk
// it and hear "board, column 4, row 2, Green 5".
#pragma once

#include "model/boardgrid.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class BoardView;
class CardImage;
class QWidget;
namespace brixo {
class TableMirror;
class TableNarrator;
}

// Puts in the interfaces of the table's own kinds of widget (the board,
// the rack and its tiles, the live region); once per program, further
// calls do nothing.
void installTableAccessibility();

// The keyboard's focus is on a cell of the board, or on a rack tile: the
// screen reader is told, and the cell reads as focused until another is.
void notifyBoardCellFocus(BoardView* board, brixo::BoardCell cell);
void notifyCardFocus(CardImage* card);

class TableAccessibility : public QObject {
    Q_OBJECT
public:
    // Names the parts of the table window; the names of parts that show
    // the game follow the mirror at each sync.
    explicit TableAccessibility(QWidget* table);

    void sync(const brixo::TableMirror& mirror, const brixo::TableNarrator& narrator);

protected:
    // Another language: every name is given again in it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameParts();
    void syncBoard(const brixo::TableMirror& mirror);
    // A part of the table by its name, found once.
    QWidget* part(const QString& name);

    QWidget* m_table;
    BoardView* m_board;
    QHash<QString, QPointer<QWidget>> m_parts;
    // Parts named after their tooltips, named again in another language.
    QList<QPointer<QWidget>> m_namedByTooltip;
    // The board as its cells' names last told it.
    brixo::BoardGrid m_toldBoard;
    brixo::BoardCellFlags m_toldMarks{};
};
