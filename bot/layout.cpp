#include "bot/layout.h"

#include "bot/bestplay.h"
#include "model/setrules.h"

#include <algorithm>
#include <array>
#include <optional>

namespace brixo {

namespace {

std::vector<int> sorted(std::vector<int> tiles)
{
    std::sort(tiles.begin(), tiles.end());
    return tiles;
}

// The tiles of `whole` left after taking those of `part`; nullopt when
// `part` is not contained in it.
std::optional<std::vector<int>> without(const std::vector<int>& whole, const std::vector<int>& part)
{
    std::vector<int> rest = whole;
    for (const int t : part) {
        const auto at = std::find(rest.begin(), rest.end(), t);
        if (at == rest.end()) return std::nullopt;
        rest.erase(at);
    }
    return rest;
}

// A stretch of tiles in a row as it lies on the board.
struct Segment {
    int row = 0;
    int col = 0;
    std::vector<int> tiles;
    bool kept = false;
};

std::vector<Segment> segmentsOf(const BoardGrid& board)
{
    std::vector<Segment> out;
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        for (int col = 0; col < BoardGrid::kColumns; ++col) {
            if (board.isEmpty(col, row)) continue;
            Segment s{row, col, {}};
            while (col < BoardGrid::kColumns && !board.isEmpty(col, row)) s.tiles.push_back(board.at(col++, row));
            out.push_back(std::move(s));
        }
    }
    return out;
}

bool isGroupTiles(const std::vector<int>& tiles)
{
    int number = -1;
    for (const int t : tiles) {
        if (t == kWildTile) continue;
        if (number < 0) number = rulesnumber(t);
        if (rulesnumber(t) != number) return false;
    }
    return true;
}

// Every order of a run's tiles that the set check accepts: real tiles
// ascending, the wild tiles tried in every place.
std::vector<std::vector<int>> runOrders(const std::vector<int>& set)
{
    std::vector<int> reals;
    int wilds = 0;
    for (const int t : set) {
        if (t == kWildTile) ++wilds;
        else reals.push_back(t);
    }
    std::sort(reals.begin(), reals.end());
    std::vector<std::vector<int>> orders;
    auto consider = [&](const std::vector<int>& order) {
        if (validset(order) && std::find(orders.begin(), orders.end(), order) == orders.end()) orders.push_back(order);
    };
    if (wilds == 0) consider(reals);
    for (std::size_t i = 0; wilds > 0 && i <= reals.size(); ++i) {
        std::vector<int> one = reals;
        one.insert(one.begin() + std::ptrdiff_t(i), kWildTile);
        if (wilds == 1) consider(one);
        for (std::size_t j = i; wilds == 2 && j <= one.size(); ++j) {
            std::vector<int> two = one;
            two.insert(two.begin() + std::ptrdiff_t(j), kWildTile);
            consider(two);
        }
    }
    return orders;
}

// ---- reshaping the sets to the board ------------------------------------------
//
// The search splits the tiles into some valid sets; often other splits of
// the same tiles leave more of the board as it lies. A board stretch that
// is itself a valid set is kept when a set equals it, when it can be cut
// out of a set leaving valid pieces, or when two sets together are it.

void keepStretches(std::vector<Segment>& segments, std::vector<std::vector<int>>& sets)
{
    std::vector<std::size_t> order(segments.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return segments[a].tiles.size() > segments[b].tiles.size(); });

