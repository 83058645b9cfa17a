// Whole games between computer players on the server core: a seed replays a
// game exactly, hundreds of games pass every check, the checks themselves
// catch a broken state, and the statistics of a match add up.
#include "model/randomsource.h"
#include "net/catalogue.h"
#include "tests/support/gamereplay.h"
#include "tests/support/matchstats.h"
#include "tests/support/selfplaychecks.h"
#include "tests/support/selfplaygame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace brixo;
using namespace brixo::selfplay;

namespace {

// A round in progress: a shuffled pool, 14 tiles dealt to seats 1 and 2,
// three of seat 1's laid on the board.
struct DealtRound {
    DealtRound()
    {
        SeededRandom random(3);
        pool.shuffletiles(random);
        for (int slot = 1; slot <= 14; ++slot)
            for (const Seat seat : {Seat(1), Seat(2)}) slots[seat].rack.set(slot, pool.take());
        Rack& first = slots[Seat(1)].rack;
        for (int slot = 1; slot <= 3; ++slot) {
            board.set(slot, 2, first.at(slot));
            log.push_back({slot, first.at(slot)});
            first.set(slot, kNoTile);
        }
    }
    Pool pool;
    SlotTable slots;
    BoardGrid board;
    BoardGrid snapshot;
    std::vector<LaidTile> log;
};

GameSetup quick(std::uint64_t seed, int seats, bool team = false, int playto = 200)
{
    GameSetup setup;
    setup.seed = seed;
    setup.seats = seats;
    setup.team = team;
    setup.playto = playto;
    return setup;
}

// The name a finished game must announce: the highest score, by seat.
std::string expectedWinner(const GameResult& game, bool team)
{
    const auto best = std::max_element(game.scores.begin(), game.scores.end()) - game.scores.begin() + 1;
    if (team) return best == 1 || best == 3 ? "The Green Team" : "The Brown Team";
    const char* names[] = {"", "Host", "Klot", "Ann", "Bob"};
    return names[best];
}

} // namespace

TEST(SelfPlayChecks, HoldForASoundRoundAndCatchEachKindOfDamage)
{
    DealtRound round;
    EXPECT_TRUE(tilesConserved(round.board, round.slots, round.pool));
    EXPECT_TRUE(boardIsSnapshotPlusLog(round.board, round.snapshot, round.log));
    EXPECT_FALSE(turnSettled(round.board, round.snapshot, round.log)); // the turn still runs

    // Rearranging the board keeps the tiles.
    BoardGrid moved = round.board;
    moved.set(7, 5, moved.at(1, 2));
    moved.set(1, 2, kNoTile);
    EXPECT_TRUE(boardIsSnapshotPlusLog(moved, round.snapshot, round.log));

    // A tile that went back to the rack without leaving the log.
    BoardGrid lost = round.board;
    lost.set(3, 2, kNoTile);
    EXPECT_FALSE(boardIsSnapshotPlusLog(lost, round.snapshot, round.log));
    EXPECT_FALSE(tilesConserved(lost, round.slots, round.pool));

    // A copy of a rack tile appears on the board.
    BoardGrid doubled = round.board;
    doubled.set(9, 9, round.slots[2].rack.at(5));
    EXPECT_FALSE(tilesConserved(doubled, round.slots, round.pool));
    EXPECT_FALSE(boardIsSnapshotPlusLog(doubled, round.snapshot, round.log));

    // A tile given twice: the pool forgets it handed one out.
    Pool behind = round.pool;
    --behind.poolpos;
    EXPECT_FALSE(tilesConserved(round.board, round.slots, behind));

    // A committed turn: snapshot and board agree cell for cell.
    EXPECT_TRUE(turnSettled(round.board, round.board, {}));
    EXPECT_FALSE(turnSettled(moved, round.board, {}));
}

// A real game's lines replay without a fault; each kind of damage to them
// is found.
TEST(GameReplay, FollowsASoundGameAndCatchesEachKindOfDamage)
{
    GameSetup setup = quick(5, 2);
    setup.keepTranscript = true;
    const std::vector<std::string> lines = playgame(setup).transcript;
    const auto replayed = [](const std::vector<std::string>& heard) {
        GameReplay replay;
        for (const std::string& line : heard) replay.heard(line);
        return replay;
    };
    const GameReplay sound = replayed(lines);
    EXPECT_EQ(sound.violations().total(), 0) << sound.problems();
    EXPECT_GT(sound.counts().finishes, 0);
    EXPECT_FALSE(sound.winner().empty());

    const auto commit = std::find_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.rfind("CMD_movedtiles+", 0) == 0; });
    ASSERT_NE(commit, lines.end());
    const std::size_t at = std::size_t(commit - lines.begin());
    const auto moved = msg::parseMovedtiles(std::string_view(*commit).substr(commit->find('+') + 1));
    ASSERT_TRUE(moved);

    // A score that moves by one point more than the commit reports.
    std::vector<std::string> scored = lines;
    msg::MovedTiles more = *moved;
    ++more.score;
    scored[at] = msg::movedtiles(more);
    scored[at].pop_back();
    EXPECT_GT(replayed(scored).violations().scores, 0);

    // A lone tile laid in a free corner before the commit.
    std::vector<std::string> lone = lines;
    std::string tile = msg::placehistile({moved->seat, 1, 22, 12});
    tile.pop_back();
    lone.insert(lone.begin() + std::ptrdiff_t(at), tile);
    EXPECT_GT(replayed(lone).violations().committed, 0);

    // A move from a cell that holds no tile.
    std::vector<std::string> moves = lines;
    std::string move = msg::swaptilesNotice({moved->seat, 21, 12, 20, 12, 1});
    move.pop_back();
    moves.insert(moves.begin() + std::ptrdiff_t(at), move);
    EXPECT_GT(replayed(moves).violations().lines, 0);
}

