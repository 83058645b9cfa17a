#include "bot/expertplayer.h"

#include "bot/botmoves.h"
#include "bot/botturn.h"
#include "model/gameoptions.h"
#include "model/setrules.h"
#include "net/catalogue.h"

#include <algorithm>

namespace brixo {

std::vector<int> tilesOf(const BoardGrid& board)
{
    std::vector<int> tiles;
    for (int col = 0; col < BoardGrid::kColumns; ++col)
        for (int row = 0; row < BoardGrid::kRows; ++row)
            if (!board.isEmpty(col, row)) tiles.push_back(board.at(col, row));
    return tiles;
}

std::vector<int> tilesOf(const Rack& rack)
{
    std::vector<int> tiles;
    for (const RackItem& item : rack.items()) tiles.push_back(item.tile);
    return tiles;
}

namespace {

// The stretches of the board as they lie.
std::vector<std::vector<int>> stretchesOf(const BoardGrid& board)
{
    std::vector<std::vector<int>> out;
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        for (int col = 0; col < BoardGrid::kColumns; ++col) {
            if (board.isEmpty(col, row)) continue;
            out.emplace_back();
            while (col < BoardGrid::kColumns && !board.isEmpty(col, row)) out.back().push_back(board.at(col++, row));
        }
    }
    return out;
}

int valueOf(const std::vector<int>& tiles)
{
    int value = 0;
    for (const int t : tiles) value += tilevalue(t);
    return value;
}

} // namespace

ExpertDecision besidetheboard(const BoardGrid& board, const Rack& rack, bool laidDown, const PlayLimits& limits)
{
    ExpertDecision decision;
    const Play own = bestplay({}, tilesOf(rack), laidDown, limits);
    if (!own.found) return decision;
    std::vector<std::vector<int>> sets = own.sets;
    std::stable_sort(sets.begin(), sets.end(),
                     [](const auto& a, const auto& b) { return valueOf(a) > valueOf(b); });
    const std::vector<std::vector<int>> lying = stretchesOf(board);
    for (; !sets.empty(); sets.pop_back()) {
        std::vector<int> laid;
        for (const auto& set : sets) laid.insert(laid.end(), set.begin(), set.end());
        const int value = valueOf(laid);
        if (!laidDown && value < kFirstLayDown) continue;
        std::vector<std::vector<int>> all = lying;
        all.insert(all.end(), sets.begin(), sets.end());
        Layout layout = planlayout(board, rack, all);
        if (!layout.reached) continue;
        decision.play.found = true;
        decision.play.sets = std::move(all);
        decision.play.laid = std::move(laid);
        decision.play.value = value;
        decision.play.limited = own.limited;
        decision.layout = std::move(layout);
        return decision;
    }
    return decision;
}

ExpertDecision expertdecision(const BoardGrid& board, const Rack& rack, bool laidDown, const PlayLimits& limits)
{
    ExpertDecision decision;
    decision.play = bestplay(tilesOf(board), tilesOf(rack), laidDown, limits);
    // A search cut short may have found nothing where the rack's own sets
    // would do.
    if (!decision.play.found && decision.play.limited) {
        const Play searched = decision.play;
        decision = besidetheboard(board, rack, laidDown, limits);
        decision.play.limited = true;
        decision.play.widened = searched.widened;
        decision.play.stillLimited = searched.stillLimited;
        return decision;
    }
    if (!decision.play.found) return decision;
    decision.layout = planlayout(board, rack, decision.play.sets);
    if (decision.layout.reached) return decision;
    decision = besidetheboard(board, rack, laidDown, limits);
    decision.fellBack = true;
    return decision;
}

void playdecision(BotTable& table, Seat seat, const ExpertDecision& decision)
{
    if (!seat.valid()) return;
    bool played = decision.play.found;
    BotTurn turn(seat);
    for (const BoardMove& move : decision.layout.moves) {
        if (!played) break;
        played = move.kind == BoardMove::Kind::Place ? laytile(table, turn, RackSlot(move.slot), move.to)
                                                      : movetile(table, seat, move.to, move.from);
    }
    // A refused move leaves the board as nobody planned it: drawing takes
    // the turn's moves back.
    if (played && boardok(table.grid())) table.finish(msg::argumentText(msg::finish(seat.number())));
    else table.drawcard(msg::argumentText(msg::drawcard(seat.number())));
}

void expertplay(BotTable& table, Seat seat)
{
    if (!seat.valid()) return;
    playdecision(table, seat, expertdecision(table.grid(), table.rack(seat), table.laiddown(seat) > 0));
}

} // namespace brixo
