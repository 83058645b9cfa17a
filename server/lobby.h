// The lobby: one process holding many games ("rooms"), each a game server
// of its own. A table that connects is first in the lobby, where it may
// list the public rooms, open a room or join one by its code; once it
// enters a room, it speaks the game's protocol with that room alone until
// it leaves (see net/lobbymessages.h for the lobby's messages).
//
// Lobby is driven by calls and answers through a LobbyHost, as the game
// server is: a connection was accepted from an address, a line arrived
// from a connection still in the lobby, a connection closed (in the lobby
// or in a room), a connection's time in the lobby is up, a room emptied.
// The host owns the rooms themselves; the lobby keeps their register
// (codes, titles, who may see them) and the bounds:
//
// - at most `maxRooms` rooms; a room that cannot be opened, for that or
//   because its address opened `roomsPerAddress` rooms in the last minute,
//   is refused with "CMD_full" and the connection is closed;
// - at most `connectionsPerAddress` connections from one address, in the
//   lobby and in rooms together; one more is closed at once, unanswered;
// - at most `wrongCodesPerAddress` codes that lead to no room from one
//   address a minute: a private room's code is its only lock, so guessing
//   is kept slow. A connection past it is closed, unanswered;
// - a connection stays in the lobby at most kLobbyMilliseconds and sends
//   it at most kLobbyMessages messages of at most kMaxLobbyLine bytes;
//   past any of these it is closed, unanswered.
//
// A room full to its last slot is refused with "CMD_full" as a game
// server refuses a table, and the connection is closed as the server
// would; a code no open room has is answered with "CMD_noroom" and the
// connection stays in the lobby. Anything else a table sends in the lobby
// (game messages, unknown or malformed ones) is ignored, but counts.
#pragma once

#include "model/playerrecord.h"
#include "server/roomsummary.h"
#include "server/secretrandom.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace brixo {

// Identifies a room for the life of the lobby: the order rooms were opened
// in, from 1.
using RoomId = std::uint64_t;

class LobbyHost {
public:
    virtual ~LobbyHost() = default;
    // Writes one whole frame on a connection still in the lobby.
    virtual void send(ConnectionId connection, const std::string& frame) = 0;
    // Closes a connection in the lobby after what was sent to it; the host
    // reports its end through Lobby::connectionClosed all the same.
    virtual void close(ConnectionId connection) = 0;
    // One Lobby::lobbyDeadline(connection) after `milliseconds`.
    virtual void expectEntry(ConnectionId connection, int milliseconds) = 0;
    // Milliseconds on a clock that only goes forward.
    virtual std::int64_t now() = 0;
    // Opens an empty room that plays with this seed.
    virtual void openRoom(RoomId room, std::uint64_t seed) = 0;
    // Hands a connection over to its room, which greets it as a game server
    // greets a new table; from now on its lines go to the room.
    virtual void enterRoom(ConnectionId connection, RoomId room) = 0;
    // Who is in a room now.
    virtual RoomSummary roomSummary(RoomId room) = 0;
};

struct LobbyLimits {
    int maxRooms = 1000;
    int roomsPerAddress = 10;        // rooms one address may open per minute
    int connectionsPerAddress = 20;  // in the lobby and in rooms together
    int wrongCodesPerAddress = 20;   // per minute
};

class Lobby {
public:
    // `seed`: room n plays with roomSeed(seed, n), so that a lobby started
    // with a seed replays its rooms' games; without one, every room's seed
    // is drawn from `random`.
    Lobby(LobbyHost& host, SecretRandom& random, LobbyLimits limits = {},
          std::optional<std::uint64_t> seed = std::nullopt);

    // ---- events from the host -------------------------------------------
    // `address` is the peer's address as text, the key of its bounds.
    void connectionAccepted(ConnectionId connection, std::string address);
    // One line from a connection in the lobby, terminator removed.
    void message(ConnectionId from, std::string_view line);
    // A connection is gone, from the lobby or from a room.
    void connectionClosed(ConnectionId connection);
    void lobbyDeadline(ConnectionId connection);
    // The room's last person left and the host closed it.
    void roomClosed(RoomId room);

    // Puts a room kept from before a restart back in the register under its
    // own code and title, without opening it (the host opens it from what it
    // kept). 0 when the code is malformed or taken, or no room is free.
    RoomId restoreRoom(std::string_view code, std::string_view title, bool isPublic);

    static constexpr int kLobbyMilliseconds = 30'000;
    static constexpr int kLobbyMessages = 60;
    static constexpr std::size_t kMaxLobbyLine = 256;
    static constexpr std::int64_t kRateWindowMilliseconds = 60'000;

    // Room 1 plays with the lobby's seed itself, so that it plays the very
    // game a lone server given that seed plays; the others with seeds
    // spread from it.
    static std::uint64_t roomSeed(std::uint64_t lobbySeed, RoomId room);

    // ---- read access -----------------------------------------------------
    std::size_t roomCount() const { return m_rooms.size(); }
    std::size_t lobbyCount() const { return m_waiting.size(); }
    // Connections from this address, in the lobby and in rooms.
    int connectionsFrom(const std::string& address) const;
    // The open room with this code, or 0.
    RoomId roomWithCode(std::string_view code) const;

    struct Room {
        std::string code;
        std::string title;
        bool isPublic = false;
    };
    // The open room's register entry, or null.
    const Room* room(RoomId id) const;

private:
    // A connection still in the lobby.
    struct Waiting {
        int messages = 0;
    };

    void listRooms(ConnectionId from);
    void newRoom(ConnectionId from, std::string_view args);
    void joinRoom(ConnectionId from, std::string_view args);
    // Closes a connection in the lobby, with `frame` as its last words.
    void sendAway(ConnectionId connection, const std::string& frame = {});
    void enter(ConnectionId connection, RoomId room);
    // A code no open room has.
    std::string freshCode();
    // Whether the address did a thing fewer than `limit` times in the last
    // minute, by the log of when it did; counts this time if so.
    bool withinMinute(std::unordered_map<std::string, std::deque<std::int64_t>>& log, const std::string& address,
                      int limit);

    LobbyHost& m_host;
    SecretRandom& m_random;
    LobbyLimits m_limits;
    std::optional<std::uint64_t> m_seed;
    RoomId m_lastRoom = 0;
    std::map<RoomId, Room> m_rooms;  // in the order they were opened
    std::unordered_map<std::string, RoomId> m_codes;
    // Every live connection's address, and how many each address has.
    std::unordered_map<ConnectionId, std::string> m_addresses;
    std::unordered_map<std::string, int> m_perAddress;
    std::unordered_map<ConnectionId, Waiting> m_waiting;
    // When each address opened its rooms of the last minute.
    std::unordered_map<std::string, std::deque<std::int64_t>> m_openings;
    // When each address asked for a code no room has, in the last minute.
    std::unordered_map<std::string, std::deque<std::int64_t>> m_wrongCodes;
};

} // namespace brixo
