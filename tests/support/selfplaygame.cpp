#include "tests/support/selfplaygame.h"

#include "net/catalogue.h"
#include "net/receivequeue.h"
#include "server/serverform.h"
#include "server/serverhost.h"
#include "table/tablemirror.h"
#include "tests/support/gamereplay.h"
#include "tests/support/selfplaychecks.h"

#include <algorithm>
#include <random>
#include <string_view>

namespace brixo::selfplay {

Violations& Violations::operator+=(const Violations& o)
{
    tiles += o.tiles;
    board += o.board;
    committed += o.committed;
    mirror += o.mirror;
    stalled += o.stalled;
    return *this;
}

namespace {

// Seat keys from the game's seed, so that a seed replays every line.
class SeededSecrets final : public SecretRandom {
public:
    explicit SeededSecrets(std::uint64_t seed) : m_engine(seed) {}
    std::uint64_t next() override { return m_engine(); }

private:
    std::mt19937_64 m_engine;
};

class SelfPlayGame final : private ServerHost {
public:
    explicit SelfPlayGame(const GameSetup& setup)
        : m_setup(setup), m_random(setup.seed), m_server(*this, m_random), m_replay(setup.checks)
    {
        m_server.setSecretSource(m_secrets);
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
            for (int seat = 3; seat <= seats; ++seat) join(ConnectionId(seat), kWatcherNames[seat]);
            m_server.connectionClosed(2);
        }
        say(kHostTable, msg::startgame({"Host", m_setup.playto, m_setup.turntime, m_setup.penalty ? "t" : "f",
                                        m_setup.team ? "t" : "f", m_setup.tiles}));
        if (!m_setup.team)
            for (int seat = 3; seat <= seats; ++seat) say(ConnectionId(seat), msg::justwatch(seat, "1"));
        say(kHostTable, msg::justwatch(int(kHostTable), "1"));
        if (m_setup.checks) checkEvent();

        for (long events = 0; m_server.state().gamerunning && m_replay.counts().rounds < m_setup.roundLimit;
             ++events) {
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
        return result();
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
    BotLevel botLevel(Seat seat) override
    {
        return seat.valid() ? m_setup.levels[std::size_t(seat.number())] : BotLevel::Normal;
    }
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
        const auto split = splitCommand(line);
        // The host's table only watches: what its state would send is not sent.
        if (m_setup.checks && split) m_table.receive(split->command, split->args);
        m_replay.heard(line);
        if (!split) return;
        if (split->command == "CMD_endround") roundEnded();
        if (split->command == "CMD_nextplayer" || split->command == "CMD_endround") turnEnded();
        else if (split->command == "CMD_startround") m_boardTiles = 0;
    }

    // The server settles the scores before it tells of the round's end.
    void roundEnded()
    {
        std::array<int, kSeats>& scores = m_result.roundScores.emplace_back();
        for (const Seat seat : Seat::all()) scores[seat.index()] = m_server.slotTable()[seat].score;
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
        const SlotTable& slots = m_server.slotTable();
        bool rackAgrees = true;
        const Rack& rack = slots[Seat(1)].rack;
        for (int slot = 1; slot <= Rack::kSlots; ++slot)
            rackAgrees = rackAgrees && rack.at(slot) == m_table.rack().at(slot);
        bool scoresAgree = true;
        for (const Seat seat : Seat::all()) {
            const int score = slots[seat].score;
            scoresAgree = scoresAgree && m_replay.scores()[seat.number()] == score &&
                          m_table.seat(seat).score == score;
        }
        if (!(m_table.board() == board) || !(m_replay.board() == board) || !rackAgrees || !scoresAgree)
            ++m_result.violations.mirror;
    }

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

    GameResult result()
    {
        for (const Seat seat : Seat::all()) m_result.scores[seat.index()] = m_server.slotTable()[seat].score;
        const ReplayCounts& counts = m_replay.counts();
        m_result.winner = m_replay.winner();
        m_result.finished = !m_server.state().gamerunning && !m_result.winner.empty();
        m_result.rounds = counts.rounds;
        m_result.roundsOut = counts.roundsOut;
        m_result.roundsExhausted = counts.roundsExhausted;
        m_result.wentOut = counts.wentOut;
        m_result.turns = counts.turns;
        m_result.finishes = counts.finishes;
        m_result.tilesPlaced = counts.tilesPlaced;
        m_result.timeouts = counts.timeouts;
        const ReplayViolations& replayed = m_replay.violations();
        m_result.violations.committed += replayed.committed;
        // What the host's table was told does not add up.
        m_result.violations.mirror += replayed.scores + replayed.lines;
        return std::move(m_result);
    }

    GameSetup m_setup;
    SeededRandom m_random;
    SeededSecrets m_secrets{m_setup.seed};
    TServer m_server;
    bool m_clock = false;
    bool m_computerTimer = false;
    GameResult m_result;
    TableMirror m_table; // the host table's state
    GameReplay m_replay; // the game as the host's table heard it
    int m_boardTiles = 0; // on the board at the last turn end
};

} // namespace

GameResult playgame(const GameSetup& setup)
{
    return SelfPlayGame(setup).play();
}

void seatoneturns(long games, int seats, std::uint64_t seed, BotLevel level, BotLevel others,
                  const std::function<void(const TServer&)>& atTurn)
{
    for (long game = 0; game < games; ++game) {
        GameSetup setup;
        setup.seats = seats;
        setup.seed = seed + std::uint64_t(game);
        setup.checks = false;
        setup.levels[1] = level;
        for (int seat = 2; seat <= kSeats; ++seat) setup.levels[std::size_t(seat)] = others;
        setup.beforeComputerTurn = [&](const TServer& server) {
            if (server.state().currentseat == Seat(1) && server.turnRunning()) atTurn(server);
        };
        playgame(setup);
    }
}

} // namespace brixo::selfplay
