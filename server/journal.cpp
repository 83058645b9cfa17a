// The game journal: the snapshot a server offers at every committed turn
// end and round end, and going on with a game from one.
#include "server/serverform.h"

#include <chrono>

namespace brixo {

void TServer::writeJournal()
{
    if (m_journalSink && m_state.gamerunning) m_journalSink->journal(journal());
}

GameJournal TServer::journal() const
{
    GameJournal j;
    j.written = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
                    .count();
    j.options = {m_state.playto, m_state.turntime, m_state.tilestostart, m_state.timepenalty, m_state.teamgame};
    j.random = m_random.state();
    j.pool = m_pool.order();
    j.poolpos = m_pool.poolpos;
    j.playercount = std::max(m_slots.playercount, kSeats);
    j.turnseat = m_state.currentseat.valid() ? m_state.currentseat.number() : 1;
    j.betweenRounds = m_state.phase == ClockPhase::BetweenRounds;
    j.round = std::max(1, m_round);
    for (const Seat seat : Seat::all()) {
        const TPlayerRecord& r = m_slots[seat];
        JournalSeat& out = j.seats[seat.index()];
        out.plays = r.plays;
        // A person at the seat now, or one it waits for.
        const std::string& name = r.loggedin ? r.name : r.keptFor;
        out.person = !name.empty() && !r.seatkey.empty();
        out.watching = r.loggedin && r.watching;
        out.poolempty = r.poolempty;
        out.score = r.score;
        out.points = r.points;
        out.laiddown = r.laiddown;
        if (out.person) {
            out.seatkey = r.seatkey;
            out.name = name;
        }
        out.rack = r.rack.items();
    }
    for (int col = 0; col < BoardGrid::kColumns; ++col)
        for (int row = 0; row < BoardGrid::kRows; ++row)
            if (const int tile = m_snapshot.at(col, row)) j.board.push_back({col, row, tile});
    // The newest, should a host have removed more than a journal keeps.
    const std::size_t first = m_removed.size() > kMaxJournalRemoved ? m_removed.size() - kMaxJournalRemoved : 0;
    for (std::size_t i = first; i < m_removed.size(); ++i)
        j.removed.push_back({m_removed[i].seatkey, m_removed[i].name, m_removed[i].address});
    return j;
}

bool TServer::resume(const GameJournal& j)
{
    if (m_state.gamerunning) return false;
    if (j.random && !m_random.restore(*j.random)) return false;
    m_state.gamerunning = true;
    m_state.paused = false;
    m_state.turnlog.clear();
    m_state.playto = j.options.playto;
    m_state.turntime = j.options.turntime;
    m_state.tilestostart = j.options.tilestostart;
    m_state.timepenalty = j.options.timepenalty;
    m_state.teamgame = j.options.teamgame;
    m_pauses.newGame();
    m_removed.clear();
    for (const JournalRemoved& removed : j.removed) m_removed.push_back({removed.seatkey, removed.name, removed.address});
    m_round = j.round;
    m_pool.restore(j.pool, j.poolpos);
    m_slots.playercount = std::max(m_slots.playercount, j.playercount);
    m_grid.clear();
    for (const JournalCell& cell : j.board) m_grid.set(cell.col, cell.row, cell.tile);
    m_snapshot = m_grid;
    for (const Seat seat : Seat::all()) {
        const JournalSeat& in = j.seats[seat.index()];
        TPlayerRecord& r = m_slots[seat];
        r.plays = in.plays;
        r.poolempty = in.poolempty;
        r.score = in.score;
        r.points = in.points;
        r.laiddown = in.laiddown;
        r.watching = false;
        r.keptFor = in.person ? in.name : std::string();
        r.seatkey = in.seatkey;
        if (in.person) r.lastname = in.name;
        r.rack.clear();
        for (const RackItem& item : in.rack) r.rack.set(item.slot, item.tile);
    }
    m_state.currentseat = Seat(j.turnseat);
    if (j.betweenRounds) {
        startClock(ClockPhase::BetweenRounds, m_roundPauseSeconds);
        writeJournal();
    } else {
        // The player whose turn it was is likely on the way back: the turn
        // waits a little for them before the computer plays it, as it would
        // have at once.
        const JournalSeat& turn = j.seats[m_state.currentseat.index()];
        m_returnGraceSeconds = turn.person && !turn.watching ? kReturnGraceSeconds : 0;
        announceTurn();
    }
    return true;
}

} // namespace brixo
