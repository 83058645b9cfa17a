// A long session on one server: complete games between computer players,
// one after another, while tables join, watch, leave and come back at
// random; every table is a real connection over loopback and keeps its
// state in the table's own state object. The server's memory is printed
// before and after, and the session fails if a game stalls or if what the
// host's table heard does not replay soundly (every committed board valid,
// every score following the points reported).
//
//   soak [games] [seed] [playto]          (defaults 1000, 1, 30)
//
// A low play-to score ends most games with their first round, so no game
// waits out the pause between rounds.
#include "bench/residentmemory.h"
#include "net/catalogue.h"
#include "net/qt/tsock.h"
#include "server/qt/qtserverhost.h"
#include "table/tablemirror.h"
#include "tests/support/gamereplay.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// A table that only watches: at a seat it asks the computer to play for it.
class WatchingTable {
public:
    WatchingTable(const std::string& name, quint16 port) : m_name(name)
    {
        m_table.beginJoining(name);
        QObject::connect(&m_sock, &TSock::received, [this](const std::string& line) { heard(line); });
        QObject::connect(&m_sock, &TSock::closed, [this] { closed = true; });
        m_sock.open(QStringLiteral("127.0.0.1"), port);
    }
    void leave() { m_sock.close(); }
    void send(const std::string& frame) { m_sock.send(frame); }
    const brixo::TableMirror& table() const { return m_table; }
    const std::string& name() const { return m_name; }
    long wins = 0;
    bool closed = false;
    brixo::selfplay::GameReplay replay; // every game this table heard

private:
    void heard(const std::string& line)
    {
        replay.heard(line);
        const brixo::TableUpdate update = m_table.receive(line);
        for (const std::string& frame : update.sends) m_sock.send(frame);
        const brixo::Seat seat = m_table.mySeat();
        // The computer plays every seat: a table that sits down watches.
        if (seat.valid() && m_table.options().known && !m_table.seat(seat).watching && !m_asked) {
            m_asked = true;
            for (const std::string& frame : m_table.toggleJustWatch().sends) m_sock.send(frame);
        }
        if (line.rfind("CMD_startgame+", 0) == 0) m_asked = false;
        if (line.rfind("CMD_winner+", 0) == 0) ++wins;
    }

    std::string m_name;
    TSock m_sock;
    brixo::TableMirror m_table;
    bool m_asked = false;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const long games = argc > 1 ? std::atol(argv[1]) : 1000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int playto = argc > 3 ? std::atoi(argv[3]) : 30;
    std::mt19937_64 rng(seed);
    const auto chance = [&](int percent) { return int(rng() % 100) < percent; };

    QtServerHost host(seed, nullptr);
    host.setBotSpeedSource([] { return 0; });
    if (!host.listen(0)) return 1;
    WatchingTable starter("Host", host.port());
    std::vector<std::unique_ptr<WatchingTable>> others;
    int named = 0;

    long played = 0;
    long joins = 0, leaves = 0;
    long memoryBefore = 0;
    QElapsedTimer clock;
    clock.start();
    qint64 lastWinnerAt = 0;
    const auto startGame = [&] {
        starter.send(brixo::msg::startgame({"Host", playto, 60, "t", chance(30) ? "t" : "f", 14}));
    };

    QTimer stir;
    QObject::connect(&stir, &QTimer::timeout, [&] {
        if (starter.wins > played) {
            played = starter.wins;
            lastWinnerAt = clock.elapsed();
            if (played == 1) memoryBefore = residentKiB();
            if (played >= games) {
                app.quit();
                return;
            }
            startGame();
        }
        if (clock.elapsed() - lastWinnerAt > 60000) {
            std::fprintf(stderr, "soak: no game ended for a minute after %ld games\n", played);
            app.exit(1);
            return;
        }
        // Tables come and go; some come back under their names.
        if (chance(20) && others.size() < 7) {
            const bool back = chance(50) && named > 0;
            const std::string name = "T" + std::to_string(back ? int(rng() % named) : named++);
            others.push_back(std::make_unique<WatchingTable>(name, host.port()));
            ++joins;
        } else if (chance(15) && !others.empty()) {
            const std::size_t at = rng() % others.size();
            others[at]->leave();
            others.erase(others.begin() + std::ptrdiff_t(at));
            ++leaves;
        }
    });
    QTimer::singleShot(200, [&] {
        startGame();
        lastWinnerAt = clock.elapsed();
        stir.start(5);
    });
    const int status = app.exec();
    std::printf("soak: %ld games to %d in %.1f s, %ld tables joined and %ld left; resident memory %ld KiB after the "
                "first game, %ld KiB after the last\n",
                played, playto, clock.elapsed() / 1000.0, joins, leaves, memoryBefore, residentKiB());
    const brixo::selfplay::ReplayViolations& unsound = starter.replay.violations();
    if (unsound.total() > 0) {
        std::fprintf(stderr, "soak: the host's table heard %ld invalid commits, %ld scores off, %ld bad lines:\n%s",
                     unsound.committed, unsound.scores, unsound.lines, starter.replay.problems().c_str());
        return 1;
    }
    return status;
}
