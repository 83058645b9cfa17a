// Show Me: the hint's play carried out on the board one move at a time, by
// the moves a person could make with the mouse.
//
// The Expert's layout says where every tile of the play ends and gives
// moves that the server takes, but not moves a person could always make:
// the table refuses a tile put beside a higher one on its left or a lower
// one on its right (placerules::fitsOrder), and the layout passes through
// boards where that happens. So the play is first reduced to where each
// tile comes from and where it goes (a rack tile to its cell, a board tile
// from its cell to another), and the steps are then made afresh: each set
// is built in the order it lies on the board, a tile goes as soon as its
// cell is free and it fits between its neighbours, and a board tile that
// stands in the way of the first tile still to go is set aside on a free
// cell with nothing around it until its own cell is free.
#pragma once

#include "bot/layout.h"
#include "model/boardgrid.h"
#include "model/places.h"
#include "model/rack.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace brixo {

// One tile of the play: from a rack slot (the slot valid) or from a board
// cell, to the cell it ends on.
struct ShowMeTransfer {
    Tile tile;
    RackSlot slot;
    BoardCell from;
    BoardCell to;
    bool fromRack() const { return slot.valid(); }
    bool operator==(const ShowMeTransfer&) const = default;
};

// One move as a person makes it: a rack tile laid on a cell, or a board
// tile lifted and put down on another.
struct ShowMeStep {
    enum class Kind { Place, Move };
    Kind kind = Kind::Place;
    Tile tile;
    RackSlot slot;  // Place: the rack slot the tile leaves
    BoardCell from; // Move: the cell the tile leaves
    BoardCell to;
    bool operator==(const ShowMeStep&) const = default;
};

struct ShowMePlan {
    // Every tile that changes place, in the order the sets lie on the
    // board the play leaves (row by row, left to right).
    std::vector<ShowMeTransfer> transfers;
    // The moves, each legal and fitting its neighbours when made; empty
    // when no such order was found (or the play moves nothing).
    std::vector<ShowMeStep> steps;
    bool reached = false; // the steps lead to the layout's board
    int boardMoves() const;
};

// The plan for a layout the Expert made for this board and rack.
ShowMePlan showmeplan(const BoardGrid& board, const Rack& rack, const Layout& layout);

// Makes a step on a board (the tile of a Place given by the step).
void applystep(BoardGrid& board, const ShowMeStep& step);

// One run of Show Me at a table: the steps, how far it has come, whether
// the tile of the step under way is in the hand, and the board the steps
// made so far should have left once the server has confirmed them.
class ShowMe {
public:
    // The server is waited for this many times between two steps (at the
    // table's pace of eight calls a second, three seconds) before the run
    // gives up on it.
    static constexpr int kMostWaits = 24;

    void start(std::vector<ShowMeStep> steps, const BoardGrid& board, int turn);
    void stop();
    bool running() const { return m_running; }
    // The turn the run was started in.
    int turn() const { return m_turn; }
    bool finished() const { return m_next >= m_steps.size(); }
    // The step under way, or the next one; only while not finished.
    const ShowMeStep& step() const { return m_steps.at(m_next); }
    bool inHand() const { return m_inHand; }
    void lifted() { m_inHand = true; }
    // The step under way was made.
    void putDown();
    const BoardGrid& expected() const { return m_expected; }
    // One more wait for the server; false once there were too many.
    bool waitOnce() { return ++m_waits <= kMostWaits; }

private:
    std::vector<ShowMeStep> m_steps;
    std::size_t m_next = 0;
    bool m_running = false;
    bool m_inHand = false;
    int m_waits = 0;
    int m_turn = -1;
    BoardGrid m_expected;
};

} // namespace brixo
