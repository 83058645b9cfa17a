// The lobby's own messages: what a table and a lobby (`brixo --lobby`)
// say before the table enters a room. In the game's framing, like every
// other message (text, "+" separated, ended by 0xFF). Once the room's
// "CMD_sendlogininfo" arrives, the connection speaks the game's protocol
// with its room, unchanged.
//
//   lobby to table                         table to lobby
//   lobby      version+                    listrooms   (empty)
//   room       code+title+seated+          newroom     title+public+
//              spectators+running+         joinroom    code+
//   roomsend   (empty)
//   roomcode   code+
//   noroom     code+
//   full       (empty)   (as a game server says it)
//
// A room code is six characters of kRoomCodeAlphabet, which leaves out the
// letters and digits people mistake for one another (0 O 1 I L); typed in
// any letter case. `running` and `public` are "t" or "f".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brixo {

inline constexpr int kLobbyProtocol = 1;
inline constexpr std::string_view kRoomCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr std::size_t kRoomCodeLength = 6;

// A code as typed, in capitals, when it can be one; nothing otherwise.
std::optional<std::string> roomCode(std::string_view typed);

namespace msg {

std::string lobby(int version);
std::optional<int> parseLobby(std::string_view args);

std::string listrooms();

// One public room as the lobby lists it.
struct RoomEntry {
    std::string code;
    std::string title;
    int seated = 0;     // people at the four seats
    int spectators = 0;
    bool running = false;
    bool operator==(const RoomEntry&) const = default;
};
std::string room(const RoomEntry& entry);
std::optional<RoomEntry> parseRoom(std::string_view args);
std::string roomsend();

struct NewRoom {
    std::string title;
    bool isPublic = false;
    bool operator==(const NewRoom&) const = default;
};
std::string newroom(const NewRoom& request);
std::optional<NewRoom> parseNewroom(std::string_view args);

// "CMD_roomcode", "CMD_joinroom" and "CMD_noroom" carry a code alone.
std::string roomcode(std::string_view code);
std::string joinroom(std::string_view code);
std::string noroom(std::string_view code);
// The code field as written: nothing when missing or not a code.
std::optional<std::string> parseCode(std::string_view args);

} // namespace msg
} // namespace brixo
