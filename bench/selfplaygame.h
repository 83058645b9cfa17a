// One whole game between computer players on the game server core alone:
// no sockets, no timers, no windows. The game is started the way a host
// starts it, through the server's own inputs only: the host's table logs in
// at seat 1, other tables log in at seats 3 and 4 when the game has them
// (seat 2 plays in every game and is left without a connection), the host
// sends "CMD_startgame", and then every table asks to just watch, so that
// the computer plays every seat.
//
// Time is simulated. The computer timer fires as soon as it is armed (the
// bot speed plays no part); when nothing else is pending the turn clock
// ticks one second, so time-outs and the pause between rounds happen as
// they would, only without the waiting.
//
// After every event, and at every turn end the host's table hears of, the
// game is checked: tiles conserved, the board equal to the snapshot plus
// the turn log (and to the snapshot alone once a turn has ended), every
// committed board valid, and the host table's state (the very TableMirror
// a table window shows), kept from the messages alone, holding the
// server's board, the host's rack and every score. The scores are also
// followed from the points each message reports, so a score that moves by
// anything else is caught. With the checks off the game is only played.
#pragma once

#include "bench/selfplaychecks.h"
#include "model/setrules.h"
#include "net/catalogue.h"
#include "server/serverform.h"
#include "server/serverhost.h"
#include "table/core/tablemirror.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo::selfplay {

struct GameSetup {
    int seats = 4;         // 2 to 4 seats play; a team game always has 4
    bool team = false;
    int playto = 500;
    int turntime = 60;
    int tiles = 14;        // tiles to start with
    bool penalty = true;
    std::uint64_t seed = 1;
    int roundLimit = 100;  // a game not won after this many rounds is stopped
    bool keepTranscript = false;
    bool checks = true;    // check the game after every event and turn end
    // How well the computer plays each seat (index 1..4).
    std::array<BotLevel, kSeats + 1> levels{};
    // Shown the server just before each computer turn starts, if set.
    std::function<void(const TServer&)> beforeComputerTurn;
};

// Failed checks, by kind; each check that fails counts once.
struct Violations {
    long tiles = 0;       // a tile lost, doubled or invented
    long board = 0;       // board is not the snapshot plus the turn log
    long committed = 0;   // a committed board holds an invalid set
    long mirror = 0;      // the host table's board, rack or scores differ from the server's
    long stalled = 0;     // a game that runs with no clock and no computer turn pending
    long total() const { return tiles + board + committed + mirror + stalled; }
    Violations& operator+=(const Violations& o)
    {
        tiles += o.tiles;
        board += o.board;
        committed += o.committed;
        mirror += o.mirror;
        stalled += o.stalled;
        return *this;
    }
};

struct GameResult {
    std::uint64_t seed = 0;
    int seats = 0;             // seats that played
    bool finished = false;     // a winner was announced
    std::string winner;
    std::array<int, kSeats> scores{};
    int rounds = 0;
    int roundsOut = 0;         // somebody went out
    std::array<int, kSeats + 1> wentOut{}; // rounds each seat ended by going out
    int roundsExhausted = 0;   // the pool ran out for everybody
    long turns = 0;
    long finishes = 0;         // turns that ended with the board committed
    long tilesLaid = 0;        // tiles that stayed on the board at turn ends
    long tilesPlaced = 0;      // tiles laid, including those taken back
    long timeouts = 0;         // turns that ran out on the clock
    long frames = 0;           // frames the server sent, to every connection
    long seconds = 0;          // simulated seconds on the turn clock
    std::uint64_t digest = 0;  // of every line the host's table heard
    Violations violations;
    std::vector<std::string> transcript; // the host table's lines, when kept
};

class SelfPlayGame final : private ServerHost {
public:
    explicit SelfPlayGame(const GameSetup& setup) : m_setup(setup), m_random(setup.seed), m_server(*this, m_random)
    {
        m_result.seed = setup.seed;
        m_result.digest = kDigestBasis;
        m_result.seats = setup.team ? kSeats : std::clamp(setup.seats, 2, kSeats);
    }

