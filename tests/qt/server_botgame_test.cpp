// Games that computer players play alone on a real server, watched over
// TCP: the host's table starts a four-seat game and asks to just watch, and
// the game runs by itself to a winner. What the watching table hears must
// be, line for line, what the server core plays with the same seed, and it
// must make sense on its own: every committed board valid, the scores
// following the points, the winner the highest score.
#include "bench/selfplaygame.h"
#include "model/setrules.h"
#include "tests/qt/server_scriptedtable.h"
#include "tests/qt/testports.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>

using namespace brixo;
using namespace brixo::test;

namespace {

// Rounds end with a 20 second pause; a game that needs several still fits.
constexpr int kGameMilliseconds = 120'000;
constexpr int kPlayTo = 100;
// A seed whose games end in their first round, so the test does not wait
// out the pause between rounds. Any seed must pass; this one is quick.
constexpr std::uint64_t kSeed = 1;

std::string startgameFrame(bool team)
{
    return msg::startgame({"Host", kPlayTo, 60, "t", team ? "t" : "f", 14});
}

// Where two transcripts part, for a readable failure.
void expectSameLines(const std::vector<std::string>& heard, const std::vector<std::string>& core)
{
    const auto [a, b] = std::mismatch(heard.begin(), heard.end(), core.begin(), core.end());
    if (a == heard.end() && b == core.end()) return;
    ADD_FAILURE() << "the lines part at line " << (a - heard.begin()) << " of " << heard.size() << "/" << core.size()
                  << ": heard \"" << (a == heard.end() ? std::string("(nothing)") : *a) << "\", core \""
                  << (b == core.end() ? std::string("(nothing)") : *b) << "\"";
}

// Replays the watching table's lines onto a board of its own: each board
// the server commits must be valid, each score must move by the points the
// message reports, and the announced winner must hold the highest score.
void expectASoundGame(const std::vector<std::string>& lines, bool team)
{
    BoardGrid board;
    std::array<int, kSeats + 1> scores{};
    int movedtiles = 0, rounds = 0;
    std::string winner;
    for (const std::string& line : lines) {
        const auto split = splitCommand(line);
        ASSERT_TRUE(split.has_value()) << line;
        const std::string_view command = split->command, args = split->args;
        if (command == "CMD_startround") {
            board.clear();
        } else if (command == "CMD_placehistile") {
            const auto m = msg::parsePlacehistile(args);
            ASSERT_TRUE(m && board.set(m->col, m->row, m->tile)) << line;
        } else if (command == "CMD_swaptiles") {
            const auto m = msg::parseSwaptilesNotice(args);
            ASSERT_TRUE(m && board.at(m->fromcol, m->fromrow) == m->tile) << line;
            board.set(m->fromcol, m->fromrow, kNoTile);
            board.set(m->tocol, m->torow, m->tile);
        } else if (command == "CMD_undothem") {
            const auto m = msg::parseNumberCells(args);
            ASSERT_TRUE(m) << line;
            for (const Cell& c : m->cells) board.set(c.col, c.row, c.tile);
        } else if (command == "CMD_movedtiles") {
            const auto m = msg::parseMovedtiles(args);
            ASSERT_TRUE(m && isSeat(m->seat)) << line;
            EXPECT_TRUE(boardok(board)) << "committed an invalid board: " << line;
            scores[m->seat] += m->points;
            EXPECT_EQ(scores[m->seat], m->score) << line;
            ++movedtiles;
        } else if (command == "CMD_teamscore") {
            const auto m = msg::parseTeamscore(args);
            ASSERT_TRUE(m && isSeat(m->seat)) << line;
            scores[m->seat] = m->score;
        } else if (command == "CMD_endround") {
            const auto m = msg::parseEndround(args);
            ASSERT_TRUE(m) << line;
            for (const msg::SeatResult& seat : m->seats) {
                ASSERT_TRUE(isSeat(seat.seat)) << line;
                scores[seat.seat] += seat.points;
                EXPECT_EQ(scores[seat.seat], seat.score) << line;
            }
            ++rounds;
        } else if (command == "CMD_winner") {
            winner = msg::parseWinner(args);
        }
    }
    EXPECT_GT(movedtiles, 0);
    EXPECT_GE(rounds, 1);
    const int best = int(std::max_element(scores.begin() + 1, scores.end()) - scores.begin());
    EXPECT_GE(scores[best], kPlayTo);
    if (team) {
        EXPECT_EQ(scores[1], scores[3]);
        EXPECT_EQ(scores[2], scores[4]);
        EXPECT_EQ(winner, best % 2 == 1 ? "The Green Team" : "The Brown Team");
    } else {
        const char* names[] = {"", "Host", "Klot", "Ann", "Bob"};
        EXPECT_EQ(winner, names[best]);
    }
}

selfplay::GameResult coreGame(bool team, BotLevel level = BotLevel::Normal)
{
    selfplay::GameSetup setup;
    setup.levels.fill(level);
    setup.seats = kSeats;
    setup.team = team;
    setup.playto = kPlayTo;
    setup.seed = kSeed;
    setup.keepTranscript = true;
    return selfplay::playgame(setup);
}


} // namespace

