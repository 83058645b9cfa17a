// Games that computer players play alone on a real server, watched over
// TCP: the host's table starts a four-seat game and asks to just watch, and
// the game runs by itself to a winner. What the watching table hears must
// be, line for line, what the server core plays with the same seed, and it
// must make sense on its own: every committed board valid, the scores
// following the points, the winner the highest score.
#include "server/lobby.h"
#include "tests/qt/server_scriptedtable.h"
#include "tests/qt/testports.h"
#include "tests/support/gamereplay.h"
#include "tests/support/selfplaygame.h"

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

// Where two transcripts part, for a readable failure. Seat keys are secret
// and differ from server to server: only that one was given is compared.
void expectSameLines(const std::vector<std::string>& heard, const std::vector<std::string>& core)
{
    const auto same = [](const std::string& x, const std::string& y) {
        const std::string_view key = "CMD_seatkey+";
        return x == y || (x.rfind(key, 0) == 0 && y.rfind(key, 0) == 0);
    };
    const auto [a, b] = std::mismatch(heard.begin(), heard.end(), core.begin(), core.end(), same);
    if (a == heard.end() && b == core.end()) return;
    ADD_FAILURE() << "the lines part at line " << (a - heard.begin()) << " of " << heard.size() << "/" << core.size()
                  << ": heard \"" << (a == heard.end() ? std::string("(nothing)") : *a) << "\", core \""
                  << (b == core.end() ? std::string("(nothing)") : *b) << "\"";
}

// Replays the watching table's lines onto a board of its own: each board
// the server commits must be valid and each score must move by the points
// the message reports (the replay self-play checks its games with), and
// the announced winner must hold the highest score.
void expectASoundGame(const std::vector<std::string>& lines, bool team)
{
    selfplay::GameReplay replay;
    for (const std::string& line : lines) replay.heard(line);
    EXPECT_EQ(replay.violations().total(), 0) << replay.problems();
    EXPECT_GT(replay.counts().finishes, 0);
    EXPECT_GE(replay.counts().rounds, 1);
    const auto& scores = replay.scores();
    const int best = int(std::max_element(scores.begin() + 1, scores.end()) - scores.begin());
    EXPECT_GE(scores[best], kPlayTo);
    if (team) {
        EXPECT_EQ(scores[1], scores[3]);
        EXPECT_EQ(scores[2], scores[4]);
        EXPECT_EQ(replay.winner(), best % 2 == 1 ? "The Green Team" : "The Brown Team");
    } else {
        const char* names[] = {"", "Host", "Klot", "Ann", "Bob"};
        EXPECT_EQ(replay.winner(), names[best]);
    }
}

// What the host's table heard of a team game on `brixo --server` with these
// options: it starts the game, just watches, and listens to the winner.
struct HeardGame {
    std::vector<std::string> lines;
    std::string winner;
    int exitCode = -1; // of the server, stopped once the game was won
};
// In room `lobbyRoom` of `brixo --lobby` when it is not 0: the lobby gets
// the seed that gives that room the seed kSeed, a table idles in each room
// opened before it, and what the host's table heard in the lobby is left
// out.
HeardGame watchTeamGame(const QStringList& options, int lobbyRoom = 0)
{
    HeardGame heard;
    QProcess server;
    const std::uint64_t seed = kSeed - Lobby::roomSeed(0, RoomId(std::max(1, lobbyRoom)));
    const QStringList mode = lobbyRoom ? QStringList{"--lobby"} : QStringList{};
    const quint16 port =
        startHeadlessServer(server, mode + QStringList{"--botspeed", "0", "--seed", QString::number(seed)} + options);
    EXPECT_NE(port, 0);
    if (port == 0) return heard;
    std::vector<std::unique_ptr<ScriptedTable>> earlier;
    for (int room = 1; room < lobbyRoom; ++room) {
        earlier.push_back(std::make_unique<ScriptedTable>("Early"));
        earlier.back()->enterRoom({true, "Earlier", true, ""});
        earlier.back()->connectTo(port);
        EXPECT_TRUE(waitFor([&] { return earlier.back()->loggedIn(); }));
    }
    ScriptedTable host("Host");
    if (lobbyRoom) host.enterRoom({true, "Club", true, ""});
    host.connectTo(port);
    EXPECT_TRUE(waitFor([&] { return host.loggedIn(); }));
    host.send(startgameFrame(true));
    host.send(msg::justwatch(1, "1"));
    EXPECT_TRUE(waitFor([&] { return !host.winner().empty(); }, kGameMilliseconds))
        << "no winner; " << host.count("CMD_endround") << " rounds ended";
    heard.lines = host.lines();
    if (lobbyRoom) {
        EXPECT_EQ(heard.lines.at(0), "CMD_lobby+1+");
        EXPECT_EQ(heard.lines.at(1), "CMD_roomcode+" + host.roomCode() + "+");
        heard.lines.erase(heard.lines.begin(), heard.lines.begin() + 2);
    }
    heard.winner = host.winner();
    server.terminate();
    if (server.waitForFinished(5000)) heard.exitCode = server.exitCode();
    return heard;
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
    const HeardGame heard = watchTeamGame({});
    expectASoundGame(heard.lines, true);
    const selfplay::GameResult core = coreGame(true);
    EXPECT_EQ(core.violations.total(), 0);
    EXPECT_EQ(heard.winner, core.winner);
    expectSameLines(heard.lines, core.transcript);
    EXPECT_EQ(heard.exitCode, 0);
}

// The level reaches the computer players through the command line: Expert
// computers play the very game the core plays at that level.
TEST(ServerBotGame, ExpertComputersOnTheHeadlessServerPlayTheCoresGame)
{
    const HeardGame heard = watchTeamGame({"--level", "expert"});
    expectASoundGame(heard.lines, true);
    const selfplay::GameResult core = coreGame(true, BotLevel::Expert);
    EXPECT_EQ(core.violations.total(), 0);
    EXPECT_EQ(core.roundsOut, core.rounds);
    expectSameLines(heard.lines, core.transcript);
    EXPECT_EQ(heard.exitCode, 0);
}

// A room of the lobby is a whole game server: each room plays the very game
// a lone server plays with the room's seed, the first room with the
// lobby's seed itself.
TEST(ServerBotGame, EachRoomOfTheLobbyPlaysTheServersGameForItsSeed)
{
    for (const int room : {1, 2}) {
        SCOPED_TRACE(room);
        const HeardGame heard = watchTeamGame({}, room);
        expectASoundGame(heard.lines, true);
        expectSameLines(heard.lines, coreGame(true).transcript);
        EXPECT_EQ(heard.exitCode, 0);
    }
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
