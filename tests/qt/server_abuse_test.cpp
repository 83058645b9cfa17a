// A whole game on a real server while tables misbehave around it: a tenth
// connection, garbage, half messages, a line of a mebibyte, spoofed seats,
// moves out of turn, a chat flood beside a table that reads slowly, and a
// player who vanishes in the middle of a turn while strangers who take his
// name try for his seat, and comes back with his key to a full server. The game
// still reaches its winner, every tile is where it should be all along,
// the flood reaches the others only at the rate a person may chat, and
// the server holds little. Apart from the game: addresses that hold slots
// without logging in.
#include "tests/support/selfplaychecks.h"
#include "tests/qt/server_scriptedtable.h"
#include "tests/qt/waitfor.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

namespace {

// A misbehaving connection on a Qt socket.
struct Rogue {
    QTcpSocket socket;
    int slot = 0;
    QByteArray heard;
    // A reader that stops reading gets a small window, so what the server
    // sends it piles up at the server, not in the network.
    // `from`: the source address (127.0.0.2 and up stand for other hosts).
    explicit Rogue(quint16 port, bool smallWindow = false, const QString& from = {})
    {
        if (smallWindow) socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
        if (!from.isEmpty()) socket.bind(QHostAddress(from));
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    }
    // Reads no more than `bytesPerSecond` since the first call; the rest
    // waits in its small window and then at the server.
    void readAtMost(qint64 bytesPerSecond)
    {
        if (!clock.isValid()) {
            clock.start();
            socket.setReadBufferSize(16 * 1024);
        }
        const QByteArray got = socket.read(std::max<qint64>(0, clock.elapsed() * bytesPerSecond / 1000 - read));
        read += got.size();
    }
    QElapsedTimer clock;
    qint64 read = 0;
    bool loginAs(const std::string& name)
    {
        if (!waitFor([&] { return (heard += socket.readAll()).contains('\xFF'); })) return false;
        slot = heard.mid(heard.indexOf('+') + 1).split('\xFF').first().toInt();
        write(msg::logininfo(slot, msg::kVersion, name));
        return true;
    }
    void write(const std::string& bytes) { socket.write(bytes.data(), qint64(bytes.size())); }
    void write(const char* bytes) { write(std::string(bytes)); }
    bool gone() const { return socket.state() == QAbstractSocket::UnconnectedState; }
};

} // namespace