TEST(ServerBotGame, FourComputerPlayersOnTheHeadlessServerPlayATeamGameToAWinner)
{
    ASSERT_TRUE(QFileInfo(brixoProgram()).isExecutable()) << brixoProgram().toStdString();
    QProcess server;
    const quint16 port = startHeadlessServer(server, {"--botspeed", "0", "--seed", QString::number(kSeed)});
    ASSERT_NE(port, 0);

    ScriptedTable host("Host");
    host.connectTo(port);
    ASSERT_TRUE(waitFor([&] { return host.loggedIn(); }));
    host.send(startgameFrame(true));
    host.send(msg::justwatch(1, "1"));
    ASSERT_TRUE(waitFor([&] { return !host.winner().empty(); }, kGameMilliseconds))
        << "no winner; " << host.count("CMD_endround") << " rounds ended";

    expectASoundGame(host.lines(), true);
    const selfplay::GameResult core = coreGame(true);
    EXPECT_EQ(core.violations.total(), 0);
    EXPECT_EQ(host.winner(), core.winner);
    expectSameLines(host.lines(), core.transcript);

    server.terminate();
    ASSERT_TRUE(server.waitForFinished(5000));
    EXPECT_EQ(server.exitCode(), 0);
}

// The level reaches the computer players through the command line: Expert
// computers play the very game the core plays at that level.
TEST(ServerBotGame, ExpertComputersOnTheHeadlessServerPlayTheCoresGame)
{
    QProcess server;
    const quint16 port =
        startHeadlessServer(server, {"--botspeed", "0", "--seed", QString::number(kSeed), "--level", "expert"});
    ASSERT_NE(port, 0);

    ScriptedTable host("Host");
    host.connectTo(port);
    ASSERT_TRUE(waitFor([&] { return host.loggedIn(); }));
    host.send(startgameFrame(true));
    host.send(msg::justwatch(1, "1"));
    ASSERT_TRUE(waitFor([&] { return !host.winner().empty(); }, kGameMilliseconds));

    expectASoundGame(host.lines(), true);
    const selfplay::GameResult core = coreGame(true, BotLevel::Expert);
    EXPECT_EQ(core.violations.total(), 0);
    EXPECT_EQ(core.roundsOut, core.rounds);
    expectSameLines(host.lines(), core.transcript);

    server.terminate();
    ASSERT_TRUE(server.waitForFinished(5000));
}

// Four seats without teams: seats 3 and 4 take part only with a person
// there, so two tables sit there and just watch; seat 2's table leaves
// before the game and the computer plays that seat without a connection.
TEST(ServerBotGame, FourSeatsWithTablesThatJustWatchPlayToAWinner)
{
    LoopbackGame game(kSeed);
    ASSERT_TRUE(game.listening);
    ScriptedTable& host = game.join("Host");
    ScriptedTable& cyd = game.join("Cyd");
    ScriptedTable& ann = game.join("Ann");
    ScriptedTable& bob = game.join("Bob");
    ASSERT_EQ(bob.slot(), 4);
    cyd.close();
    ASSERT_TRUE(waitFor([&] { return host.count("CMD_playerdisconnected+2+") == 1; }));

    host.send(startgameFrame(false));
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_startgame+") == 1 && bob.count("CMD_startgame+") == 1; }));
    // One at a time, so that the server takes them in the order the core
    // game uses.
    ann.send(msg::justwatch(3, "1"));
    ASSERT_TRUE(waitFor([&] { return host.count("CMD_justwatching+3+1") == 1; }));
    bob.send(msg::justwatch(4, "1"));
    ASSERT_TRUE(waitFor([&] { return host.count("CMD_justwatching+4+1") == 1; }));
    host.send(msg::justwatch(1, "1"));
    ASSERT_TRUE(waitFor([&] { return !host.winner().empty(); }, kGameMilliseconds))
        << "no winner; " << host.count("CMD_endround") << " rounds ended";

    expectASoundGame(host.lines(), false);
    // The watchers saw the same game.
    EXPECT_TRUE(waitFor([&] { return ann.winner() == host.winner() && bob.winner() == host.winner(); }));
    EXPECT_EQ(ann.board(), host.board());
    EXPECT_EQ(bob.board(), host.board());

    const selfplay::GameResult core = coreGame(false);
    EXPECT_EQ(core.violations.total(), 0);
    EXPECT_EQ(host.winner(), core.winner);
    expectSameLines(host.lines(), core.transcript);
}
