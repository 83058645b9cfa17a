// How long the Expert takes to decide: every position an Expert seat meets
// in whole self-play games (seed S + i for game i, Expert at seat 1 and
// Normal at the others), decided again under the clock.
//
//   expert_bench [games] [seats] [seed]
//
// It prints the decision time (the best play and its layout) over all
// positions: median, mean, 99th percentile and worst; how often the search
// met its limit of 4,000 states a step, how often the third, wider pass
// then ran into its own limit of 20,000, how often it found a better play
// than the first two passes, and what it cost (each such position decided
// again without the third pass); how often the best play found no room and
// the rack's own sets were laid instead; and the position that took
// longest.
#include "bench/timingsummary.h"
#include "bot/expertplayer.h"
#include "net/fieldreader.h"
#include "server/serverform.h"
#include "tests/support/selfplaygame.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace brixo;

struct Position {
    BoardGrid board;
    Rack rack;
    bool laidDown = false;
};

} // namespace

int main(int argc, char** argv)
{
    const auto number = [&](int i, long fallback) -> long {
        if (argc <= i) return fallback;
        const auto v = parseInt(argv[i]);
        return v ? *v : -1;
    };
    const long games = number(1, 1000);
    const long seats = number(2, 2);
    const long seed = number(3, 1);
    if (games < 1 || seats < 2 || seats > kSeats || seed < 0) {
        std::fprintf(stderr, "usage: %s [games] [seats 2..4] [seed]\n", argv[0]);
        return 2;
    }

    std::vector<Position> positions;
    selfplay::seatoneturns(games, int(seats), std::uint64_t(seed), BotLevel::Expert, BotLevel::Normal, [&](const TServer& server) {
        positions.push_back({server.grid(), server.rack(Seat(1)), server.laiddown(Seat(1)) > 0});
    });

    std::vector<double> ms;
    long limited = 0;
    long stillLimited = 0;
    long mended = 0;
    std::vector<double> widerMs;
    long fellBack = 0;
    long plays = 0;
    std::size_t slowest = 0;
    for (const Position& p : positions) {
        const auto start = std::chrono::steady_clock::now();
        const ExpertDecision d = expertdecision(p.board, p.rack, p.laidDown);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        if (!ms.empty() && took.count() > ms[slowest]) slowest = ms.size();
        ms.push_back(took.count());
        limited += d.play.limited;
        stillLimited += d.play.stillLimited;
        fellBack += d.fellBack;
        if (d.play.widened) {
            PlayLimits twoPasses;
            twoPasses.widerStatesPerStep = 0;
            const auto again = std::chrono::steady_clock::now();
            const ExpertDecision narrower = expertdecision(p.board, p.rack, p.laidDown, twoPasses);
            const std::chrono::duration<double, std::milli> without = std::chrono::steady_clock::now() - again;
            widerMs.push_back(took.count() - without.count());
            mended += d.play.found && (!narrower.play.found || d.play.value > narrower.play.value);
        }
        plays += d.play.found;
    }
    if (ms.empty()) {
        std::printf("Expert decisions: no positions\n");
        return 1;
    }
    const TimingSummary times = summarizeTimes(ms);

    std::printf("Expert decisions: %zu positions from %ld games, %ld seats, seeds %ld..%ld\n", ms.size(), games, seats,
                seed, seed + games - 1);
    std::printf("  time per decision     median %.2f ms, mean %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n",
                times.median, times.mean, times.p99, times.worst);
    std::printf("  plays found           %ld (%.1f%%), draws %ld\n", plays, 100.0 * double(plays) / double(ms.size()),
                long(ms.size()) - plays);
    std::printf("  search limit reached  %ld times at 4,000 states a step; %ld still at 20,000 (the best play "
                "found within it was made)\n", limited, stillLimited);
    std::sort(widerMs.begin(), widerMs.end());
    std::printf("  third pass            %zu runs, a better play in %ld; its time median %.2f ms, worst %.2f ms\n",
                widerMs.size(), mended, widerMs.empty() ? 0.0 : widerMs[widerMs.size() / 2],
                widerMs.empty() ? 0.0 : widerMs.back());
    std::printf("  no room for the best  %ld times (the rack's own sets were laid beside the board)\n", fellBack);
    const Position& worst = positions[slowest];
    std::printf("  slowest position      %d board tiles, %d rack tiles, %s\n", worst.board.tileCount(),
                worst.rack.tilecount(), worst.laidDown ? "laid down" : "first lay-down to come");
    return 0;
}
