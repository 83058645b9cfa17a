// The game journal: everything needed to go on with a running game exactly
// where its last committed turn or round left it, as text a server writes
// at every turn end and round end and reads back after a crash or a
// restart. The text ends with a checksum of all that comes before it; a
// text that does not parse in every line, does not check, or does not hold
// each of the 106 tiles exactly once in the pool, a rack or on the board is
// refused whole.
#pragma once

#include "model/gameoptions.h"
#include "model/pool.h"
#include "model/randomsource.h"
#include "model/rack.h"
#include "model/slottable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

struct JournalSeat {
    bool plays = false;     // takes part in the round
    bool person = false;    // a person held the seat: it is kept for them
    bool watching = false;  // that person just watched
    bool poolempty = false;
    int score = 0;
    int points = 0;         // last points: of the last turn or the round's settlement
    int laiddown = 0;
    std::string seatkey;    // the key that gives the seat back to its person; empty when none
    std::string name;       // the person's name, or empty
    std::vector<RackItem> rack;
    bool operator==(const JournalSeat&) const = default;
};

struct JournalCell {
    int col = 0;
    int row = 0;
    int tile = 0;
    bool operator==(const JournalCell&) const = default;
};

// A player the host removed: refused by key, by name and by address until
// the game ends.
struct JournalRemoved {
    std::string seatkey;
    std::string name;
    std::string address;
    bool operator==(const JournalRemoved&) const = default;
};

struct GameJournal {
    std::int64_t written = 0; // seconds since 1970, UTC
    GameOptions options;      // tilestostart as dealt (after the deal cap)
    std::optional<RandomState> random;
    std::array<int, Pool::kSize> pool{};
    int poolpos = 0;          // 0..107 (107: the pool ran out)
    int playercount = 0;      // slots handed out, 0..9
    int turnseat = 0;         // 1..4
    bool betweenRounds = false;
    int round = 1;            // 1 for the game's first round
    std::array<JournalSeat, kSeats> seats{};
    std::vector<JournalCell> board; // the board as last committed, by column then row
    std::vector<JournalRemoved> removed; // at most kMaxJournalRemoved
    bool operator==(const GameJournal&) const = default;
};

inline constexpr std::size_t kMaxJournalRemoved = 100;

// The journal as text, checksum line last.
std::string journalText(const GameJournal& journal);

// The journal the text holds, or none with the reason in `failure`.
std::optional<GameJournal> parseJournal(std::string_view text, std::string& failure);

} // namespace brixo
