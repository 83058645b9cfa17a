// How long the Master takes to decide, and how it fares.
//
//   master_bench [games] [seats] [seed]
//   master_bench --match L1,L2,... [games] [seed]
//
// The first form plays whole self-play games (seed S + i for game i, Master
// at seat 1 and Expert at the others), takes every position the Master
// seat meets, and decides each again under the clock: median, mean, 99th
// percentile and worst, and how often the Master chose a turn other than
// the Expert's play (and how often that was a draw).
//
// The second form plays the games with those levels in seat order
// ("master,expert": seat 1 Master, seat 2 Expert), without the checks, and
// prints the games won by each seat and level, the rounds each seat went
// out, and the mean score per round of each seat.
//
// BRIXO_MASTER_IDEAS=wild,near,hold,draw (any part of it, "all" or "none")
// chooses the candidate turns the Master weighs besides the Expert's play,
// for measuring one idea alone; drawing alone by default.
// BRIXO_MASTER_SAMPLES and BRIXO_MASTER_ROUNDS set the look-ahead's sampled
// deals and turns ahead (12 and 2 by default), and BRIXO_MASTER_AGAINST=best
// scores against the best of the other seats instead of their mean.
#include "bench/timingsummary.h"
#include "bot/masterplayer.h"
#include "net/fieldreader.h"
#include "server/serverform.h"
#include "tests/support/selfplaygame.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

using namespace brixo;

long numberAt(int argc, char** argv, int i, long fallback)
{
    if (argc <= i) return fallback;
    const auto v = parseInt(argv[i]);
    return v ? *v : -1;
}

int match(std::string_view levelsText, long games, long seed)
{
    selfplay::GameSetup setup;
    setup.checks = false;
    int seats = 0;
    while (!levelsText.empty() && seats < kSeats) {
        const std::size_t comma = levelsText.find(',');
        const auto level = parsebotlevel(levelsText.substr(0, comma));
        if (!level) return 2;
        setup.levels[std::size_t(++seats)] = *level;
        levelsText = comma == std::string_view::npos ? std::string_view() : levelsText.substr(comma + 1);
    }
    if (seats < 2 || !levelsText.empty()) return 2;
    setup.seats = seats;

    std::array<long, kSeats + 1> wins{};
    std::array<long, kSeats + 1> wentOut{};
    std::array<long, kSeats + 1> scores{};
    long rounds = 0;
    long unfinished = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long game = 0; game < games; ++game) {
        setup.seed = std::uint64_t(seed + game);
        const selfplay::GameResult result = selfplay::playgame(setup);
        rounds += result.rounds;
        for (int seat = 1; seat <= seats; ++seat) {
            wentOut[std::size_t(seat)] += result.wentOut[std::size_t(seat)];
            scores[std::size_t(seat)] += result.scores[std::size_t(seat - 1)];
        }
        if (!result.finished) {
            ++unfinished;
            continue;
        }
        int winner = 1;
        for (int seat = 2; seat <= seats; ++seat)
            if (result.scores[std::size_t(seat - 1)] > result.scores[std::size_t(winner - 1)]) winner = seat;
        ++wins[std::size_t(winner)];
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    std::array<long, kBotLevels> levelWins{};
    for (int seat = 1; seat <= seats; ++seat) levelWins[std::size_t(setup.levels[std::size_t(seat)])] += wins[std::size_t(seat)];
    std::printf("Match: %ld games, seeds %ld..%ld, %.1f s, %ld rounds, %ld unfinished\n", games, seed,
                seed + games - 1, took.count(), rounds, unfinished);
    for (int seat = 1; seat <= seats; ++seat) {
        const auto name = botlevelname(setup.levels[std::size_t(seat)]);
        std::printf("  seat %d %-7.*s wins %ld, went out %ld rounds, mean score per round %+.1f\n", seat,
                    int(name.size()), name.data(), wins[std::size_t(seat)], wentOut[std::size_t(seat)],
                    rounds > 0 ? double(scores[std::size_t(seat)]) / double(rounds) : 0.0);
    }
    std::printf("  wins by level  ");
    for (int level = kBotLevels - 1; level >= 0; --level) {
        const auto name = botlevelname(BotLevel(level));
        std::printf(" %.*s %ld", int(name.size()), name.data(), levelWins[std::size_t(level)]);
    }
    std::printf("\n");
    return 0;
}

