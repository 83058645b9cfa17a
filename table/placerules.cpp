#include "table/placerules.h"

#include "model/tile.h"

namespace placerules {

PressCell cellOfPress(int x, int y)
{
    return {(x + 5) / 20 + 1, (y + 5) / 30 + 1};
}

bool fitsOrder(const brixo::BoardGrid& grid, int col, int row, int code)
{
    return !orderClash(grid, col, row, code);
}

std::optional<OrderClash> orderClash(const brixo::BoardGrid& grid, int col, int row, int code)
{
    if (code == brixo::kWildTile) return std::nullopt;
    const int mine = brixo::ordernumber(code);
    const int left = grid.at(col - 1, row);
    if (left != brixo::kNoTile && left != brixo::kWildTile && brixo::ordernumber(left) > mine)
        return OrderClash{left, true};
    if (col + 1 < brixo::BoardGrid::kColumns) {
        const int right = grid.at(col + 1, row);
        if (right != brixo::kNoTile && right != brixo::kWildTile && brixo::ordernumber(right) < mine)
            return OrderClash{right, false};
    }
    return std::nullopt;
}

namespace {

// "7", "Jack", "King": the number as the tile names say it.
std::string numberWord(int code)
{
    const std::string name = brixo::gettilename(code);
    return name.substr(name.find(' ') + 1);
}

// "a 7", "an 8".
std::string withArticle(int code)
{
    return (brixo::ordernumber(code) == 8 ? "an " : "a ") + numberWord(code);
}

} // namespace

std::string whyNotHere(const brixo::BoardGrid& grid, int col, int row, int code)
{
    if (!brixo::BoardGrid::inside(col, row)) return "That is not a cell of the board.";
    if (grid.at(col, row) != brixo::kNoTile) return "That cell is taken.";
    const auto clash = orderClash(grid, col, row, code);
    if (!clash) return {};
    std::string words = withArticle(code);
    words[0] = static_cast<char>(words[0] - 'a' + 'A');
    return words + (clash->onLeft ? " cannot go after " : " cannot go before ") + withArticle(clash->neighbour) + ".";
}

namespace {

// A run goes on only within the colour: after a Jack the next two codes are
// the Queen and the King, after a Queen the next code is already another
// colour (or the wild tile), which could never make a run.
bool runContinues(int placed)
{
    return placed != brixo::kWildTile && brixo::facenumber(placed) <= brixo::kTilesPerColour - 2;
}

} // namespace

std::optional<std::array<int, 2>> completionChoices(const RackPositions& rack,
                                                    const std::function<int(int slot)>& tileOf, int placed,
                                                    Completion completion)
{
    if (!brixo::isTile(placed) || completion == Completion::None) return std::nullopt;
    if (completion == Completion::Run && !runContinues(placed)) return std::nullopt;

    int first = RackPositions::kFree;
    int second = RackPositions::kFree;
    int firstTile = 0;
    const auto chosen = [&] { return first != RackPositions::kFree && second != RackPositions::kFree; };
    for (int p = 1; p <= RackPositions::kPositions && !chosen(); ++p) {
        const int slot = rack.slotAt(p);
        if (slot == RackPositions::kFree) continue;
        const int tile = tileOf(slot);
        if (!brixo::isTile(tile)) continue;
        if (completion == Completion::Run) {
            if (first == RackPositions::kFree && tile == placed + 1) {
                first = slot;
                firstTile = tile;
            } else if (second == RackPositions::kFree && tile == placed + 2) {
                second = slot;
            }
        } else {
            const bool sameNumber = tile % brixo::kTilesPerColour == placed % brixo::kTilesPerColour;
            if (!sameNumber || tile == placed) continue;
            if (first == RackPositions::kFree) {
                first = slot;
                firstTile = tile;
            } else if (tile != firstTile) {
                second = slot;
            }
        }
    }
    if (!chosen()) return std::nullopt;
    return std::array<int, 2>{first, second};
}

} // namespace placerules
