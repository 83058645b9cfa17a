// Login, departures, removing a participant, just-watch and the chat relays.
#include "server/serverform.h"

#include "model/namelikeness.h"
#include "model/playername.h"
#include "net/catalogue.h"

#include <algorithm>

namespace brixo {

namespace {
// Told once to a sender whose chat lines come faster than they are relayed.
constexpr std::string_view kTooFast = "Slow down: lines sent too fast were not passed on.";
} // namespace

void TServer::receivedlogininfo(Slot slot, std::string_view body)
{
    const auto login = msg::parseLogininfo(body);
    if (!login) return;
    TPlayerRecord& record = m_slots[slot];
    // Only the server puts a connection into a seat kept for a player: it is
    // the table that showed the seat's key. Any other login is checked.
    if (record.keptFor.empty()) {
        if (removedPlayer(*login, record.address)) {
            refuse(record.sock, slot, msg::removed());
            return;
        }
        if (const Seat kept = seatKeptFor(login->key); kept.valid()) {
            const ConnectionId connection = record.sock;
            const std::string address = record.address;
            dropUnannounced(slot);
            returnToSeat(connection, address, kept, *login, slot);
            return;
        }
    }
    logIn(slot, *login);
}

void TServer::logIn(Slot slot, const msg::LoginInfo& login)
{
    TPlayerRecord& record = m_slots[slot];
    record.name = uniqueName(login.name, slot);
    record.loggedin = true;
    record.keptFor.clear();
    m_pace[std::size_t(slot.number())].reset();
    // New at every login, so a key seen once opens nothing later.
    record.seatkey = randomKey(*m_secrets, msg::kSeatKeyLength);
    sendTo(slot, msg::seatkey(record.seatkey));

    broadcast(msg::newplayerinfo(slot.number(), record.name));
    // A seat set to just watch while nobody held it plays again for the
    // person who sits down.
    if (seatOf(slot).valid() && record.watching) {
        record.watching = false;
        broadcast(msg::justwatching(slot.number(), "2"));
    }
    for (int n = 1; n <= m_slots.playercount; ++n) {
        const Slot other(n);
        if (other != slot && m_slots[other].connected)
            sendTo(slot, msg::existingplayers(n, m_slots[other].name));
    }

    // A different version is reported to both sides and otherwise allowed.
    if (login.version != msg::kVersion) {
        sendTo(kHostSlot, msg::havewrongversion(record.name));
        sendTo(slot, msg::wrongversion());
    }
    // A person who sits down where a computer turn still waits on its delay
    // takes the turn: the computer stands down and the turn is given afresh,
    // so every table, the newcomer's included, shows it on the same full
    // clock.
    const bool takesTurn =
        seatOf(slot) == m_state.currentseat && turnRunning() && m_computerTimerArmed && !record.computerDriven();
    if (m_state.gamerunning) catchUp(slot, !takesTurn);
    if (takesTurn) announceTurn();
}

std::string TServer::uniqueName(std::string_view raw, Slot slot) const
{
    const std::string base = cleanName(raw, slot.number());
    // The name of a player whose seat waits for them is theirs until they
    // are back.
    const auto taken = [&](const std::string& name) {
        for (const Slot other : Slot::all()) {
            if (other == slot) continue;
            if (m_slots[other].loggedin && namesReadAlike(m_slots[other].name, name)) return true;
            if (!m_slots[other].keptFor.empty() && namesReadAlike(m_slots[other].keptFor, name)) return true;
        }
        return false;
    };
    std::string name = base;
    for (int n = 2; taken(name); ++n) name = numberedName(base, n);
    return name;
}

Seat TServer::seatKeptFor(std::string_view key) const
{
    if (!m_state.gamerunning || key.empty()) return Seat();
    for (const Seat seat : Seat::all()) {
        const TPlayerRecord& record = m_slots[seat];
        if (!record.keptFor.empty() && !record.connected && record.seatkey == key) return seat;
    }
    return Seat();
}

bool TServer::removedPlayer(const msg::LoginInfo& login, const std::string& address) const
{
    const std::string name = cleanName(login.name, 0);
    for (const Removed& removed : m_removed) {
        if (!login.key.empty() && login.key == removed.seatkey) return true;
        if (namesReadAlike(name, removed.name)) return true;
        // Somebody else at the removed player's address may still come back
        // to a seat of their own.
        if (!address.empty() && address == removed.address && !seatKeptFor(login.key).valid()) return true;
    }
    return false;
}

void TServer::refuse(ConnectionId connection, Slot slot, const std::string& reason)
{
    m_host.send(connection, reason);
    if (slot.valid()) dropUnannounced(slot);
    m_host.close(connection);
}

// The table learns its seat as it learned its first slot: it is asked to log
// in from there, and only that login is announced.
void TServer::returnToSeat(ConnectionId connection, const std::string& address, Seat seat,
                           const msg::LoginInfo& login, Slot told)
{
    TPlayerRecord& record = m_slots[seat];
    record.connected = true;
    record.sock = connection;
    record.address = address;
    record.loggedin = false;
    if (told == slotOf(seat)) logIn(told, login);
    else sendTo(seat, msg::sendlogininfo(seat.number()));
}

void TServer::waitForKey(ConnectionId connection, const std::string& address)
{
    Seat awaited;
    for (const Seat seat : Seat::all())
        if (m_state.gamerunning && !m_slots[seat].keptFor.empty() && !m_slots[seat].connected) awaited = seat;
    if (!awaited.valid()) {
        refuse(connection, Slot(), msg::full());
        return;
    }
    // A few wait at a time; the longest waiting makes room, so connections
    // that never log in cannot keep a returning player out.
    if (m_waitingForKey.size() >= std::size_t(kSeats)) {
        const ConnectionId oldest = m_waitingForKey.front().connection;
        m_waitingForKey.erase(m_waitingForKey.begin());
        refuse(oldest, Slot(), msg::full());
    }
    m_waitingForKey.push_back({connection, address, slotOf(awaited)});
    m_host.send(connection, msg::sendlogininfo(awaited.number()));
    m_host.expectLogin(connection, kLoginMilliseconds);
}

void TServer::keyedLogin(const WaitingConnection& waiting, std::string_view body)
{
    const auto login = msg::parseLogininfo(body);
    if (!login || login->slot != waiting.told.number()) return;
    stopWaiting(waiting.connection);
    const Seat seat = seatKeptFor(login->key);
    if (removedPlayer(*login, waiting.address)) refuse(waiting.connection, Slot(), msg::removed());
    else if (!seat.valid()) refuse(waiting.connection, Slot(), msg::full());
    else returnToSeat(waiting.connection, waiting.address, seat, *login, waiting.told);
}

std::vector<TServer::WaitingConnection>::iterator TServer::waitingConnection(ConnectionId connection)
{
    return std::find_if(m_waitingForKey.begin(), m_waitingForKey.end(),
                        [&](const WaitingConnection& w) { return w.connection == connection; });
}

bool TServer::stopWaiting(ConnectionId connection)
{
    const auto found = waitingConnection(connection);
    if (found == m_waitingForKey.end()) return false;
    m_waitingForKey.erase(found);
    return true;
}

// Brings a table that logs in during a game up to date: options, scores and
// counts, the board, its own rack when it sits at a seat that plays, and
// the turn that runs as every other table was told it, with the seconds
// its clock has left: the seat, its clock and, for a player back at its
// own turn, the turn's controls. Between rounds no turn runs.
void TServer::catchUp(Slot slot, bool tellTurn)
{
    msg::LoadStats stats;
    stats.slot = slot.number();
    stats.turnseat = turnRunning() ? m_state.currentseat.number() : 0;
    stats.playto = m_state.playto;
    stats.turntime = m_state.turntime;
    stats.penalty = m_state.timepenalty;
    stats.team = m_state.teamgame;
    for (const Seat seat : Seat::all()) {
        const TPlayerRecord& r = m_slots[seat];
        stats.seats.push_back({seat.number(), r.score, r.tilecount(), r.watching, !r.plays});
    }
    sendTo(slot, msg::loadstats(stats));

    if (m_grid.hasAnyTile()) {
        std::vector<Cell> cells;
        for (int col = 0; col < BoardGrid::kColumns; ++col)
            for (int row = 0; row < BoardGrid::kRows; ++row)
                if (const int tile = m_grid.at(col, row)) cells.push_back({col, row, tile});
        sendTo(slot, msg::loadboard(slot.number(), cells));
    }

    const TPlayerRecord* seat = m_slots.seat(seatOf(slot));
    if (seat && seat->plays && seat->tilecount() > 0) sendTo(slot, msg::yourtiles(slot.number(), seat->rack.items()));
    if (tellTurn && turnRunning()) {
        sendTo(slot, msg::nextplayer(currentTurn()));
        // The turn began before this table heard of it: its clock starts
        // where the others' stand, not at the full time.
        sendTo(slot, msg::timeleft(turnSecondsShown()));
    }
    // After the turn, which would start the table's clock.
    if (m_state.paused) sendTo(slot, msg::gamepause(1));
}

// A slot's connection is gone: the others are told once, the slot is freed,
// and the seat keeps its rack and score so that the computer plays it on.
// If it was that seat's turn, the computer takes the turn at once, except
// for seat 1 unless so set, whose turn then runs out on the clock.
void TServer::departure(Slot slot, bool kept)
{
    TPlayerRecord& record = m_slots[slot];
    for (int n = 1; n <= m_slots.playercount; ++n)
        if (Slot(n) != slot) sendTo(Slot(n), msg::playerdisconnected(slot.number(), record.name));
    const Seat seat = seatOf(slot);
    // During a game the seat waits for its player to come back.
    if (kept && m_state.gamerunning && seat.valid() && !record.name.empty()) record.keptFor = record.name;
    record.connected = false;
    record.sock = kNoConnection;
    record.address.clear();
    record.loggedin = false;
    if (!record.name.empty()) record.lastname = record.name;
    record.name.clear();
    record.watching = false;
    // Only seat 1 and the turn seat may lift a pause: when one of them
    // leaves, the pause ends so the game cannot stand still for ever.
    if (m_state.paused && (slot == kHostSlot || seat == m_state.currentseat)) liftPause();
    const bool takesOver = slot != kHostSlot || m_computerTakesSeatOne;
    if (takesOver && seat == m_state.currentseat && turnRunning()) computerTakesOver(seat);
}

// The computer starts the turn afresh: what the person left half done goes
// back to the rack first, so the computer never finishes on a board it did
// not lay out.
void TServer::computerTakesOver(Seat seat)
{
    undo(seat);
    playcomputer(seat);
}

void TServer::kickhim(std::string_view body)
{
    // The host does not remove itself.
    if (const auto kick = msg::parseKickhim(body); kick && kick->target != kHostSlot.number())
        removeFromGame(Slot(kick->target));
}

// The player is told why before the connection closes, and is refused until
// the game ends: by key, by name and by address.
void TServer::removeFromGame(Slot slot)
{
    if (!slot.valid() || !m_slots[slot].connected) return;
    TPlayerRecord& record = m_slots[slot];
    if (record.loggedin) m_removed.push_back({record.seatkey, record.name, record.address});
    record.seatkey.clear();
    m_host.send(record.sock, msg::removed());
    disconnectsock(slot);
}

void TServer::disconnectsock(Slot slot)
{
    if (!slot.valid() || !m_slots[slot].connected) return;
    const ConnectionId connection = m_slots[slot].sock;
    // A player who was removed has no seat kept for them.
    if (m_slots[slot].loggedin) departure(slot, false);
    else dropUnannounced(slot);
    m_host.close(connection);
}

void TServer::justwatch(std::string_view body)
{
    const auto request = msg::parseJustwatch(body);
    if (!request) return;
    const Seat seat(request->seat);
    if (!seat.valid()) return;
    TPlayerRecord& record = m_slots[seat];
    if (request->mode == "2") {
        record.watching = false;
        broadcast(msg::justwatching(seat.number(), "2"));
    } else if (request->mode == "1" && m_state.gamerunning) {
        record.watching = true;
        broadcast(msg::justwatching(seat.number(), "1"));
        if (seat == m_state.currentseat && turnRunning()) computerTakesOver(seat);
    }
}

void TServer::chat(Slot slot, std::string_view body)
{
    const auto line = msg::parseSlotText(body);
    if (line && mayRelay(slot, line->text)) broadcast(msg::chatRelay(m_slots[slot].name, line->text));
}

void TServer::action(Slot slot, std::string_view body)
{
    const auto line = msg::parseSlotText(body);
    if (line && mayRelay(slot, line->text)) broadcast(msg::actionRelay(m_slots[slot].name, line->text));
}

bool TServer::mayRelay(Slot slot, std::string_view text)
{
    // Only a table that is not ours sends more than its chat field holds;
    // it is not worth a word.
    if (msg::characterCount(text) > msg::kMaxChatText) return false;
    const TPlayerRecord& record = m_slots[slot];
    const std::string sender = record.address.empty() ? "#" + std::to_string(record.sock) : record.address;
    switch (m_chatLimiter.admit(sender, m_host.now())) {
    case SenderLimiter::Verdict::Relay: return true;
    case SenderLimiter::Verdict::DropAndTell: sendTo(slot, msg::chatNotice(kTooFast)); return false;
    case SenderLimiter::Verdict::Drop: return false;
    }
    return false;
}

} // namespace brixo
