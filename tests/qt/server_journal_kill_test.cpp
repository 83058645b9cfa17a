// `brixo --server` killed outright at a random moment of a computer game and
// started again with --resume plays the game to the same end as the game
// that was never interrupted.
#include "tests/qt/server_scriptedtable.h"
#include "tests/qt/testports.h"
#include "server/serverform.h"
#include "tests/support/quiethost.h"

#include "store/journalfile.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

using namespace brixo;
using namespace brixo::test;

namespace journalkill {

constexpr int kKillGamePlayTo = 300;

std::string frameBody(const std::string& frame) { return frame.substr(0, frame.size() - 1); }

// The game in process, on the same seed, never interrupted: its round ends,
// its winner and how many turns table 1 heard of.
struct Reference {
    std::vector<std::vector<msg::SeatResult>> rounds;
    std::string winner;
    int turns = 0;
};

Reference referenceGame(std::uint64_t seed)
{
    QuietHost host;
    host.keptFor = 1;
    SeededRandom random(seed);
    TServer server(host, random);
    server.setRoundPauseSeconds(1);
    server.connectionAccepted(1);
    server.message(1, frameBody(msg::logininfo(1, msg::kVersion, "Ann", "")));
    server.message(1, frameBody(msg::startgame({"Ann", kKillGamePlayTo, 60, "t", "f", 14})));
    server.message(1, frameBody(msg::justwatch(1, "1")));
    playByTimers(server, host);
    Reference reference;
    for (const std::string& line : host.kept) {
        const auto split = splitCommand(line);
        if (split->command == "CMD_endround") reference.rounds.push_back(msg::parseEndround(split->args)->seats);
        if (split->command == "CMD_winner") reference.winner = msg::parseWinner(split->args);
        if (split->command == "CMD_nextplayer") ++reference.turns;
    }
    return reference;
}

quint16 startServer(QProcess& process, std::uint64_t seed, bool resume)
{
    QStringList arguments{"--botspeed", "0", "--seed", QString::number(seed), "--round-pause", "1", "--no-announce"};
    if (resume) arguments << "--resume";
    return startHeadlessServer(process, arguments);
}

std::filesystem::path journalPath()
{
    return std::filesystem::path(qgetenv("BRIXO_FILES_DIR").toStdString()) / "brixoserver-0-journal.txt";
}

// Why a resumed game did not end: what the server said and how it stands,
// and the last lines the table heard.
std::string whatWentOn(QProcess& server, const ScriptedTable& table)
{
    std::string out = server.state() == QProcess::NotRunning
                          ? "the server ended with " + std::to_string(server.exitCode())
                          : std::string("the server runs");
    out += "; it said: " + (server.readAllStandardOutput() + server.readAllStandardError()).toStdString();
    out += "; the table is " + std::string(table.closed() ? "closed" : "connected") + ", heard " +
           std::to_string(table.count("CMD_nextplayer+")) + " turns, last:";
    const auto& lines = table.lines();
    for (std::size_t i = lines.size() > 8 ? lines.size() - 8 : 0; i < lines.size(); ++i) out += "\n  " + lines[i];
    return out;
}

// How many kills: BRIXO_KILL_RUNS, else a few for the suite.
int runs()
{
    const int asked = qEnvironmentVariableIntValue("BRIXO_KILL_RUNS");
    return asked > 0 ? asked : 10;
}

} // namespace journalkill

using namespace journalkill;

TEST(ServerJournalKill, AGameKilledAtAnyMomentGoesOnToTheSameEnd)
{
    std::mt19937 moments(std::random_device{}());
    int resumed = 0;
    int endedAlone = 0;
    // One an earlier test's server left when it was stopped mid-game.
    removeJournalFile(journalPath());
    for (int run = 0; run < runs(); ++run) {
        const std::uint64_t seed = 100 + std::uint64_t(run);
        const Reference reference = referenceGame(seed);
        ASSERT_FALSE(reference.winner.empty());
        ASSERT_FALSE(std::filesystem::exists(journalPath()));

        QProcess first;
        const quint16 port = startServer(first, seed, false);
        ASSERT_NE(port, 0);
        ScriptedTable ann("Ann");
        ann.connectTo(port);
        ASSERT_TRUE(waitFor([&] { return ann.loggedIn(); }));
        ann.send(msg::startgame({"Ann", kKillGamePlayTo, 60, "t", "f", 14}));
        ann.send(msg::justwatch(1, "1"));
        // The kill comes once the table has heard of a random number of turns.
        const int turns = std::uniform_int_distribution<int>(1, std::max(1, reference.turns - 1))(moments);
        ASSERT_TRUE(waitFor([&] { return ann.count("CMD_nextplayer+") >= turns || !ann.winner().empty(); }, 60000));
        ::kill(pid_t(first.processId()), SIGKILL);
        ASSERT_TRUE(first.waitForFinished(5000));
        // What the server sent before it died all arrives.
        ASSERT_TRUE(waitFor([&] { return ann.closed(); }));
        // Over before the kill: the journal goes as the game ends, and the
        // kill may come before the winner's line was sent.
        if (!std::filesystem::exists(journalPath())) {
            EXPECT_TRUE(!ann.winner().empty() || ann.count("CMD_nextplayer+") == reference.turns) << "run " << run;
            continue;
        }

        // The journal is whole, tiles and all.
        const LoadedJournal loaded = loadJournalFile(journalPath());
        ASSERT_TRUE(loaded.journal) << "run " << run << ": " << loaded.message;

        QProcess second;
        const quint16 again = startServer(second, 1, true); // the journal's seed, not this one
        ASSERT_NE(again, 0);
        ScriptedTable back("Ann");
        back.useSeatKey(ann.table().seatKey());
        back.connectTo(again);
        ASSERT_TRUE(waitFor([&] { return back.loggedIn(); })) << "run " << run;
        if (back.slot() != 1) {
            // The computer played the game's last turns to the end before the
            // table was back: the seats are no longer kept, and the journal
            // went with the game's end.
            EXPECT_FALSE(std::filesystem::exists(journalPath())) << "run " << run;
            ++endedAlone;
            second.terminate();
            ASSERT_TRUE(second.waitForFinished(5000));
            continue;
        }
        back.send(msg::justwatch(1, "1"));
        ASSERT_TRUE(waitFor([&] { return !back.winner().empty(); }, 60000))
            << "run " << run << " after " << turns << " turns: " << whatWentOn(second, back);
        ++resumed;

        // The round ends heard after the resume are the reference's last ones.
        const auto& heard = back.rounds();
        ASSERT_LE(heard.size(), reference.rounds.size());
        for (std::size_t i = 0; i < heard.size(); ++i)
            EXPECT_EQ(heard[i].seats, reference.rounds[reference.rounds.size() - heard.size() + i]) << "run " << run;
        EXPECT_EQ(back.winner(), reference.winner) << "run " << run;
        // Over: the journal is gone.
        EXPECT_TRUE(waitFor([&] { return !std::filesystem::exists(journalPath()); })) << "run " << run;
        second.terminate();
        ASSERT_TRUE(second.waitForFinished(5000));
    }
    std::printf("[ kills ] %d of %d runs killed mid-game and resumed to the same end, %d more resumed and ended "
                "before the table was back\n",
                resumed, runs(), endedAlone);
    EXPECT_GT(resumed, 0);
}
