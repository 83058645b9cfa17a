// The options a host chooses for a game, with their defaults and ranges.
#pragma once

#include <algorithm>

namespace brixo {

struct OptionRange {
    int low;
    int high;
    int step;
    int fallback;
    constexpr int clamp(int v) const { return std::clamp(v, low, high); }
    // The value nearest to v that the arrows reach: a whole number of steps
    // above `low`, or `high` itself; halfway goes up.
    constexpr int snap(int v) const
    {
        const int inside = clamp(v);
        if (step <= 1) return inside;
        const int below = low + (inside - low) / step * step;
        const int above = std::min(below + step, high);
        return (inside - below) * 2 >= above - below ? above : below;
    }
};

inline constexpr OptionRange kPlayToRange{0, 1500, 100, 500};
inline constexpr OptionRange kTurnTimeRange{20, 180, 10, 60};
inline constexpr OptionRange kTilesToStartRange{10, 48, 1, 14};

// Tiles dealt in all may not exceed this, so at least 10 stay in the pool.
inline constexpr int kDealCap = 96;

// Points a seat's first lay-down of a round must be worth.
inline constexpr int kFirstLayDown = 30;

struct GameOptions {
    int playto = kPlayToRange.fallback;
    int turntime = kTurnTimeRange.fallback;      // seconds per turn
    int tilestostart = kTilesToStartRange.fallback;
    bool timepenalty = true;
    bool teamgame = false;

    bool operator==(const GameOptions&) const = default;

    // Every number pulled into the range the game-start dialog offers.
    GameOptions clamped() const
    {
        GameOptions o = *this;
        o.playto = kPlayToRange.clamp(playto);
        o.turntime = kTurnTimeRange.clamp(turntime);
        o.tilestostart = kTilesToStartRange.clamp(tilestostart);
        return o;
    }
};

// Lowers tiles-to-start until seats * tiles fits the deal cap.
constexpr int cappedTilesToStart(int tiles, int seats)
{
    while (seats > 0 && seats * tiles > kDealCap) --tiles;
    return tiles;
}

} // namespace brixo
