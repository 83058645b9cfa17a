// The moves inside a turn: laying a rack tile, moving a board tile, taking a
// tile laid this turn back, and undoing the whole turn. Each is applied at
// once and shown to everybody; the board is judged only when the turn ends.
// While a turn runs, the board holds the snapshot's tiles plus the tiles
// listed in the turn log.
#include "server/serverform.h"

#include "net/catalogue.h"

namespace brixo {

void TServer::placemytile(std::string_view body)
{
    const auto move = msg::parsePlacemytile(body);
    if (!move) return;
    const int seat = movingSeat(move->seat);
    if (!seat || !Rack::validSlot(move->rackslot) || !BoardGrid::inside(move->col, move->row)) return;
    TPlayerRecord& record = m_slots[seat];
    const int tile = record.rack.at(move->rackslot);
    if (tile == kNoTile || !m_grid.isEmpty(move->col, move->row)) return;

    m_grid.set(move->col, move->row, tile);
    m_state.turnlog.push_back({move->rackslot, tile});
    record.rack.set(move->rackslot, kNoTile);
    broadcast(msg::placehistile({seat, tile, move->col, move->row}));
    sendTo(seat, msg::freecard(seat, move->rackslot));
}

// Any board tile may be moved to an empty cell, including tiles that were
// there before the turn.
void TServer::swaptiles(std::string_view body)
{
    const auto move = msg::parseSwaptilesRequest(body);
    if (!move) return;
    const int seat = movingSeat(move->seat);
    if (!seat || !BoardGrid::inside(move->tocol, move->torow) || !BoardGrid::inside(move->fromcol, move->fromrow))
        return;
    const int tile = m_grid.at(move->fromcol, move->fromrow);
    if (tile == kNoTile || !m_grid.isEmpty(move->tocol, move->torow)) return;

    m_grid.set(move->tocol, move->torow, tile);
    m_grid.set(move->fromcol, move->fromrow, kNoTile);
    broadcast(msg::swaptilesNotice({seat, move->tocol, move->torow, move->fromcol, move->fromrow, tile}));
}

// The tile is matched by its code: the first tile of that code laid this
// turn goes back to the rack slot it came from, even when the cell holds the
// other copy of the code. Either way the board keeps the snapshot's tiles
// plus the turn log's.
void TServer::replacetile(std::string_view body)
{
    const auto move = msg::parseReplacetile(body);
    if (!move) return;
    const int seat = movingSeat(move->seat);
    if (!seat || m_state.turnlog.empty() || !BoardGrid::inside(move->col, move->row)) return;
    const int tile = m_grid.at(move->col, move->row);
    if (tile == kNoTile) return;

    auto& log = m_state.turnlog;
    for (auto entry = log.begin(); entry != log.end(); ++entry) {
        if (entry->tile != tile) continue;
        const int slot = entry->slot;
        log.erase(entry);
        m_slots[seat].rack.set(slot, tile);
        m_grid.set(move->col, move->row, kNoTile);
        sendTo(seat, msg::nouse(seat));
        sendTo(seat, msg::yourtiles(seat, {{slot, tile}}));
        broadcast(msg::removetile(move->col, move->row));
        return;
    }
}

void TServer::undothem(std::string_view body)
{
    const auto request = msg::parseSeatOnly(body);
    if (!request) return;
    if (const int seat = movingSeat(request->seat)) undo(seat);
}

// Puts the board back as it stood when the turn began and the turn's tiles
// back into their rack slots.
void TServer::undo(int seat)
{
    std::vector<Cell> restored;
    for (int col = 0; col < BoardGrid::kColumns; ++col) {
        for (int row = 0; row < BoardGrid::kRows; ++row) {
            const int before = m_snapshot.at(col, row);
            if (m_grid.at(col, row) == before) continue;
            restored.push_back({col, row, before});
            m_grid.set(col, row, before);
        }
    }
    if (!restored.empty()) broadcast(msg::undothemNotice(seat, restored));
    clearusingstring(seat);
}

void TServer::clearusingstring(int seat)
{
    if (m_state.turnlog.empty() || !isSeat(seat)) return;
    std::vector<RackItem> returned;
    for (const LaidTile& laid : m_state.turnlog) {
        m_slots[seat].rack.set(laid.slot, laid.tile);
        returned.push_back({laid.slot, laid.tile});
    }
    m_state.turnlog.clear();
    sendTo(seat, msg::yourtiles(seat, returned));
}

} // namespace brixo
