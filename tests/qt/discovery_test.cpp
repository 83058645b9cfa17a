// Finding games on the local network, over loopback only: a listener takes
// in announcements and nothing oversized, and `brixo --find` lists a
// headless server under its host's name, but not one told not to announce.
#include "net/qt/gamelistener.h"
#include "tests/qt/server_scriptedtable.h"
#include "tests/qt/testports.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QUdpSocket>

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

namespace {

// The environment of a program that announces and listens on this port of
// this machine only.
QProcessEnvironment discoveryOn(quint16 port)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("BRIXO_ANNOUNCE_TO", "127.0.0.1");
    environment.insert("BRIXO_DISCOVERY_PORT", QString::number(port));
    return environment;
}

} // namespace

TEST(Discovery, AListenerTakesAnnouncementsButNothingOversized)
{
    const quint16 port = freeUdpPort();
    const QByteArray saved = qgetenv("BRIXO_DISCOVERY_PORT");
    qputenv("BRIXO_DISCOVERY_PORT", QByteArray::number(port));
    GameListener listener;
    ASSERT_TRUE(listener.start());
    qputenv("BRIXO_DISCOVERY_PORT", saved);
    QSignalSpy changed(&listener, &GameListener::gamesChanged);

    Announcement game{7000, "Ann", 1, 3, false, 500, "1.0.8"};
    // A well-formed datagram of the greatest size, with more after it: read
    // only as far as the limit, it would pass for Ann's game at port 7000.
    const std::string plain = encodeAnnouncement(game);
    game.name += std::string(kMaxAnnouncementBytes - plain.size(), 'x');
    const std::string full = encodeAnnouncement(game);
    ASSERT_EQ(full.size(), kMaxAnnouncementBytes);
    QUdpSocket sender;
    sender.writeDatagram(QByteArray::fromStdString(full + "more"), QHostAddress::LocalHost, port);
    game.port = 7001;
    sender.writeDatagram(QByteArray::fromStdString(encodeAnnouncement(game)), QHostAddress::LocalHost, port);

    ASSERT_TRUE(waitFor([&] { return !changed.isEmpty(); }));
    ASSERT_TRUE(waitForQueued());
    ASSERT_EQ(listener.finder().games().size(), 1u);
    EXPECT_EQ(listener.finder().games()[0].endpoint(), "127.0.0.1:7001");
}

TEST(Discovery, FindListsAnAnnouncingServerByItsHostAndNotOneThatKeepsQuiet)
{
    const QProcessEnvironment environment = discoveryOn(freeUdpPort());
    QProcess announcing, quiet;
    announcing.setProcessEnvironment(environment);
    quiet.setProcessEnvironment(environment);
    const quint16 port = startHeadlessServer(announcing, {});
    ASSERT_NE(port, 0);
    ASSERT_NE(startHeadlessServer(quiet, {"--no-announce"}), 0);
    ScriptedTable ann("Ann");
    ann.connectTo(port);
    ASSERT_TRUE(waitFor([&] { return ann.loggedIn(); }));

    QProcess find;
    find.setProcessEnvironment(environment);
    find.start(brixoProgram(), {"--find", "2"});
    ASSERT_TRUE(waitFor([&] { return find.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(find.exitCode(), 0) << find.readAllStandardError().toStdString();
    EXPECT_EQ(find.readAllStandardOutput().toStdString(), "127.0.0.1:" + std::to_string(port) + "\tAnn\n");

    announcing.terminate();
    quiet.terminate();
    EXPECT_TRUE(announcing.waitForFinished(5000) && quiet.waitForFinished(5000));
}
