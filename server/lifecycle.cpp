// Starting games and rounds, dealing, passing the turn, the turn clock with
// its time-out, and pausing.
#include "server/serverform.h"

#include "net/catalogue.h"

#include <algorithm>
#include <array>

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
    m_round = 0;
    forgetKeptSeats();
    m_pauses.newGame();
    m_state.playto = options.playto;
    m_state.turntime = options.turntime;
    m_state.timepenalty = options.timepenalty;
    m_state.teamgame = options.teamgame;
    m_state.tilestostart = cappedTilesToStart(options.tilestostart, dealSeats());

    // The game is announced as the host's: whatever name the message
    // carries, it is relayed with the name slot 1 logged in with.
    msg::StartGame relay = *request;
    relay.name = m_slots[kHostSlot].name;
    relay.playto = m_state.playto;
    relay.turntime = m_state.turntime;
    relay.tilestostart = m_state.tilestostart;
    broadcast(msg::startgame(relay));

    for (const Seat seat : Seat::all()) {
        TPlayerRecord& r = m_slots[seat];
        r.score = 0;
        r.watching = false;
        r.poolempty = false;
    }
    setPlaysFlags();
    startround();
}

// A seat plays when a person sits there or it waits for its person; seat 2 always plays, so a host
// alone has an opponent; a team game always has all four.
void TServer::setPlaysFlags()
{
    for (const Seat seat : Seat::all()) {
        TPlayerRecord& r = m_slots[seat];
        r.plays = r.connected || !r.keptFor.empty() || seat == Seat(2) || m_state.teamgame;
    }
}

// The seats the deal must allow for: 1 and 2, and 3 and 4 when taken (or
// kept for their player) or in a team game.
int TServer::dealSeats() const
{
    int seats = 2;
    for (const Seat seat : {Seat(3), Seat(4)})
        if (m_slots[seat].connected || !m_slots[seat].keptFor.empty() || m_state.teamgame) ++seats;
    return seats;
}

void TServer::startround()
{
    for (const Seat seat : Seat::all()) {
        TPlayerRecord& r = m_slots[seat];
        r.rack.clear();
        r.laiddown = 0;
        // An empty pool met in an earlier round must not end this one.
        r.poolempty = false;
    }
    setPlaysFlags();
    m_grid.clear();
    m_snapshot.clear();
    std::array<int, kSeats> scores{};
    for (const Seat seat : Seat::all()) scores[seat.index()] = m_slots[seat].score;
    ++m_round;
    broadcast(msg::startround(scores));
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
    for (const Seat seat : Seat::all()) m_slots[seat].rack.clear();
    for (int slot = 1; slot <= m_state.tilestostart; ++slot)
        for (const Seat seat : Seat::all())
            if (m_slots[seat].plays) m_slots[seat].rack.set(slot, m_pool.take());
    for (const Seat seat : Seat::all())
        if (m_slots[seat].connected) sendTo(seat, msg::yourtiles(seat.number(), m_slots[seat].rack.items()));
}

// The turn goes to the next playing seat after the last one, so the order
// carries on across rounds and games.
void TServer::findplayer()
{
    Seat seat = m_state.currentseat;
    for (int tries = 0; tries < kSeats; ++tries) {
        seat = seatAfter(seat);
        if (m_slots[seat].plays) break;
    }
    if (!m_slots[seat].plays) return; // nobody plays: no turn to give
    m_state.currentseat = seat;
    m_state.turnlog.clear();
    m_returnGraceSeconds = 0;
    announceTurn();
}

// Tells every table whose turn it is, with the pool and the scores, and
// starts the turn on a full clock, lifting any pause; a seat no person
// plays gets the computer timer.
void TServer::announceTurn()
{
    broadcast(msg::nextplayer(currentTurn()));

    endPause();
    startClock(ClockPhase::Turn, m_state.turntime + kTurnGraceSeconds);
    scheduleComputer();
    writeJournal();
}

int TServer::turnSecondsShown() const
{
    if (m_state.phase != ClockPhase::Turn) return 0;
    return std::clamp(m_state.turnclock - kTurnGraceSeconds, 0, m_state.turntime);
}

msg::NextPlayer TServer::currentTurn() const
{
    msg::NextPlayer next;
    next.turnseat = m_state.currentseat.number();
    next.tilesleft = m_pool.tilesLeft();
    for (const Seat seat : Seat::all())
        next.seats.push_back({seat.number(), m_slots[seat].score, m_slots[seat].tilecount()});
    return next;
}

void TServer::scheduleComputer()
{
    if (m_slots[m_state.currentseat].computerDriven() && m_returnGraceSeconds == 0) {
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
void TServer::timeup(Seat seat)
{
    if (!m_state.gamerunning || !seat.valid()) return;
    stopClock();
    drawInstead(seat, m_state.timepenalty ? 3 : 1);
}

// Only seat 1 or the turn seat may pause, and only the turn itself: the
// grace seconds and the wait between rounds run on. The turn seat's pauses
// are few and short (PauseAllowance); while one lasts, the clock goes on
// ticking to end it, without counting down the turn.
void TServer::pause(std::string_view body)
{
    const auto request = msg::parsePause(body);
    if (!request) return;
    const Seat seat(request->seat);
    const bool host = seat == seatOf(kHostSlot);
    if (!host && seat != m_state.currentseat) return;
    if (!m_state.gamerunning || m_state.phase != ClockPhase::Turn) return;
    if (request->mode == 1 && !m_state.paused) {
        if (!m_pauses.mayPause(seat, host)) return;
        m_pauses.begin(seat, host);
        m_state.paused = true;
        if (m_pauses.timed()) m_clockRunning = false;
        else stopClock();
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
    for (const Seat seat : Seat::all()) m_slots[seat].keptFor.clear();
}

} // namespace brixo
