// Self-play: N complete games between computer players on the game server
// core alone, with a summary of how they went and of every check that
// failed.
//
//   selfplay [--games N] [--seats 2..4] [--team] [--playto P] [--seed S]
//            [--turntime T] [--tiles K] [--rounds R] [--each]
//            [--levels L1,L2,...] [--jobs J] [--no-replay] [--master-ideas I]
//            [--master-samples N] [--master-ahead T]
//
// Game i (counting from 0) is played with seed S + i, so any single game can
// be replayed alone with --games 1 --seed S+i. A game not won after R
// rounds (default 100) is stopped and counted as unfinished. --each also
// prints one line per game. The games are then played again without the
// checks, to tell the game's own speed from the checking's; a replay that
// differs from its checked game counts as a violation. --no-replay skips
// that second pass, which halves the time a run of slow levels takes (the
// speed without the checks is then not reported). The program exits with 1
// when any check failed.
//
// --master-ideas picks the candidate turns a Master seat weighs besides the
// Expert's play (drawing alone unless given), to measure each idea alone;
// --master-samples and --master-ahead set its look-ahead's sampled deals
// and turns ahead, to tune them.
//
// --jobs J plays the games on J threads at once (default 1). Every game
// stands alone, so the lines and the totals are those of one job, printed
// in game order; only the times differ.
//
// --levels sets how well the computer plays each seat, in seat order
// ("expert,normal": seat 1 Expert, seat 2 Normal); it also sets the number
// of seats. The summary then tells the wins, the rounds gone out and the
// winning margin by level. When the seats hold exactly two levels (a
// match, such as "expert,normal" or "expert,normal,normal,normal"), it
// also tells each level's share of the games won with its 95 % interval
// (and each seat's, when a level holds several), and the mean margin a
// round between the two levels with its standard error.
#include "model/gameoptions.h"
#include "bot/masterplayer.h"
#include "net/fieldreader.h"
#include "tests/support/matchstats.h"
#include "tests/support/selfplaygame.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using namespace brixo;
using namespace brixo::selfplay;

constexpr int kMostJobs = 64;

struct Options {
    long games = 1000;
    int jobs = 1;
    bool each = false;
    bool replay = true;
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
        if (name == "--no-replay") {
            options.replay = false;
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
        if (name == "--master-ideas") {
            const auto ideas = parsemasterideas(text);
            if (!ideas) return std::nullopt;
            setmasterideas(*ideas);
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
        } else if (name == "--jobs" && *value >= 1 && *value <= kMostJobs) {
            options.jobs = *value;
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
        } else if ((name == "--master-samples" || name == "--master-ahead") && *value >= 1 && *value <= 64) {
            MasterSettings settings = mastersettings();
            (name == "--master-samples" ? settings.samples : settings.rounds) = int(*value);
            setmastersettings(settings);
        } else {
            return std::nullopt;
        }
    }
    // Every seat plays in a team game.
    if (options.setup.team && seatsGiven && options.setup.seats != kSeats) return std::nullopt;
    if (options.setup.team) options.setup.seats = kSeats;
    return options;
}

