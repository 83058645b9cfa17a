// Turns as the server announces them: whose turn it is, its clock and its
// pauses, and the answers to this seat's finish or draw.
#include "table/tablemirror.h"
#include "table/wording.h"

#include "model/pool.h"
#include "net/catalogue.h"
#include "table/seatwords.h"

namespace brixo {

namespace {

// A seat's tile count as the server tells it, if it can be one.
std::optional<int> tileCount(int count)
{
    if (count < 0 || count > Pool::kSize) return std::nullopt;
    return count;
}

} // namespace

void TableMirror::getnextplayer(std::string_view args)
{
    const auto m = msg::parseNextplayer(args);
    if (!m) return;
    const Seat next(m->turnseat);
    takeBackTurn();
    m_rack.forgetLaid();
    std::optional<int> lastSeatTiles;
    std::optional<int> nextSeatTiles;
    for (const msg::SeatCount& count : m->seats) {
        if (Seat(count.seat) == turnSeat()) lastSeatTiles = tileCount(count.count);
        if (Seat(count.seat) == next) nextSeatTiles = tileCount(count.count);
    }
    turnOver(lastSeatTiles);
    // A turn running when this table caught up was not seen from its start.
    if (!m_catchingUp) m_turn.watchFromStart(nextSeatTiles);
    m_catchingUp = false;
    // The marks of earlier draws go when this seat's turn ends, so a drawn
    // tile stays marked through the whole of the seat's next turn.
    if (mine(turnSeat()) && !mine(next)) m_rack.ownTurnOver();
    m_turn.begin(next, m->tilesleft);
    for (const msg::SeatCount& count : m->seats) {
        const Seat seat(count.seat);
        m_seats.setScore(seat, count.score);
        m_seats.setTiles(seat, count.count);
    }
    TurnControls& controls = m_turn.controls();
    // Whose turn it is goes by seat: two players of one name must not both
    // be offered the turn.
    if (mine(next)) {
        m_log.setStatus([] { return translate("Table", "Your Turn."); });
        sound(m_newTurnSound ? "turnnew" : "turn");
        controls.pauseEnabled = true;
        controls.hide();
        if (mayPlay()) offerTurn();
    } else {
        m_log.setStatus([name = seatName(next)] { return fillin(translate("Table", "%1's turn."), {name}); });
        controls.pauseEnabled = m_host;
        controls.hide();
    }
    controls.signBlinking = false;
    m_log.add("");
    m_log.add(m_log.status());
}

void TableMirror::offerTurn()
{
    m_turn.controls().offer(shownBoardValid());
}

void TableMirror::turnOver(std::optional<int> tilesNow)
{
    // A turn that laid nothing down and left the seat more tiles than it
    // began with drew them. This table's own draws were told as the tiles
    // came.
    const TurnState::Seen& seen = m_turn.seen();
    if (seen.fromStart && !seen.finished && seen.startTiles && tilesNow && turnSeat().valid() && !mine(turnSeat())) {
        const int drawn = *tilesNow - *seen.startTiles;
        if (drawn > 0) m_log.played([name = seatName(turnSeat()), drawn] { return seatwords::drew(name, drawn); });
    }
    m_turn.forgetSeen();
}

// What told of the last round or game goes when a new one starts.
void TableMirror::newRound()
{
    m_log.newRound();
    m_catchingUp = false;
    m_turn.forgetSeen();
}

void TableMirror::takeBackTurn()
{
    m_showMe.stop();
    setHand({});
    refused(m_board.rollBack());
    m_history.clear();
    m_log.clearRefusal();
}

void TableMirror::gamepause(std::string_view args)
{
    const auto mode = msg::parseGamepause(args);
    if (mode && (*mode == 0 || *mode == 1)) m_turn.pause(*mode == 1);
}

// A table that caught up during a turn: its clock stands where the others' do.
void TableMirror::timeleft(std::string_view args)
{
    const auto seconds = msg::parseTimeleft(args);
    if (!seconds || !turnSeat().valid()) return;
    m_turn.clockAt(*seconds);
}

void TableMirror::notime(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m) return;
    const Seat seat(m->seat);
    const std::string line = mine(seat) ? translate("Table", "You have run out of time!.")
                                        : fillin(translate("Table", "%1 has ran out of time."), {seatName(seat)});
    notice(line);
    m_log.add(line);
    // A board tile in the hand goes back to its cell, a rack tile to the rack.
    if (mine(seat)) {
        m_showMe.stop();
        setHand({});
    }
}

void TableMirror::incomplete(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m || !mine(Seat(m->seat))) return;
    m_log.setStatus([] { return translate("Table", "Board is incomplete."); });
    m_log.add(m_log.status());
    sound("notvalid");
}

void TableMirror::notenough(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m || !mine(Seat(m->seat))) return;
    m_log.setStatus([] {
        return fillin(translate("Table", "Your first lay down must equal at least %1 points"),
                      {std::to_string(kFirstLayDown)});
    });
    TurnControls& controls = m_turn.controls();
    controls.clear = controls.finish = true;
    controls.laydownPanel = true;
    sound("notvalid");
}

void TableMirror::askpenalty(std::string_view args)
{
    const auto m = msg::parseSeatOnly(args);
    if (!m || !mine(Seat(m->seat))) return;
    TurnControls& controls = m_turn.controls();
    controls.penaltyPanel = true;
    controls.clear = controls.finish = controls.draw = false;
    sound("notvalid");
}

TableUpdate TableMirror::clockTick()
{
    switch (m_turn.tick()) {
    case TurnState::Tick::Quiet: break;
    case TurnState::Tick::Aloud: sound("time"); break;
    case TurnState::Tick::ServerSilent:
        // The server has stayed silent past the turn: offer no more moves.
        takeBackTurn();
        m_turn.end();
        m_turn.controls().hide();
        break;
    }
    return done();
}

} // namespace brixo
