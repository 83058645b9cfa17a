// What the server announces about seats, spectators, the game, its rounds
// and its turns.
#include "table/tablemirror.h"

#include "net/catalogue.h"
#include "table/seatwords.h"

#include <algorithm>

namespace brixo {

// ---- seats and spectators ---------------------------------------------------

void TableMirror::newplayerinfo(std::string_view args)
{
    const auto m = msg::parseSlotName(args);
    if (!m) return;
    if (mine(m->slot)) {
        notice("You are Connected.");
        m_update.settingsDue = true;
    } else {
        notice(m->name + " is Connected.");
    }
    if (SeatState* s = seatAt(m->slot)) {
        s->occupant = Occupant::Person;
        s->person = m->name;
    } else if (m->slot > kSeatCount) {
        m_spectators.push_back({m->slot, m->name});
        notice(mine(m->slot) ? "You are spying." : m->name + " is spying.");
    }
    sound("entered");
}

void TableMirror::playerdisconnected(std::string_view args)
{
    const auto m = msg::parseSlotName(args);
    if (!m) return;
    if (SeatState* s = seatAt(m->slot)) {
        if (seatName(m->slot) != seatwords::kWaiting) notice(seatName(m->slot) + " disconnected.");
        // Seat 2 always plays, seats 3 and 4 only in a team game; an empty
        // seat 1 waits for its host.
        const bool computerPlays = m->slot == 2 || (m->slot >= 3 && m_options.team);
        s->occupant = computerPlays ? Occupant::Computer : Occupant::Empty;
        s->person.clear();
        s->watching = false;
    } else if (m->slot > kSeatCount) {
        const auto entry = std::find(m_spectators.begin(), m_spectators.end(), Spectator{m->slot, m->name});
        if (entry == m_spectators.end()) return;
        m_spectators.erase(entry);
        notice(m->name + " has left.");
    }
}

void TableMirror::justwatching(std::string_view args)
{
    const auto m = msg::parseJustwatch(args);
    if (!m) return;
    SeatState* s = seatAt(m->seat);
    if (!s) return;
    if (m->mode == "1") {
        s->watching = true;
        notice(seatName(m->seat) + " is just watching");
        // The computer plays this seat now, this very turn included.
        if (mine(m->seat)) {
            takeBackTurn();
            hideTurnControls();
        }
    } else {
        const bool wasWatching = s->watching;
        s->watching = false;
        notice(seatName(m->seat) + " is now playing again");
        // Back in the middle of an own turn the computer has not taken yet.
        if (mine(m->seat) && wasWatching && mayPlay()) offerTurn();
    }
}

// ---- game and round ----------------------------------------------------------

void TableMirror::clearall()
{
    clearallcards();
    cleartheboard();
    m_laid.clear();
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        SeatState& s = m_seats[seat];
        s.score = 0;
        s.scoreFromTurn = false;
        s.hasLastPoints = false;
        s.hasTiles = false;
    }
}

// Seat 2 always has a computer player when nobody sits there, seats 3
// and 4 only in a team game; a person keeps the seat whatever the name.
void TableMirror::seatComputers(bool team)
{
    for (int seat = 3; seat <= 4; ++seat) {
        Occupant& who = m_seats[seat].occupant;
        if (!team && who == Occupant::Computer) who = Occupant::Empty;
        if (team && who == Occupant::Empty) who = Occupant::Computer;
    }
    if (m_seats[2].occupant == Occupant::Empty) m_seats[2].occupant = Occupant::Computer;
}

void TableMirror::startthegame(std::string_view args)
{
    const auto m = msg::parseStartgame(args);
    if (!m) return;
    const bool team = m->team == "t";
    seatComputers(team);

    takeBackTurn();
    m_turnSeat = 0;
    m_paused = false;
    m_startOffered = false;
    m_winnerText.clear();
    forgetRound();
    hideTurnControls();
    m_log.clear();
    ++m_logGeneration;
    // A new game starts with everybody playing, as the server resets it.
    for (int seat = 1; seat <= kSeatCount; ++seat) m_seats[seat].watching = false;
    clearall();

    m_options.known = true;
    m_options.playto = m->playto;
    m_options.turntime = m->turntime;
    m_options.penalty = m->penalty == "t";
    m_options.team = team;
    m_clock.setTimePerTurn(m->turntime);

    notice(m->name + " has started a game.");
    notice("Starting with " + std::to_string(m->tilestostart) + " tiles.");
}