    std::vector<bool> fixed(sets.size(), false); // sets that are kept stretches
    for (const std::size_t si : order) {
        Segment& seg = segments[si];
        if (!validset(seg.tiles)) continue;
        const std::vector<int> key = sorted(seg.tiles);
        // The same tiles as a set.
        for (std::size_t i = 0; i < sets.size() && !seg.kept; ++i) {
            if (fixed[i] || sorted(sets[i]) != key) continue;
            sets[i] = seg.tiles;
            fixed[i] = seg.kept = true;
        }
        // Cut out of a set, leaving valid pieces.
        for (std::size_t i = 0; i < sets.size() && !seg.kept; ++i) {
            if (fixed[i] || sets[i].size() <= seg.tiles.size()) continue;
            std::vector<std::vector<int>> pieces;
            if (isGroupTiles(sets[i]) && isGroupTiles(seg.tiles)) {
                const auto rest = without(sets[i], seg.tiles);
                if (!rest || !validset(*rest)) continue;
                pieces.push_back(*rest);
            } else {
                bool cut = false;
                for (const auto& run : runOrders(sets[i])) {
                    const auto at = std::search(run.begin(), run.end(), seg.tiles.begin(), seg.tiles.end());
                    if (at == run.end()) continue;
                    const std::vector<int> before(run.begin(), at);
                    const std::vector<int> after(at + std::ptrdiff_t(seg.tiles.size()), run.end());
                    if ((!before.empty() && !validset(before)) || (!after.empty() && !validset(after))) continue;
                    for (const auto* piece : {&before, &after})
                        if (!piece->empty()) pieces.push_back(*piece);
                    cut = true;
                    break;
                }
                if (!cut) continue;
            }
            sets[i] = seg.tiles;
            fixed[i] = seg.kept = true;
            for (auto& piece : pieces) {
                sets.push_back(std::move(piece));
                fixed.push_back(false);
            }
        }
        // Two sets together.
        for (std::size_t i = 0; i < sets.size() && !seg.kept; ++i) {
            if (fixed[i] || sets[i].size() >= seg.tiles.size()) continue;
            const auto rest = without(key, sets[i]);
            if (!rest) continue;
            const std::vector<int> restKey = sorted(*rest);
            for (std::size_t j = 0; j < sets.size(); ++j) {
                if (j == i || fixed[j] || sorted(sets[j]) != restKey) continue;
                sets[i] = seg.tiles;
                fixed[i] = seg.kept = true;
                sets.erase(sets.begin() + std::ptrdiff_t(j));
                fixed.erase(fixed.begin() + std::ptrdiff_t(j));
                break;
            }
        }
    }
}

// ---- placing ------------------------------------------------------------------------

struct Placed {
    int row = 0;
    int col = 0;
    std::vector<int> tiles;
};

class Placer {
public:
    explicit Placer(const BoardGrid& board) : m_board(board), m_segments(segmentsOf(board))
    {
        for (int col = 0; col < BoardGrid::kColumns; ++col)
            for (int row = 0; row < BoardGrid::kRows; ++row)
                if (!board.isEmpty(col, row)) m_cellsOf[std::size_t(board.at(col, row))].push_back({col, row});
    }

    // Keeps a board stretch where it lies.
    void keep(const Segment& seg)
    {
        for (std::size_t i = 0; i < seg.tiles.size(); ++i) {
            const int col = seg.col + int(i);
            m_final.set(col, seg.row, seg.tiles[i]);
            m_claimed[BoardCell{col, seg.row}.index()] = true;
        }
    }

    // Places every set, those that keep board tiles first; false when one
    // found no room.
    bool placeAll(std::vector<std::vector<int>> sets, bool anchored)
    {
        if (anchored) {
            for (;;) {
                std::optional<Candidate> best;
                std::size_t bestSet = 0;
                for (std::size_t i = 0; i < sets.size(); ++i) {
                    const auto c = bestAnchored(sets[i]);
                    if (c && (!best || c->better(*best))) {
                        best = c;
                        bestSet = i;
                    }
                }
                if (!best) break;
                put(best->row, best->col, best->tiles);
                sets.erase(sets.begin() + std::ptrdiff_t(bestSet));
            }
        }
        std::stable_sort(sets.begin(), sets.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
        for (const auto& set : sets) {
            const auto spot = freeSpot(int(set.size()));
            if (!spot) return false;
            put(spot->row, spot->col, set);
        }
        return true;
    }

    const BoardGrid& finalBoard() const { return m_final; }
    bool claimed(int col, int row) const { return m_claimed[BoardCell{col, row}.index()]; }

private:
    struct Candidate {
        int row = 0;
        int col = 0;
        std::vector<int> tiles;
        int kept = 0;
        int blocked = 0; // cells now holding tiles that must leave first
        bool better(const Candidate& o) const
        {
            if (kept != o.kept) return kept > o.kept;
            if (blocked != o.blocked) return blocked < o.blocked;
            if (row != o.row) return row < o.row;
            return col < o.col;
        }
    };

    // The set may lie at (col, row): inside the shown area, on cells no
    // placed set takes, with an empty cell at both ends.
    bool fits(int col, int row, int length) const
    {
        if (row < BoardGrid::kFirstLayRow || row > BoardGrid::kLastLayRow || col < BoardGrid::kFirstLayColumn || col + length - 1 > BoardGrid::kLastLayColumn) return false;
        for (int c = col - 1; c <= col + length; ++c)
            if (!m_final.isEmpty(c, row)) return false;
        return true;
    }

    Candidate evaluate(int col, int row, const std::vector<int>& tiles) const
    {
        Candidate c{row, col, tiles};
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            const int x = col + int(i);
            const int here = m_board.at(x, row);
            if (here == kNoTile) continue;
            if (here == tiles[i] && !claimed(x, row)) ++c.kept;
            else ++c.blocked;
        }
        return c;
    }