int timing(long games, long seats, long seed)
{
    std::vector<MasterView> positions;
    selfplay::seatoneturns(games, int(seats), std::uint64_t(seed), BotLevel::Master, BotLevel::Expert,
                           [&](const TServer& server) { positions.push_back(masterview(server, Seat(1))); });

    const MasterSettings settings = mastersettings();
    std::vector<double> ms;
    long otherThanExpert = 0;
    long draws = 0;
    for (const MasterView& view : positions) {
        const auto start = std::chrono::steady_clock::now();
        const ExpertDecision d = masterdecision(view, settings);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
        const ExpertDecision expert = expertdecision(view.board, view.rack, view.laidDown);
        std::vector<int> a = d.play.laid;
        std::vector<int> b = expert.play.laid;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        if (a != b) {
            ++otherThanExpert;
            draws += !d.play.found;
        }
    }
    if (ms.empty()) {
        std::printf("Master decisions: no positions\n");
        return 1;
    }
    const TimingSummary times = summarizeTimes(ms);
    std::printf("Master decisions: %zu positions from %ld games, %ld seats, seeds %ld..%ld, %d samples, %d rounds ahead\n",
                ms.size(), games, seats, seed, seed + games - 1, settings.samples, settings.rounds);
    std::printf("  time per decision     median %.2f ms, mean %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n",
                times.median, times.mean, times.p99, times.worst);
    std::printf("  other than the Expert %ld (%.1f%%), of them draws %ld\n", otherThanExpert,
                100.0 * double(otherThanExpert) / double(ms.size()), draws);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (const char* text = std::getenv("BRIXO_MASTER_IDEAS")) {
        const auto ideas = parsemasterideas(text);
        if (!ideas) {
            std::fprintf(stderr, "BRIXO_MASTER_IDEAS: wild,near,hold,draw, all or none\n");
            return 2;
        }
        setmasterideas(*ideas);
    }
    // Tuning the look-ahead: sampled deals and turns ahead.
    MasterSettings settings = mastersettings();
    if (const char* text = std::getenv("BRIXO_MASTER_SAMPLES")) settings.samples = int(parseInt(text).value_or(settings.samples));
    if (const char* text = std::getenv("BRIXO_MASTER_ROUNDS")) settings.rounds = int(parseInt(text).value_or(settings.rounds));
    if (const char* text = std::getenv("BRIXO_MASTER_AGAINST")) settings.againstBest = std::string_view(text) == "best";
    setmastersettings(settings);
    if (argc > 1 && std::strcmp(argv[1], "--match") == 0) {
        const long games = numberAt(argc, argv, 3, 100);
        const long seed = numberAt(argc, argv, 4, 1);
        const int status = argc > 2 && games >= 1 && seed >= 0 ? match(argv[2], games, seed) : 2;
        if (status == 2) std::fprintf(stderr, "usage: %s --match L1,L2,... [games] [seed]\n", argv[0]);
        return status;
    }
    const long games = numberAt(argc, argv, 1, 20);
    const long seats = numberAt(argc, argv, 2, 2);
    const long seed = numberAt(argc, argv, 3, 1);
    if (games < 1 || seats < 2 || seats > kSeats || seed < 0) {
        std::fprintf(stderr, "usage: %s [games] [seats 2..4] [seed]\n       %s --match L1,L2,... [games] [seed]\n",
                     argv[0], argv[0]);
        return 2;
    }
    return timing(games, seats, seed);
}
