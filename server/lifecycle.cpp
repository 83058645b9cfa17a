// Starting games and rounds, dealing, passing the turn, the turn clock with
// its time-out, and pausing.
#include "server/serverform.h"

#include "net/catalogue.h"

#include <algorithm>

namespace brixo {

// Options come from the host's game-start dialog; numbers outside its ranges
// are pulled into them before the deal cap is applied.
void TServer::startgame(std::string_view body)
{
    const auto request = msg::parseStartgame(body);
    if (!request) return;
    GameOptions options;
    options.playto = request->playto;
    options.turntime = request->turntime;
    options.tilestostart = request->tilestostart;
    options.timepenalty = request->penalty == "t";
    options.teamgame = request->team == "t";
    options = options.clamped();

    m_state.gamerunning = true;
    forgetKeptSeats();
    m_state.playto = options.playto;
    m_state.turntime = options.turntime;
    m_state.timepenalty = options.timepenalty;
    m_state.teamgame = options.teamgame;
    m_state.tilestostart = cappedTilesToStart(options.tilestostart, dealSeats());

    // The game is announced as the host's: whatever name the message
    // carries, it is relayed with the name slot 1 logged in with.
    msg::StartGame relay = *request;
    relay.name = m_slots[1].name;
    relay.playto = m_state.playto;
    relay.turntime = m_state.turntime;
    relay.tilestostart = m_state.tilestostart;
    broadcast(msg::startgame(relay));

    for (int seat = 1; seat <= kSeats; ++seat) {
        TPlayerRecord& r = m_slots[seat];
        r.score = 0;
        r.watching = false;
        r.poolempty = false;
    }
    setPlaysFlags();
    startround();
}

// A seat plays when a person sits there; seat 2 always plays, so a host
// alone has an opponent; a team game always has all four.
void TServer::setPlaysFlags()
{
    for (int seat = 1; seat <= kSeats; ++seat) {
        TPlayerRecord& r = m_slots[seat];
        r.plays = r.connected || seat == 2 || m_state.teamgame;
    }
}

// The seats the deal must allow for: 1 and 2, and 3 and 4 when taken or in a
// team game.
int TServer::dealSeats() const
{
    int seats = 2;
    for (int seat = 3; seat <= kSeats; ++seat)
        if (m_slots[seat].connected || m_state.teamgame) ++seats;
    return seats;
}

void TServer::startround()
{
    for (int seat = 1; seat <= kSeats; ++seat) {
        TPlayerRecord& r = m_slots[seat];
        r.rack.clear();
        r.laiddown = 0;
        // An empty pool met in an earlier round must not end this one.
        r.poolempty = false;
    }
    setPlaysFlags();
    m_grid.clear();
    m_snapshot.clear();
    broadcast(msg::startround({m_slots[1].score, m_slots[2].score, m_slots[3].score, m_slots[4].score}));
    m_state.turnlog.clear();
    m_pool.shuffletiles(m_random);
    givetiles();
    findplayer();
}

// Deals one tile at a time round the playing seats into rack slots
// 1..tilestostart, then tells each seated table its rack.
void TServer::givetiles()
{
    m_state.tilestostart = cappedTilesToStart(m_state.tilestostart, dealSeats());
    for (int seat = 1; seat <= kSeats; ++seat) m_slots[seat].rack.clear();
    for (int slot = 1; slot <= m_state.tilestostart; ++slot)
        for (int seat = 1; seat <= kSeats; ++seat)
            if (m_slots[seat].plays) m_slots[seat].rack.set(slot, m_pool.take());
    for (int seat = 1; seat <= kSeats; ++seat)
        if (m_slots[seat].connected) sendTo(seat, msg::yourtiles(seat, m_slots[seat].rack.items()));
}

// The turn goes to the next playing seat after the last one, so the order
// carries on across rounds and games.
void TServer::findplayer()
{
    int seat = m_state.currentseat;
    for (int tries = 0; tries < kSeats; ++tries) {
        seat = seat % kSeats + 1;
        if (m_slots[seat].plays) break;
    }
    if (!m_slots[seat].plays) return; // nobody plays: no turn to give
    m_state.currentseat = seat;
    m_state.turnlog.clear();
    announceTurn();
}

// Tells every table whose turn it is, with the pool and the scores, and
// starts the turn on a full clock, lifting any pause; a seat no person
// plays gets the computer timer.
void TServer::announceTurn()
{
    broadcast(msg::nextplayer(currentTurn()));

    endPause();
    startClock(ClockPhase::Turn, m_state.turntime + 4);
    scheduleComputer();
}

msg::NextPlayer TServer::currentTurn() const
{
    msg::NextPlayer next;
    next.turnseat = m_state.currentseat;
    next.tilesleft = m_pool.tilesLeft();
    for (int s = 1; s <= kSeats; ++s) next.seats.push_back({s, m_slots[s].score, m_slots[s].tilecount()});
    return next;
}

void TServer::scheduleComputer()
{
    if (m_slots[m_state.currentseat].computerDriven()) {
        m_computerTimerArmed = true;
        m_host.startComputerTimer(std::max(0, m_host.botSpeed()));
    } else {
        stopComputerTimer();
    }
}

void TServer::stopComputerTimer()
{
    if (!m_computerTimerArmed) return;
    m_computerTimerArmed = false;
    m_host.stopComputerTimer();
}

void TServer::startClock(ClockPhase phase, int seconds)
{
    m_state.phase = phase;
    m_state.turnclock = seconds;
    m_clockRunning = true;
    m_host.startClock();
}

void TServer::stopClock()
{
    m_clockRunning = false;
    m_host.stopClock();
}

// The turn ran out: its moves are taken back, the seat draws (three with the
// time penalty) and the turn passes.
void TServer::timeup(int seat)
{
    if (!m_state.gamerunning || !isSeat(seat)) return;
    stopClock();
    drawInstead(seat, m_state.timepenalty ? 3 : 1);
}

// Only seat 1 or the turn seat may pause, and only the turn itself: the
// grace seconds and the wait between rounds run on.
void TServer::pause(std::string_view body)
{
    const auto request = msg::parsePause(body);
    if (!request) return;
    if (request->seat != 1 && request->seat != m_state.currentseat) return;
    if (!m_state.gamerunning || m_state.phase != ClockPhase::Turn) return;
    if (request->mode == 1 && !m_state.paused) {
        m_state.paused = true;
        stopClock();
        broadcast(msg::gamepause(1));
    } else if (request->mode == 0 && m_state.paused) {
        liftPause();
    }
}

// Whenever the clock runs again after a pause, every table hears of it.
void TServer::endPause()
{
    if (!m_state.paused) return;
    m_state.paused = false;
    broadcast(msg::gamepause(0));
}

void TServer::liftPause()
{
    if (!m_state.paused) return;
    endPause();
    m_clockRunning = true;
    m_host.startClock();
}

void TServer::forgetKeptSeats()
{
    for (int seat = 1; seat <= kSeats; ++seat) m_slots[seat].keptFor.clear();
}

} // namespace brixo
