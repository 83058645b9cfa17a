#include "table/showme.h"

#include "table/placerules.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace brixo {

namespace {

// Where each tile of the layout's moves starts and ends: a tile moved
// twice (parked, then put in its place) is one transfer, and a board tile
// that comes back to its own cell none.
std::vector<ShowMeTransfer> transfersOf(const BoardGrid& board, const Rack& rack, const Layout& layout)
{
    std::vector<ShowMeTransfer> out;
    std::array<int, BoardGrid::kColumns * BoardGrid::kRows> movedTo;
    movedTo.fill(-1); // the transfer whose tile lies on a cell, once moved
    BoardGrid now = board;
    for (const BoardMove& move : layout.moves) {
        if (!move.to.inside()) continue;
        if (move.kind == BoardMove::Kind::Place) {
            const Tile tile = rack.at(RackSlot(move.slot));
            out.push_back({tile, RackSlot(move.slot), {}, move.to});
            movedTo[move.to.index()] = int(out.size()) - 1;
            now.set(move.to, tile);
        } else {
            if (!move.from.inside()) continue;
            const Tile tile = now.at(move.from);
            int& at = movedTo[move.from.index()];
            if (at < 0) {
                out.push_back({tile, RackSlot(), move.from, move.to});
                at = int(out.size()) - 1;
            }
            out[std::size_t(at)].to = move.to;
            movedTo[move.to.index()] = at;
            at = -1;
            now.set(move.to, tile);
            now.set(move.from, Tile());
        }
    }
    std::erase_if(out, [](const ShowMeTransfer& t) { return !t.fromRack() && t.from == t.to; });
    std::stable_sort(out.begin(), out.end(), [](const ShowMeTransfer& a, const ShowMeTransfer& b) {
        return a.to.row != b.to.row ? a.to.row < b.to.row : a.to.col < b.to.col;
    });
    return out;
}

ShowMeStep stepOf(const ShowMeTransfer& t)
{
    if (t.fromRack()) return {ShowMeStep::Kind::Place, t.tile, t.slot, {}, t.to};
    return {ShowMeStep::Kind::Move, t.tile, {}, t.from, t.to};
}

// The board as a person sees it with the step's tile in the hand: a board
// tile's cell is empty.
BoardGrid lifted(const BoardGrid& now, const ShowMeTransfer& t)
{
    BoardGrid board = now;
    if (!t.fromRack()) board.set(t.from, Tile());
    return board;
}

bool mayMake(const BoardGrid& now, const ShowMeTransfer& t)
{
    return now.isEmpty(t.to) && placerules::fitsOrder(lifted(now, t), t.to, t.tile);
}

// A cell to set a tile aside on: empty now and at the end, with empty
// cells on both sides now and at the end, so that nothing laid later comes
// beside it; the nearest to `near`.
std::optional<BoardCell> asideCell(const BoardGrid& now, const BoardGrid& end, BoardCell near)
{
    std::optional<BoardCell> best;
    int bestDistance = 0;
    for (int row = BoardGrid::kFirstLayRow; row <= BoardGrid::kLastLayRow; ++row) {
        for (int col = BoardGrid::kFirstLayColumn; col <= BoardGrid::kLastLayColumn; ++col) {
            bool clear = true;
            for (int c = col - 1; c <= col + 1 && clear; ++c) clear = now.isEmpty(c, row) && end.isEmpty(c, row);
            if (!clear) continue;
            const int distance = 3 * std::abs(row - near.row) + std::abs(col - near.col);
            if (!best || distance < bestDistance) {
                best = BoardCell{col, row};
                bestDistance = distance;
            }
        }
    }
    return best;
}

// The cell whose tile keeps the transfer from being made: the tile on its
// cell, or the neighbour it may not go beside.
std::optional<BoardCell> obstacleOf(const BoardGrid& now, const ShowMeTransfer& t)
{
    if (!now.isEmpty(t.to)) return t.to;
    const auto clash = placerules::orderClash(lifted(now, t), t.to, t.tile);
    if (!clash) return std::nullopt;
    return t.to.right(clash->onLeft ? -1 : 1);
}

std::optional<std::vector<ShowMeStep>> stepsFor(const BoardGrid& board, std::vector<ShowMeTransfer> transfers,
                                                const BoardGrid& end)
{
    std::vector<ShowMeStep> steps;
    std::vector<bool> made(transfers.size(), false);
    BoardGrid now = board;
    const auto make = [&](const ShowMeStep& step) {
        applystep(now, step);
        steps.push_back(step);
    };
    // Each round makes a transfer or sets aside a tile that was never set
    // aside before (a tile set aside is beside no cell the play fills).
    for (std::size_t round = 0; round <= 2 * transfers.size(); ++round) {
        std::optional<std::size_t> first;
        std::optional<std::size_t> ready;
        for (std::size_t i = 0; i < transfers.size() && !ready; ++i) {
            if (made[i]) continue;
            if (!first) first = i;
            if (mayMake(now, transfers[i])) ready = i;
        }
        if (!first) return steps;
        if (ready) {
            make(stepOf(transfers[*ready]));
            made[*ready] = true;
            continue;
        }
        // Nothing can go: the tile in the way of the first tile still to go
        // is a board tile that moves in the play too, and steps aside.
        const auto obstacle = obstacleOf(now, transfers[*first]);
        if (!obstacle) return std::nullopt;
        std::optional<std::size_t> blocker;
        for (std::size_t i = 0; i < transfers.size() && !blocker; ++i)
            if (!made[i] && !transfers[i].fromRack() && transfers[i].from == *obstacle) blocker = i;
        if (!blocker) return std::nullopt;
        const auto aside = asideCell(now, end, *obstacle);
        if (!aside) return std::nullopt;
        ShowMeTransfer& moving = transfers[*blocker];
        make({ShowMeStep::Kind::Move, moving.tile, {}, moving.from, *aside});
        moving.from = *aside;
    }
    return std::nullopt;
}

} // namespace

int ShowMePlan::boardMoves() const
{
    return int(std::count_if(steps.begin(), steps.end(),
                             [](const ShowMeStep& s) { return s.kind == ShowMeStep::Kind::Move; }));
}

ShowMePlan showmeplan(const BoardGrid& board, const Rack& rack, const Layout& layout)
{
    ShowMePlan plan;
    if (!layout.reached) return plan;
    plan.transfers = transfersOf(board, rack, layout);
    const auto steps = stepsFor(board, plan.transfers, layout.board);
    if (!steps) return plan;
    BoardGrid end = board;
    for (const ShowMeStep& step : *steps) applystep(end, step);
    if (!(end == layout.board)) return plan;
    plan.steps = *steps;
    plan.reached = true;
    return plan;
}

void applystep(BoardGrid& board, const ShowMeStep& step)
{
    if (step.kind == ShowMeStep::Kind::Move) board.set(step.from, Tile());
    board.set(step.to, step.tile);
}

void ShowMe::start(std::vector<ShowMeStep> steps, const BoardGrid& board, int turn)
{
    m_steps = std::move(steps);
    m_next = 0;
    m_running = true;
    m_inHand = false;
    m_waits = 0;
    m_turn = turn;
    m_expected = board;
}

void ShowMe::stop()
{
    m_steps.clear();
    m_next = 0;
    m_running = false;
    m_inHand = false;
}

void ShowMe::putDown()
{
    if (finished()) return;
    applystep(m_expected, m_steps[m_next]);
    ++m_next;
    m_inHand = false;
    m_waits = 0;
}

} // namespace brixo
