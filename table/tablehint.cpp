#include "table/tablehint.h"
#include "table/tilewords.h"
#include "table/wording.h"

#include "bot/expertplayer.h"
#include "model/setrules.h"
#include "table/tablemirror.h"

#include <algorithm>
#include <optional>

namespace brixo {

TableHint tablehint(const TableMirror& mirror)
{
    TableHint hint;
    BoardGrid board = mirror.board();
    const Hand& hand = mirror.hand();
    if (hand.holdsBoardTile()) board.set(hand.cell, hand.tile);
    Rack rack;
    for (const RackSlot slot : RackSlot::all()) rack.set(slot, mirror.offeredTile(slot));

    const ExpertDecision decision = expertdecision(board, rack, mirror.laidDown());
    hint.board = board;
    if (decision.play.found && decision.layout.reached) {
        hint.plan = showmeplan(board, rack, decision.layout);
        hint.board = decision.layout.board;
        hint.value = decision.play.value;
        // In the order they go down: set by set along the rows.
        for (const ShowMeTransfer& t : hint.plan.transfers)
            if (t.fromRack()) hint.rackSlots.push_back(t.slot);
    }
    hint.text = hinttext(board, hint.board, hint.plan, hint.value);
    return hint;
}

namespace {

std::string colourWord(Tile tile)
{
    return colourword(getsuit(tile));
}

// The rack tiles of one set in the order they lie: "Green 5, 6, 7",
// "Green 7, Orange 7", "Red 5, WILD, Red 7". The colour is said again
// after a tile of another colour or a wild tile.
std::string tileList(const std::vector<Tile>& tiles)
{
    std::string text;
    Tile last;
    for (const Tile tile : tiles) {
        std::string word;
        if (tile == Tile(kWildTile)) {
            word = translate("Tile", "WILD");
        } else if (!last.real() || last == Tile(kWildTile) || getsuit(last) != getsuit(tile)) {
            word = fillin(translate("Tile", "%1 %2"), {colourWord(tile), std::to_string(facenumber(tile.code()))});
        } else {
            word = std::to_string(facenumber(tile.code()));
        }
        text = text.empty() ? word : fillin(translate("Table", "%1, %2"), {text, word});
        last = tile;
    }
    return text;
}

// A set as it lies: its first column, its tiles, and whether it is a run.
struct LyingSet {
    BoardCell first;
    std::vector<Tile> tiles;
    bool run = false;
};

std::vector<LyingSet> setsOf(const BoardGrid& board)
{
    std::vector<LyingSet> out;
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        for (std::optional<RowSet> set = nextSet(board, row, 0); set; set = nextSet(board, row, set->end + 1)) {
            LyingSet lying{{set->start, row}, {}, checkforsuit(board, row, set->start, set->end)};
            for (int col = set->start; col <= set->end; ++col) lying.tiles.push_back(board.at(BoardCell{col, row}));
            out.push_back(std::move(lying));
        }
    }
    return out;
}

// "Green 8 to 10": a run by its colour and the numbers it spans, its wild
// tiles counted in their places.
std::string runSpan(const std::vector<Tile>& tiles)
{
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (tiles[i] == Tile(kWildTile)) continue;
        const int low = facenumber(tiles[i].code()) - int(i);
        //: A run by its colour and its lowest and highest numbers: "Green 8 to 10".
        return fillin(translate("Table", "%1 %2 to %3"),
                      {colourWord(tiles[i]), std::to_string(low), std::to_string(low + int(tiles.size()) - 1)});
    }
    return translate("Tile", "WILD");
}

// "9s": the number of a group.
std::string groupNumber(const std::vector<Tile>& tiles)
{
    for (const Tile tile : tiles)
        //: A group by its number: "9s" for a group of nines.
        if (tile != Tile(kWildTile)) return fillin(translate("Table", "%1s"), {std::to_string(ordernumber(tile))});
    return translate("Tile", "WILD");
}

// Which set of the board before the play holds a cell; none for an empty one.
std::optional<std::size_t> setHolding(const std::vector<LyingSet>& sets, BoardCell cell)
{
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const LyingSet& s = sets[i];
        if (s.first.row == cell.row && cell.col >= s.first.col && cell.col < s.first.col + int(s.tiles.size()))
            return i;
    }
    return std::nullopt;
}