    GameResult play()
    {
        const int seats = m_result.seats;
        join(kHostTable, "Host");
        if (!m_setup.team && seats >= 3) {
            // Seats 3 and 4 take part only with a person there; seat 2 always
            // does, so it is left to play without one.
            join(2, "Cyd");
            for (int seat = 3; seat <= seats; ++seat) join(seat, kWatcherNames[seat]);
            m_server.connectionClosed(2);
        }
        say(kHostTable, msg::startgame({"Host", m_setup.playto, m_setup.turntime, m_setup.penalty ? "t" : "f",
                                        m_setup.team ? "t" : "f", m_setup.tiles}));
        if (!m_setup.team)
            for (int seat = 3; seat <= seats; ++seat) say(seat, msg::justwatch(seat, "1"));
        say(kHostTable, msg::justwatch(kHostTable, "1"));
        if (m_setup.checks) checkEvent();

        for (long events = 0; m_server.state().gamerunning && m_result.rounds < m_setup.roundLimit; ++events) {
            if (events > kEventLimit) {
                ++m_result.violations.stalled;
                break;
            }
            if (m_computerTimer) {
                m_computerTimer = false;
                if (m_setup.beforeComputerTurn) m_setup.beforeComputerTurn(m_server);
                m_server.computertimerTimer();
            } else if (m_clock) {
                ++m_result.seconds;
                m_server.timer1Timer();
            } else {
                ++m_result.violations.stalled;
                break;
            }
            if (m_setup.checks) checkEvent();
        }

        for (int seat = 1; seat <= kSeats; ++seat) m_result.scores[seat - 1] = m_server.slotTable()[seat].score;
        m_result.finished = !m_server.state().gamerunning && !m_result.winner.empty();
        return std::move(m_result);
    }

private:
    static constexpr ConnectionId kHostTable = 1;
    static constexpr long kEventLimit = 10'000'000;
    static constexpr std::uint64_t kDigestBasis = 0xcbf29ce484222325ULL;
    static constexpr const char* kWatcherNames[kSeats + 1] = {"", "", "", "Ann", "Bob"};

    // ---- the host's side ---------------------------------------------------

    void send(ConnectionId connection, const std::string& frame) override
    {
        ++m_result.frames;
        if (connection == kHostTable) heard(std::string_view(frame).substr(0, frame.size() - 1));
    }
    void close(ConnectionId) override {}
    void startClock() override { m_clock = true; }
    void stopClock() override { m_clock = false; }
    void startComputerTimer(int) override { m_computerTimer = true; }
    void stopComputerTimer() override { m_computerTimer = false; }
    int botSpeed() override { return 0; }
    BotLevel botLevel(Seat seat) override { return seat.valid() ? m_setup.levels[std::size_t(seat.number())] : BotLevel::Normal; }
    void expectLogin(ConnectionId, int) override {} // every table here logs in at once

    // Connection `id` lands in slot `id`, the lowest free one, and logs in.
    void join(ConnectionId id, const char* name)
    {
        m_server.connectionAccepted(id);
        say(id, msg::logininfo(int(id), msg::kVersion, name));
    }
    void say(ConnectionId id, const std::string& frame)
    {
        m_server.message(id, std::string_view(frame).substr(0, frame.size() - 1));
    }

    // ---- what the host's table hears ------------------------------------

