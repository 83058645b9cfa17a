#include "table/rackarrange.h"

#include "model/tile.h"
#include "table/racksort.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace brixo::rackarrange {

namespace {

constexpr int kColours = 4;
constexpr int kKinds = kColours * kTilesPerColour; // the coloured tiles, codes 1..52

int codeOf(int colour, int number)
{
    return (colour - 1) * kTilesPerColour + number;
}

// How many of each coloured tile the rack holds, by code - 1.
using Counts = std::array<std::uint8_t, kKinds>;

// The tiles in sets that the rest of a rack can make at best.
struct Best {
    int tiles = 0;
    int points = 0;
    std::vector<int> set; // the set taken first (codes); empty: the lowest tile is left out
};

// Finds the sets that hold the most tiles. The lowest tile left (by number,
// then colour) is either left out or the lowest tile of one of its sets: a
// run that starts at it, or a group of its number with other colours, all
// higher in that order. Racks that lead to the same tiles left are worked
// out once.
class SetSearch {
public:
    explicit SetSearch(const Counts& counts) : m_start(counts) {}

    std::vector<std::vector<int>> sets()
    {
        std::vector<std::vector<int>> found;
        Counts counts = m_start;
        for (;;) {
            const int lowest = lowestKind(counts);
            if (lowest < 0) break;
            const Best& best = solve(counts);
            if (best.set.empty()) {
                --counts[std::size_t(lowest)];
                continue;
            }
            for (int code : best.set) --counts[std::size_t(code - 1)];
            found.push_back(best.set);
        }
        return found;
    }

private:
    // The kind (code - 1) lowest by number, then colour; -1 when none is left.
    static int lowestKind(const Counts& counts)
    {
        for (int number = 1; number <= kTilesPerColour; ++number)
            for (int colour = 1; colour <= kColours; ++colour)
                if (counts[std::size_t(codeOf(colour, number) - 1)] > 0) return codeOf(colour, number) - 1;
        return -1;
    }

    static bool better(const Best& a, const Best& b)
    {
        return a.tiles != b.tiles ? a.tiles > b.tiles : a.points > b.points;
    }

    const Best& solve(const Counts& counts)
    {
        if (const auto known = m_memo.find(counts); known != m_memo.end()) return known->second;
        Best best;
        const int lowest = lowestKind(counts);
        if (lowest >= 0) {
            ++m_worked;
            const int code = lowest + 1;
            const int colour = getsuit(code);
            const int number = ordernumber(code);
            Counts rest = counts;
            --rest[std::size_t(lowest)];
            best = solve(rest);
            best.set.clear();
            // A rack of very many tiles may have more ways than are worth
            // the wait: past the bound, tiles are only left out.
            if (m_worked > kMostWorkedOut) return m_memo.emplace(counts, std::move(best)).first->second;
            const auto tryTaking = [&](const std::vector<int>& set) {
                Counts left = counts;
                int points = 0;
                for (int c : set) {
                    --left[std::size_t(c - 1)];
                    points += tilevalue(c);
                }
                Best with = solve(left);
                with.tiles += int(set.size());
                with.points += points;
                with.set = set;
                if (better(with, best)) best = std::move(with);
            };
            // Runs from this tile up.
            std::vector<int> run{code};
            for (int n = number + 1; n <= kTilesPerColour && counts[std::size_t(codeOf(colour, n) - 1)] > 0; ++n) {
                run.push_back(codeOf(colour, n));
                if (run.size() >= 3) tryTaking(run);
            }
            // Groups of this number with two or three of the later colours.
            std::vector<int> others;
            for (int c = colour + 1; c <= kColours; ++c)
                if (counts[std::size_t(codeOf(c, number) - 1)] > 0) others.push_back(codeOf(c, number));
            for (std::size_t i = 0; i < others.size(); ++i)
                for (std::size_t j = i + 1; j < others.size(); ++j) {
                    tryTaking({code, others[i], others[j]});
                    for (std::size_t k = j + 1; k < others.size(); ++k) tryTaking({code, others[i], others[j], others[k]});
                }
        }
        return m_memo.emplace(counts, std::move(best)).first->second;
    }

