// Online rooms under load, measured on a separate `brixo --lobby` process
// over loopback, through real TCP sockets.
//
//   lobby_bench BRIXO [rooms] [seconds] [moves a second per room]
//                                              (defaults 100, 10 and 1)
//
// 1. Accepts: four connections a room, opened as fast as the lobby takes
//    them (at most kConnecting waiting at once), from the first connect to
//    the last greeting.
// 2. Rooms: each room's first table opens it, the other three join by its
//    code, and all four log in. The lobby's resident memory with no room
//    and with every room open, its four tables in it and nothing played,
//    gives the memory a room takes.
// 3. Play: every room plays a game. Each room's turn seat, at a steady rate
//    spread evenly over the rooms, lays a tile (a move), and half a period
//    later takes it back and draws (the turn passes); a round that runs out
//    of tiles is followed by a new game at once. From a move's send to the
//    last of its room's four tables receiving it is one sample; after a
//    second's warm-up, every sample of every room counts.
//
// The tables are non-blocking sockets served by one epoll thread. Every
// wait gives up after a minute with a message and exit status 1.
#include "bench/residentmemory.h"
#include "net/catalogue.h"
#include "net/lobbymessages.h"

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTablesPerRoom = 4;
constexpr int kConnecting = 256;

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

struct Table {
    int fd = -1;
    int room = 0;
    int index = 0;  // 0 opens the room
    int slot = 0;
    bool greeted = false;
    bool loggedIn = false;
    std::string in;
    std::string out;
};

struct Room {
    std::string code;
    std::array<int, kTablesPerRoom + 1> tableOfSlot{};  // slot -> table number
    int turn = 0;            // the slot whose turn it is, 0 until told
    bool placed = false;     // the turn seat's tile lies on the board
    bool moveOut = false;    // a move waits for its echoes
    int echoes = 0;
    std::int64_t sentAt = 0;
    std::int64_t nextTick = 0;
};

class Bench {
public:
    Bench(quint16 port, int rooms) : m_port(port), m_rooms(std::size_t(rooms)), m_tables(std::size_t(rooms) * 4)
    {
        m_epoll = ::epoll_create1(0);
        for (std::size_t n = 0; n < m_tables.size(); ++n) {
            m_tables[n].room = int(n / kTablesPerRoom);
            m_tables[n].index = int(n % kTablesPerRoom);
        }
    }

    // 1. Every connection, greeted; the seconds it took.
    double connectAll()
    {
        const std::int64_t start = nowNs();
        std::size_t opened = 0;
        waitUntil("the greetings", [&] {
            while (opened < m_tables.size() && long(opened) - m_greeted < kConnecting) open(opened++);
            return m_greeted == long(m_tables.size());
        });
        return double(nowNs() - start) / 1e9;
    }

    // 2. Every room opened, its tables in and logged in.
    void fillRooms()
    {
        for (std::size_t r = 0; r < m_rooms.size(); ++r)
            send(r * kTablesPerRoom, brixo::msg::newroom({"Bench " + std::to_string(r), true}));
        waitUntil("the logins", [&] { return m_loggedIn == long(m_tables.size()); });
    }

    // Handles what arrives for a while.
    void idle(int milliseconds)
    {
        const std::int64_t until = nowNs() + std::int64_t(milliseconds) * 1'000'000;
        while (nowNs() < until) poll(10);
    }

    // 3. Every room plays for `seconds` after a second's warm-up.
    void play(double movesPerSecond, int seconds)
    {
        for (std::size_t r = 0; r < m_rooms.size(); ++r) startGame(r);
        waitUntil("every room's first turn", [&] {
            return std::all_of(m_rooms.begin(), m_rooms.end(), [](const Room& room) { return room.turn != 0; });
        });
        const std::int64_t tick = std::int64_t(1e9 / movesPerSecond / 2);
        const std::int64_t begin = nowNs();
        for (std::size_t r = 0; r < m_rooms.size(); ++r)
            m_rooms[r].nextTick = begin + tick * std::int64_t(r) / std::int64_t(m_rooms.size());
        const std::int64_t measureFrom = begin + 1'000'000'000;
        const std::int64_t end = measureFrom + std::int64_t(seconds) * 1'000'000'000;
        m_measureFrom = measureFrom;
        while (nowNs() < end) {
            const std::int64_t now = nowNs();
            for (std::size_t r = 0; r < m_rooms.size(); ++r) {
                Room& room = m_rooms[r];
                if (room.nextTick > now) continue;
                room.nextTick += tick;
                act(r);
            }
            poll(1);
        }
    }

