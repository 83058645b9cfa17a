// Self-play: N complete games between computer players on the game server
// core alone, one after another on one core, with a summary of how they
// went and of every check that failed.
//
//   selfplay [--games N] [--seats 2..4] [--team] [--playto P] [--seed S]
//            [--turntime T] [--tiles K] [--rounds R] [--each]
//            [--levels L1,L2,...]
//
// Game i (counting from 0) is played with seed S + i, so any single game can
// be replayed alone with --games 1 --seed S+i. A game not won after R
// rounds (default 100) is stopped and counted as unfinished. --each also
// prints one line per game. The games are then played again without the
// checks, to tell the game's own speed from the checking's; a replay that
// differs from its checked game counts as a violation. The program exits
// with 1 when any check failed.
//
// --levels sets how well the computer plays each seat, in seat order
// ("expert,normal": seat 1 Expert, seat 2 Normal); it also sets the number
// of seats. The summary then tells the wins, the rounds gone out and the
// winning margin by level.
#include "model/gameoptions.h"
#include "net/fieldreader.h"
#include "tests/support/selfplaygame.h"

#include <array>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace brixo;
using namespace brixo::selfplay;

struct Options {
    long games = 1000;
    bool each = false;
    bool levelsGiven = false;
    GameSetup setup;
};

// "expert,normal,..." into seats 1, 2, ...; the number of seats given.
int parseLevels(std::string_view text, std::array<BotLevel, kSeats + 1>& levels)
{
    int seat = 0;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const auto level = parsebotlevel(text.substr(0, comma));
        if (!level || ++seat > kSeats) return 0;
        levels[std::size_t(seat)] = *level;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return seat;
}

std::optional<std::uint64_t> parseSeed(std::string_view text)
{
    std::uint64_t value = 0;
    if (text.empty()) return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > (UINT64_MAX - 9) / 10) return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
    }
    return value;
}

std::optional<Options> parseOptions(int argc, char** argv)
{
    Options options;
    bool seatsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--team") {
            options.setup.team = true;
            continue;
        }
        if (name == "--each") {
            options.each = true;
            continue;
        }
        if (i + 1 >= argc) return std::nullopt;
        const std::string_view text = argv[++i];
        if (name == "--levels") {
            const int seats = parseLevels(text, options.setup.levels);
            if (seats < 2) return std::nullopt;
            if (seatsGiven && seats != options.setup.seats) return std::nullopt;
            options.setup.seats = seats;
            seatsGiven = options.levelsGiven = true;
            continue;
        }
        if (name == "--seed") {
            const auto seed = parseSeed(text);
            if (!seed) return std::nullopt;
            options.setup.seed = *seed;
            continue;
        }
        const auto value = parseInt(text);
        if (!value) return std::nullopt;
        if (name == "--games" && *value >= 1) {
            options.games = *value;
        } else if (name == "--seats" && *value >= 2 && *value <= kSeats &&
                   (!options.levelsGiven || *value == options.setup.seats)) {
            options.setup.seats = *value;
            seatsGiven = true;
        } else if (name == "--playto" && *value >= kPlayToRange.low && *value <= kPlayToRange.high) {
            options.setup.playto = *value;
        } else if (name == "--turntime" && *value >= kTurnTimeRange.low && *value <= kTurnTimeRange.high) {
            options.setup.turntime = *value;
        } else if (name == "--tiles" && *value >= kTilesToStartRange.low && *value <= kTilesToStartRange.high) {
            options.setup.tiles = *value;
        } else if (name == "--rounds" && *value >= 1) {
            options.setup.roundLimit = *value;
        } else {
            return std::nullopt;
        }
    }
    // Every seat plays in a team game.
    if (options.setup.team && seatsGiven && options.setup.seats != kSeats) return std::nullopt;
    if (options.setup.team) options.setup.seats = kSeats;
    return options;
}

