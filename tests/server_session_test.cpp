// A long randomized session: several tables send thousands of random, often
// invalid messages, mixed with clock ticks, computer turns, departures and
// returns. After every step no tile may have appeared or vanished, and the
// board must hold exactly the turn snapshot plus the tiles laid this turn.
#include "tests/support/selfplaychecks.h"
#include "tests/server_fakehost.h"

#include <random>

using namespace brixo;
using namespace brixo::test;

namespace {

class Session {
public:
    explicit Session(std::uint64_t seed) : m_rng(seed), m_random(seed) {}

    void run(int steps)
    {
        for (ConnectionId id = 1; id <= 5; ++id) accept();
        for (int step = 0; step < steps; ++step) {
            act();
            check(step);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }

    int finishes = 0, rounds = 0, placed = 0;

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    void accept()
    {
        const ConnectionId id = m_next++;
        m_server.connectionAccepted(id);
        m_live.push_back(id);
        // Often a player who left comes back, mostly with the key, now and
        // then by the name alone.
        if (!m_left.empty() && chance(70)) {
            const std::size_t at = pick(0, int(m_left.size()) - 1);
            login(id, m_left[at].name, chance(80) ? m_left[at].key : std::string());
            m_left.erase(m_left.begin() + at);
        } else {
            login(id, "T" + std::to_string(id));
        }
    }
    // A login that may name the wrong slot (and is then ignored), answered
    // again when the server moves the table to the seat kept for it.
    void login(ConnectionId id, const std::string& name, const std::string& key = {})
    {
        const int slot = slotOf(id);
        if (!slot) return;
        say(id, msg::logininfo(chance(90) ? slot : pick(-2, 12), chance(90) ? "1.0.8" : "0.9", name, key));
        if (const int moved = slotOf(id); moved && moved != slot) say(id, msg::logininfo(moved, "1.0.8", name, key));
    }
    bool loggedIn(ConnectionId id) const
    {
        const int slot = slotOf(id);
        return slot && m_server.slotTable()[slot].loggedin;
    }
    int slotOf(ConnectionId id) const
    {
        for (int s = 1; s <= kMaxSlots; ++s)
            if (m_server.slotTable()[s].connected && m_server.slotTable()[s].sock == id) return s;
        return 0;
    }
    void say(ConnectionId id, const std::string& frame)
    {
        m_server.message(id, std::string_view(frame).substr(0, frame.size() - 1));
    }
    // A number that is usually in range and now and then far outside it.
    int loose(int low, int high)
    {
        if (chance(85)) return pick(low, high);
        const int wild[] = {-1, 0, high + 1, 99, -100000, 2147483647};
        return wild[pick(0, 5)];
    }

    void act()
    {
        const int kind = pick(0, 99);
        if (kind < 8) {
            for (int n = pick(1, 70); n > 0; --n) m_server.timer1Timer();
            return;
        }
        if (kind < 12) {
            if (m_server.computerTimerArmed()) m_server.computertimerTimer();
            return;
        }
        if (kind < 14 && !m_live.empty()) {
            const std::size_t at = pick(0, int(m_live.size()) - 1);
            if (const int slot = slotOf(m_live[at]); slot && m_server.slotTable()[slot].loggedin)
                m_left.push_back({m_server.slotTable()[slot].name, m_server.slotTable()[slot].seatkey});
            m_server.connectionClosed(m_live[at]);
            m_live.erase(m_live.begin() + at);
            return;
        }
        if (kind < 16) {
            accept();
            return;
        }
        if (m_live.empty()) return;
        const ConnectionId from = m_live[pick(0, int(m_live.size()) - 1)];
        // A table whose login went wrong tries again.
        if (!loggedIn(from) && chance(50)) {
            login(from, "T" + std::to_string(from));
            return;
        }
        int slot = slotOf(from);
        if (chance(10)) slot = loose(1, 9); // claims somebody else
        const int current = m_server.state().currentseat.number();
        // Most moves come from the turn seat's own table.
        ConnectionId mover = from;
        if (isSeat(current) && m_server.slotTable()[current].connected && chance(70)) {
            mover = m_server.slotTable()[current].sock;
            slot = current;
        }
        if (kind < 18) {
            say(1, msg::startgame({"Host", loose(0, 1500), loose(20, 180), chance(50) ? "t" : "f",
                                   chance(30) ? "t" : "f", loose(10, 48)}));
        } else if (kind < 21) {
            say(from, msg::chat(slot, "hello+there|clRed"));
        } else if (kind < 23) {
            say(from, msg::justwatch(loose(1, 4), chance(50) ? "1" : "2"));
        } else if (kind < 24) {
            say(from, msg::kickhim(slot, loose(1, 9)));
        } else if (kind < 26) {
            say(from, msg::pause(slot, pick(0, 1)));
        } else if (kind < 50) {
            placeSomething(mover, slot);
        } else if (kind < 60) {
            say(mover, msg::swaptilesRequest({slot, loose(0, 22), loose(0, 12), loose(0, 22), loose(0, 12)}));
        } else if (kind < 68) {
            say(mover, msg::replacetile({slot, loose(0, 22), loose(0, 12)}));
        } else if (kind < 72) {
            say(mover, msg::undothemRequest(slot));
        } else if (kind < 86) {
            say(mover, msg::finish(slot));
        } else if (kind < 94) {
            say(mover, msg::drawcard(slot));
        } else if (kind < 97) {
            say(mover, msg::clickyes(slot));
        } else {
            const char* garbage[] = {"CMD_placemytile+", "CMD_finish+x+", "CMD_swaptiles+1+2", "CMD_+1+",
                                     "CMD_logininfo+", "CMD_startgame+a+b+c+d+e+f+", "CMD_pause+1+9+"};
            const std::string line = garbage[pick(0, 6)];
            m_server.message(mover, line);
        }
    }

    // Lays a run or group from the seat's rack when one is there, else a
    // random slot on a random cell.
    void placeSomething(ConnectionId mover, int seat)
    {
        if (isSeat(seat) && chance(60)) {
            const Rack& rack = m_server.slotTable()[seat].rack;
            const std::vector<int> slots = findSet(rack);
            const int row = emptyRow();
            if (!slots.empty() && row >= 0) {
                int col = 1;
                for (int slot : slots) say(mover, msg::placemytile({seat, slot, col++, row}));
                return;
            }
        }
        say(mover, msg::placemytile({seat, loose(1, 60), loose(0, 22), loose(0, 12)}));
    }
    int emptyRow() const
    {
        for (int row = 1; row < BoardGrid::kRows; ++row) {
            bool empty = true;
            for (int col = 0; col < BoardGrid::kColumns; ++col) empty = empty && m_server.grid().isEmpty(col, row);
            if (empty) return row;
        }
        return -1;
    }
    static std::vector<int> findSet(const Rack& rack)
    {
        for (int face = 13; face >= 1; --face) { // groups, high faces first for the 30 points
            std::vector<int> slots;
            std::array<bool, 5> colour{};
            for (int s = 1; s <= Rack::kSlots; ++s) {
                const int t = rack.at(s);
                if (isTile(t) && t != kWildTile && facenumber(t) == face && !colour[getsuit(t)]) {
                    colour[getsuit(t)] = true;
                    slots.push_back(s);
                }
            }
            if (slots.size() >= 3) return slots;
        }
        for (int start = kHighestTile - 3; start >= 1; --start) { // runs of three
            if (facenumber(start) > 11) continue;
            std::vector<int> slots;
            for (int code = start; code < start + 3; ++code)
                for (int s = 1; s <= Rack::kSlots; ++s)
                    if (rack.at(s) == code) {
                        slots.push_back(s);
                        break;
                    }
            if (slots.size() == 3) return slots;
        }
        return {};
    }

    void check(int step)
    {
        const auto& slots = m_server.slotTable();
        const auto& log = m_server.state().turnlog;
        // Before the first deal there are no tiles to conserve.
        const bool dealt = m_server.pool().at(1) != kNoTile;
        ASSERT_TRUE(!dealt || selfplay::tilesConserved(m_server.grid(), slots, m_server.pool())) << "step " << step;
        ASSERT_TRUE(selfplay::boardIsSnapshotPlusLog(m_server.grid(), m_server.snapshot(), log)) << "step " << step;
        for (const LaidTile& laid : log)
            ASSERT_EQ(slots[m_server.state().currentseat].rack.at(laid.slot), 0) << "step " << step;
        ASSERT_LE(slots.playercount, kMaxSlots);
        if (m_server.state().gamerunning) {
            ASSERT_TRUE(m_server.state().currentseat.valid());
        }

        // Counted once per step, whoever heard of it.
        bool finished = false, ended = false, laid = false;
        for (auto& [id, lines] : m_host.sent) {
            for (const std::string& line : lines) {
                finished = finished || line.rfind("CMD_movedtiles+", 0) == 0;
                ended = ended || line.rfind("CMD_endround+", 0) == 0;
                laid = laid || line.rfind("CMD_placehistile+", 0) == 0;
            }
            lines.clear();
        }
        finishes += finished;
        rounds += ended;
        placed += laid;
    }

    std::mt19937_64 m_rng;
    SeededRandom m_random;
    FakeHost m_host;
    TServer m_server{m_host, m_random};
    std::vector<ConnectionId> m_live;
    struct Departed {
        std::string name;
        std::string key;
    };
    std::vector<Departed> m_left;
    ConnectionId m_next = 1;
};

} // namespace

TEST(ServerSession, ThousandsOfRandomMessagesNeverLoseOrMakeATile)
{
    int finishes = 0, rounds = 0, placed = 0;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        Session session(seed);
        session.run(5000);
        if (HasFatalFailure()) return;
        finishes += session.finishes;
        rounds += session.rounds;
        placed += session.placed;
    }
    // The session reaches the interesting paths, not only the refusals
    // (steps that laid a tile; tables act only once logged in, and seats
    // wait for the players who left them).
    EXPECT_GT(placed, 400) << finishes << " finishes, " << rounds << " rounds";
    EXPECT_GT(finishes, 20);
    EXPECT_GT(rounds, 3);
}