// The winner of a finished game is the highest score, the lowest seat
// among equals.
int winningSeat(const GameResult& game)
{
    int winner = 1;
    for (int seat = 2; seat <= game.seats; ++seat)
        if (game.scores[std::size_t(seat - 1)] > game.scores[std::size_t(winner - 1)]) winner = seat;
    return winner;
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
    std::array<long, kBotLevels> wins{};
    std::array<long, kBotLevels> wentOut{};
    long margins = 0;

    void add(const GameResult& game, const GameSetup& setup)
    {
        const auto& levels = setup.levels;
        for (int seat = 1; seat <= game.seats; ++seat)
            wentOut[std::size_t(levels[std::size_t(seat)])] += game.wentOut[std::size_t(seat)];
        if (game.finished) {
            const int winner = winningSeat(game);
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

// A match: the seats hold exactly two levels, each side named by the
// level of its lowest seat, the first side being seat 1's.
struct Match {
    std::array<BotLevel, 2> levels{};
    std::array<std::vector<int>, 2> seats;
};

std::optional<Match> findMatch(const Options& options)
{
    if (!options.levelsGiven) return std::nullopt;
    const GameSetup& s = options.setup;
    Match match;
    match.levels[0] = s.levels[1];
    for (int seat = 1; seat <= s.seats; ++seat) {
        const BotLevel level = s.levels[std::size_t(seat)];
        const std::size_t side = level == match.levels[0] ? 0 : 1;
        if (side == 1 && match.seats[1].empty()) match.levels[1] = level;
        if (side == 1 && level != match.levels[1]) return std::nullopt; // a third level
        match.seats[side].push_back(seat);
    }
    if (match.seats[1].empty()) return std::nullopt;
    return match;
}

// The match's figures, added game by game in game order.
struct MatchTotals {
    long games = 0;
    std::array<long, 2> wins{};              // by side
    std::array<long, kSeats + 1> seatWins{}; // by seat 1..4
    // Per round: the best score change among the first side's seats minus
    // the best among the second side's. Its standard error takes the rounds
    // as independent; each is a fresh deal, but the scores so far may sway
    // how a level plays.
    MeanEstimate roundMargin;

    void add(const GameResult& game, const Match& match)
    {
        ++games;
        if (game.finished) {
            const int winner = winningSeat(game);
            ++seatWins[std::size_t(winner)];
            ++wins[std::ranges::find(match.seats[0], winner) != match.seats[0].end() ? 0 : 1];
        }
        std::array<int, kSeats> before{};
        for (const std::array<int, kSeats>& after : game.roundScores) {
            std::array<int, 2> best{INT_MIN, INT_MIN};
            for (std::size_t side = 0; side < 2; ++side)
                for (const int seat : match.seats[side]) {
                    const std::size_t i = std::size_t(seat - 1);
                    best[side] = std::max(best[side], after[i] - before[i]);
                }
            roundMargin.add(double(best[0]) - double(best[1]));
            before = after;
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

// Expert and Normal as ever, then Master when a seat played it.
void reportLevels(const Totals& t, const GameSetup& setup)
{
    const auto at = [](const auto& byLevel, BotLevel level) { return byLevel[std::size_t(level)]; };
    const bool master = std::find(setup.levels.begin() + 1, setup.levels.begin() + 1 + setup.seats,
                                  BotLevel::Master) != setup.levels.begin() + 1 + setup.seats;
    std::printf("  wins by level         expert %ld, normal %ld", at(t.wins, BotLevel::Expert), at(t.wins, BotLevel::Normal));
    if (master) std::printf(", master %ld", at(t.wins, BotLevel::Master));
    std::printf("\n  rounds gone out by    expert %ld (%.1f%% of rounds), normal %ld (%.1f%%)",
                at(t.wentOut, BotLevel::Expert), 100 * ratio(at(t.wentOut, BotLevel::Expert), t.rounds),
                at(t.wentOut, BotLevel::Normal), 100 * ratio(at(t.wentOut, BotLevel::Normal), t.rounds));
    if (master)
        std::printf(", master %ld (%.1f%%)", at(t.wentOut, BotLevel::Master),
                    100 * ratio(at(t.wentOut, BotLevel::Master), t.rounds));
    long wins = 0;
    for (const long w : t.wins) wins += w;
    std::printf("\n  mean score margin     %+.1f  (the winner over the next best seat)\n", ratio(t.margins, wins));
}

std::string seatList(const std::vector<int>& seats)
{
    std::string text = seats.size() == 1 ? "seat " : "seats ";
    for (std::size_t i = 0; i < seats.size(); ++i) text += (i > 0 ? ", " : "") + std::to_string(seats[i]);
    return text;
}

void printShare(const char* label, long wins, long games)
{
    const Interval interval = wilsonInterval(wins, games);
    std::printf("    %-20s%ld of %ld games, %.1f%%  (95%% interval %.1f%% to %.1f%%)\n", label, wins, games,
                100 * ratio(wins, games), 100 * interval.low, 100 * interval.high);
}

void reportMatch(const Match& match, const MatchTotals& m)
{
    const std::string first(botlevelname(match.levels[0]));
    const std::string second(botlevelname(match.levels[1]));
    std::printf("  match                 %s (%s) against %s (%s)\n", first.c_str(), seatList(match.seats[0]).c_str(),
                second.c_str(), seatList(match.seats[1]).c_str());
    for (std::size_t side = 0; side < 2; ++side)
        printShare(((side == 0 ? first : second) + " won").c_str(), m.wins[side], m.games);
    if (match.seats[0].size() > 1 || match.seats[1].size() > 1) {
        for (std::size_t side = 0; side < 2; ++side)
            for (const int seat : match.seats[side]) {
                const std::string label = "seat " + std::to_string(seat) + " (" + (side == 0 ? first : second) + ") won";
                printShare(label.c_str(), m.seatWins[std::size_t(seat)], m.games);
            }
    }
    std::printf("    margin a round      %+.2f  (standard error %.2f, %ld rounds): the best %s seat's score change "
                "minus the best %s seat's\n",
                m.roundMargin.mean(), m.roundMargin.standardError(), m.roundMargin.count(), first.c_str(),
                second.c_str());
}

void report(const Options& options, const Totals& t, const std::optional<Match>& match, const MatchTotals& m,
            double wallSeconds, double uncheckedSeconds)
{
    const GameSetup& s = options.setup;
    std::printf("Self-play: %ld games, %d seats%s, play to %d, %d s a turn, %d tiles to start, seeds %llu..%llu\n",
                t.games, s.seats, s.team ? " (team game)" : "", s.playto, s.turntime, s.tiles,
                static_cast<unsigned long long>(s.seed), static_cast<unsigned long long>(s.seed + t.games - 1));
    const std::string where = options.jobs == 1 ? "on one core" : "on " + std::to_string(options.jobs) + " jobs";
    if (options.replay) {
        std::printf("  games per second      %.1f with the checks (%.2f s %s), %.1f without (%.2f s)\n",
                    ratio(t.games, wallSeconds), wallSeconds, where.c_str(), ratio(t.games, uncheckedSeconds),
                    uncheckedSeconds);
    } else {
        std::printf("  games per second      %.1f with the checks (%.2f s %s), not replayed without\n",
                    ratio(t.games, wallSeconds), wallSeconds, where.c_str());
    }
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
    if (options.levelsGiven) reportLevels(t, options.setup);
    if (match) reportMatch(*match, m);
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

// Plays games 0..N-1 on the jobs' threads and hands each result to `take`
// on this thread, in game order, as soon as it and every game before it
// are done. Each game has its own server, bots and random source; the core
// keeps no mutable state outside them.
template <typename Take>
void playAll(const Options& options, bool checks, Take take)
{
    const long count = options.games;
    std::mutex mutex;
    std::condition_variable ready;
    std::vector<std::optional<GameResult>> done(std::size_t(count), std::nullopt);
    std::atomic<long> next{0};
    const auto work = [&] {
        for (long game = next++; game < count; game = next++) {
            GameSetup setup = options.setup;
            setup.seed = options.setup.seed + std::uint64_t(game);
            setup.checks = checks;
            GameResult result = playgame(setup);
            {
                const std::lock_guard lock(mutex);
                done[std::size_t(game)] = std::move(result);
            }
            ready.notify_one();
        }
    };
    std::vector<std::jthread> jobs;
    for (int job = 0; job < options.jobs; ++job) jobs.emplace_back(work);
    for (long game = 0; game < count; ++game) {
        std::optional<GameResult> result;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return done[std::size_t(game)].has_value(); });
            result.swap(done[std::size_t(game)]);
        }
        take(game, *result);
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
                     "          [--levels normal|expert|master,...] [--jobs 1..64] [--no-replay]\n"
                     "          [--master-ideas wild,near,hold,draw|all|none] [--master-samples N] [--master-ahead T]\n",
                     argv[0]);
        return 2;
    }
    const std::optional<Match> match = findMatch(*options);
    Totals totals;
    MatchTotals matchTotals;
    std::vector<std::uint64_t> digests;
    const auto start = std::chrono::steady_clock::now();
    playAll(*options, true, [&](long, const GameResult& result) {
        if (options->each) printGame(result);
        totals.add(result, options->setup);
        if (match) matchTotals.add(result, *match);
        digests.push_back(result.digest);
    });
    const std::chrono::duration<double> checked = std::chrono::steady_clock::now() - start;

    const auto replayStart = std::chrono::steady_clock::now();
    // Checking only watches: the same seed plays the same game.
    if (options->replay) {
        playAll(*options, false, [&](long game, const GameResult& result) {
            if (result.digest != digests[std::size_t(game)]) ++totals.violations.mirror;
        });
    }
    const std::chrono::duration<double> unchecked = std::chrono::steady_clock::now() - replayStart;
    report(*options, totals, match, matchTotals, checked.count(), unchecked.count());
    return totals.violations.total() == 0 ? 0 : 1;
}
