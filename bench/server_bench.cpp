// Game server speed on loopback. The server runs in this process's event
// loop exactly as a host runs it; the tables are plain blocking sockets,
// each read by its own thread, so they never compete with the server for
// its thread.
//
//   server_bench [cycles] [latency rounds] [turns]   (defaults 50000, 5000, 20000)
//
// 1. Moves per second: four tables connected, the turn seat sends a steady
//    stream of valid moves (lay a tile, move it, move it back, take it
//    back), every broadcast goes out to all four, and the clock stops when
//    the last broadcast has arrived at every table.
// 2. Broadcast latency: nine tables connected; from the turn seat's
//    "CMD_placemytile" until all nine have received "CMD_placehistile".
// 3. Whole turns per second, the nine tables still connected: the four
//    seats take turns in order, ending each turn alternately with
//    "CMD_finish" (nothing laid: the server draws for it) and
//    "CMD_drawcard"; the turn passes to the next seat and its rack grows.
//    A round that runs out of tiles is followed by a new game at once.
// 4. For reference, the same moves through the server core alone, with a
//    host that only counts frames.
//
// Every wait gives up after 30 seconds with a message and exit status 1,
// so a server that stops answering fails the run instead of hanging it.
#include "net/catalogue.h"
#include "server/qt/qtserverhost.h"
#include "tests/support/quiethost.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// One table on a blocking socket. Logs in on the calling thread, then a
// reader thread counts what arrives.
class RawTable {
public:
    explicit RawTable(quint16 port)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) std::abort();
        // The first frame is "CMD_sendlogininfo+<slot>".
        std::string first;
        char c;
        while (::recv(m_fd, &c, 1, 0) == 1 && c != '\xFF') first += c;
        slot = std::atoi(first.c_str() + first.find('+') + 1);
        send(brixo::msg::logininfo(slot, brixo::msg::kVersion, "Bench" + std::to_string(slot)));
        m_reader = std::thread([this] { read(); });
    }
    ~RawTable()
    {
        ::shutdown(m_fd, SHUT_RDWR);
        m_reader.join();
        ::close(m_fd);
    }
    void send(const std::string& frame)
    {
        std::size_t done = 0;
        while (done < frame.size()) {
            const ssize_t n = ::send(m_fd, frame.data() + done, frame.size() - done, 0);
            if (n <= 0) std::abort();
            done += std::size_t(n);
        }
    }

    int slot = 0;
    // While set, the table ends each of its turns at once, alternately
    // finishing and drawing; seat 1 starts a new game when a round ends.
    std::atomic<bool> autoplay{false};
    std::atomic<long> frames{0};
    std::atomic<long> placed{0};
    std::atomic<long> removed{0};
    std::atomic<long> turns{0};
    std::atomic<std::int64_t> lastPlacedNs{0};

private:
    void read()
    {
        std::string pending;
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0) return;
            pending.append(buffer, std::size_t(n));
            std::size_t start = 0, end;
            while ((end = pending.find('\xFF', start)) != std::string::npos) {
                const std::string_view line(pending.data() + start, end - start);
                if (line.rfind("CMD_placehistile+", 0) == 0) {
                    lastPlacedNs.store(nowNs());
                    placed.fetch_add(1);
                } else if (line.rfind("CMD_removetile+", 0) == 0) {
                    removed.fetch_add(1);
                } else if (line.rfind("CMD_nextplayer+", 0) == 0) {
                    turns.fetch_add(1);
                    if (autoplay.load() && std::atoi(line.data() + 15) == slot) endTurn();
                } else if (line.rfind("CMD_endround+", 0) == 0 && autoplay.load() && slot == 1) {
                    send(brixo::msg::startgame({"Bench1", 1500, 180, "t", "f", 10}));
                }
                frames.fetch_add(1);
                start = end + 1;
            }
            pending.erase(0, start);
        }
    }

    void endTurn()
    {
        send(m_turnsPlayed++ % 2 == 0 ? brixo::msg::finish(slot) : brixo::msg::drawcard(slot));
    }

    int m_fd = -1;
    long m_turnsPlayed = 0;
    std::thread m_reader;
};

// Polls gently: the machine's cores belong to the server and the readers.
void waitUntil(const auto& done, const char* what)
{
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (!done()) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "server_bench: gave up waiting for %s\n", what);
            std::fflush(stdout);
            std::_Exit(1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
}

// The four valid moves of one cycle for seat 1: lay the tile of rack slot 1
// on (1,1), move it to (2,1), move it back, take it back.
std::vector<std::string> cycleFrames()
{
    using namespace brixo::msg;
    return {placemytile({1, 1, 1, 1}), swaptilesRequest({1, 2, 1, 1, 1}), swaptilesRequest({1, 1, 1, 2, 1}),
            replacetile({1, 1, 1})};
}