struct Totals {
    long games = 0;
    long finished = 0;
    long rounds = 0;
    long roundsOut = 0;
    long roundsExhausted = 0;
    long turns = 0;
    long finishes = 0;
    long tilesLaid = 0;
    long tilesPlaced = 0;
    long timeouts = 0;
    long frames = 0;
    long seconds = 0;
    int fewestRounds = 0;
    int mostRounds = 0;
    Violations violations;
    std::vector<std::uint64_t> failedSeeds;
    // Unfinished games: rounds played and score change summed over seats,
    // and the leading score at the stop.
    long unfinishedRounds = 0;
    long unfinishedSeatRounds = 0;
    long unfinishedScoreChange = 0;
    long unfinishedLeaders = 0;
    // By level (Normal, Expert): games won, rounds ended by going out; and
    // the winners' margins over the next best seat.
    std::array<long, 2> wins{};
    std::array<long, 2> wentOut{};
    long margins = 0;

    void add(const GameResult& game, const GameSetup& setup)
    {
        const auto& levels = setup.levels;
        for (int seat = 1; seat <= game.seats; ++seat)
            wentOut[std::size_t(levels[std::size_t(seat)])] += game.wentOut[std::size_t(seat)];
        if (game.finished) {
            // The winner is the highest score, the lowest seat among equals.
            int winner = 1;
            for (int seat = 2; seat <= game.seats; ++seat)
                if (game.scores[std::size_t(seat - 1)] > game.scores[std::size_t(winner - 1)]) winner = seat;
            int next = INT_MIN;
            for (int seat = 1; seat <= game.seats; ++seat)
                if (seat != winner && (!setup.team || seat % 2 != winner % 2))
                    next = std::max(next, game.scores[std::size_t(seat - 1)]);
            ++wins[std::size_t(levels[std::size_t(winner)])];
            margins += game.scores[std::size_t(winner - 1)] - next;
        }
        if (games == 0 || game.rounds < fewestRounds) fewestRounds = game.rounds;
        if (game.rounds > mostRounds) mostRounds = game.rounds;
        ++games;
        finished += game.finished;
        rounds += game.rounds;
        roundsOut += game.roundsOut;
        roundsExhausted += game.roundsExhausted;
        turns += game.turns;
        finishes += game.finishes;
        tilesLaid += game.tilesLaid;
        tilesPlaced += game.tilesPlaced;
        timeouts += game.timeouts;
        frames += game.frames;
        seconds += game.seconds;
        violations += game.violations;
        if (game.violations.total() > 0 && failedSeeds.size() < 10) failedSeeds.push_back(game.seed);
        if (!game.finished) {
            int leader = game.scores[0];
            for (int seat = 0; seat < game.seats; ++seat) {
                unfinishedScoreChange += game.scores[seat];
                leader = std::max(leader, game.scores[seat]);
            }
            unfinishedRounds += game.rounds;
            unfinishedSeatRounds += long(game.rounds) * game.seats;
            unfinishedLeaders += leader;
        }
    }
};

double ratio(double a, double b) { return b > 0 ? a / b : 0.0; }

void printGame(const GameResult& game)
{
    std::printf("seed %llu: %s after %d rounds (%d out), %ld turns, scores %d %d %d %d, %ld messages, "
                "%ld violations\n",
                static_cast<unsigned long long>(game.seed), game.finished ? game.winner.c_str() : "unfinished",
                game.rounds, game.roundsOut, game.turns, game.scores[0], game.scores[1], game.scores[2],
                game.scores[3], game.frames, game.violations.total());
}

void reportLevels(const Totals& t)
{
    std::printf("  wins by level         expert %ld, normal %ld\n", t.wins[1], t.wins[0]);
    std::printf("  rounds gone out by    expert %ld (%.1f%% of rounds), normal %ld (%.1f%%)\n", t.wentOut[1],
                100 * ratio(t.wentOut[1], t.rounds), t.wentOut[0], 100 * ratio(t.wentOut[0], t.rounds));
    std::printf("  mean score margin     %+.1f  (the winner over the next best seat)\n",
                ratio(t.margins, t.wins[0] + t.wins[1]));
}

