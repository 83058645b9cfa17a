#include "bot/masterplayer.h"

#include "model/slottable.h"
#include "model/tile.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace brixo {

namespace {

struct Candidate {
    std::vector<int> laid;  // sorted: two candidates laying the same tiles are one
    int value = 0;
    // The sets of the board after it, or the decision itself when it was
    // already laid out.
    std::vector<std::vector<int>> sets;
    std::optional<ExpertDecision> decision;
};

std::vector<int> sorted(std::vector<int> tiles)
{
    std::sort(tiles.begin(), tiles.end());
    return tiles;
}

std::vector<int> without(std::vector<int> tiles, const std::vector<int>& taken)
{
    for (const int t : taken) {
        const auto at = std::find(tiles.begin(), tiles.end(), t);
        if (at != tiles.end()) tiles.erase(at);
    }
    return tiles;
}

// How close a rack is to sets: its tiles, the wild tile aside, that another
// rack tile would make two thirds of a set with (the same number in another
// colour, or the same colour one or two numbers away).
int nearness(const std::vector<int>& rack)
{
    int near = 0;
    for (const int t : rack) {
        if (t == kWildTile) continue;
        near += std::any_of(rack.begin(), rack.end(), [&](int u) {
            if (u == kWildTile || u == t) return false;
            if (ordernumber(u) == ordernumber(t)) return true;
            const int gap = std::abs(ordernumber(u) - ordernumber(t));
            return getsuit(u) == getsuit(t) && gap <= 2;
        });
    }
    return near;
}

std::uint64_t mix(std::uint64_t h, std::uint64_t v)
{
    h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDULL;
}

// The seed of a position: the same board, rack and counts give the same
// samples, however the tiles lie.
std::uint64_t positionSeed(const MasterView& view, const std::vector<int>& board, const std::vector<int>& rack)
{
    std::uint64_t h = mix(0x4D617374ULL, std::uint64_t(view.seat));
    for (const int t : sorted(board)) h = mix(h, std::uint64_t(t));
    h = mix(h, 0xFFFF);
    for (const int t : sorted(rack)) h = mix(h, std::uint64_t(t));
    for (const SeatCount& o : view.others) h = mix(h, std::uint64_t(o.tiles * 2 + o.laidDown));
    return h;
}

std::mutex g_settingsLock;
MasterSettings g_settings;

} // namespace

std::optional<MasterIdeas> parsemasterideas(std::string_view text)
{
    if (text == "all") return MasterIdeas{true, true, true, true};
    MasterIdeas ideas{false, false, false, false};
    if (text == "none") return ideas;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view word = text.substr(0, comma);
        if (word == "wild") ideas.wild = true;
        else if (word == "near") ideas.near = true;
        else if (word == "hold") ideas.hold = true;
        else if (word == "draw") ideas.draw = true;
        else return std::nullopt;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return ideas;
}

void setmastersettings(const MasterSettings& settings)
{
    const std::lock_guard<std::mutex> hold(g_settingsLock);
    g_settings = settings;
}

MasterSettings mastersettings()
{
    const std::lock_guard<std::mutex> hold(g_settingsLock);
    return g_settings;
}

void setmasterideas(const MasterIdeas& ideas)
{
    const std::lock_guard<std::mutex> hold(g_settingsLock);
    g_settings.ideas = ideas;
}

MasterView masterview(const BotTable& table, Seat seat)
{
    MasterView view;
    view.board = table.grid();
    view.rack = table.rack(seat);
    view.laidDown = table.laiddown(seat) > 0;
    view.seat = seat.number();
    view.team = table.teamgame();
    for (int step = 1; step < kSeats; ++step) {
        const Seat other((seat.number() - 1 + step) % kSeats + 1);
        const int tiles = table.rack(other).tilecount();
        // A seat that does not play holds nothing; one that plays and holds
        // nothing has ended the round, unless its partner still holds tiles.
        if (tiles > 0 || view.team) view.others.push_back({tiles, table.laiddown(other) > 0});
    }
    return view;
}