    void heard(std::string_view line)
    {
        digest(line);
        if (m_setup.keepTranscript) m_result.transcript.emplace_back(line);
        const std::size_t plus = line.find('+');
        const std::string_view command = line.substr(0, plus);
        const std::string_view args = plus == std::string_view::npos ? std::string_view() : line.substr(plus + 1);

        // The host's table only watches: what its state would send is not sent.
        if (m_setup.checks) m_table.receive(command, args);
        if (command == "CMD_nextplayer") {
            ++m_result.turns;
            turnEnded();
        } else if (command == "CMD_placehistile") {
            ++m_result.tilesPlaced;
        } else if (command == "CMD_movedtiles") {
            ++m_result.finishes;
            if (!m_setup.checks) return;
            if (!boardok(m_server.snapshot())) ++m_result.violations.committed;
            const auto m = msg::parseMovedtiles(args);
            if (!m || !isSeat(m->seat)) return mirrorFailed();
            m_scores[m->seat] += m->points;
            if (m_scores[m->seat] != m->score) mirrorFailed();
        } else if (command == "CMD_teamscore") {
            const auto m = msg::parseTeamscore(args);
            if (!m || !isSeat(m->seat)) return mirrorFailed();
            m_scores[m->seat] = m->score;
        } else if (command == "CMD_endround") {
            ++m_result.rounds;
            const auto m = msg::parseEndround(args);
            if (!m) return mirrorFailed();
            if (m->winner == 0) ++m_result.roundsExhausted;
            else ++m_result.roundsOut;
            if (isSeat(m->winner)) ++m_result.wentOut[std::size_t(m->winner)];
            // Each seat's points are what the settlement moved its score by.
            for (const msg::SeatResult& seat : m->seats) {
                if (!isSeat(seat.seat)) return mirrorFailed();
                m_scores[seat.seat] += seat.points;
                if (m_setup.checks && m_scores[seat.seat] != seat.score) mirrorFailed();
            }
            turnEnded();
        } else if (command == "CMD_startgame") {
            m_scores.fill(0);
        } else if (command == "CMD_startround") {
            m_boardTiles = 0;
            const auto m = msg::parseStartround(args);
            if (m_setup.checks && (!m || !std::equal(m->begin(), m->end(), m_scores.begin() + 1))) mirrorFailed();
        } else if (command == "CMD_notime") {
            ++m_result.timeouts;
        } else if (command == "CMD_winner") {
            m_result.winner = msg::parseWinner(args);
        }
    }

    // Also heard at the first turn of a round, where it finds the fresh deal.
    void turnEnded()
    {
        const BoardGrid& board = m_server.grid();
        if (m_setup.checks) checkTurnEnd(board);
        const int tiles = board.tileCount();
        m_result.tilesLaid += tiles - m_boardTiles;
        m_boardTiles = tiles;
    }

    void checkTurnEnd(const BoardGrid& board)
    {
        if (!turnSettled(board, m_server.snapshot(), m_server.state().turnlog)) ++m_result.violations.board;
        if (!tilesConserved(board, m_server.slotTable(), m_server.pool())) ++m_result.violations.tiles;
        bool rackAgrees = true;
        const Rack& rack = m_server.slotTable()[kHostTable].rack;
        for (int slot = 1; slot <= Rack::kSlots; ++slot)
            rackAgrees = rackAgrees && rack.at(slot) == m_table.rack().at(slot);
        bool scoresAgree = true;
        for (int seat = 1; seat <= kSeats; ++seat) {
            const int score = m_server.slotTable()[seat].score;
            scoresAgree = scoresAgree && m_scores[seat] == score && m_table.seat(seat).score == score;
        }
        if (!(m_table.board() == board) || !rackAgrees || !scoresAgree) mirrorFailed();
    }

    void mirrorFailed() { ++m_result.violations.mirror; }

    void checkEvent()
    {
        const BoardGrid& board = m_server.grid();
        if (!tilesConserved(board, m_server.slotTable(), m_server.pool())) ++m_result.violations.tiles;
        if (!boardIsSnapshotPlusLog(board, m_server.snapshot(), m_server.state().turnlog)) ++m_result.violations.board;
    }

    // FNV-1a over the lines, each closed by a 0xFF as on the wire.
    void digest(std::string_view line)
    {
        std::uint64_t h = m_result.digest;
        for (const char c : line) h = (h ^ std::uint8_t(c)) * 0x100000001b3ULL;
        m_result.digest = (h ^ 0xFFu) * 0x100000001b3ULL;
    }

    GameSetup m_setup;
    SeededRandom m_random;
    TServer m_server;
    bool m_clock = false;
    bool m_computerTimer = false;
    GameResult m_result;
    TableMirror m_table; // the host table's state
    std::array<int, kSeats + 1> m_scores{}; // the scores, from the points each message reports
    int m_boardTiles = 0;
};

inline GameResult playgame(const GameSetup& setup)
{
    return SelfPlayGame(setup).play();
}

} // namespace brixo::selfplay