// What one set of the board the play leaves says about the rack tiles
// that go into it; empty when none do.
std::string setClause(const LyingSet& set, const std::vector<LyingSet>& before, const BoardGrid& beforeBoard,
                      const std::vector<ShowMeTransfer>& transfers)
{
    std::vector<Tile> laid;
    std::vector<std::optional<std::size_t>> cameFrom; // the set before of each board tile
    for (std::size_t i = 0; i < set.tiles.size(); ++i) {
        const BoardCell cell = set.first.right(int(i));
        const auto arriving = std::find_if(transfers.begin(), transfers.end(),
                                           [&](const ShowMeTransfer& t) { return t.to == cell; });
        if (arriving != transfers.end() && arriving->fromRack()) laid.push_back(arriving->tile);
        else cameFrom.push_back(setHolding(before, arriving != transfers.end() ? arriving->from : cell));
    }
    if (laid.empty()) return {};
    const std::string tiles = tileList(laid);
    if (cameFrom.empty())
        return fillin(set.run ? translate("Table", "%1 as a new run") : translate("Table", "%1 as a new group"),
                      {tiles});

    // The whole of one valid set of the board, with the rack tiles added.
    const std::optional<std::size_t> one = cameFrom.front();
    const bool whole = one && std::all_of(cameFrom.begin(), cameFrom.end(), [&](const auto& s) { return s == one; }) &&
                       before[*one].tiles.size() == cameFrom.size();
    if (whole) {
        const LyingSet& was = before[*one];
        const int last = was.first.col + int(was.tiles.size()) - 1;
        if (setok(beforeBoard, {was.first.row, was.first.col, last})) {
            //: Rack tiles (%1) added to a run on the board (%2: "Green 8 to 10").
            if (was.run) return fillin(translate("Table", "%1 beside the %2 run"), {tiles, runSpan(was.tiles)});
            //: Rack tiles (%1) added to a group on the board (%2: "9s").
            return fillin(translate("Table", "%1 with the %2"), {tiles, groupNumber(was.tiles)});
        }
    }
    if (set.run) return fillin(translate("Table", "%1 into a rearranged %2 run"), {tiles, runSpan(set.tiles)});
    return fillin(translate("Table", "%1 into a rearranged group of %2"), {tiles, groupNumber(set.tiles)});
}

std::string points(int value)
{
    return fillin(value == 1 ? translate("Table", "%1 point") : translate("Table", "%1 points"),
                  {std::to_string(value)});
}

} // namespace

std::string hinttext(const BoardGrid& before, const BoardGrid& after, const ShowMePlan& plan, int value)
{
    const int laid = int(std::count_if(plan.transfers.begin(), plan.transfers.end(),
                                       [](const ShowMeTransfer& t) { return t.fromRack(); }));
    if (laid == 0) return translate("Table", "No play found: draw a tile.");
    const std::vector<LyingSet> beforeSets = setsOf(before);
    std::vector<std::string> clauses;
    for (const LyingSet& set : setsOf(after)) {
        std::string clause = setClause(set, beforeSets, before, plan.transfers);
        if (!clause.empty()) clauses.push_back(std::move(clause));
    }
    if (laid > kHintTilesToName || int(clauses.size()) > kHintSetsToName)
        return fillin(translate("Table", "Lay %1 tiles for %2: press Show Me."), {std::to_string(laid), points(value)});

    std::string sets;
    for (std::size_t i = 0; i < clauses.size(); ++i)
        sets = i == 0 ? clauses[i] : fillin(translate("Table", "%1; %2"), {sets, clauses[i]});
    const int moved = plan.reached ? plan.boardMoves()
                                   : int(std::count_if(plan.transfers.begin(), plan.transfers.end(),
                                                       [](const ShowMeTransfer& t) { return !t.fromRack(); }));
    //: The hint: the sets to lay (%1, joined by "; ") and their points (%2).
    if (moved == 0) return fillin(translate("Table", "Lay %1 (%2)."), {sets, points(value)});
    const std::string movedWords =
        moved == 1 ? translate("Table", "Show Me moves 1 board tile")
                   : fillin(translate("Table", "Show Me moves %1 board tiles"), {std::to_string(moved)});
    return fillin(translate("Table", "Lay %1 (%2; %3)."), {sets, points(value), movedWords});
}

} // namespace brixo