TEST(SelfPlayGames, ASeedReplaysAWholeGame)
{
    for (const GameSetup& setup : {quick(42, 4, false, 500), quick(42, 2, false, 500), quick(42, 4, true, 500)}) {
        const GameResult first = playgame(setup);
        const GameResult again = playgame(setup);
        ASSERT_TRUE(first.finished);
        EXPECT_EQ(again.winner, first.winner);
        EXPECT_EQ(again.scores, first.scores);
        EXPECT_EQ(again.frames, first.frames);
        EXPECT_EQ(again.turns, first.turns);
        EXPECT_EQ(again.rounds, first.rounds);
        EXPECT_EQ(again.digest, first.digest);

        GameSetup other = setup;
        other.seed = 43;
        EXPECT_NE(playgame(other).digest, first.digest) << "another seed deals another game";
    }
}

TEST(SelfPlayGames, HundredsOfGamesPassEveryCheckAndEndWithTheRightWinner)
{
    long rounds = 0, roundsOut = 0, tilesLaid = 0, finishes = 0;
    const auto play = [&](const GameSetup& setup) {
        const GameResult game = playgame(setup);
        EXPECT_EQ(game.violations.total(), 0) << "seed " << setup.seed << " seats " << setup.seats;
        EXPECT_TRUE(game.finished) << "seed " << setup.seed;
        EXPECT_EQ(game.winner, expectedWinner(game, setup.team)) << "seed " << setup.seed;
        EXPECT_GE(*std::max_element(game.scores.begin(), game.scores.end()), setup.playto);
        if (setup.team) {
            EXPECT_EQ(game.scores[0], game.scores[2]);
            EXPECT_EQ(game.scores[1], game.scores[3]);
        }
        for (int seat = game.seats; seat < kSeats && !setup.team; ++seat) EXPECT_EQ(game.scores[seat], 0);
        EXPECT_EQ(game.rounds, game.roundsOut + game.roundsExhausted);
        rounds += game.rounds;
        roundsOut += game.roundsOut;
        tilesLaid += game.tilesLaid;
        finishes += game.finishes;
    };
    for (std::uint64_t seed = 1000; seed < 1150; ++seed) play(quick(seed, 4));
    for (std::uint64_t seed = 2000; seed < 2060; ++seed) play(quick(seed, 3));
    for (std::uint64_t seed = 3000; seed < 3060; ++seed) play(quick(seed, 2));
    for (std::uint64_t seed = 4000; seed < 4060; ++seed) play(quick(seed, 4, true));

    // The games were played, not merely started.
    EXPECT_GT(rounds, 330);
    EXPECT_GT(roundsOut, 0);
    EXPECT_GT(finishes, 1000);
    EXPECT_GT(tilesLaid, 10000);
}

TEST(SelfPlayGames, AGameThatDoesNotEndIsStoppedAtTheRoundLimit)
{
    GameSetup setup = quick(7, 4, false, 1500);
    setup.roundLimit = 2;
    const GameResult game = playgame(setup);
    EXPECT_FALSE(game.finished);
    EXPECT_TRUE(game.winner.empty());
    EXPECT_EQ(game.rounds, 2);
    EXPECT_EQ(game.violations.total(), 0);
    // One pause between the two rounds, on the simulated clock.
    EXPECT_EQ(game.seconds, 20);
}

// The figures a two-level match reports, against values worked out by hand.
TEST(MatchStats, WilsonIntervalMatchesHandWorkedShares)
{
    struct Case {
        long wins, games;
        double low, high;
    };
    // centre (p + z^2/2n) / (1 + z^2/n), half width z sqrt(p(1-p)/n + z^2/4n^2) / (1 + z^2/n)
    const Case cases[] = {
        {8, 10, 0.4902, 0.9433},
        {0, 10, 0.0, 0.2775},  // no wins still leaves room above
        {10, 10, 0.7225, 1.0},
        {500, 1000, 0.4691, 0.5309},
        {0, 0, 0.0, 1.0},      // no games tell nothing
    };
    for (const Case& c : cases) {
        const Interval i = wilsonInterval(c.wins, c.games);
        EXPECT_NEAR(i.low, c.low, 5e-5) << c.wins << " of " << c.games;
        EXPECT_NEAR(i.high, c.high, 5e-5) << c.wins << " of " << c.games;
    }
}

TEST(MatchStats, StandardErrorIsTheSampleSpreadOverRootCount)
{
    MeanEstimate one;
    one.add(7);
    EXPECT_EQ(one.mean(), 7);
    EXPECT_EQ(one.standardError(), 0);

    // 1..4: mean 2.5, sample variance 5/3, standard error sqrt(5/12).
    MeanEstimate four;
    for (const double v : {1.0, 2.0, 3.0, 4.0}) four.add(v);
    EXPECT_EQ(four.count(), 4);
    EXPECT_DOUBLE_EQ(four.mean(), 2.5);
    EXPECT_NEAR(four.standardError(), 0.645497, 1e-6);

    // A large offset costs no precision.
    MeanEstimate offset;
    for (const double v : {1.0, 2.0, 3.0, 4.0}) offset.add(1e9 + v);
    EXPECT_NEAR(offset.standardError(), 0.645497, 1e-6);
}
