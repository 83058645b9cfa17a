#include "table/placerules.h"

#include "model/tile.h"
#include "table/tilewords.h"
#include "table/wording.h"

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

// "a 7", "an 8" where the number is said after a word; "A 7", "An 8" where
// it opens the sentence. Languages whose article changes with the place
// in the sentence translate the two kinds apart.
std::string withArticle(Tile tile, bool opening)
{
    const std::string number = numberword(facenumber(tile.code()));
    if (ordernumber(tile) == 8)
        //: A tile's number opening the sentence "%1 cannot go after %2." ("An 8"); "a %1" is the number after it.
        return fillin(opening ? translate("Table", "An %1") : translate("Table", "an %1"), {number});
    return fillin(opening ? translate("Table", "A %1") : translate("Table", "a %1"), {number});
}

} // namespace

std::string whyNotHere(const BoardGrid& grid, BoardCell cell, Tile tile)
{
    if (!cell.inside()) return translate("Table", "That is not a cell of the board.");
    if (!grid.isEmpty(cell)) return translate("Table", "That cell is taken.");
    const auto clash = orderClash(grid, cell, tile);
    if (!clash) return {};
    const std::string text =
        //: A run's numbers rise to the right: "A 7 cannot go after a 9."
        clash->onLeft ? translate("Table", "%1 cannot go after %2.") : translate("Table", "%1 cannot go before %2.");
    return fillin(text, {withArticle(tile, true), withArticle(clash->neighbour, false)});
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