TEST(ServerAbuse, AGameReachesItsWinnerWhileTablesMisbehave)
{
    LoopbackGame game(3);
    ScriptedTable& ann = game.join("Ann", true);
    game.join("Bob", true);
    ScriptedTable& cy = game.join("Cy"); // plays by hand below
    game.join("Dee", true);
    game.join("Spy");
    // One at a time: an address may not have many connections waiting to
    // log in.
    const auto arrive = [&](Rogue& rogue, const std::string& name) {
        return rogue.loginAs(name) && waitFor([&] {
                   return ann.count("CMD_newplayerinfo+" + std::to_string(rogue.slot) + "+" + name) == 1;
               });
    };
    Rogue garbage(game.host.port());
    ASSERT_TRUE(arrive(garbage, "Garbage"));
    Rogue spoofer(game.host.port());
    ASSERT_TRUE(arrive(spoofer, "Spoof"));
    Rogue slow(game.host.port(), true);
    ASSERT_TRUE(arrive(slow, "Slow"));
    Rogue flooder(game.host.port(), false, QStringLiteral("127.0.0.4")); // chats as a host of its own
    ASSERT_TRUE(arrive(flooder, "Flood"));
    ASSERT_EQ(flooder.slot, 9);
    Rogue tenth(game.host.port());
    ASSERT_TRUE(waitFor([&] { return (tenth.heard += tenth.socket.readAll()).startsWith("CMD_full+"); }));

    qint64 peak = 0;
    bool conserved = true;
    TServer& server = game.host.server();
    // Every tile in one place at every moment the event loop is free.
    const auto watch = [&](const std::function<bool()>& done, int milliseconds = 20000) {
        return waitFor(
            [&] {
                slow.readAtMost(500 * 1024);
                peak = std::max(peak, game.host.bufferedBytes());
                if (server.state().gamerunning && server.pool().at(1) != kNoTile)
                    conserved = conserved && selfplay::tilesConserved(server.grid(), server.slotTable(), server.pool());
                return done();
            },
            milliseconds);
    };

    ann.send(msg::startgame({"Ann", 0, 60, "t", "f", 14}));
    ASSERT_TRUE(watch([&] { return cy.rack().tilecount() == 14; }));

    // Garbage, half messages and a line that never ends.
    garbage.write("nonsense\xFF+\xFF\xFF" "CMD_placemytile+x+y+\xFF" "CMD_chat+" + std::to_string(garbage.slot) + "+half");
    garbage.write(" a line|clRed\xFF");
    garbage.write(std::string(1 << 20, 'g'));
    // Spoofed seats, a removal only the host may ask for, moves out of turn.
    spoofer.write(msg::placemytile({1, 1, 5, 5}) + msg::finish(2) + msg::kickhim(1, 2) + msg::drawcard(3));
    spoofer.write(msg::justwatch(1, "1"));
    // A table floods the chat with the longest lines there are (4 MiB)
    // and leaves, while another reads at 500 KiB/s: the flood reaches the
    // others at the rate a person may chat, and the slow reader keeps up.
    QElapsedTimer flood;
    flood.start();
    const std::string line = msg::chat(flooder.slot, std::string(msg::kChatFieldLength, 'f') + "|clBlack");
    for (int i = 0; i < 8000; ++i) flooder.write(line);
    ASSERT_TRUE(watch([&] { return (flooder.heard += flooder.socket.readAll()).contains("CMD_chat+Slow down: "); }));
    flooder.socket.disconnectFromHost(); // after the rest of the flood
    ASSERT_TRUE(watch([&] { return garbage.gone() && ann.count("CMD_playerdisconnected+9+Flood") == 1; }));
    EXPECT_EQ(flooder.heard.count("CMD_chat+Slow down: "), 1) << "told once";
    EXPECT_GE(ann.count("CMD_chat+Flood chats: "), SenderLimiter::kBurst);
    EXPECT_LE(ann.count("CMD_chat+Flood chats: "),
              SenderLimiter::kBurst + SenderLimiter::kPerSecond * (flood.elapsed() / 1000 + 1));
    const std::string slowGone = "CMD_playerdisconnected+" + std::to_string(slow.slot) + "+";
    EXPECT_EQ(ann.count(slowGone), 0);
    EXPECT_EQ(ann.count("CMD_chat+Garbage chats: half a line"), 1);
    EXPECT_EQ(ann.count("CMD_playerdisconnected+2"), 0); // nobody was removed
    EXPECT_EQ(ann.count("CMD_justwatching"), 0);

    // Cy lays a tile in his turn and vanishes; the computer plays it.
    ASSERT_TRUE(watch([&] { return cy.table().mayPlay(); }, 30000));
    const int slotWithTile = cy.rack().firstEmptySlot() == 1 ? 2 : 1;
    cy.send(msg::placemytile({3, slotWithTile, 20, 12}));
    ASSERT_TRUE(watch([&] { return cy.count("CMD_freecard+3+") == 1; }));
    // Without a flood to slow it, the rest of the game could be played out
    // before he is back: the computer waits at his seat's next turn.
    int botDelay = 0;
    game.host.setBotSpeedSource([&] { return botDelay; });
    botDelay = 60000;
    cy.close();
    ASSERT_TRUE(watch([&] { return ann.count("CMD_playerdisconnected+3+Cy") == 1; }));
    // Strangers with his name, made to look the same, fill the free slots
    // and get neither his seat nor a rack; one more is held apart and, with
    // no key, turned away.
    std::vector<std::unique_ptr<Rogue>> lookalikes;
    const char* names[] = {"cy", " CY\x01", "Cy\t", "cY+"};
    for (int n = 0; n < 4 && server.freeSlot().valid(); ++n) {
        lookalikes.push_back(std::make_unique<Rogue>(game.host.port()));
        Rogue& stranger = *lookalikes.back();
        ASSERT_TRUE(stranger.loginAs(names[n]));
        ASSERT_TRUE(watch([&] { return ann.count("CMD_newplayerinfo+" + std::to_string(stranger.slot) + "+") == 1; }));
    }
    ASSERT_FALSE(server.freeSlot().valid());
    Rogue late(game.host.port());
    ASSERT_TRUE(late.loginAs("Cy"));
    ASSERT_TRUE(watch([&] { return (late.heard += late.socket.readAll()).endsWith("CMD_full+\xFF"); }));
    for (auto& stranger : lookalikes) {
        stranger->heard += stranger->socket.readAll();
        EXPECT_NE(stranger->slot, 3);
        EXPECT_FALSE(stranger->heard.contains("CMD_yourtiles"));
    }
    // He comes back with his key into his seat, with his rack.
    ScriptedTable& back = game.join("Cy", true, "1.0.8", cy.table().seatKey());
    EXPECT_EQ(back.slot(), 3);
    ASSERT_TRUE(watch([&] { return back.rack().tilecount() == server.slotTable()[Seat(3)].rack.tilecount(); }));
    EXPECT_EQ(back.rack().items(), server.slotTable()[Seat(3)].rack.items());
    botDelay = 0;

    // Generous: the whole suite may share a busy machine with this game.
    ASSERT_TRUE(watch([&] { return !ann.winner().empty(); }, 180000)) << ann.count("CMD_endround") << " rounds";
    EXPECT_EQ(ann.count(slowGone), 0) << "the slow reader was let go";
    EXPECT_FALSE(slow.gone());
    EXPECT_TRUE(conserved);
    EXPECT_LT(peak, 3 * 1024 * 1024) << "bytes the server held at most";
}

TEST(ServerAbuse, TwoSquattingAddressesCannotKeepANewcomerOut)
{
    LoopbackGame game;
    game.join("Ann");
    // Two hosts open every slot they can and never log in; what is refused
    // they open again.
    std::vector<std::unique_ptr<Rogue>> squatters;
    const auto squat = [&] {
        for (const char* from : {"127.0.0.2", "127.0.0.3"})
            for (int i = 0; i < 8; ++i)
                squatters.push_back(std::make_unique<Rogue>(game.host.port(), false, QString::fromLatin1(from)));
        return waitFor([&] {
            for (const auto& s : squatters)
                if (!(s->heard += s->socket.readAll()).contains('\xFF')) return false;
            return true;
        });
    };
    ASSERT_TRUE(squat());
    std::erase_if(squatters, [](const auto& s) { return s->heard.startsWith("CMD_full+"); });
    EXPECT_EQ(squatters.size(), std::size_t(2 * TServer::kWaitingPerAddress));
    ASSERT_TRUE(squat());

    ScriptedTable& newcomer = game.join("Newcomer");
    EXPECT_TRUE(newcomer.loggedIn());
    EXPECT_EQ(newcomer.count("CMD_full"), 0);
}
