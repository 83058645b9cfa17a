// The board and this table's rack as the server describes them: tiles
// placed, moved, taken back and undone, the marks of the last finished
// turn, the tiles dealt or drawn, and the pending moves the server's echoes
// confirm or leave refused.
#include "table/tablemirror.h"

#include "model/setrules.h"
#include "model/slottable.h"
#include "net/catalogue.h"
#include "table/seatwords.h"

#include <algorithm>

namespace brixo {

namespace {
int cellIndex(int col, int row)
{
    return col * BoardGrid::kRows + row;
}
} // namespace

// ---- the server's word and the pending moves ---------------------------------

void TableMirror::serverSet(int col, int row, int tile, bool ours)
{
    if (m_board.at(col, row) != tile && BoardGrid::inside(col, row)) m_marks[cellIndex(col, row)] = false;
    if (!m_board.set(col, row, tile)) return;
    m_shownStale = true;
    if (ours || tile == kNoTile) return;
    // A tile the server put where one of ours was to go: that move found
    // the cell taken.
    for (std::size_t i = 0; i < m_pending.size();) {
        if (m_pending[i].col == col && m_pending[i].row == row) refuse(i);
        else ++i;
    }
}

bool TableMirror::confirm(const PendingMove& echo)
{
    const auto answered = std::find_if(m_pending.begin(), m_pending.end(), [&](const PendingMove& p) {
        if (p.kind != echo.kind || p.tile != echo.tile || p.col != echo.col || p.row != echo.row) return false;
        return p.kind == PendingMove::Kind::Place || (p.fromcol == echo.fromcol && p.fromrow == echo.fromrow);
    });
    if (answered == m_pending.end()) return false;
    // The server takes moves in the order they were sent; those sent before
    // this one were answered by now or refused.
    const auto earlier = answered - m_pending.begin();
    for (auto i = earlier; i > 0; --i) refuse(0);
    m_pending.erase(m_pending.begin());
    m_shownStale = true;
    return true;
}

void TableMirror::refuse(std::size_t index)
{
    const PendingMove& move = m_pending[index];
    for (auto made = m_history.rbegin(); made != m_history.rend(); ++made) {
        if (made->move == move) {
            m_history.erase(std::next(made).base());
            break;
        }
    }
    // A tile that never left the rack is offered there again.
    if (move.kind == PendingMove::Kind::Place && Rack::validSlot(move.slot)) m_placed[move.slot - 1] = false;
    m_pending.erase(m_pending.begin() + static_cast<std::ptrdiff_t>(index));
    m_shownStale = true;
}

void TableMirror::rollBack()
{
    while (!m_pending.empty()) refuse(m_pending.size() - 1);
}

void TableMirror::setHand(const Hand& hand)
{
    m_hand = hand;
    m_shownStale = true;
}

void TableMirror::updateIncomplete()
{
    m_controls.signBlinking = !chatboardok();
}

// ---- board messages ------------------------------------------------------------

void TableMirror::loadboard(std::string_view args)
{
    const auto m = msg::parseNumberCells(args);
    if (!m || !mine(m->number)) return;
    for (const Cell& c : m->cells) serverSet(c.col, c.row, c.tile);
}

void TableMirror::placehistile(std::string_view args)
{
    const auto m = msg::parsePlacehistile(args);
    if (!m) return;
    clearthisturn();
    if (mine(m->seat) && mayPlay()) {
        m_controls.draw = false;
        m_controls.finish = true;
        m_controls.clear = true;
    }
    if (!BoardGrid::inside(m->col, m->row) || m->tile < kNoTile || m->tile > kHighestTile) return;
    const int shownBefore = board().at(m->col, m->row);
    const bool ours = mine(m->seat) && confirm({PendingMove::Kind::Place, m->tile, m->col, m->row});
    serverSet(m->col, m->row, m->tile, ours);
    // Our own tile is already on show, and was heard when it was put down.
    if (shownBefore != m->tile) sound("placecard");
    if (isTile(m->tile)) played(who(m->seat) + " played a " + gettilename(m->tile) + ".");
}

void TableMirror::swaptiles(std::string_view args)
{
    const auto m = msg::parseSwaptilesNotice(args);
    if (!m) return;
    clearthisturn();
    if (mine(m->seat) && mayPlay()) m_controls.clear = true;
    const bool known = BoardGrid::inside(m->tocol, m->torow) && m->tile >= kNoTile && m->tile <= kHighestTile;
    const int shownBefore = board().at(m->tocol, m->torow);
    const bool ours = mine(m->seat) && confirm({PendingMove::Kind::Move, m->tile, m->tocol, m->torow, 0,
                                                 m->fromcol, m->fromrow});
    if (known && m_board.at(m->tocol, m->torow) != m->tile) serverSet(m->tocol, m->torow, m->tile, ours);
    // The source empties only when the tile really arrived.
    if (m_board.at(m->tocol, m->torow) != kNoTile) serverSet(m->fromcol, m->fromrow, kNoTile);
    if (known && shownBefore != m->tile) sound("placecard");
    if (isTile(m->tile)) played(who(m->seat) + " moved a " + gettilename(m->tile) + ".");
}

void TableMirror::removetile(std::string_view args)
{
    const auto m = msg::parseRemovetile(args);
    if (!m) return;
    const int tile = board().at(m->col, m->row);
    if (isTile(tile))
        played(who(m_turnSeat) + " removed a " + gettilename(tile) + ".");
    if (mine(m_turnSeat)) forgetTile(m->col, m->row, tile);
    serverSet(m->col, m->row, kNoTile);
    if (mine(m_turnSeat)) updateIncomplete();
    sound("clearcard");
}

void TableMirror::forgetTile(int col, int row, int tile)
{
    // Back from its last cell through the moves that brought it there to
    // the press that laid it.
    for (auto i = m_history.size(); i-- > 0;) {
        const PendingMove& m = m_history[i].move;
        if (m.tile != tile || m.col != col || m.row != row) continue;
        const bool laid = m.kind == PendingMove::Kind::Place;
        col = m.fromcol;
        row = m.fromrow;
        m_history.erase(m_history.begin() + static_cast<std::ptrdiff_t>(i));
        if (laid) break;
    }
}

void TableMirror::undothem(std::string_view args)
{
    const auto m = msg::parseNumberCells(args);
    if (!m) return;
    if (mine(m->number)) {
        m_controls.clear = m_controls.finish = false;
        m_controls.draw = mayPlay();
        m_controls.penaltyPanel = m_controls.laydownPanel = false;
        takeBackTurn();
    }
    for (const Cell& c : m->cells) serverSet(c.col, c.row, c.tile, true);
    // The sign follows the board as the undo left it.
    if (mine(m->number)) updateIncomplete();
    sound("clear");
    played(who(m->number) + " cleared tiles.");
}

void TableMirror::movedtiles(std::string_view args)
{
    const auto m = msg::parseMovedtiles(args);
    if (!m) return;
    clearthisturn();
    if (mine(m->seat) || (m_options.team && mine(partnerOf(m->seat)))) m_laidDown = true;
    if (m->seat == m_turnSeat) m_turn.finished = true;
    if (SeatState* s = seatAt(m->seat)) {
        s->score = m->score;
        s->scoreFromTurn = true;
        s->hasLastPoints = true;
        s->lastPoints = m->points;
        s->lastPointsFromTurn = true;
    }
    for (const Cell& c : m->cells)
        if (BoardGrid::inside(c.col, c.row)) m_marks[cellIndex(c.col, c.row)] = true;
    sound("placecard");
}

void TableMirror::clearthisturn()
{
    m_marks.fill(false);
}

void TableMirror::cleartheboard()
{
    rollBack();
    m_board.clear();
    m_marks.fill(false);
    m_shownStale = true;
}

// ---- the rack ---------------------------------------------------------------------

void TableMirror::yourtiles(std::string_view args)
{
    const auto m = msg::parseYourtiles(args);
    if (!m || !mine(m->seat)) return;
    // Tiles that come in the seat's own turn, watched from its start, and
    // are not tiles laid this turn coming back to their slots (a take-back
    // or the turn undone) were drawn. The deal comes before any turn, a
    // catch-up's whole rack before a watched turn.
    int drawn = 0;
    for (const RackItem& item : m->items) {
        const auto laid = std::find(m_laid.begin(), m_laid.end(), item);
        if (laid != m_laid.end()) {
            m_laid.erase(laid);
        } else if (m_turn.watched && mine(m_turnSeat) && Rack::validSlot(item.slot) && isTile(item.tile)) {
            ++drawn;
            m_justDrawn.push_back(item.slot);
            m_drawnThisTurn.push_back(item.slot);
        }
        newcard(item);
    }
    if (drawn > 0) played(seatwords::drew("You", drawn));
    sound("getcard");
}

void TableMirror::newcard(const RackItem& item)
{
    createcard(item.slot, item.tile);
}

void TableMirror::createcard(int slot, int tile)
{
    if (!Rack::validSlot(slot) || !isTile(tile)) return;
    // A slot already shown gets its new tile at the first free place, as
    // any new tile does.
    if (m_positions.positionOf(slot) != 0) movecards(slot);
    if (m_hand.holdsSlot(slot)) setHand({});
    m_rack.set(slot, tile);
    m_placed[slot - 1] = false;
    m_positions.place(slot);
}

void TableMirror::freecard(std::string_view args)
{
    const auto m = msg::parseFreecard(args);
    if (!m || !mine(m->seat) || !Rack::validSlot(m->rackslot)) return;
    if (m_hand.holdsSlot(m->rackslot)) setHand({});
    // Laid this turn, whoever laid it for the seat: this table or the
    // computer while its player just watches.
    if (mine(m_turnSeat) && isTile(m_rack.at(m->rackslot))) m_laid.push_back({m->rackslot, m_rack.at(m->rackslot)});
    std::erase(m_justDrawn, m->rackslot);
    std::erase(m_drawnThisTurn, m->rackslot);
    m_rack.set(m->rackslot, kNoTile);
    m_placed[m->rackslot - 1] = false;
    movecards(m->rackslot);
}

void TableMirror::movecards(int slot)
{
    m_positions.movecards(slot);
}

void TableMirror::clearallcards()
{
    if (m_hand.holdsRackTile()) setHand({});
    m_positions.clearallcards();
    m_rack.clear();
    m_justDrawn.clear();
    m_drawnThisTurn.clear();
    m_placed.fill(false);
}

} // namespace brixo
