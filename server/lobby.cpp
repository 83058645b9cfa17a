#include "server/lobby.h"

#include "model/playername.h"
#include "net/catalogue.h"
#include "net/lobbymessages.h"
#include "net/receivequeue.h"

namespace brixo {

namespace {

// 31 to the 6th: the number of room codes.
constexpr std::uint64_t kCodeCount = 887'503'681;

std::string codeFrom(std::uint64_t number)
{
    // The bias of taking a 64-bit number modulo the code count is below
    // one in a billion.
    number %= kCodeCount;
    std::string code(kRoomCodeLength, ' ');
    for (std::size_t i = 0; i < kRoomCodeLength; ++i) {
        code[i] = kRoomCodeAlphabet[number % kRoomCodeAlphabet.size()];
        number /= kRoomCodeAlphabet.size();
    }
    return code;
}

// A title as a name is cleaned; one that cleans to nothing is "Room" and
// the code. The cleaner falls back on a name with the slot number in it,
// so the two differ only when nothing of the title was left.
std::string roomTitle(std::string_view raw, const std::string& code)
{
    const std::string title = cleanName(raw, 1);
    if (title != cleanName(raw, 2)) return "Room " + code;
    return title;
}

} // namespace

Lobby::Lobby(LobbyHost& host, SecretRandom& random, LobbyLimits limits, std::optional<std::uint64_t> seed)
    : m_host(host), m_random(random), m_limits(limits), m_seed(seed)
{
}

std::uint64_t Lobby::roomSeed(std::uint64_t lobbySeed, RoomId room)
{
    // Steps of the golden ratio's fraction spread neighbouring rooms' seeds
    // over the whole range.
    return lobbySeed + (room - 1) * 0x9E3779B97F4A7C15ull;
}

int Lobby::connectionsFrom(const std::string& address) const
{
    const auto found = m_perAddress.find(address);
    return found == m_perAddress.end() ? 0 : found->second;
}

RoomId Lobby::roomWithCode(std::string_view code) const
{
    const auto found = m_codes.find(std::string(code));
    return found == m_codes.end() ? 0 : found->second;
}

const Lobby::Room* Lobby::room(RoomId id) const
{
    const auto found = m_rooms.find(id);
    return found == m_rooms.end() ? nullptr : &found->second;
}

// ---- events -----------------------------------------------------------------

void Lobby::connectionAccepted(ConnectionId connection, std::string address)
{
    if (connectionsFrom(address) >= m_limits.connectionsPerAddress) {
        m_host.close(connection);
        return;
    }
    ++m_perAddress[address];
    m_addresses.emplace(connection, std::move(address));
    m_waiting.emplace(connection, Waiting{});
    m_host.send(connection, msg::lobby(kLobbyProtocol));
    m_host.expectEntry(connection, kLobbyMilliseconds);
}

void Lobby::message(ConnectionId from, std::string_view line)
{
    const auto waiting = m_waiting.find(from);
    if (waiting == m_waiting.end()) return;
    if (line.size() > kMaxLobbyLine || ++waiting->second.messages > kLobbyMessages) {
        sendAway(from);
        return;
    }
    const auto split = splitCommand(line);
    if (!split) return;
    if (split->command == "CMD_listrooms") listRooms(from);
    else if (split->command == "CMD_newroom") newRoom(from, split->args);
    else if (split->command == "CMD_joinroom") joinRoom(from, split->args);
    // Anything else, game messages included, is ignored.
}

void Lobby::connectionClosed(ConnectionId connection)
{
    m_waiting.erase(connection);
    const auto address = m_addresses.find(connection);
    if (address == m_addresses.end()) return;
    const auto count = m_perAddress.find(address->second);
    if (count != m_perAddress.end() && --count->second <= 0) m_perAddress.erase(count);
    m_addresses.erase(address);
}

void Lobby::lobbyDeadline(ConnectionId connection)
{
    if (m_waiting.contains(connection)) sendAway(connection);
}

void Lobby::roomClosed(RoomId room)
{
    const auto found = m_rooms.find(room);
    if (found == m_rooms.end()) return;
    m_codes.erase(found->second.code);
    m_rooms.erase(found);
}

RoomId Lobby::restoreRoom(std::string_view code, std::string_view title, bool isPublic)
{
    const std::optional<std::string> checked = roomCode(code);
    if (!checked || *checked != code || m_codes.contains(*checked) ||
        m_rooms.size() >= std::size_t(std::max(0, m_limits.maxRooms)))
        return 0;
    const RoomId id = ++m_lastRoom;
    m_codes.emplace(*checked, id);
    m_rooms.emplace(id, Room{*checked, roomTitle(title, *checked), isPublic});
    return id;
}

// ---- answers ----------------------------------------------------------------

void Lobby::listRooms(ConnectionId from)
{
    for (const auto& [id, room] : m_rooms) {
        if (!room.isPublic) continue;
        const RoomSummary summary = m_host.roomSummary(id);
        m_host.send(from, msg::room({room.code, room.title, summary.seated, summary.spectators, summary.running}));
    }
    m_host.send(from, msg::roomsend());
}

void Lobby::newRoom(ConnectionId from, std::string_view args)
{
    const auto request = msg::parseNewroom(args);
    if (!request) return;
    // No message says why a room cannot be opened; "full" tells the table
    // that there is no place for it here, and it is let go as a full
    // server lets a table go.
    if (m_rooms.size() >= std::size_t(std::max(0, m_limits.maxRooms)) || !withinMinute(m_openings, m_addresses.at(from), m_limits.roomsPerAddress)) {
        sendAway(from, msg::full());
        return;
    }
    const RoomId id = ++m_lastRoom;
    Room room;
    room.code = freshCode();
    room.title = roomTitle(request->title, room.code);
    room.isPublic = request->isPublic;
    m_codes.emplace(room.code, id);
    const std::string code = room.code;
    m_rooms.emplace(id, std::move(room));
    m_host.openRoom(id, m_seed ? roomSeed(*m_seed, id) : m_random.next());
    m_host.send(from, msg::roomcode(code));
    enter(from, id);
}

void Lobby::joinRoom(ConnectionId from, std::string_view args)
{
    const auto code = msg::parseCode(args);
    if (!code) return;
    const RoomId id = roomWithCode(*code);
    if (id == 0) {
        if (withinMinute(m_wrongCodes, m_addresses.at(from), m_limits.wrongCodesPerAddress))
            m_host.send(from, msg::noroom(*code));
        else
            sendAway(from);
        return;
    }
    if (m_host.roomSummary(id).full) {
        sendAway(from, msg::full());
        return;
    }
    enter(from, id);
}

void Lobby::enter(ConnectionId connection, RoomId room)
{
    m_waiting.erase(connection);
    m_host.enterRoom(connection, room);
}

void Lobby::sendAway(ConnectionId connection, const std::string& frame)
{
    if (!frame.empty()) m_host.send(connection, frame);
    m_waiting.erase(connection);
    m_host.close(connection);
}

std::string Lobby::freshCode()
{
    for (;;) {
        std::string code = codeFrom(m_random.next());
        if (!m_codes.contains(code)) return code;
    }
}

bool Lobby::withinMinute(std::unordered_map<std::string, std::deque<std::int64_t>>& log, const std::string& address,
                         int limit)
{
    const std::int64_t now = m_host.now();
    // Addresses that did nothing for a minute are forgotten, now and then,
    // so that passing addresses are not kept for ever.
    if (log.size() > 2 * m_perAddress.size() + 64)
        std::erase_if(log, [now](const auto& entry) {
            return entry.second.empty() || now - entry.second.back() >= kRateWindowMilliseconds;
        });
    std::deque<std::int64_t>& times = log[address];
    while (!times.empty() && now - times.front() >= kRateWindowMilliseconds) times.pop_front();
    if (int(times.size()) >= limit) return false;
    times.push_back(now);
    return true;
}

} // namespace brixo
