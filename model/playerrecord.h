// One connection slot of the server's slot table. Slots 1..4 are the seats,
// 5..9 spectators; the 10th serves only as the landing place of a refused
// connection.
#pragma once

#include "model/rack.h"

#include <cstdint>
#include <string>

namespace brixo {

// Identifies one accepted connection for the life of the server. A slot
// that is freed and reused gets a new connection id, so a message still in
// flight from the old connection can never be taken for the new one.
using ConnectionId = std::uint64_t;
inline constexpr ConnectionId kNoConnection = 0;

struct TPlayerRecord {
    std::string name;                // as given at login; empty when no person holds the slot
    std::string lastname;            // the name of the person who last left the slot
    // During a game, the name of the person who left this seat: it waits
    // for them (the computer plays it meanwhile) and no stranger takes it.
    std::string keptFor;
    // The key this slot's last login was given: during a game only a login
    // carrying it takes back the seat kept for its player.
    std::string seatkey;
    std::string address;             // where the connection comes from; empty when unknown
    bool connected = false;          // a live connection belongs to this record
    bool loggedin = false;           // its connection has logged in (once only)
    ConnectionId sock = kNoConnection; // the connection messages for this record go out on
    int score = 0;                   // game score, carried from round to round
    Seat partner;                    // team partner seat (1<->3, 2<->4)
    bool watching = false;           // the owner just watches; the computer plays the seat
    std::string computername;        // shown when no person holds the seat (at most 6 chars)
    bool plays = false;              // takes part in the current round
    Rack rack;                       // slots 1..60 with the tile count
    int points = 0;                  // tiles laid this turn, or the round's settlement
    bool poolempty = false;          // has tried to draw from an empty pool
    int laiddown = 0;                // value laid this round; 0 = first lay-down still to come

    int tilecount() const { return rack.tilecount(); }
    // Played by the computer: no person there (no connection, or one that
    // has not logged in yet), or the owner just watches. A connection that
    // lands on a computer's seat on its way to the seat kept for it must not
    // hold up the computer's turn.
    bool computerDriven() const { return !connected || !loggedin || watching; }
};

} // namespace brixo
