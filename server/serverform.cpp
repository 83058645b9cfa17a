#include "server/serverform.h"

#include "bot/botlevel.h"
#include "net/catalogue.h"
#include "net/fieldreader.h"
#include "net/receivequeue.h"

#include <optional>
#include <utility>

namespace brixo {

namespace {

// The first field of an argument text (the sender's slot or seat in every
// table message but "CMD_startgame").
std::optional<int> leadingNumber(std::string_view args)
{
    return parseInt(args.substr(0, args.find('+')));
}

} // namespace

TServer::TServer(ServerHost& host, RandomSource& random) : m_host(host), m_random(random) {}

const Rack& TServer::rack(Seat seat) const
{
    static const Rack none;
    const TPlayerRecord* record = m_slots.seat(seat);
    return record ? record->rack : none;
}

int TServer::laiddown(Seat seat) const
{
    const TPlayerRecord* record = m_slots.seat(seat);
    return record ? record->laiddown : 0;
}

void TServer::playcomputer(Seat seat)
{
    playcomputerturn(*this, seat, m_host.botLevel(seat));
}

bool TServer::turnRunning() const
{
    return m_state.gamerunning && m_state.phase != ClockPhase::BetweenRounds && m_state.currentseat.valid();
}

Seat TServer::movingSeat(int named) const
{
    return turnRunning() && named == m_state.currentseat.number() ? m_state.currentseat : Seat();
}

// ---- inputs ---------------------------------------------------------------

void TServer::serialized(std::function<void()> input)
{
    if (m_busy) {
        m_waiting.push_back(std::move(input));
        return;
    }
    m_busy = true;
    input();
    while (!m_waiting.empty()) {
        std::function<void()> next = std::move(m_waiting.front());
        m_waiting.pop_front();
        next();
    }
    m_busy = false;
}

void TServer::message(ConnectionId from, std::string_view line)
{
    if (const auto split = splitCommand(line)) dispatch(from, split->command, split->args);
}

void TServer::dispatch(ConnectionId from, std::string_view command, std::string_view args)
{
    serialized([this, from, command = std::string(command), args = std::string(args)] {
        // A connection past a full server may only log in with a seat key.
        if (const auto waiting = waitingConnection(from); waiting != m_waitingForKey.end()) {
            if (command == "CMD_logininfo") keyedLogin(WaitingConnection(*waiting), args);
            return;
        }
        const Slot slot = connectionSlot(from);
        if (!slot.valid()) return; // the connection no longer holds a slot
        // A connection logs in once, and does nothing else before it has.
        if (command == "CMD_logininfo" ? m_slots[slot].loggedin : !m_slots[slot].loggedin) return;
        const std::optional<int> named = leadingNumber(args);
        // Every table message names its sender first; anyone else's number
        // gets the message dropped.
        const bool own = named && *named == slot.number();
        // While its owner just watches, the computer plays the seat: moves
        // from the seat's own table are dropped, so that a person and the
        // computer never move in the same turn.
        const bool mover = own && !(seatOf(slot).valid() && m_slots[slot].watching);
        const bool host = slot == kHostSlot;
        // Moves, just-watch and pauses are copied to every table; a table
        // sending them faster than any person could is let go (its seat is
        // kept as for any table that leaves), so that it cannot fill the
        // output of the tables that read at a person's pace.
        if (own && pacedRequest(command) && !keepsPace(slot)) {
            departure(slot);
            m_host.close(from);
            return;
        }

        if (command == "CMD_logininfo") {
            if (own) receivedlogininfo(slot, args);
        } else if (command == "CMD_kickhim") {
            if (own && host) kickhim(args);
        } else if (command == "CMD_chat") {
            if (own) chat(slot, args);
        } else if (command == "CMD_action") {
            if (own) action(slot, args);
        } else if (command == "CMD_startgame") {
            if (host) startgame(args);
        } else if (command == "CMD_justwatch") {
            if (own || (named && host)) justwatch(args);
        } else if (command == "CMD_placemytile") {
            if (mover) placemytile(args);
        } else if (command == "CMD_swaptiles") {
            if (mover) swaptiles(args);
        } else if (command == "CMD_undothem") {
            if (mover) undothem(args);
        } else if (command == "CMD_finish") {
            if (mover) finish(args);
        } else if (command == "CMD_drawcard") {
            if (mover) drawcard(args);
        } else if (command == "CMD_clickyes") {
            if (mover) clickyes(args);
        } else if (command == "CMD_replacetile") {
            if (mover) replacetile(args);
        } else if (command == "CMD_pause") {
            if (own) pause(args);
        }
        // Anything else, "CMD_botspeed" included, is ignored.
    });
}

bool TServer::pacedRequest(std::string_view command)
{
    static constexpr std::string_view kPaced[] = {"CMD_placemytile", "CMD_swaptiles", "CMD_undothem",
                                                  "CMD_finish",      "CMD_drawcard",  "CMD_clickyes",
                                                  "CMD_replacetile", "CMD_justwatch", "CMD_pause"};
    return std::find(std::begin(kPaced), std::end(kPaced), command) != std::end(kPaced);
}

bool TServer::keepsPace(Slot slot)
{
    std::optional<TokenBucket>& pace = m_pace[std::size_t(slot.number())];
    if (!pace) pace.emplace(m_paceBurst, m_pacePerSecond, m_host.now());
    return pace->take(m_host.now());
}

void TServer::connectionAccepted(ConnectionId connection, std::string address)
{
    serialized([this, connection, address = std::move(address)] {
        const bool tooMany = !address.empty() && (waitingFrom(address) >= kWaitingPerAddress ||
                                                  m_arrivalLimiter.admit(address, m_host.now()) !=
                                                      SenderLimiter::Verdict::Relay);
        if (tooMany) {
            m_host.send(connection, msg::full());
            m_host.close(connection);
            return;
        }
        const Slot slot = freeSlot();
        if (!slot.valid()) {
            waitForKey(connection, address);
            return;
        }
        m_slots.playercount = std::max(m_slots.playercount, slot.number());
        TPlayerRecord& record = m_slots[slot];
        record.connected = true;
        record.sock = connection;
        record.address = address;
        record.loggedin = false;
        sendTo(slot, msg::sendlogininfo(slot.number()));
        m_host.expectLogin(connection, kLoginMilliseconds);
    });
}

Slot TServer::freeSlot() const
{
    // A seat kept for a player who left during the game is not free.
    for (int n = 1; n <= m_slots.playercount; ++n)
        if (!m_slots[Slot(n)].connected && m_slots[Slot(n)].keptFor.empty()) return Slot(n);
    return m_slots.playercount < Slot::kLast ? Slot(m_slots.playercount + 1) : Slot();
}

void TServer::connectionClosed(ConnectionId connection)
{
    serialized([this, connection] {
        if (stopWaiting(connection)) return;
        const Slot slot = connectionSlot(connection);
        if (!slot.valid()) return;
        // Nobody was told of a table that never logged in.
        if (m_slots[slot].loggedin) departure(slot);
        else dropUnannounced(slot);
    });
}

void TServer::loginDeadline(ConnectionId connection)
{
    serialized([this, connection] {
        if (stopWaiting(connection)) {
            m_host.close(connection);
            return;
        }
        const Slot slot = connectionSlot(connection);
        if (!slot.valid() || m_slots[slot].loggedin) return;
        dropUnannounced(slot);
        m_host.close(connection);
    });
}

void TServer::dropUnannounced(Slot slot)
{
    TPlayerRecord& record = m_slots[slot];
    record.connected = false;
    record.sock = kNoConnection;
    record.address.clear();
    record.loggedin = false;
}

int TServer::waitingFrom(const std::string& address) const
{
    int waiting = 0;
    for (const Slot slot : Slot::all())
        if (m_slots[slot].connected && !m_slots[slot].loggedin && m_slots[slot].address == address) ++waiting;
    return waiting;
}

void TServer::timer1Timer()
{
    serialized([this] {
        // A seat's pause ends by itself; the host's lasts until lifted.
        if (m_state.paused) {
            if (m_pauses.tick()) liftPause();
            return;
        }
        if (!m_clockRunning) return;
        if (m_returnGraceSeconds > 0 && --m_returnGraceSeconds == 0) scheduleComputer();
        --m_state.turnclock;
        if (m_state.turnclock >= 1) return;
        stopClock();
        switch (m_state.phase) {
        case ClockPhase::Turn:
            broadcast(msg::notime(m_state.currentseat.number()));
            startClock(ClockPhase::Grace, 2);
            break;
        case ClockPhase::BetweenRounds: startround(); break;
        case ClockPhase::Grace: timeup(m_state.currentseat); break;
        }
    });
}

void TServer::computertimerTimer()
{
    serialized([this] {
        if (!m_computerTimerArmed) return;
        m_computerTimerArmed = false;
        const TPlayerRecord* seat = m_slots.seat(m_state.currentseat);
        if (turnRunning() && seat->computerDriven()) playcomputer(m_state.currentseat);
    });
}

// ---- sending --------------------------------------------------------------

void TServer::sendTo(Slot slot, const std::string& frame)
{
    const TPlayerRecord* record = m_slots.record(slot);
    if (record && record->connected) m_host.send(record->sock, frame);
}

void TServer::broadcast(const std::string& frame)
{
    for (int n = 1; n <= m_slots.playercount; ++n)
        if (const TPlayerRecord& record = m_slots[Slot(n)]; record.connected) m_host.send(record.sock, frame);
}

Slot TServer::connectionSlot(ConnectionId connection) const
{
    if (connection == kNoConnection) return Slot();
    for (const Slot slot : Slot::all())
        if (m_slots[slot].connected && m_slots[slot].sock == connection) return slot;
    return Slot();
}

} // namespace brixo