    long greeted() const { return m_greeted; }
    const std::vector<double>& samples() const { return m_samples; }
    long lost() const { return m_lost; }
    long draws() const { return m_draws; }
    long refused() const { return m_refused; }
    long newGames() const { return m_newGames; }

private:
    void open(std::size_t n)
    {
        Table& table = m_tables[n];
        table.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (table.fd < 0) fail("a socket (raise the open-file limit)");
        int one = 1;
        ::setsockopt(table.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        // The tables of a room come from different loopback addresses, as
        // from different homes: a room lets only a few connections from one
        // address wait to log in at once.
        sockaddr_in source{};
        source.sin_family = AF_INET;
        source.sin_addr.s_addr = htonl(INADDR_LOOPBACK + 1 + std::uint32_t(n % std::size_t(kTablesPerRoom)));
        if (::bind(table.fd, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0) fail("a source address");
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(m_port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(table.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 && errno != EINPROGRESS)
            fail("a connection");
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = n;
        ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, table.fd, &event);
    }

    void send(std::size_t n, const std::string& frame)
    {
        Table& table = m_tables[n];
        if (!table.out.empty()) {
            table.out += frame;
            return;
        }
        const ssize_t sent = ::send(table.fd, frame.data(), frame.size(), MSG_NOSIGNAL);
        const std::size_t done = sent < 0 ? 0 : std::size_t(sent);
        if (done == frame.size()) return;
        table.out = frame.substr(done);
        epoll_event event{};
        event.events = EPOLLIN | EPOLLOUT;
        event.data.u64 = n;
        ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, table.fd, &event);
    }

    void flush(std::size_t n)
    {
        Table& table = m_tables[n];
        const ssize_t sent = ::send(table.fd, table.out.data(), table.out.size(), MSG_NOSIGNAL);
        if (sent > 0) table.out.erase(0, std::size_t(sent));
        if (!table.out.empty()) return;
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = n;
        ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, table.fd, &event);
    }

    void poll(int milliseconds)
    {
        epoll_event events[256];
        const int count = ::epoll_wait(m_epoll, events, 256, milliseconds);
        char buffer[65536];
        for (int i = 0; i < count; ++i) {
            const std::size_t n = events[i].data.u64;
            if (events[i].events & EPOLLOUT) flush(n);
            if (!(events[i].events & (EPOLLIN | EPOLLHUP | EPOLLERR))) continue;
            const ssize_t got = ::recv(m_tables[n].fd, buffer, sizeof buffer, 0);
            if (got == 0 || (got < 0 && errno != EAGAIN)) fail("a connection the lobby closed");
            if (got < 0) continue;
            std::string& in = m_tables[n].in;
            in.append(buffer, std::size_t(got));
            std::size_t start = 0, end;
            while ((end = in.find('\xFF', start)) != std::string::npos) {
                heard(n, std::string_view(in).substr(start, end - start));
                start = end + 1;
            }
            in.erase(0, start);
        }
    }

    void heard(std::size_t n, std::string_view line)
    {
        Table& table = m_tables[n];
        Room& room = m_rooms[std::size_t(table.room)];
        const auto starts = [&](std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; };
        if (starts("CMD_placehistile+")) {
            if (room.moveOut && ++room.echoes == kTablesPerRoom) {
                room.moveOut = false;
                room.placed = true;
                if (room.sentAt >= m_measureFrom) m_samples.push_back(double(nowNs() - room.sentAt) / 1e6);
            }
        } else if (starts("CMD_nextplayer+")) {
            if (table.index == 0) {
                room.turn = std::atoi(line.data() + 15);
                room.placed = room.moveOut = false;
            }
        } else if (starts("CMD_endround+")) {
            if (table.slot == 1) startGame(std::size_t(table.room));
        } else if (starts("CMD_lobby+")) {
            table.greeted = true;
            ++m_greeted;
        } else if (starts("CMD_roomcode+")) {
            room.code = std::string(line.substr(13, brixo::kRoomCodeLength));
            for (int other = 1; other < kTablesPerRoom; ++other)
                send(n + std::size_t(other), brixo::msg::joinroom(room.code));
        } else if (starts("CMD_sendlogininfo+")) {
            table.slot = std::atoi(line.data() + 18);
            if (table.slot < 1 || table.slot > kTablesPerRoom) fail("a slot beyond the room's four");
            room.tableOfSlot[std::size_t(table.slot)] = int(n);
            send(n, brixo::msg::logininfo(table.slot, brixo::msg::kVersion, "B" + std::to_string(n)));
        } else if (starts("CMD_newplayerinfo+")) {
            if (!table.loggedIn && std::atoi(line.data() + 18) == table.slot) {
                table.loggedIn = true;
                ++m_loggedIn;
            }
        } else if (starts("CMD_full+") || starts("CMD_noroom+")) {
            ++m_refused;
        }
    }

    void startGame(std::size_t r)
    {
        m_rooms[r].turn = 0;
        send(std::size_t(m_rooms[r].tableOfSlot[1]), brixo::msg::startgame({"Bench", 1500, 180, "t", "f", 14}));
        ++m_newGames;
    }

    // One tick of a room: a move, or taking it back and drawing.
    void act(std::size_t r)
    {
        Room& room = m_rooms[r];
        if (room.turn < 1 || room.turn > kTablesPerRoom) return;
        const std::size_t mover = std::size_t(room.tableOfSlot[std::size_t(room.turn)]);
        if (room.moveOut) {
            // A move unanswered for a whole tick is counted lost.
            ++m_lost;
            room.moveOut = false;
            return;
        }
        if (!room.placed) {
            room.moveOut = true;
            room.echoes = 0;
            room.sentAt = nowNs();
            send(mover, brixo::msg::placemytile({room.turn, 1, 1, 1}));
        } else {
            send(mover, brixo::msg::replacetile({room.turn, 1, 1}) + brixo::msg::drawcard(room.turn));
            room.placed = false;
            room.turn = 0;  // until the next turn is told
            ++m_draws;
        }
    }

