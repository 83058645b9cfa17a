// The Master computer player. It weighs candidate turns instead of always
// laying the most: the Expert's play and drawing, and when asked (to
// measure them) the same play keeping the wild tiles back, a play nearly
// as valuable that leaves the rack closer to sets, and the rack's own new
// sets only, holding back what would merely extend the board. It plays each a few turns ahead
// (lookahead.h) over the same sampled deals of the tiles it has not seen,
// with every seat playing the Expert, and takes the candidate whose
// standing against the other seats (its result less theirs, as the round
// would settle there) comes out highest on average.
//
// It sees only what a person in its seat sees: the board, its own rack,
// and of the others how many tiles they hold and whether they have made
// their first lay-down. Its samples come from a generator of its own,
// seeded from the position, so a position always gets the same turn and
// the server's generator is left alone.
#pragma once

#include "bot/expertplayer.h"
#include "bot/lookahead.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace brixo {

// Which candidates the Master weighs besides the Expert's play; one alone
// measures what that idea is worth. Drawing carries the strength: measured
// alone against the Expert over 1,000 games each, drawing won 65 %, and
// each of the other three won 48 to 49 %, no better than the Expert's play
// alone, while every candidate more is a chance for a lucky sample to
// mislead. So the Master plays with drawing alone; the others stay to be
// measured and improved.
struct MasterIdeas {
    bool wild = false;  // the Expert's play without its wild tiles
    bool near = false;  // a play within 90 % of the best leaving the rack closest to sets
    bool hold = false;  // the rack's own new sets only
    bool draw = true;   // drawing instead
    bool operator==(const MasterIdeas&) const = default;
};

// "wild,near,hold,draw" or any part of it, in any order; "all" or "none".
// nullopt for any other word.
std::optional<MasterIdeas> parsemasterideas(std::string_view text);

struct MasterSettings {
    MasterIdeas ideas;
    // Sampled deals, the same for every candidate. Against three Experts
    // (1,000 games) 12 won 31.4 % where 6 won 30.2 %, at twice the time.
    int samples = 12;
    // Turns played ahead after the candidate: each other seat plays this
    // many, the Master one fewer, so the others have the last word.
    int rounds = 2;
    // Standing against the best of the other seats; false: their mean,
    // which with three others is far less at the mercy of one lucky
    // sample and played stronger (33 wins of 100 against three Experts,
    // where the best gave 23).
    bool againstBest = false;
    // The look-ahead's searches take the narrow pass only: fast, and
    // nearly always the best play.
    PlayLimits lookahead{1500, 0};
};

// The settings every Master seat of this process plays by: the defaults
// unless a benchmark sets others before its games, to measure one idea
// alone or to tune the look-ahead. Safe to call from any thread.
void setmastersettings(const MasterSettings& settings);
MasterSettings mastersettings();
// The same for the ideas alone, the rest left as it is.
void setmasterideas(const MasterIdeas& ideas);

// What the Master knows at its turn.
struct MasterView {
    BoardGrid board;
    Rack rack;
    bool laidDown = false;
    int seat = 0;                 // its seat number, mixed into the seed
    std::vector<SeatCount> others; // the other seats in turn order
    bool team = false;            // others[1] is its partner
};

// Only what a person at the seat sees: other racks only by their counts.
MasterView masterview(const BotTable& table, Seat seat);

// The turn to play, laid out; not found: draw.
ExpertDecision masterdecision(const MasterView& view, const MasterSettings& settings = {});

// One whole turn of a Master seat.
void masterplay(BotTable& table, Seat seat);

} // namespace brixo
