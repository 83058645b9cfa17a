// What the server announces about seats, spectators, the game and its
// rounds.
#include "table/tablemirror.h"
#include "table/wording.h"

#include "net/catalogue.h"
#include "table/racksort.h"
#include "table/seatwords.h"

#include <algorithm>

namespace brixo {

// ---- seats and spectators ---------------------------------------------------

void TableMirror::newplayerinfo(std::string_view args)
{
    const auto m = msg::parseSlotName(args);
    if (!m || !Slot(m->slot).valid()) return;
    const Slot slot(m->slot);
    const bool me = slot == m_mySlot;
    if (me) {
        notice(translate("Table", "You are Connected."));
        m_update.settingsDue = true;
    } else {
        notice(fillin(translate("Table", "%1 is Connected."), {m->name}));
    }
    m_seats.arrive(slot, m->name);
    if (!seatOf(slot).valid())
        notice(me ? translate("Table", "You are spying.") : fillin(translate("Table", "%1 is spying."), {m->name}));
    sound("entered");
}

void TableMirror::playerdisconnected(std::string_view args)
{
    const auto m = msg::parseSlotName(args);
    if (!m) return;
    const Slot slot(m->slot);
    const Seat seat = seatOf(slot);
    const std::string shown = seatName(seat);
    if (!m_seats.leave(slot, m->name, m_options.team)) return;
    if (!seat.valid()) notice(fillin(translate("Table", "%1 has left."), {m->name}));
    else if (shown != seatwords::kWaiting) notice(fillin(translate("Table", "%1 disconnected."), {shown}));
}

void TableMirror::justwatching(std::string_view args)
{
    const auto m = msg::parseJustwatch(args);
    if (!m) return;
    const Seat seat(m->seat);
    SeatState* s = m_seats.find(seat);
    if (!s) return;
    if (m->mode == "1") {
        s->watching = true;
        notice(fillin(translate("Table", "%1 is just watching"), {seatName(seat)}));
        // The computer plays this seat now, this very turn included.
        if (mine(seat)) {
            takeBackTurn();
            m_turn.controls().hide();
        }
    } else {
        const bool wasWatching = s->watching;
        s->watching = false;
        notice(fillin(translate("Table", "%1 is now playing again"), {seatName(seat)}));
        // Back in the middle of an own turn the computer has not taken yet.
        if (mine(seat) && wasWatching && mayPlay()) offerTurn();
    }
}

// ---- games and rounds ----------------------------------------------------------

void TableMirror::startthegame(std::string_view args)
{
    const auto m = msg::parseStartgame(args);
    if (!m) return;
    const bool team = m->team == "t";
    m_seats.seatComputers(team);

    takeBackTurn();
    m_turn.newGame();
    m_startOffered = false;
    newRound();
    m_log.newGame();
    m_turn.controls().hide();
    // A new game starts with everybody playing, as the server resets it.
    for (const Seat seat : Seat::all()) m_seats.find(seat)->watching = false;
    m_seats.newGame();
    clearRack();
    m_board.clear();
    m_rack.forgetLaid();

    m_options = {true, m->playto, TurnClock::clampedTime(m->turntime), m->penalty == "t", team};
    m_turn.setTimePerTurn(m_options.turntime);

    // A solo player is called "You" on the wire; the table says it in its own words.
    notice(m->name == seatwords::kYou ? translate("Table", "You have started a game.")
                                      : fillin(translate("Table", "%1 has started a game."), {m->name}));
    notice(fillin(translate("Table", "Starting with %1 tiles."), {std::to_string(m->tilestostart)}));
}

void TableMirror::startround(std::string_view args)
{
    const auto scores = msg::parseStartround(args);
    if (!scores) return;
    for (const Seat seat : Seat::all()) m_seats.setScore(seat, (*scores)[seat.index()]);
    for (const Seat seat : {Seat(3), Seat(4)})
        m_seats.find(seat)->sittingOut = m_seats.at(seat).occupant == Occupant::Empty;
    m_waitingForRound = false;
    m_laidDown = false;
    m_dealDue = true;
    newRound();
    takeBackTurn();
    m_rack.forgetLaid();
    m_turn.end();
    m_board.clearMarks();
    clearRack();
    m_board.clear();
}

void TableMirror::loadstats(std::string_view args)
{
    const auto m = msg::parseLoadstats(args);
    if (!m) return;
    m_catchingUp = true;
    m_dealDue = true;
    // A game runs: a host that comes back to it (a resumed game) starts none.
    m_startOffered = false;
    m_turn.forgetSeen();
    m_turn.catchUp(Seat(m->turnseat));
    m_options = {true, m->playto, TurnClock::clampedTime(m->turntime), m->penalty, m->team};
    m_turn.setTimePerTurn(m_options.turntime);
    // The seats the computer plays, known to the others since the game began.
    m_seats.seatComputers(m->team);
    for (const msg::SeatStats& stats : m->seats) {
        const Seat seat(stats.seat);
        SeatState* s = m_seats.find(seat);
        if (!s) continue;
        m_seats.setScore(seat, stats.score);
        m_seats.setTiles(seat, stats.count);
        s->watching = stats.watching;
        // Seats 1 and 2 always play.
        if (seat.number() >= 3) s->sittingOut = stats.sitsout;
        if (mine(seat) && stats.sitsout) m_waitingForRound = true;
    }
}

void TableMirror::endround(std::string_view args)
{
    const auto m = msg::parseEndround(args);
    if (!m) return;
    takeBackTurn();
    m_rack.forgetLaid();
    m_rack.forgetDraws();
    m_turn.controls().hide();
    std::optional<int> turnSeatTiles;
    for (const msg::SeatResult& result : m->seats)
        if (Seat(result.seat) == turnSeat()) turnSeatTiles = result.count;
    turnOver(turnSeatTiles);
    m_turn.roundOver();
    for (const msg::SeatResult& result : m->seats) {
        const Seat seat(result.seat);
        SeatState* s = m_seats.find(seat);
        if (!s) continue;
        m_seats.setScore(seat, result.score);
        s->hasLastPoints = true;
        s->lastPoints = result.points;
        s->lastPointsFromTurn = false;
        m_seats.setTiles(seat, result.count);
    }
    const Seat winner(m->winner);
    m_log.setStatus(
        [winner, me = mySeat(), name = seatName(winner)] { return seatwords::roundOver(winner, me, name); });
    m_log.add("");
    m_log.add(m_log.status());
    std::vector<RoundLine> summary;
    for (const msg::SeatResult& result : m->seats) {
        const Seat seat(result.seat);
        if (!seat.valid() || m_seats.at(seat).sittingOut) continue;
        summary.push_back(
            {seat, result.count, result.points, seatwords::roundLine(who(seat), result.count, result.points), {}});
        m_log.add(summary.back().text);
    }
    m_log.setRoundSummary(std::move(summary));
    sound("roundover");
}

// The tiles a seat held at the round's end, shown beside its points.
void TableMirror::roundrack(std::string_view args)
{
    const auto m = msg::parseRoundrack(args);
    if (!m) return;
    std::vector<Tile> tiles;
    for (int code : m->tiles)
        if (Tile(code).real() && tiles.size() < std::size_t(RackSlot::kCount)) tiles.emplace_back(code);
    std::stable_sort(tiles.begin(), tiles.end(), [this](Tile a, Tile b) {
        return racksort::sortKey(a, m_sortByNumber) < racksort::sortKey(b, m_sortByNumber);
    });
    m_log.setRoundRack(Seat(m->seat), std::move(tiles));
}

void TableMirror::winner(std::string_view args)
{
    const std::string name = msg::parseWinner(args);
    sound("winner");
    TurnControls& controls = m_turn.controls();
    controls.draw = controls.clear = controls.finish = false;
    m_log.setWinnerText([name] { return seatwords::winnerText(name); });
    notice(m_log.winnerText());
    if (m_host) m_startOffered = true;
    // Spectators keep no tally of games they did not sit in.
    if (mySeat().valid()) m_update.tallyResult = seatName(mySeat()) == name ? "addtomine" : name;
}

// ---- seat management ----------------------------------------------------------------

void TableMirror::clearRack()
{
    if (m_hand.holdsRackTile()) setHand({});
    m_rack.clear();
}

} // namespace brixo