    void waitUntil(const char* what, const std::function<bool()>& done)
    {
        const std::int64_t until = nowNs() + 60'000'000'000;
        while (!done()) {
            if (nowNs() > until) fail(what);
            poll(5);
        }
    }

    [[noreturn]] static void fail(const char* what)
    {
        std::fprintf(stderr, "lobby_bench: gave up on %s\n", what);
        std::fflush(stdout);
        std::_Exit(1);
    }

    quint16 m_port;
    int m_epoll = -1;
    std::vector<Room> m_rooms;
    std::vector<Table> m_tables;
    long m_greeted = 0;
    long m_loggedIn = 0;
    long m_lost = 0;
    long m_draws = 0;
    long m_refused = 0;
    long m_newGames = 0;
    std::int64_t m_measureFrom = 0;
    std::vector<double> m_samples;
};

// Seconds of processor time a process has used, user and system.
double cpuSeconds(const std::string& pid)
{
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The fields after the command's closing parenthesis: state is the
    // first, utime the 12th and stime the 13th.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int n = 1; n <= 13 && fields >> field; ++n)
        if (n >= 12) ticks += std::atof(field.c_str());
    return ticks / double(::sysconf(_SC_CLK_TCK));
}

// As many descriptors as the hard limit allows: four a room here, and as
// many again in the lobby, which inherits the limit.
void raiseDescriptorLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BRIXO [rooms] [seconds] [moves a second per room]\n", argv[0]);
        return 2;
    }
    const int rooms = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    const double rate = argc > 4 ? std::max(0.1, std::atof(argv[4])) : 1.0;
    raiseDescriptorLimit();

    const QString many = QString::number(rooms * kTablesPerRoom);
    QProcess lobby;
    // The rooms' journals go to a folder of the bench's own, gone with it,
    // so that no run goes on with the rooms an earlier one left.
    QTemporaryDir files;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRIXO_FILES_DIR"), files.path());
    environment.remove(QStringLiteral("STATE_DIRECTORY"));
    lobby.setProcessEnvironment(environment);
    lobby.start(QString::fromLocal8Bit(argv[1]),
                {"--lobby", "--port", "0", "--listen", "127.0.0.1", "--rooms", QString::number(rooms),
                 "--max-rooms-per-address", QString::number(rooms), "--max-connections-per-address", many});
    if (!lobby.waitForStarted() || !lobby.waitForReadyRead(5000)) return 1;
    const QByteArray banner = lobby.readLine();
    const QByteArray portText = banner.mid(banner.indexOf("port ") + 5);
    const quint16 port = quint16(portText.left(portText.indexOf(',')).toUInt());
    const std::string pid = std::to_string(lobby.processId());
    if (port == 0) return 1;
    const long bare = residentKiB(pid);

    Bench bench(port, rooms);
    const double took = bench.connectAll();
    std::printf("lobby_bench: %d rooms x %d tables, %.1f moves and as many draws a second in each room\n", rooms,
                kTablesPerRoom, rate);
    std::printf("accepts: %ld connections greeted in %.3f s = %.0f connections/s\n", bench.greeted(), took,
                double(bench.greeted()) / took);
    bench.fillRooms();
    bench.idle(1000);
    const long idle = residentKiB(pid);
    std::printf("memory: lobby resident %ld KiB without rooms, %ld KiB with %d idle rooms = %.1f KiB a room "
                "(its 4 tables in it)\n",
                bare, idle, rooms, double(idle - bare) / rooms);

    const double cpuBefore = cpuSeconds(pid);
    const auto playStart = Clock::now();
    bench.play(rate, seconds);
    const double busy = (cpuSeconds(pid) - cpuBefore) /
                        std::chrono::duration<double>(Clock::now() - playStart).count();
    std::vector<double> samples = bench.samples();
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples.empty() ? 0.0 : samples[std::min(samples.size() - 1, std::size_t(q * double(samples.size())))];
    };
    std::printf("play: %zu moves in %d s (%.0f a second), %ld draws, %ld new games, %ld moves lost, %ld refused\n",
                samples.size(), seconds, double(samples.size()) / seconds, bench.draws(), bench.newGames(),
                bench.lost(), bench.refused());
    std::printf("move to all 4 tables of its room: p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", at(0.50), at(0.99),
                samples.empty() ? 0.0 : samples.back());
    std::printf("lobby busy %.0f%% of one core while all rooms play\n", busy * 100);
    std::printf("memory while playing: %ld KiB = %.1f KiB a room\n", residentKiB(pid),
                double(residentKiB(pid) - bare) / rooms);
    std::fflush(stdout);
    lobby.terminate();
    lobby.waitForFinished(10000);
    return bench.lost() > long(samples.size()) / 100 ? 1 : 0;
}