void report(const Options& options, const Totals& t, double wallSeconds, double uncheckedSeconds)
{
    const GameSetup& s = options.setup;
    std::printf("Self-play: %ld games, %d seats%s, play to %d, %d s a turn, %d tiles to start, seeds %llu..%llu\n",
                t.games, s.seats, s.team ? " (team game)" : "", s.playto, s.turntime, s.tiles,
                static_cast<unsigned long long>(s.seed), static_cast<unsigned long long>(s.seed + t.games - 1));
    std::printf("  games per second      %.1f with the checks (%.2f s on one core), %.1f without (%.2f s)\n",
                ratio(t.games, wallSeconds), wallSeconds, ratio(t.games, uncheckedSeconds), uncheckedSeconds);
    std::printf("  rounds per game       %.2f  (fewest %d, most %d)\n", ratio(t.rounds, t.games), t.fewestRounds,
                t.mostRounds);
    std::printf("  turns per round       %.1f\n", ratio(t.turns, t.rounds));
    std::printf("  rounds ended          someone out %ld (%.1f%%), pool exhausted %ld (%.1f%%)\n", t.roundsOut,
                100 * ratio(t.roundsOut, t.rounds), t.roundsExhausted, 100 * ratio(t.roundsExhausted, t.rounds));
    std::printf("  tiles laid per turn   %.2f  (%.2f placed, counting tiles taken back)\n", ratio(t.tilesLaid, t.turns),
                ratio(t.tilesPlaced, t.turns));
    std::printf("  turns finished        %.1f%% with a committed board; %ld ran out on the clock\n",
                100 * ratio(t.finishes, t.turns), t.timeouts);
    std::printf("  messages per game     %.0f  (simulated clock time per game %.1f min)\n", ratio(t.frames, t.games),
                ratio(t.seconds, t.games) / 60);
    std::printf("  unfinished games      %ld of %ld (stopped after %d rounds)\n", t.games - t.finished, t.games,
                s.roundLimit);
    if (t.games > t.finished) {
        std::printf("    in them, per round: average score change per seat %+.2f, leading score %+.2f\n",
                    ratio(t.unfinishedScoreChange, t.unfinishedSeatRounds),
                    ratio(t.unfinishedLeaders, t.unfinishedRounds));
    }
    if (options.levelsGiven) reportLevels(t);
    const Violations& v = t.violations;
    std::printf("  invariant violations  %ld  (tiles %ld, board vs snapshot and log %ld, committed boards %ld, "
                "table mirror %ld, stalls %ld)\n",
                v.total(), v.tiles, v.board, v.committed, v.mirror, v.stalled);
    if (!t.failedSeeds.empty()) {
        std::printf("    first games with violations, by seed:");
        for (const std::uint64_t seed : t.failedSeeds) std::printf(" %llu", static_cast<unsigned long long>(seed));
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--games N] [--seats 2..4] [--team] [--playto 0..1500] [--seed S]\n"
                     "          [--turntime 20..180] [--tiles 10..48] [--rounds R] [--each]\n"
                     "          [--levels normal|expert,...]\n",
                     argv[0]);
        return 2;
    }
    Totals totals;
    std::vector<std::uint64_t> digests;
    const auto start = std::chrono::steady_clock::now();
    for (long game = 0; game < options->games; ++game) {
        GameSetup setup = options->setup;
        setup.seed = options->setup.seed + std::uint64_t(game);
        const GameResult result = playgame(setup);
        if (options->each) printGame(result);
        totals.add(result, setup);
        digests.push_back(result.digest);
    }
    const std::chrono::duration<double> checked = std::chrono::steady_clock::now() - start;

    const auto replayStart = std::chrono::steady_clock::now();
    for (long game = 0; game < options->games; ++game) {
        GameSetup setup = options->setup;
        setup.seed = options->setup.seed + std::uint64_t(game);
        setup.checks = false;
        // Checking only watches: the same seed plays the same game.
        if (playgame(setup).digest != digests[std::size_t(game)]) ++totals.violations.mirror;
    }
    const std::chrono::duration<double> unchecked = std::chrono::steady_clock::now() - replayStart;
    report(*options, totals, checked.count(), unchecked.count());
    return totals.violations.total() == 0 ? 0 : 1;
}
