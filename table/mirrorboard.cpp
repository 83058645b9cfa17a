// The board and this table's rack as the server describes them: tiles
// placed, moved, taken back and undone, the marks of the last finished
// turn, the tiles dealt or drawn, and the pending moves the server's echoes
// confirm or leave refused.
#include "table/tablemirror.h"

#include "model/slottable.h"
#include "net/catalogue.h"
#include "table/seatwords.h"
#include "table/tilewords.h"
#include "table/wording.h"

#include <utility>

namespace brixo {

// ---- the server's word and the pending moves ---------------------------------

void TableMirror::serverSet(BoardCell cell, Tile tile, bool ours)
{
    refused(m_board.serverSet(cell, tile, ours));
}

void TableMirror::refused(const std::vector<PendingMove>& moves)
{
    for (const PendingMove& move : moves) {
        m_history.forget(move);
        // A tile that never left the rack is offered there again.
        if (move.kind == PendingMove::Kind::Place) m_rack.setAwaitingServer(move.slot, false);
    }
}

void TableMirror::setHand(const Hand& hand)
{
    m_hand = hand;
    if (hand.holdsBoardTile()) m_board.lift(BoardMirror::Lifted{hand.cell, hand.tile});
    else m_board.lift(std::nullopt);
}

void TableMirror::updateIncomplete()
{
    m_turn.controls().signBlinking = !shownBoardValid();
}

// ---- board messages ------------------------------------------------------------

void TableMirror::loadboard(std::string_view args)
{
    const auto m = msg::parseNumberCells(args);
    if (!m || !m_mySlot.valid() || Slot(m->number) != m_mySlot) return;
    for (const Cell& c : m->cells) serverSet({c.col, c.row}, Tile(c.tile));
}

void TableMirror::placehistile(std::string_view args)
{
    const auto m = msg::parsePlacehistile(args);
    if (!m) return;
    const Seat seat(m->seat);
    const BoardCell cell{m->col, m->row};
    const Tile tile(m->tile);
    m_board.clearMarks();
    if (mine(seat) && mayPlay()) {
        TurnControls& controls = m_turn.controls();
        controls.draw = false;
        controls.finish = true;
        controls.clear = true;
    }
    if (!cell.inside() || !tile.known()) return;
    const Tile shownBefore = board().at(cell);
    bool ours = false;
    if (mine(seat)) {
        if (const auto passedBy = m_board.confirm(PendingMove::place(tile, RackSlot(), cell))) {
            refused(*passedBy);
            ours = true;
        }
    }
    serverSet(cell, tile, ours);
    // Our own tile is already on show, and was heard when it was put down.
    if (shownBefore != tile) sound("placecard");
    if (tile.real())
        m_log.played([mine = mine(seat), name = seatName(seat), tile] {
            return mine ? fillin(translate("Table", "You played a %1."), {tileword(tile)})
                        : fillin(translate("Table", "%1 played a %2."), {name, tileword(tile)});
        });
}

void TableMirror::swaptiles(std::string_view args)
{
    const auto m = msg::parseSwaptilesNotice(args);
    if (!m) return;
    const Seat seat(m->seat);
    const BoardCell to{m->tocol, m->torow};
    const BoardCell from{m->fromcol, m->fromrow};
    const Tile tile(m->tile);
    m_board.clearMarks();
    if (mine(seat) && mayPlay()) m_turn.controls().clear = true;
    const bool known = to.inside() && tile.known();
    const Tile shownBefore = board().at(to);
    bool ours = false;
    if (mine(seat)) {
        if (const auto passedBy = m_board.confirm(PendingMove::move(tile, from, to))) {
            refused(*passedBy);
            ours = true;
        }
    }
    if (known && confirmedBoard().at(to) != tile) serverSet(to, tile, ours);
    // The source empties only when the tile really arrived.
    if (!confirmedBoard().isEmpty(to)) serverSet(from, Tile());
    if (known && shownBefore != tile) sound("placecard");
    if (tile.real())
        m_log.played([mine = mine(seat), name = seatName(seat), tile] {
            return mine ? fillin(translate("Table", "You moved a %1."), {tileword(tile)})
                        : fillin(translate("Table", "%1 moved a %2."), {name, tileword(tile)});
        });
}

void TableMirror::removetile(std::string_view args)
{
    const auto m = msg::parseRemovetile(args);
    if (!m) return;
    const BoardCell cell{m->col, m->row};
    const Tile tile = board().at(cell);
    if (tile.real())
        m_log.played([mine = mine(turnSeat()), name = seatName(turnSeat()), tile] {
            return mine ? fillin(translate("Table", "You removed a %1."), {tileword(tile)})
                        : fillin(translate("Table", "%1 removed a %2."), {name, tileword(tile)});
        });
    if (mine(turnSeat())) m_history.forgetTile(cell, tile);
    serverSet(cell, Tile());
    if (mine(turnSeat())) updateIncomplete();
    sound("clearcard");
}

void TableMirror::undothem(std::string_view args)
{
    const auto m = msg::parseNumberCells(args);
    if (!m) return;
    const Seat seat(m->number);
    if (mine(seat)) {
        TurnControls& controls = m_turn.controls();
        controls.clear = controls.finish = false;
        controls.draw = mayPlay();
        controls.penaltyPanel = controls.laydownPanel = false;
        takeBackTurn();
    }
    for (const Cell& c : m->cells) serverSet({c.col, c.row}, Tile(c.tile), true);
    // The sign follows the board as the undo left it.
    if (mine(seat)) updateIncomplete();
    sound("clear");
    m_log.played([mine = mine(seat), name = seatName(seat)] {
        return mine ? translate("Table", "You cleared tiles.")
                    : fillin(translate("Table", "%1 cleared tiles."), {name});
    });
}

void TableMirror::movedtiles(std::string_view args)
{
    const auto m = msg::parseMovedtiles(args);
    if (!m) return;
    const Seat seat(m->seat);
    m_board.clearMarks();
    if (mine(seat) || (m_options.team && mine(Seat(partnerOf(seat.number()))))) m_laidDown = true;
    if (seat == turnSeat()) m_turn.finished();
    if (SeatState* s = m_seats.find(seat)) {
        m_seats.setScore(seat, m->score, true);
        s->hasLastPoints = true;
        s->lastPoints = m->points;
        s->lastPointsFromTurn = true;
    }
    for (const Cell& c : m->cells) m_board.mark({c.col, c.row});
    sound("placecard");
}

// ---- the rack ---------------------------------------------------------------------

void TableMirror::yourtiles(std::string_view args)
{
    const auto m = msg::parseYourtiles(args);
    if (!m || !mine(Seat(m->seat))) return;
    // Tiles that come in the seat's own turn, watched from its start, and
    // are not tiles laid this turn coming back to their slots (a take-back
    // or the turn undone) were drawn. The deal comes before any turn, a
    // catch-up's whole rack before a watched turn.
    int drawn = 0;
    for (const RackItem& item : m->items) {
        const RackSlot slot(item.slot);
        const Tile tile(item.tile);
        if (!m_rack.comesBack(slot, tile) && m_turn.seen().fromStart && mine(turnSeat()) && slot.valid() &&
            tile.real()) {
            ++drawn;
            m_rack.drawn(slot);
        }
        if (m_hand.holdsSlot(slot) && slot.valid() && tile.real()) setHand({});
        m_rack.receive(slot, tile);
    }
    if (drawn > 0) m_log.played([drawn] { return seatwords::drew(seatwords::kYou, drawn); });
    // A whole rack comes in the order chosen; tiles drawn later take the
    // first free places until the player sorts again.
    if (std::exchange(m_dealDue, false) && m_sortOnDeal) m_rack.sort(m_sortByNumber);
    sound("getcard");
}

void TableMirror::freecard(std::string_view args)
{
    const auto m = msg::parseFreecard(args);
    if (!m) return;
    const RackSlot slot(m->rackslot);
    if (!mine(Seat(m->seat)) || !slot.valid()) return;
    if (m_hand.holdsSlot(slot)) setHand({});
    // Laid this turn, whoever laid it for the seat: this table or the
    // computer while its player just watches.
    m_rack.release(slot, mine(turnSeat()));
}

} // namespace brixo
