#include "table/tablehint.h"

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

const char* const kColours[] = {"Green", "Orange", "Red", "Black"};

std::string colourWord(Tile tile)
{
    return kColours[getsuit(tile) - 1];
}

// The rack tiles of one set in the order they lie: "Green 5, 6, 7",
// "Green 7, Orange 7", "Red 5, WILD, Red 7". The colour is said again
// after a tile of another colour or a wild tile.
std::string tileList(const std::vector<Tile>& tiles)
{
    std::string text;
    Tile last;
    for (const Tile tile : tiles) {
        if (!text.empty()) text += ", ";
        if (tile == Tile(kWildTile)) {
            text += "WILD";
        } else {
            if (!last.real() || last == Tile(kWildTile) || getsuit(last) != getsuit(tile))
                text += colourWord(tile) + " ";
            text += std::to_string(facenumber(tile.code()));
        }
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
        return colourWord(tiles[i]) + " " + std::to_string(low) + " to " + std::to_string(low + int(tiles.size()) - 1);
    }
    return "WILD";
}

// "9s": the number of a group.
std::string groupNumber(const std::vector<Tile>& tiles)
{
    for (const Tile tile : tiles)
        if (tile != Tile(kWildTile)) return std::to_string(ordernumber(tile)) + "s";
    return "WILD";
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
    if (cameFrom.empty()) return tiles + (set.run ? " as a new run" : " as a new group");

    // The whole of one valid set of the board, with the rack tiles added.
    const std::optional<std::size_t> one = cameFrom.front();
    const bool whole = one && std::all_of(cameFrom.begin(), cameFrom.end(), [&](const auto& s) { return s == one; }) &&
                       before[*one].tiles.size() == cameFrom.size();
    if (whole) {
        const LyingSet& was = before[*one];
        const int last = was.first.col + int(was.tiles.size()) - 1;
        if (setok(beforeBoard, {was.first.row, was.first.col, last})) {
            if (was.run) return tiles + " beside the " + runSpan(was.tiles) + " run";
            return tiles + " with the " + groupNumber(was.tiles);
        }
    }
    if (set.run) return tiles + " into a rearranged " + runSpan(set.tiles) + " run";
    return tiles + " into a rearranged group of " + groupNumber(set.tiles);
}

std::string points(int value)
{
    return std::to_string(value) + (value == 1 ? " point" : " points");
}

} // namespace

std::string hinttext(const BoardGrid& before, const BoardGrid& after, const ShowMePlan& plan, int value)
{
    const int laid = int(std::count_if(plan.transfers.begin(), plan.transfers.end(),
                                       [](const ShowMeTransfer& t) { return t.fromRack(); }));
    if (laid == 0) return "No play found: draw a tile.";
    const std::vector<LyingSet> beforeSets = setsOf(before);
    std::vector<std::string> clauses;
    for (const LyingSet& set : setsOf(after)) {
        std::string clause = setClause(set, beforeSets, before, plan.transfers);
        if (!clause.empty()) clauses.push_back(std::move(clause));
    }
    if (laid > kHintTilesToName || int(clauses.size()) > kHintSetsToName)
        return "Lay " + std::to_string(laid) + " tiles for " + points(value) + ": press Show Me.";

    std::string text = "Lay ";
    for (std::size_t i = 0; i < clauses.size(); ++i) text += (i > 0 ? "; " : "") + clauses[i];
    text += " (" + points(value);
    const int moved = plan.reached ? plan.boardMoves()
                                   : int(std::count_if(plan.transfers.begin(), plan.transfers.end(),
                                                       [](const ShowMeTransfer& t) { return !t.fromRack(); }));
    if (moved > 0) text += "; Show Me moves " + std::to_string(moved) + (moved == 1 ? " board tile" : " board tiles");
    return text + ").";
}

} // namespace brixo