ExpertDecision masterdecision(const MasterView& view, const MasterSettings& settings)
{
    const ExpertDecision expert = expertdecision(view.board, view.rack, view.laidDown);
    if (!expert.play.found || view.others.empty()) return expert;

    const std::vector<int> board = tilesOf(view.board);
    const std::vector<int> rack = tilesOf(view.rack);
    std::vector<Candidate> candidates;
    const auto add = [&](Candidate c) {
        c.laid = sorted(std::move(c.laid));
        for (const Candidate& o : candidates)
            if (o.laid == c.laid) return;
        candidates.push_back(std::move(c));
    };
    add({expert.play.laid, expert.play.value, {}, expert});
    const auto fromPlay = [&](const Play& play) {
        if (play.found) add({play.laid, play.value, play.sets, std::nullopt});
    };

    const PlayLimits& limits = settings.lookahead;
    const bool laysWild = std::count(expert.play.laid.begin(), expert.play.laid.end(), kWildTile) > 0;
    if (settings.ideas.wild && laysWild) {
        std::vector<int> noWild = rack;
        noWild.erase(std::remove(noWild.begin(), noWild.end(), kWildTile), noWild.end());
        fromPlay(bestplay(board, noWild, view.laidDown, limits));
    }
    if (settings.ideas.near) {
        // Plays with one of the laid tiles held out, worth at least 90 % of
        // the best; the one leaving the rack closest to sets, then the most
        // valuable.
        Play chosen = expert.play;
        int chosenNear = nearness(without(rack, expert.play.laid));
        std::vector<int> tried;
        for (const int t : sorted(expert.play.laid)) {
            if (std::find(tried.begin(), tried.end(), t) != tried.end()) continue;
            tried.push_back(t);
            const Play play = bestplay(board, without(rack, {t}), view.laidDown, limits);
            if (!play.found || play.value * 10 < expert.play.value * 9) continue;
            const int near = nearness(without(rack, play.laid));
            if (near > chosenNear || (near == chosenNear && play.value > chosen.value)) {
                chosen = play;
                chosenNear = near;
            }
        }
        if (chosen.laid != expert.play.laid) fromPlay(chosen);
    }
    if (settings.ideas.hold) {
        ExpertDecision own = besidetheboard(view.board, view.rack, view.laidDown);
        if (own.play.found) add({own.play.laid, own.play.value, {}, std::move(own)});
    }
    if (settings.ideas.draw) add({{}, 0, {}, ExpertDecision{}});
    if (candidates.size() < 2) return expert;

    // Every candidate over the same deals; the mean standing decides, the
    // earlier candidate (the Expert's first) among equals.
    std::vector<LookaheadGame> deals =
        sampledeals(board, rack, view.laidDown, view.others, settings.samples, positionSeed(view, board, rack));
    for (LookaheadGame& game : deals) game.team = view.team && view.others.size() == 3;
    std::vector<long> totals(candidates.size());
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        for (LookaheadGame game : deals) {
            if (candidates[c].laid.empty()) game.draw(0);
            else game.lay(0, candidates[c].laid, candidates[c].value);
            for (int round = 0; round < settings.rounds && !game.over; ++round) {
                for (std::size_t s = 1; s < game.seats.size(); ++s) game.playturn(s, limits);
                if (round + 1 < settings.rounds) game.playturn(0, limits);
            }
            totals[c] += game.standing(settings.againstBest);
        }
    }
    std::vector<std::size_t> order(candidates.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return totals[a] > totals[b]; });

    // The best candidate that finds room on the board; the Expert's play
    // always does, or has its own fallback.
    for (const std::size_t i : order) {
        Candidate& c = candidates[i];
        if (c.decision) return *c.decision;
        ExpertDecision decision;
        decision.layout = planlayout(view.board, view.rack, c.sets);
        if (!decision.layout.reached) continue;
        decision.play.found = true;
        decision.play.sets = c.sets;
        decision.play.laid = c.laid;
        decision.play.value = c.value;
        return decision;
    }
    return expert;
}

void masterplay(BotTable& table, Seat seat)
{
    if (!seat.valid()) return;
    playdecision(table, seat, masterdecision(masterview(table, seat), mastersettings()));
}

} // namespace brixo