void TableMirror::startround(std::string_view args)
{
    const auto scores = msg::parseStartround(args);
    if (!scores) return;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        m_seats[seat].score = (*scores)[seat - 1];
        m_seats[seat].scoreFromTurn = false;
    }
    for (int seat = 3; seat <= 4; ++seat) m_seats[seat].sittingOut = m_seats[seat].occupant == Occupant::Empty;
    m_waitingForRound = false;
    m_laidDown = false;
    forgetRound();
    takeBackTurn();
    m_laid.clear();
    m_turnSeat = 0;
    clearthisturn();
    clearallcards();
    cleartheboard();
}

void TableMirror::loadstats(std::string_view args)
{
    const auto m = msg::parseLoadstats(args);
    if (!m) return;
    m_catchingUp = true;
    m_turn = {};
    m_turnSeat = m->turnseat;
    m_options.known = true;
    m_options.playto = m->playto;
    m_options.turntime = m->turntime;
    m_options.penalty = m->penalty;
    m_options.team = m->team;
    m_clock.setTimePerTurn(m->turntime);
    // The seats the computer plays, known to the others since the game began.
    seatComputers(m->team);
    for (const msg::SeatStats& stats : m->seats) {
        SeatState* s = seatAt(stats.seat);
        if (!s) continue;
        s->score = stats.score;
        s->scoreFromTurn = false;
        s->hasTiles = true;
        s->tiles = stats.count;
        s->watching = stats.watching;
        // Seats 1 and 2 always play.
        if (stats.seat >= 3) s->sittingOut = stats.sitsout;
        if (mine(stats.seat) && stats.sitsout) m_waitingForRound = true;
    }
}

void TableMirror::endround(std::string_view args)
{
    const auto m = msg::parseEndround(args);
    if (!m) return;
    takeBackTurn();
    m_laid.clear();
    m_justDrawn.clear();
    m_drawnThisTurn.clear();
    hideTurnControls();
    m_clock.stopAt(0);
    std::optional<int> turnSeatTiles;
    for (const msg::SeatResult& result : m->seats)
        if (result.seat == m_turnSeat) turnSeatTiles = result.count;
    turnOver(turnSeatTiles);
    m_turnSeat = 0;
    // A round that ends while the clock is stopped leaves nothing paused.
    m_paused = false;
    for (const msg::SeatResult& result : m->seats) {
        SeatState* s = seatAt(result.seat);
        if (!s) continue;
        s->score = result.score;
        s->scoreFromTurn = false;
        s->hasLastPoints = true;
        s->lastPoints = result.points;
        s->lastPointsFromTurn = false;
        s->hasTiles = true;
        s->tiles = result.count;
    }
    m_status = seatwords::roundOver(m->winner, m_mySeat, seatName(m->winner));
    logline("");
    logline(m_status);
    m_roundSummary.clear();
    for (const msg::SeatResult& result : m->seats) {
        const SeatState* s = seatAt(result.seat);
        if (!s || s->sittingOut) continue;
        m_roundSummary.push_back({result.seat, seatName(result.seat), result.count, result.points});
        logline(seatwords::roundLine(who(result.seat), result.count, result.points));
    }
    sound("roundover");
}

void TableMirror::winner(std::string_view args)
{
    const std::string name = msg::parseWinner(args);
    sound("winner");
    m_controls.draw = m_controls.clear = m_controls.finish = false;
    m_winnerText = seatwords::winnerText(name);
    notice(m_winnerText);
    if (m_host) m_startOffered = true;
    // Spectators keep no tally of games they did not sit in.
    if (seatAt(m_mySeat)) m_update.tallyResult = seatName(m_mySeat) == name ? "addtomine" : name;
}

// ---- turns ---------------------------------------------------------------------

