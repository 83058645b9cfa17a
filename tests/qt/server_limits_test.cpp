// The server's bounds against tables that flood it, tables that do not
// read, and tables that vanish: memory stays bounded, the others are still
// served, and nothing a table sent before it left is lost.
#include "tests/qt/server_scriptedtable.h"
#include "tests/qt/waitfor.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace brixo;
using namespace brixo::test;

namespace {

// A table on a plain blocking socket, written from a thread of its own so
// that it can push far more than the server takes; it reads only when told.
class RawPeer {
public:
    // A small window keeps what is sent to a peer that does not read at the
    // server rather than in the network.
    RawPeer(quint16 port, const std::string& name, bool smallWindow = false)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (smallWindow) {
            const int bytes = 4096;
            ::setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
        }
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        m_name = name;
    }
    ~RawPeer()
    {
        if (m_writer.joinable()) m_writer.join();
        ::shutdown(m_fd, SHUT_RDWR);
        if (m_reader.joinable()) m_reader.join();
        ::close(m_fd);
    }
    // Reads the slot the server offers (running the event loop meanwhile)
    // and logs in.
    int login()
    {
        std::string first;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            char c;
            while (::recv(m_fd, &c, 1, MSG_DONTWAIT) == 1) {
                if (c != '\xFF') {
                    first += c;
                    continue;
                }
                slot = std::atoi(first.c_str() + first.find('+') + 1);
                write(msg::logininfo(slot, msg::kVersion, m_name));
                return slot;
            }
        }
        return 0;
    }
    void write(const std::string& bytes)
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
            if (n <= 0) return;
            done += std::size_t(n);
            written += long(n);
        }
    }
    std::atomic<long> written{0};
    // Writes `times` copies of `frame` from another thread.
    void flood(std::string frame, long times)
    {
        m_writer = std::thread([this, frame = std::move(frame), times] {
            std::string burst;
            for (int i = 0; i < 256; ++i) burst += frame;
            for (long sent = 0; sent < times; sent += 256) write(burst);
            m_done = true;
        });
    }
    void writeAsync(std::string bytes)
    {
        m_writer = std::thread([this, bytes = std::move(bytes)] {
            write(bytes);
            m_done = true;
        });
    }
    // Says it is done (the server then reads to the end of what was sent)
    // and reads on until the server closes, as a table that leaves does.
    void closeGracefully()
    {
        if (m_writer.joinable()) m_writer.join();
        ::shutdown(m_fd, SHUT_WR);
        m_reader = std::thread([this] {
            char buffer[65536];
            while (::recv(m_fd, buffer, sizeof buffer, 0) > 0) {
            }
        });
    }
    bool floodDone() const { return m_done; }
    // Whether the server has closed the connection (reads and drops what
    // came meanwhile).
    bool closedByServer()
    {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n == 0) return true;
            if (n < 0) return errno != EAGAIN && errno != EWOULDBLOCK;
        }
    }
    bool connected() const { return m_connected; }
    int slot = 0;

private:
    int m_fd = -1;
    bool m_connected = false;
    std::string m_name;
    std::thread m_writer;
    std::thread m_reader;
    std::atomic<bool> m_done{false};
};

// Spins the event loop until `done`, noting the most the server held.
bool watchUntil(LoopbackGame& game, const std::function<bool()>& done, qint64& peak, int milliseconds = 30000)
{
    return waitFor(
        [&] {
            peak = std::max(peak, game.host.bufferedBytes());
            return done();
        },
        milliseconds);
}

} // namespace

TEST(ServerLimits, AFloodOfMessagesIsReadNoFasterThanItIsHandled)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    RawPeer flooder(game.host.port(), "Flo");
    ASSERT_TRUE(flooder.connected());
    flooder.login();
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_newplayerinfo+2+Flo") == 1; }));
    // 40 MiB of messages the server must read and then ignores, and as many
    // empty ones.
    flooder.flood(std::string("CMD_nothing+2+") + std::string(50, 'x') + '\xFF', 600'000);
    qint64 peak = 0;
    // The others are served all the while.
    ann.send(msg::chat(1, "still here|clBlack"));
    ASSERT_TRUE(watchUntil(game, [&] { return ann.count("CMD_chat+Ann chats: still here") == 1; }, peak, 5000));
    ASSERT_TRUE(watchUntil(game, [&] { return flooder.floodDone() && game.host.bufferedBytes() < 1024; }, peak));
    EXPECT_GE(flooder.written, 600'064L * 65) << "the server took it all in the end";
    EXPECT_LT(peak, 2 * 1024 * 1024) << "bytes held at most";
}

TEST(ServerLimits, ATableThatDoesNotReadIsLetGoAndTheOthersPlayOn)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    RawPeer sleeper(game.host.port(), "Zed"); // logs in, then never reads
    ASSERT_TRUE(sleeper.connected());
    sleeper.login();
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_newplayerinfo+2+Zed") == 1; }));
    qint64 peak = 0;
    game.host.server().setChatLimit(1 << 20, 1 << 20); // Ann may say all of it at once
    const std::string line(msg::kChatFieldLength, 'c');
    for (int i = 0; i < 12000; ++i) ann.send(msg::chat(1, line + "|clBlack"));
    ASSERT_TRUE(watchUntil(game, [&] { return ann.count("CMD_playerdisconnected+2+Zed") == 1; }, peak));
    ASSERT_TRUE(watchUntil(game, [&] { return ann.count("CMD_chat+") == 12000; }, peak));
    EXPECT_LT(peak, 4 * 1024 * 1024) << "bytes held at most";
    EXPECT_TRUE(waitFor([&] { return sleeper.closedByServer(); }));
}

TEST(ServerLimits, EverythingSentBeforeACloseIsHandled)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    RawPeer talker(game.host.port(), "Tal");
    talker.login();
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_newplayerinfo+2+Tal") == 1; }));
    game.host.server().setChatLimit(1 << 20, 1 << 20);
    std::string all;
    for (int i = 0; i < 1000; ++i) all += msg::chat(2, std::to_string(i) + std::string(400, '.') + "|clBlack");
    talker.writeAsync(all);
    ASSERT_TRUE(waitFor([&] { return talker.floodDone(); }, 20000));
    talker.closeGracefully();
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_playerdisconnected+2+Tal") == 1; }, 30000));
    EXPECT_EQ(ann.count("CMD_chat+Tal chats: "), 1000);
}

TEST(ServerLimits, ARemovedTableThatDoesNotReadIsClosedSoon)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    RawPeer sleeper(game.host.port(), "Zed", true);
    sleeper.login();
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_newplayerinfo+2+Zed") == 1; }));
    // Fill the way to it first (not so far that it is let go), so that a
    // polite close would wait for ever.
    game.host.server().setChatLimit(1 << 20, 1 << 20);
    for (int i = 0; i < 1400; ++i) ann.send(msg::chat(1, std::string(msg::kChatFieldLength, 'c') + "|clBlack"));
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_chat+") == 1400; }));
    ASSERT_GT(game.host.bufferedBytes(), 100'000) << "the way to it should be full";
    ann.send(msg::kickhim(1, 2));
    EXPECT_TRUE(waitFor([&] { return sleeper.closedByServer(); }, 4000));
}
