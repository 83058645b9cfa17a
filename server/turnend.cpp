// Ending a turn: finishing with the board checked, drawing instead of
// playing, accepting the penalty, and the draw from the pool, which ends the
// round once every playing seat has met an empty pool.
#include "server/serverform.h"

#include "model/gameoptions.h"
#include "model/setrules.h"
#include "net/catalogue.h"

namespace brixo {

namespace {
constexpr int kPenaltyOfferSeconds = 10; // below this an invalid finish is undone at once
constexpr int kLastDrawSlot = 59;        // a draw never fills rack slot 60
} // namespace

// Draws `count` tiles into the lowest empty rack slots 1..59. False when
// the draw ended the round (every playing seat has now met an empty pool).
bool TServer::draw(Seat seat, int count)
{
    TPlayerRecord& record = m_slots[seat];
    std::vector<RackItem> drawn;
    for (int n = 0; n < count; ++n) {
        if (m_pool.exhausted()) {
            sendTo(seat, msg::nomoretiles());
            record.poolempty = true;
            bool everyoneEmpty = true;
            for (const Seat s : Seat::all())
                if (m_slots[s].plays && !m_slots[s].poolempty) everyoneEmpty = false;
            if (everyoneEmpty) {
                // The tiles drawn before the pool ran out are in the rack and
                // are settled with it, so the table must hear of them.
                if (!drawn.empty()) sendTo(seat, msg::yourtiles(seat.number(), drawn));
                endround(Seat());
                return false;
            }
            m_pool.poolpos = Pool::kSize + 1; // tiles left reads -1 from now on
            continue;
        }
        const int slot = record.rack.firstEmptySlot(kLastDrawSlot);
        if (slot == 0) {
            sendTo(seat, msg::nomoreroom());
            continue;
        }
        const int tile = m_pool.take();
        record.rack.set(slot, tile);
        drawn.push_back({slot, tile});
    }
    if (!drawn.empty()) sendTo(seat, msg::yourtiles(seat.number(), drawn));
    return true;
}

// Takes the turn back, draws and passes the turn unless the draw ended the
// round.
void TServer::drawInstead(Seat seat, int count)
{
    undo(seat);
    if (draw(seat, count)) findplayer();
}

void TServer::drawcard(std::string_view body)
{
    const auto request = msg::parseSeatOnly(body);
    if (!request) return;
    if (const Seat seat = movingSeat(request->seat); seat.valid()) drawInstead(seat, 1);
}

// The penalty for an invalid board is always three tiles; the time-penalty
// option only concerns turns that run out.
void TServer::clickyes(std::string_view body)
{
    const auto request = msg::parseSeatOnly(body);
    if (!request) return;
    if (const Seat seat = movingSeat(request->seat); seat.valid()) drawInstead(seat, 3);
}

void TServer::finish(std::string_view body)
{
    const auto request = msg::parseSeatOnly(body);
    if (!request) return;
    const Seat seat = movingSeat(request->seat);
    if (!seat.valid()) return;
    TPlayerRecord& record = m_slots[seat];

    // Nothing laid from the rack: tiles merely moved go back and the seat draws.
    if (m_state.turnlog.empty()) {
        drawInstead(seat, 1);
        return;
    }

    record.points = 0;
    for (const LaidTile& laid : m_state.turnlog) record.points += tilevalue(laid.tile);

    // The first lay-down of a round needs 30 points. A person may go on
    // working; the computer takes its moves back and draws.
    if (record.points < kFirstLayDown && record.laiddown == 0) {
        sendTo(seat, msg::notenough(seat.number()));
        if (record.computerDriven()) drawInstead(seat, 1);
        return;
    }

    if (!boardok(m_grid)) {
        if (m_state.turnclock >= kPenaltyOfferSeconds) {
            sendTo(seat, msg::askpenalty(seat.number()));
        } else {
            undo(seat);
            sendTo(seat, msg::incomplete(seat.number()));
        }
        return;
    }

    // The board stands: what changed is shown to everybody and committed.
    msg::MovedTiles moved;
    for (int col = 0; col < BoardGrid::kColumns; ++col) {
        for (int row = 0; row < BoardGrid::kRows; ++row) {
            const int tile = m_grid.at(col, row);
            if (tile != kNoTile && tile != m_snapshot.at(col, row)) moved.cells.push_back({col, row, tile});
        }
    }
    m_snapshot = m_grid;
    m_state.turnlog.clear(); // committed: nothing of this turn is left to take back
    record.score += record.points;
    record.laiddown += record.points;
    moved.seat = seat.number();
    moved.score = record.score;
    moved.points = record.points;
    broadcast(msg::movedtiles(moved));

    bool goesOut = record.tilecount() < 1;
    if (m_state.teamgame) {
        TPlayerRecord& partner = m_slots[record.partner];
        partner.score = record.score;
        partner.laiddown = record.laiddown;
        broadcast(msg::teamscore(record.partner.number(), partner.score));
        goesOut = goesOut && partner.tilecount() < 1;
    }
    if (goesOut) endround(seat);
    else findplayer();
}

} // namespace brixo
