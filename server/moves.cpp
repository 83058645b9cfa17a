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
    const Seat seat = movingSeat(move->seat);
    const RackSlot slot(move->rackslot);
    const BoardCell cell{move->col, move->row};
    if (!seat.valid() || !slot.valid() || !cell.inside()) return;
    TPlayerRecord& record = m_slots[seat];
    const Tile tile = record.rack.at(slot);
    if (tile.none() || !m_grid.isEmpty(cell)) return;

    m_grid.set(cell, tile);
    m_state.turnlog.push_back({slot.number(), tile.code()});
    record.rack.set(slot, Tile());
    broadcast(msg::placehistile({seat.number(), tile.code(), cell.col, cell.row}));
    sendTo(seat, msg::freecard(seat.number(), slot.number()));
}

// Any board tile may be moved to an empty cell, including tiles that were
// there before the turn.
void TServer::swaptiles(std::string_view body)
{
    const auto move = msg::parseSwaptilesRequest(body);
    if (!move) return;
    const Seat seat = movingSeat(move->seat);
    const BoardCell to{move->tocol, move->torow};
    const BoardCell from{move->fromcol, move->fromrow};
    if (!seat.valid() || !to.inside() || !from.inside()) return;
    const Tile tile = m_grid.at(from);
    if (tile.none() || !m_grid.isEmpty(to)) return;

    m_grid.set(to, tile);
    m_grid.set(from, Tile());
    broadcast(msg::swaptilesNotice({seat.number(), to.col, to.row, from.col, from.row, tile.code()}));
}

// The tile is matched by its code: the first tile of that code laid this
// turn goes back to the rack slot it came from, even when the cell holds the
// other copy of the code. Either way the board keeps the snapshot's tiles
// plus the turn log's.
void TServer::replacetile(std::string_view body)
{
    const auto move = msg::parseReplacetile(body);
    if (!move) return;
    const Seat seat = movingSeat(move->seat);
    const BoardCell cell{move->col, move->row};
    if (!seat.valid() || m_state.turnlog.empty() || !cell.inside()) return;
    const int tile = m_grid.at(cell).code();
    if (tile == kNoTile) return;

    auto& log = m_state.turnlog;
    for (auto entry = log.begin(); entry != log.end(); ++entry) {
        if (entry->tile != tile) continue;
        const int slot = entry->slot;
        log.erase(entry);
        m_slots[seat].rack.set(slot, tile);
        m_grid.set(cell, Tile());
        sendTo(seat, msg::nouse(seat.number()));
        sendTo(seat, msg::yourtiles(seat.number(), {{slot, tile}}));
        broadcast(msg::removetile(cell.col, cell.row));
        return;
    }
}

void TServer::undothem(std::string_view body)
{
    const auto request = msg::parseSeatOnly(body);
    if (!request) return;
    if (const Seat seat = movingSeat(request->seat); seat.valid()) undo(seat);
}

// Puts the board back as it stood when the turn began and the turn's tiles
// back into their rack slots.
void TServer::undo(Seat seat)
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
    if (!restored.empty()) broadcast(msg::undothemNotice(seat.number(), restored));
    clearusingstring(seat);
}

void TServer::clearusingstring(Seat seat)
{
    if (m_state.turnlog.empty() || !seat.valid()) return;
    std::vector<RackItem> returned;
    for (const LaidTile& laid : m_state.turnlog) {
        m_slots[seat].rack.set(laid.slot, laid.tile);
        returned.push_back({laid.slot, laid.tile});
    }
    m_state.turnlog.clear();
    sendTo(seat, msg::yourtiles(seat.number(), returned));
}

} // namespace brixo