void TableMirror::getnextplayer(std::string_view args)
{
    const auto m = msg::parseNextplayer(args);
    if (!m) return;
    takeBackTurn();
    m_laid.clear();
    std::optional<int> lastSeatTiles;
    std::optional<int> nextSeatTiles;
    for (const msg::SeatCount& count : m->seats) {
        if (count.seat == m_turnSeat) lastSeatTiles = count.count;
        if (count.seat == m->turnseat) nextSeatTiles = count.count;
    }
    turnOver(lastSeatTiles);
    // A turn running when this table caught up was not seen from its start.
    if (!m_catchingUp) m_turn = {true, nextSeatTiles, false};
    m_catchingUp = false;
    // The marks of earlier draws go when this seat's turn ends, so a drawn
    // tile stays marked through the whole of the seat's next turn.
    if (mine(m_turnSeat) && !mine(m->turnseat)) {
        m_justDrawn = std::move(m_drawnThisTurn);
        m_drawnThisTurn.clear();
    }
    m_turnSeat = m->turnseat;
    m_tilesLeft = m->tilesleft;
    for (const msg::SeatCount& count : m->seats) {
        SeatState* s = seatAt(count.seat);
        if (!s) continue;
        s->score = count.score;
        s->scoreFromTurn = false;
        s->hasTiles = true;
        s->tiles = count.count;
    }
    // Whose turn it is goes by seat: two players of one name must not both
    // be offered the turn.
    if (m_turnSeat == m_mySeat && m_mySeat != 0) {
        m_status = "Your Turn.";
        sound(m_newTurnSound ? "turnnew" : "turn");
        m_controls.pauseEnabled = true;
        hideTurnControls();
        if (mayPlay()) offerTurn();
    } else {
        m_status = seatName(m_turnSeat) + "'s turn.";
        m_controls.pauseEnabled = m_host;
        hideTurnControls();
    }
    m_controls.signBlinking = false;
    logline("");
    logline(m_status);
    // A turn that ended while the clock was stopped gives way to a new one
    // whose clock runs: the server sends no resume for it.
    m_paused = false;
    m_clock.restart();
    m_clockRunning = true;
    ++m_clockStarts;
}

void TableMirror::offerTurn()
{
    m_controls.draw = true;
    m_controls.sign = true;
    m_controls.signBlinking = !chatboardok();
}

void TableMirror::hideTurnControls()
{
    m_controls.draw = m_controls.clear = m_controls.finish = false;
    m_controls.sign = false;
    m_controls.penaltyPanel = m_controls.laydownPanel = false;
}

void TableMirror::turnOver(std::optional<int> tilesNow)
{
    // A turn that laid nothing down and left the seat more tiles than it
    // began with drew them. This table's own draws were told as the tiles
    // came.
    if (m_turn.watched && !m_turn.finished && m_turn.startTiles && tilesNow && seatAt(m_turnSeat) &&
        !mine(m_turnSeat)) {
        const int drawn = *tilesNow - *m_turn.startTiles;
        if (drawn > 0) played(seatwords::drew(seatName(m_turnSeat), drawn));
    }
    m_turn = {};
}

// What told of the last round or game goes when a new one starts.
void TableMirror::forgetRound()
{
    m_status.clear();
    m_lastAction.clear();
    m_roundSummary.clear();
    m_catchingUp = false;
    m_turn = {};
}

void TableMirror::takeBackTurn()
{
    setHand({});
    rollBack();
    m_history.clear();
    m_refusal.clear();
}

void TableMirror::gamepause(std::string_view args)
{
    const auto mode = msg::parseGamepause(args);
    if (!mode) return;
    if (*mode == 1) {
        m_paused = true;
        m_clockRunning = false;
    } else if (*mode == 0) {
        m_paused = false;
        m_clockRunning = true;
        ++m_clockStarts;
    }
}

void TableMirror::notime(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m) return;
    const std::string line =
        mine(m->seat) ? "You have run out of time!." : seatName(m->seat) + " has ran out of time.";
    notice(line);
    logline(line);
    // A board tile in the hand goes back to its cell, a rack tile to the rack.
    if (mine(m->seat)) setHand({});
}

void TableMirror::incomplete(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m || !mine(m->seat)) return;
    m_status = "Board is incomplete.";
    logline(m_status);
    sound("notvalid");
}

void TableMirror::notenough(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m || !mine(m->seat)) return;
    m_status = "Your first lay down must equal at least 30 points";
    m_controls.clear = m_controls.finish = true;
    m_controls.laydownPanel = true;
    sound("notvalid");
}

void TableMirror::askpenalty(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m || !mine(m->seat)) return;
    m_controls.penaltyPanel = true;
    m_controls.clear = m_controls.finish = m_controls.draw = false;
    sound("notvalid");
}

// ---- seat management --------------------------------------------------------------

TableUpdate TableMirror::kicking(int target)
{
    if (m_host && m_loggedIn) send(msg::kickhim(m_mySeat, target));
    return done();
}

TableUpdate TableMirror::setJustWatch(int seat, bool watch)
{
    if (m_loggedIn && seat >= 1 && seat <= kSeatCount) send(msg::justwatch(seat, watch ? "1" : "2"));
    return done();
}

TableUpdate TableMirror::JustWatch1Click()
{
    // The menu's tick follows the server's answer, not the click.
    if (m_loggedIn && seatAt(m_mySeat)) send(msg::justwatch(m_mySeat, m_seats[m_mySeat].watching ? "2" : "1"));
    return done();
}

} // namespace brixo