    static constexpr int kMostWorkedOut = 20000;

    Counts m_start;
    std::map<Counts, Best> m_memo;
    int m_worked = 0;
};

// How near two tiles left over are to a set, best first; 0: not near.
int nearness(int a, int b)
{
    const int apart = std::abs(ordernumber(a) - ordernumber(b));
    if (getsuit(a) == getsuit(b) && apart == 1) return 3;
    if (getsuit(a) != getsuit(b) && apart == 0) return 2;
    if (getsuit(a) == getsuit(b) && apart == 2) return 1;
    return 0;
}

} // namespace

std::vector<RackSlot> arrange(const std::vector<RackTile>& tiles, bool byNumber)
{
    const auto key = [byNumber](int code) { return racksort::sortKey(Tile(code), byNumber); };
    const auto byKey = [&](int a, int b) { return key(a) < key(b); };

    Counts counts{};
    int wild = 0;
    for (const RackTile& t : tiles) {
        if (t.tile == Tile(kWildTile)) ++wild;
        else if (t.tile.real()) ++counts[std::size_t(t.tile.code() - 1)];
    }
    std::vector<std::vector<int>> sets = SetSearch(counts).sets();
    for (const std::vector<int>& set : sets)
        for (int code : set) --counts[std::size_t(code - 1)];

    std::vector<int> left;
    for (int code = 1; code <= kKinds; ++code)
        for (int n = 0; n < counts[std::size_t(code - 1)]; ++n) left.push_back(code);
    std::stable_sort(left.begin(), left.end(), byKey);
    // Each tile left, lowest first, pairs with the nearest of the later ones.
    std::vector<std::vector<int>> pairs;
    std::vector<int> single;
    std::vector<bool> used(left.size(), false);
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (used[i]) continue;
        std::size_t partner = left.size();
        int bestNear = 0;
        for (std::size_t j = i + 1; j < left.size(); ++j) {
            const int near = used[j] ? 0 : nearness(left[i], left[j]);
            if (near > bestNear) {
                bestNear = near;
                partner = j;
            }
        }
        used[i] = true;
        if (partner == left.size()) {
            single.push_back(left[i]);
            continue;
        }
        used[partner] = true;
        pairs.push_back({left[i], left[partner]});
    }

    const auto inOrder = [&](std::vector<std::vector<int>>& blocks) {
        for (std::vector<int>& block : blocks) std::stable_sort(block.begin(), block.end(), byKey);
        std::stable_sort(blocks.begin(), blocks.end(),
                         [&](const std::vector<int>& a, const std::vector<int>& b) { return byKey(a.front(), b.front()); });
    };
    // Every block comes in ascending codes, so a group keeps its colours
    // in order when sorted by number.
    inOrder(sets);
    inOrder(pairs);

    std::vector<int> codes;
    for (const auto* blocks : {&sets, &pairs})
        for (const std::vector<int>& block : *blocks) codes.insert(codes.end(), block.begin(), block.end());
    codes.insert(codes.end(), single.begin(), single.end());
    codes.insert(codes.end(), std::size_t(wild), kWildTile);

    // Back to slots: tiles of one code in the order they stood.
    std::vector<RackSlot> order;
    std::vector<bool> taken(tiles.size(), false);
    for (int code : codes) {
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            if (taken[i] || tiles[i].tile != Tile(code)) continue;
            taken[i] = true;
            order.push_back(tiles[i].slot);
            break;
        }
    }
    // Anything that is no tile keeps its place at the end.
    for (std::size_t i = 0; i < tiles.size(); ++i)
        if (!taken[i]) order.push_back(tiles[i].slot);
    return order;
}

} // namespace brixo::rackarrange
