#include "table/boardproblems.h"

#include "table/tilewords.h"
#include "table/wording.h"

#include <algorithm>

namespace brixo {

namespace {

struct Placed {
    int col = 0;
    int code = 0;
};

std::string twoOf(int code)
{
    //: Two of the same tile in one set: "two Red 3s".
    return fillin(translate("Table", "two %1s"), {tileword(code)});
}

// A tile code that occurs twice among the tiles, or 0.
int repeated(const std::vector<Placed>& tiles)
{
    for (std::size_t i = 0; i < tiles.size(); ++i)
        for (std::size_t j = i + 1; j < tiles.size(); ++j)
            if (tiles[i].code == tiles[j].code) return tiles[i].code;
    return kNoTile;
}

template <typename Key>
bool allDistinct(const std::vector<Placed>& tiles, Key key)
{
    for (std::size_t i = 0; i < tiles.size(); ++i)
        for (std::size_t j = i + 1; j < tiles.size(); ++j)
            if (key(tiles[i].code) == key(tiles[j].code)) return false;
    return true;
}

template <typename Key>
bool allSame(const std::vector<Placed>& tiles, Key key)
{
    return std::all_of(tiles.begin(), tiles.end(), [&](const Placed& t) { return key(t.code) == key(tiles[0].code); });
}

// The tiles are of one colour: the run's steps in the order the rules
// check them.
std::string whyNotARun(const BoardGrid& grid, const RowSet& set, const std::vector<Placed>& tiles)
{
    if (const int twice = repeated(tiles)) return twoOf(twice);
    if (grid.at(set.start, set.row) == kWildTile) {
        const int second = grid.at(set.start + 1, set.row);
        if (second == kWildTile) return translate("Table", "two wild tiles at the start");
        if (facenumber(second) == 1) return translate("Table", "wild tile before a 1");
    }
    if (grid.at(set.end, set.row) == kWildTile && ordernumber(grid.at(set.end - 1, set.row)) == kTilesPerColour)
        return translate("Table", "wild tile after a King");
    for (std::size_t i = 1; i < tiles.size(); ++i) {
        const Placed& a = tiles[i - 1];
        const Placed& b = tiles[i];
        const int numbers = b.code - a.code;
        const int places = b.col - a.col;
        if (numbers < 0) return translate("Table", "numbers out of order");
        if (numbers > places)
            return fillin(translate("Table", "a gap between %1 and %2"), {tileword(a.code), tileword(b.code)});
        if (numbers < places)
            return fillin(translate("Table", "too many wild tiles between %1 and %2"),
                          {tileword(a.code), tileword(b.code)});
    }
    return translate("Table", "neither a run nor a group");
}

} // namespace

std::string whyNotASet(const BoardGrid& grid, const RowSet& set)
{
    if (set.size() == 1) return translate("Table", "only one tile");
    if (set.size() == 2) return translate("Table", "only two tiles");
    std::vector<Placed> tiles;
    for (int col = set.start; col <= set.end; ++col)
        if (grid.at(col, set.row) != kWildTile) tiles.push_back({col, grid.at(col, set.row)});
    if (tiles.empty()) return translate("Table", "neither a run nor a group");

    if (allSame(tiles, rulesnumber)) {
        // A group fails only on a colour met twice, which here is one tile twice.
        if (const int twice = repeated(tiles)) return twoOf(twice);
        return translate("Table", "neither a run nor a group");
    }
    if (allSame(tiles, [](int code) { return getsuit(code); })) return whyNotARun(grid, set, tiles);
    if (allDistinct(tiles, rulesnumber)) return translate("Table", "mixed colours in a run");
    if (allDistinct(tiles, [](int code) { return getsuit(code); }))
        return translate("Table", "mixed numbers in a group");
    return translate("Table", "neither a run nor a group");
}

std::vector<BoardProblem> boardproblems(const BoardGrid& grid)
{
    std::vector<BoardProblem> problems;
    for (int row = 0; row < BoardGrid::kRows; ++row)
        for (auto set = nextSet(grid, row, 0); set; set = nextSet(grid, row, set->end + 1))
            if (!setok(grid, *set)) problems.push_back({row, set->start, set->end, whyNotASet(grid, *set)});
    return problems;
}

} // namespace brixo
