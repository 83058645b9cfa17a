// Test doubles for driving the game server's core without sockets or
// timers: a host that records every frame per connection, a random source
// that lays the next pool out in a chosen order, and a fixture with tables
// that log in and send messages.
#pragma once

#include "net/catalogue.h"
#include "net/receivequeue.h"
#include "server/serverform.h"
#include "server/serverhost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace brixo::test {

class FakeHost : public ServerHost {
public:
    void send(ConnectionId connection, const std::string& frame) override
    {
        EXPECT_FALSE(frame.empty());
        EXPECT_EQ(frame.back(), '\xFF');
        EXPECT_EQ(std::count(frame.begin(), frame.end(), '\xFF'), 1) << frame;
        sent[connection].push_back(frame.substr(0, frame.size() - 1));
    }
    void close(ConnectionId connection) override { closed.push_back(connection); }
    void startClock() override
    {
        clock = true;
        ++clockStarts;
    }
    void stopClock() override { clock = false; }
    void startComputerTimer(int milliseconds) override
    {
        computerTimer = true;
        computerDelay = milliseconds;
    }
    void stopComputerTimer() override { computerTimer = false; }
    int botSpeed() override { return speed; }
    BotLevel botLevel(Seat) override { return level; }
    void expectLogin(ConnectionId connection, int milliseconds) override
    {
        loginDeadlines.push_back(connection);
        loginMilliseconds = milliseconds;
    }
    std::int64_t now() override { return milliseconds; }

    std::map<ConnectionId, std::vector<std::string>> sent;
    std::int64_t milliseconds = 0; // the clock the server reads; tests move it
    std::vector<ConnectionId> closed;
    bool clock = false;
    int clockStarts = 0;
    bool computerTimer = false;
    int computerDelay = -1;
    int speed = 1000;
    BotLevel level = BotLevel::Normal;
    std::vector<ConnectionId> loginDeadlines;
    int loginMilliseconds = 0;
};

// Answers the shuffle so that the pool comes out in a given order; after
// that, a seeded generator.
class StackedRandom : public RandomSource {
public:
    // The next shuffle puts these codes at pool places 1, 2, ...; the codes
    // not named follow in ascending order.
    void stackPool(const std::vector<int>& order)
    {
        std::array<int, kHighestTile + 1> uses{};
        std::vector<int> full;
        for (int code : order) {
            EXPECT_TRUE(isTile(code) && uses[code] < 2) << "code " << code << " used too often";
            ++uses[code];
            full.push_back(code);
        }
        for (int code = 1; code <= kHighestTile; ++code)
            for (; uses[code] < 2; ++uses[code]) full.push_back(code);
        // The shuffle's work array holds code c at indices c-1 and c+52.
        std::array<bool, Pool::kSize> taken{};
        for (int code : full) {
            const int index = taken[code - 1] ? code + kHighestTile - 1 : code - 1;
            taken[index] = true;
            m_script.push_back(index);
        }
    }
    int below(int n) override
    {
        if (m_script.empty()) return m_fallback.below(n);
        const int index = m_script.front();
        m_script.pop_front();
        return index;
    }

private:
    std::deque<int> m_script;
    SeededRandom m_fallback{7};
};

// Pool order for a deal: racks[k] is the rack of the k-th playing seat in
// seat order, all of one length; then the tiles to be drawn, in order.
inline std::vector<int> dealOrder(const std::vector<std::vector<int>>& racks, const std::vector<int>& draws = {})
{
    std::vector<int> order;
    for (std::size_t slot = 0; slot < racks.front().size(); ++slot)
        for (const auto& rack : racks) order.push_back(rack.at(slot));
    order.insert(order.end(), draws.begin(), draws.end());
    return order;
}

// A server with a fake host; table n is the n-th connection accepted.
class ServerFixture : public ::testing::Test {
protected:
    FakeHost host;
    StackedRandom random;
    TServer server{host, random};

    // Accepts connection `id` and logs it in under `name`, with a seat key
    // when given one; answers the slot it holds then (0 for none).
    int join(ConnectionId id, const std::string& name, const std::string& key = {},
             std::string_view version = msg::kVersion, const std::string& address = {})
    {
        server.connectionAccepted(id, address);
        auto slot = msg::parseSendlogininfo(splitCommand(lines(id).back())->args);
        EXPECT_TRUE(slot.has_value());
        send(id, msg::logininfo(*slot, version, name, key));
        // A player coming back is asked to log in again from the seat kept
        // for them.
        const auto& heard = lines(id);
        for (auto line = heard.rbegin(); line != heard.rend(); ++line) {
            if (line->rfind("CMD_sendlogininfo+", 0) != 0) continue;
            const auto again = msg::parseSendlogininfo(splitCommand(*line)->args);
            if (again && again != slot) {
                slot = again;
                send(id, msg::logininfo(*slot, version, name, key));
            }
            break;
        }
        for (const Slot s : Slot::all())
            if (server.slotTable()[s].connected && server.slotTable()[s].sock == id) return s.number();
        return 0;
    }
    // The seat key the connection was last given; empty when none.
    std::string keyOf(ConnectionId id)
    {
        const std::vector<std::string> keys = args(id, "CMD_seatkey");
        if (keys.empty()) return {};
        return msg::parseSeatkey(keys.back()).value_or("");
    }
    void send(ConnectionId id, const std::string& frame)
    {
        ASSERT_EQ(frame.back(), '\xFF');
        server.message(id, std::string_view(frame).substr(0, frame.size() - 1));
    }
    std::vector<std::string>& lines(ConnectionId id) { return host.sent[id]; }
    // The lines sent to `id` whose command is `command`, arguments only.
    std::vector<std::string> args(ConnectionId id, std::string_view command)
    {
        std::vector<std::string> out;
        for (const std::string& line : host.sent[id]) {
            const auto split = splitCommand(line);
            if (split && split->command == command) out.emplace_back(split->args);
        }
        return out;
    }
    std::vector<std::string> commands(ConnectionId id)
    {
        std::vector<std::string> out;
        for (const std::string& line : host.sent[id]) out.emplace_back(line.substr(0, line.find('+')));
        return out;
    }
    void forget() { host.sent.clear(); }
    void startgame(int playto = 500, int secs = 60, bool penalty = true, bool team = false, int tiles = 14)
    {
        send(1, msg::startgame({"Host", playto, secs, penalty ? "t" : "f", team ? "t" : "f", tiles}));
    }
    // Lays rack slots from column `col` on in `row`, as seat `seat` on
    // connection `id`.
    void lay(ConnectionId id, int seat, const std::vector<int>& slots, int row, int col = 1)
    {
        for (int slot : slots) send(id, msg::placemytile({seat, slot, col++, row}));
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) server.timer1Timer();
    }
    const TPlayerRecord& seat(int n) const { return server.slotTable()[n]; }
    // Board tiles + rack tiles + tiles left in the pool.
    int tilesInPlay() const
    {
        int total = server.grid().tileCount() + std::max(0, server.pool().tilesLeft());
        for (int s = 1; s <= kSeats; ++s) total += seat(s).tilecount();
        return total;
    }
};

} // namespace brixo::test
