// `brixo --server` as its own process: it listens, takes tables, and stops
// cleanly on Ctrl+C and on SIGTERM.
#include "tests/qt/server_scriptedtable.h"
#include "tests/qt/testports.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

using namespace brixo;
using namespace brixo::test;

namespace {

// Starts the program beside the test binary; the listening port, or 0.
quint16 startServer(QProcess& process, const QStringList& extra = {})
{
    return startHeadlessServer(process, QStringList{"--botspeed", "0", "--seed", "5"} + extra);
}

// The program is built before the tests; its absence is a failure.
bool brixoBuilt()
{
    return QFileInfo(brixoProgram()).isExecutable();
}

} // namespace

TEST(ServerHeadless, TakesTablesAndStopsOnCtrlC)
{
    ASSERT_TRUE(brixoBuilt()) << brixoProgram().toStdString();
    QProcess process;
    const quint16 port = startServer(process);
    ASSERT_NE(port, 0);

    ScriptedTable ann("Ann"), bob("Bob");
    ann.connectTo(port);
    ASSERT_TRUE(waitFor([&] { return ann.loggedIn(); }));
    bob.connectTo(port);
    ASSERT_TRUE(waitFor([&] { return bob.loggedIn() && ann.count("CMD_newplayerinfo+2+Bob") == 1; }));
    ann.send(msg::startgame({"Ann", 500, 60, "t", "f", 14}));
    ASSERT_TRUE(waitFor([&] { return bob.rack().tilecount() == 14; }));
    // Seat 1 is only the first table here: when it leaves during its turn,
    // the computer plays the turn at once instead of waiting for the clock.
    ann.close();
    EXPECT_TRUE(waitFor([&] { return bob.count("CMD_nextplayer+2+") == 1; }));

    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("Brixo server stopped"));
    // The tables see their connections end.
    EXPECT_TRUE(waitFor([&] { return ann.closed() && bob.closed(); }));
}

TEST(ServerHeadless, StopsOnSigtermAndRefusesABadCommandLineOrATakenPort)
{
    ASSERT_TRUE(brixoBuilt()) << brixoProgram().toStdString();
    QProcess first;
    const quint16 port = startServer(first);
    ASSERT_NE(port, 0);

    QProcess second;
    second.start(brixoProgram(),
                 {"--server", "--port", QString::number(port)});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("Listen - Socket Already In Use"));

    QProcess bad;
    bad.start(brixoProgram(), {"--server", "--port", "seventy"});
    ASSERT_TRUE(bad.waitForFinished(5000));
    EXPECT_EQ(bad.exitCode(), 2);

    first.terminate();
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
}