void movesPerSecond(quint16 port, long cycles, std::vector<std::unique_ptr<RawTable>>& tables)
{
    for (int n = 0; n < 4; ++n) tables.push_back(std::make_unique<RawTable>(port));
    RawTable& mover = *tables.front();
    mover.send(brixo::msg::startgame({"Bench1", 1500, 180, "t", "f", 14}));
    waitUntil([&] { return mover.turns.load() >= 1; }, "the first turn");

    const std::vector<std::string> frames = cycleFrames();
    std::string burst;
    for (const std::string& f : frames) burst += f;
    constexpr long kWindow = 64; // cycles in flight
    const std::int64_t start = nowNs();
    for (long sent = 0; sent < cycles; ++sent) {
        waitUntil([&] { return sent - mover.removed.load() < kWindow; }, "the moves in flight");
        mover.send(burst);
    }
    waitUntil(
        [&] {
            return std::all_of(tables.begin(), tables.end(),
                               [&](const auto& t) { return t->removed.load() >= cycles; });
        },
        "the last move at every table");
    const double seconds = double(nowNs() - start) / 1e9;
    long frameCount = 0;
    for (const auto& t : tables) frameCount += t->frames.load();
    std::printf("moves: %ld in %.3f s = %.0f moves/s with 4 tables (%ld frames delivered)\n", cycles * 4, seconds,
                double(cycles * 4) / seconds, frameCount);
}

void turnsPerSecond(long turns, std::vector<std::unique_ptr<RawTable>>& tables)
{
    RawTable& host = *tables.front();
    // A fresh game; the seats end their turns as soon as they get them.
    for (std::size_t seat = 0; seat < 4; ++seat) tables[seat]->autoplay.store(true);
    const long before = host.turns.load();
    const std::int64_t start = nowNs();
    host.send(brixo::msg::startgame({"Bench1", 1500, 180, "t", "f", 10}));
    waitUntil([&] { return host.turns.load() - before >= turns; }, "the turns to pass round");
    const double seconds = double(nowNs() - start) / 1e9;
    for (const auto& t : tables) t->autoplay.store(false);
    // Let the turn in flight settle before the next measurement.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::printf("turns: %ld in %.3f s = %.0f turns/s, 4 seats and 5 spectators (finish or draw, then the next "
                "seat)\n",
                turns, seconds, double(turns) / seconds);
}

void broadcastLatency(quint16 port, int rounds, std::vector<std::unique_ptr<RawTable>>& tables)
{
    while (tables.size() < 9) tables.push_back(std::make_unique<RawTable>(port));
    RawTable& mover = *tables.front();
    // Wait until the five newcomers are logged in and caught up.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::vector<double> micros;
    for (int i = 0; i < rounds; ++i) {
        std::vector<long> before;
        for (const auto& t : tables) before.push_back(t->placed.load());
        const long removedBefore = mover.removed.load();
        const std::int64_t sentAt = nowNs();
        mover.send(brixo::msg::placemytile({1, 1, 1, 1}));
        std::int64_t last = 0;
        for (std::size_t n = 0; n < tables.size(); ++n) {
            waitUntil([&] { return tables[n]->placed.load() > before[n]; }, "a placed tile at every table");
            last = std::max(last, tables[n]->lastPlacedNs.load());
        }
        micros.push_back(double(last - sentAt) / 1000.0);
        mover.send(brixo::msg::replacetile({1, 1, 1}));
        waitUntil([&] { return mover.removed.load() > removedBefore; }, "the tile taken back");
    }
    std::sort(micros.begin(), micros.end());
    auto at = [&](double q) { return micros[std::min(micros.size() - 1, std::size_t(q * double(micros.size())))]; };
    std::printf("placemytile to placehistile at all 9 tables over %zu moves: p50 %.1f us, p99 %.1f us, max %.1f us\n",
                micros.size(), at(0.50), at(0.99), micros.back());
}

// The tables here send as fast as the server takes them, far past the
// pace a table is let go for: that bound is lifted to measure the server.
constexpr int kUnpaced = 1'000'000'000;

// The core alone: the same cycle with four connected tables whose frames
// are only counted.
void coreMovesPerSecond(long cycles)
{
    brixo::test::QuietHost host;
    brixo::SeededRandom random(1);
    brixo::TServer server(host, random);
    server.setRequestPace(kUnpaced, kUnpaced);
    for (brixo::ConnectionId id = 1; id <= 4; ++id) {
        server.connectionAccepted(id);
        const std::string login = brixo::msg::logininfo(int(id), brixo::msg::kVersion, "Core");
        server.message(id, std::string_view(login).substr(0, login.size() - 1));
    }
    const std::string start = brixo::msg::startgame({"Core", 1500, 180, "t", "f", 14});
    server.message(1, std::string_view(start).substr(0, start.size() - 1));
    std::vector<std::string> lines;
    for (const std::string& f : cycleFrames()) lines.push_back(f.substr(0, f.size() - 1));
    const std::int64_t begin = nowNs();
    for (long n = 0; n < cycles; ++n)
        for (const std::string& line : lines) server.message(1, line);
    const double seconds = double(nowNs() - begin) / 1e9;
    std::printf("core alone: %.0f moves/s (%ld bytes of frames built)\n", double(cycles * 4) / seconds, host.bytes);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const long cycles = argc > 1 ? std::atol(argv[1]) : 50000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5000;
    const long turns = argc > 3 ? std::atol(argv[3]) : 20000;

    QtServerHost host(1, nullptr);
    host.server().setRequestPace(kUnpaced, kUnpaced);
    QString error;
    if (!host.listen(0, &error)) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(error));
        return 1;
    }
    const quint16 port = host.port();
    std::thread control([&] {
        std::vector<std::unique_ptr<RawTable>> tables;
        movesPerSecond(port, cycles, tables);
        broadcastLatency(port, rounds, tables);
        turnsPerSecond(turns, tables);
        tables.clear();
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    control.join();
    coreMovesPerSecond(cycles);
    return 0;
}