    std::vector<std::vector<int>> ordersOf(const std::vector<int>& set) const
    {
        if (!isGroupTiles(set)) return runOrders(set);
        // A group may lie in any order: line it up with each board stretch
        // it shares tiles with, the shared tiles first or last.
        std::vector<std::vector<int>> orders{set};
        for (const Segment& seg : m_segments) {
            std::vector<int> shared, rest = set;
            for (const int t : seg.tiles) {
                const auto at = std::find(rest.begin(), rest.end(), t);
                if (at == rest.end()) continue;
                shared.push_back(t);
                rest.erase(at);
            }
            if (shared.empty()) continue;
            std::vector<int> front = shared, back = rest;
            front.insert(front.end(), rest.begin(), rest.end());
            back.insert(back.end(), shared.begin(), shared.end());
            orders.push_back(front);
            orders.push_back(back);
        }
        std::erase_if(orders, [](const std::vector<int>& order) { return !validset(order); });
        return orders;
    }

    // The placement that keeps the most board tiles, lined up on a board
    // tile it shares; none when it keeps none.
    std::optional<Candidate> bestAnchored(const std::vector<int>& set) const
    {
        std::optional<Candidate> best;
        for (const auto& order : ordersOf(set)) {
            for (std::size_t i = 0; i < order.size(); ++i) {
                for (const BoardCell& at : m_cellsOf[std::size_t(order[i])]) {
                    if (claimed(at.col, at.row)) continue;
                    const int start = at.col - int(i);
                    if (!fits(start, at.row, int(order.size()))) continue;
                    const Candidate c = evaluate(start, at.row, order);
                    if (!best || c.better(*best)) best = c;
                }
            }
        }
        return best;
    }

    // The first room for a set of `length`: where no tile lies now, else
    // anywhere free of placed sets.
    std::optional<BoardCell> freeSpot(int length) const
    {
        for (const bool clear : {true, false}) {
            for (int row = BoardGrid::kFirstLayRow; row <= BoardGrid::kLastLayRow; ++row) {
                for (int col = BoardGrid::kFirstLayColumn; col + length - 1 <= BoardGrid::kLastLayColumn; ++col) {
                    if (!fits(col, row, length)) continue;
                    bool empty = true;
                    for (int c = col - 1; c <= col + length && empty; ++c) empty = m_board.isEmpty(c, row);
                    if (!clear || empty) return BoardCell{col, row};
                }
            }
        }
        return std::nullopt;
    }

    void put(int row, int col, const std::vector<int>& tiles)
    {
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            const int x = col + int(i);
            if (m_board.at(x, row) == tiles[i] && !claimed(x, row)) m_claimed[BoardCell{x, row}.index()] = true;
            m_final.set(x, row, tiles[i]);
        }
    }

    const BoardGrid& m_board;
    const std::vector<Segment> m_segments;
    std::array<std::vector<BoardCell>, kHighestTile + 1> m_cellsOf; // board cells by tile
    BoardGrid m_final;
    BoardCellFlags m_claimed{};
};

// ---- the moves --------------------------------------------------------------------------

struct Pending {
    BoardMove move;
    bool done = false;
};

