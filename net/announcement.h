// What a hosting program tells the local network about its game, once a
// second, in one UDP datagram to the discovery port, so that others can
// list it and join.
//
// The datagram is text, at most 512 bytes, every line ended by "\n":
//
//   datagram = "BRIXO 1" LF 7*( field LF )
//   field    = "port=" 1..65535          the game's TCP port
//            | "name=" text              the host's name
//            | "seated=" 0..4            seats a person holds
//            | "free=" 0..4              seats a newcomer could take
//            | "running=" ( "0" | "1" )  a game is being played
//            | "playto=" 0..1500         the game's play-to score
//            | "version=" 1*32 VCHAR     the program's version text
//
// The first line names the format and its version; a listener ignores any
// other (a later format bumps the number). Each of the seven fields comes
// exactly once, in any order, and nothing else may follow. Numbers are
// plain decimal: no sign, no leading zero. seated + free is at most 4
// (a seat kept for a player who left, or taken by a table that has not
// logged in yet, is neither). The name is UTF-8 without control
// characters and never empty; it is whatever follows the first "=", so it
// may hold "=" itself. The datagram does not carry the host's address: a
// listener takes it from the datagram's sender.
//
// Anything else, an oversized datagram included, is refused whole.
#pragma once

#include "net/gameport.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brixo {

inline constexpr int kAnnouncementFormat = 1;
inline constexpr std::size_t kMaxAnnouncementBytes = 512;
inline constexpr std::size_t kMaxVersionLength = 32;

struct Announcement {
    int port = 0;          // the game's TCP port
    std::string name;      // the host's name
    int seated = 0;        // seats a person holds
    int freeSeats = 0;     // seats a newcomer could take
    bool running = false;  // a game is being played
    int playto = 0;        // the game's play-to score
    std::string version;   // the host's version text (msg::kVersion)

    bool operator==(const Announcement&) const = default;
};

// One datagram of at most kMaxAnnouncementBytes. The name is made safe to
// carry (control characters become blanks, bytes that are not UTF-8 "?")
// and cut on a character boundary to fit; the version is cut to
// kMaxVersionLength. Numbers are written as given: a datagram with one out
// of range, or with an empty name, is refused by every listener.
std::string encodeAnnouncement(const Announcement& game);

// The announcement a well-formed datagram carries; nothing for any other.
std::optional<Announcement> decodeAnnouncement(std::string_view datagram);

} // namespace brixo
