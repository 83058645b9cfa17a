#include "table/placerules.h"

#include "model/tile.h"

namespace brixo::placerules {

BoardCell cellOfPress(int x, int y)
{
    return {(x + 5) / 20 + 1, (y + 5) / 30 + 1};
}

bool fitsOrder(const BoardGrid& grid, BoardCell cell, Tile tile)
{
    return !orderClash(grid, cell, tile);
}

namespace {

// A neighbour that orders the tile: a coloured tile, not a wild one.
bool orders(Tile neighbour)
{
    return neighbour.real() && neighbour != Tile(kWildTile);
}

} // namespace

std::optional<OrderClash> orderClash(const BoardGrid& grid, BoardCell cell, Tile tile)
{
    if (tile == Tile(kWildTile)) return std::nullopt;
    const int mine = ordernumber(tile);
    const Tile left = grid.at(cell.right(-1));
    if (orders(left) && ordernumber(left) > mine) return OrderClash{left, true};
    if (cell.col + 1 < BoardGrid::kColumns) {
        const Tile right = grid.at(cell.right());
        if (orders(right) && ordernumber(right) < mine) return OrderClash{right, false};
    }
    return std::nullopt;
}

namespace {

// "7", "Jack", "King": the number as the tile names say it.
std::string numberWord(Tile tile)
{
    const std::string name = gettilename(tile);
    return name.substr(name.find(' ') + 1);
}

// "a 7", "an 8".
std::string withArticle(Tile tile)
{
    return (ordernumber(tile) == 8 ? "an " : "a ") + numberWord(tile);
}

} // namespace

std::string whyNotHere(const BoardGrid& grid, BoardCell cell, Tile tile)
{
    if (!cell.inside()) return "That is not a cell of the board.";
    if (!grid.isEmpty(cell)) return "That cell is taken.";
    const auto clash = orderClash(grid, cell, tile);
    if (!clash) return {};
    std::string words = withArticle(tile);
    words[0] = static_cast<char>(words[0] - 'a' + 'A');
    return words + (clash->onLeft ? " cannot go after " : " cannot go before ") + withArticle(clash->neighbour) + ".";
}

namespace {

// A run goes on only within the colour: after a Jack the next two codes are
// the Queen and the King, after a Queen the next code is already another
// colour (or the wild tile), which could never make a run.
bool runContinues(Tile placed)
{
    return placed != Tile(kWildTile) && facenumber(placed.code()) <= kTilesPerColour - 2;
}

bool sameNumber(Tile a, Tile b)
{
    return a.code() % kTilesPerColour == b.code() % kTilesPerColour;
}

} // namespace

std::optional<std::array<RackSlot, 2>> completionChoices(const RackPositions& rack,
                                                         const std::function<Tile(RackSlot)>& tileOf, Tile placed,
                                                         Completion completion)
{
    if (!placed.real() || completion == Completion::None) return std::nullopt;
    if (completion == Completion::Run && !runContinues(placed)) return std::nullopt;

    RackSlot first;
    RackSlot second;
    Tile firstTile;
    const auto chosen = [&] { return first.valid() && second.valid(); };
    for (int p = 1; p <= RackPositions::kPositions && !chosen(); ++p) {
        const RackSlot slot = rack.slotAt(p);
        if (!slot.valid()) continue;
        const Tile tile = tileOf(slot);
        if (!tile.real()) continue;
        if (completion == Completion::Run) {
            if (!first.valid() && tile.code() == placed.code() + 1) {
                first = slot;
                firstTile = tile;
            } else if (!second.valid() && tile.code() == placed.code() + 2) {
                second = slot;
            }
        } else {
            if (!sameNumber(tile, placed) || tile == placed) continue;
            if (!first.valid()) {
                first = slot;
                firstTile = tile;
            } else if (tile != firstTile) {
                second = slot;
            }
        }
    }
    if (!chosen()) return std::nullopt;
    return std::array<RackSlot, 2>{first, second};
}

} // namespace brixo::placerules