// Orders the moves so that each goes to an empty cell: board tiles first,
// as their cells come free, then rack tiles; a ring of board tiles that
// wait on each other is broken by parking one on a cell nothing needs.
std::optional<std::vector<BoardMove>> schedule(const BoardGrid& board, const Placer& placer, const Rack& rack,
                                               int& shifts)
{
    const BoardGrid& target = placer.finalBoard();
    // Board tiles free to move, by code.
    std::array<std::vector<BoardCell>, kHighestTile + 1> sources;
    for (int col = 0; col < BoardGrid::kColumns; ++col)
        for (int row = 0; row < BoardGrid::kRows; ++row)
            if (!board.isEmpty(col, row) && !placer.claimed(col, row))
                sources[std::size_t(board.at(col, row))].push_back({col, row});
    std::array<std::vector<int>, kHighestTile + 1> slots;
    for (const RackItem& item : rack.items()) slots[std::size_t(item.tile)].push_back(item.slot);
    for (auto& s : slots) std::reverse(s.begin(), s.end());

    std::vector<Pending> shiftsToDo;
    std::vector<Pending> places;
    BoardCellFlags destination{};
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        for (int col = 0; col < BoardGrid::kColumns; ++col) {
            const int tile = target.at(col, row);
            if (tile == kNoTile || placer.claimed(col, row)) continue;
            destination[BoardCell{col, row}.index()] = true;
            auto& from = sources[std::size_t(tile)];
            if (!from.empty()) {
                BoardMove m{BoardMove::Kind::Shift, 0, from.front(), {col, row}};
                from.erase(from.begin());
                shiftsToDo.push_back({m});
                continue;
            }
            auto& slot = slots[std::size_t(tile)];
            if (slot.empty()) return std::nullopt;
            places.push_back({{BoardMove::Kind::Place, slot.back(), {}, {col, row}}});
            slot.pop_back();
        }
    }
    for (const auto& left : sources)
        if (!left.empty()) return std::nullopt; // a board tile with nowhere to go

    BoardGrid now = board;
    std::vector<BoardMove> moves;
    auto apply = [&](Pending& p) {
        if (p.move.kind == BoardMove::Kind::Shift) {
            now.set(p.move.to.col, p.move.to.row, now.at(p.move.from.col, p.move.from.row));
            now.set(p.move.from.col, p.move.from.row, kNoTile);
            ++shifts;
        } else {
            now.set(p.move.to.col, p.move.to.row, rack.at(p.move.slot));
        }
        moves.push_back(p.move);
        p.done = true;
    };
    for (;;) {
        bool progress = false;
        for (Pending& p : shiftsToDo) {
            if (p.done || !now.isEmpty(p.move.to.col, p.move.to.row)) continue;
            apply(p);
            progress = true;
        }
        if (progress) continue;
        for (Pending& p : places) {
            if (p.done || !now.isEmpty(p.move.to.col, p.move.to.row)) continue;
            apply(p);
            progress = true;
        }
        const bool waiting = std::any_of(shiftsToDo.begin(), shiftsToDo.end(), [](const Pending& p) { return !p.done; }) ||
                             std::any_of(places.begin(), places.end(), [](const Pending& p) { return !p.done; });
        if (!waiting) break;
        if (progress) continue;
        // Every waiting move's cell holds a tile that is itself waiting to
        // move: park one of those on a cell no move needs.
        Pending* blocker = nullptr;
        for (Pending& p : shiftsToDo) {
            if (p.done) continue;
            for (Pending& q : shiftsToDo)
                if (!q.done && q.move.from == p.move.to) blocker = &q;
            if (blocker) break;
        }
        if (!blocker) return std::nullopt;
        std::optional<BoardCell> park;
        for (int row = BoardGrid::kFirstLayRow; row <= BoardGrid::kLastLayRow && !park; ++row)
            for (int col = BoardGrid::kFirstLayColumn; col <= BoardGrid::kLastLayColumn && !park; ++col)
                if (now.isEmpty(col, row) && !destination[BoardCell{col, row}.index()] && target.isEmpty(col, row))
                    park = BoardCell{col, row};
        if (!park) return std::nullopt;
        Pending parking{{BoardMove::Kind::Shift, 0, blocker->move.from, *park}};
        apply(parking);
        blocker->move.from = *park;
    }
    if (!(now == target)) return std::nullopt;
    return moves;
}

std::optional<Layout> tryLayout(const BoardGrid& board, const Rack& rack, std::vector<std::vector<int>> sets,
                                int keeping)
{
    std::vector<Segment> segments = segmentsOf(board);
    Placer placer(board);
    if (keeping > 0) {
        keepStretches(segments, sets);
        for (const Segment& seg : segments) {
            if (!seg.kept) continue;
            placer.keep(seg);
            const auto at = std::find(sets.begin(), sets.end(), seg.tiles);
            if (at != sets.end()) sets.erase(at);
        }
    }
    if (!placer.placeAll(std::move(sets), keeping > 1)) return std::nullopt;
    if (!boardok(placer.finalBoard())) return std::nullopt;
    Layout layout;
    const auto moves = schedule(board, placer, rack, layout.shifts);
    if (!moves) return std::nullopt;
    layout.reached = true;
    layout.board = placer.finalBoard();
    layout.moves = *moves;
    return layout;
}

} // namespace

Layout planlayout(const BoardGrid& board, const Rack& rack, const std::vector<std::vector<int>>& sets)
{
    // Most kept first: unchanged sets and board tiles lined up; then only
    // unchanged sets; then everything packed afresh.
    for (const int keeping : {2, 1, 0}) {
        if (auto layout = tryLayout(board, rack, sets, keeping)) return *layout;
    }
    return {};
}

} // namespace brixo
