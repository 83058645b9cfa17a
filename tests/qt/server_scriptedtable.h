// A scripted table for driving a real server over TCP: it logs in when
// asked and records every line; what it knows of the game is a table's own
// state (TableMirror), fed by the same lines. When told to play it takes
// its turns through that state, as a person's presses would: it lays the
// runs and groups it can find in its rack, or else draws.
#pragma once

#include "model/gameoptions.h"
#include "net/catalogue.h"
#include "net/qt/tsock.h"
#include "net/receivequeue.h"
#include "server/qt/qtserverhost.h"
#include "table/tablemirror.h"
#include "tests/qt/waitfor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace brixo::test {

class ScriptedTable {
public:
    explicit ScriptedTable(std::string name, bool plays = false, std::string version = std::string(msg::kVersion))
        : m_name(std::move(name)), m_version(std::move(version)), m_plays(plays)
    {
        m_table.beginJoining(m_name);
        QObject::connect(&m_sock, &TSock::received, [this](const std::string& line) { onLine(line); });
        QObject::connect(&m_sock, &TSock::closed, [this] { m_closed = true; });
    }

    void connectTo(quint16 port) { m_sock.open(QStringLiteral("127.0.0.1"), port); }
    // Logs in with the seat key an earlier table of the player was given.
    void useSeatKey(const std::string& key) { m_table.setSeatKey(key); }
    // At a lobby: asks for this room once greeted, then plays in it.
    void enterRoom(const TableMirror::RoomRequest& request) { m_table.beginOnline(m_name, request); }
    const std::string& roomCode() const { return m_table.roomCode(); }
    bool loggedIn() const { return slot() != 0 && count("CMD_newplayerinfo+" + std::to_string(slot()) + "+") > 0; }
    void send(const std::string& frame) { m_sock.send(frame); }
    void close() { m_sock.close(); }

    int slot() const { return m_table.mySlot().number(); }
    bool closed() const { return m_closed; }
    const std::vector<std::string>& lines() const { return m_lines; }
    const TableMirror& table() const { return m_table; }
    const BoardGrid& board() const { return m_table.board(); }
    const Rack& rack() const { return m_table.rack(); }
    const std::string& winner() const { return m_winner; }
    const std::vector<msg::EndRound>& rounds() const { return m_rounds; }
    int turnsPlayed() const { return m_turns; }

    int count(std::string_view prefix) const
    {
        return int(std::count_if(m_lines.begin(), m_lines.end(),
                                 [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    }
    // Argument texts of the lines with this command.
    std::vector<std::string> args(std::string_view command) const
    {
        std::vector<std::string> out;
        for (const std::string& line : m_lines) {
            const auto split = splitCommand(line);
            if (split && split->command == command) out.emplace_back(split->args);
        }
        return out;
    }

private:
    void onLine(const std::string& line)
    {
        m_lines.push_back(line);
        const auto split = splitCommand(line);
        if (!split) return;
        const std::string_view command = split->command, a = split->args;
        const TableUpdate update = m_table.receive(command, a);
        if (command == "CMD_sendlogininfo") {
            // Logs in with its own version text, which may be another one.
            send(msg::logininfo(slot(), m_version, m_name, m_table.seatKey()));
        } else {
            for (const std::string& frame : update.sends) send(frame);
        }
        if (command == "CMD_startround") {
            m_laidDown = false;
        } else if (command == "CMD_movedtiles") {
            if (const auto m = msg::parseMovedtiles(a); m && m->seat == slot()) m_laidDown = true;
        } else if (command == "CMD_endround") {
            if (const auto m = msg::parseEndround(a)) m_rounds.push_back(*m);
        } else if (command == "CMD_winner") {
            m_winner = msg::parseWinner(a);
        } else if (m_plays && command == "CMD_nextplayer") {
            if (m_table.mayPlay()) playTurn();
        } else if (m_plays && (command == "CMD_notenough" || command == "CMD_incomplete")) {
            press(m_table.drawTile());
        } else if (m_plays && command == "CMD_askpenalty") {
            press(m_table.acceptPenalty());
        }
    }

    void press(const TableUpdate& update)
    {
        for (const std::string& frame : update.sends) send(frame);
    }

    // Lays every run and group it can find (a first lay-down only when it
    // reaches the points it needs), then finishes; draws when there is
    // nothing to lay.
    void playTurn()
    {
        ++m_turns;
        const std::vector<std::vector<int>> sets = findSets();
        int value = 0;
        for (const auto& set : sets)
            for (int slot : set) value += tilevalue(rack().at(slot));
        if (sets.empty() || (!m_laidDown && value < kFirstLayDown)) {
            press(m_table.drawTile());
            return;
        }
        bool laid = false;
        for (const auto& set : sets) {
            const int len = int(set.size());
            for (int row = 1; row < BoardGrid::kRows && !placeIn(set, row, len, laid); ++row) {
            }
        }
        press(laid ? m_table.finishTurn() : m_table.drawTile());
    }

    // The set goes into the first free stretch of the row with an empty
    // cell on either side, tile by tile: picked from the rack, put down.
    bool placeIn(const std::vector<int>& set, int row, int len, bool& laid)
    {
        for (int col = 1; col + len - 1 < BoardGrid::kColumns; ++col) {
            bool free = board().isEmpty(col - 1, row) && board().isEmpty(col + len, row);
            for (int i = 0; i < len && free; ++i) free = board().isEmpty(col + i, row);
            if (!free) continue;
            for (int i = 0; i < len; ++i) {
                press(m_table.pressRackTile(RackSlot(set[i]), Press::Left, placerules::Completion::None));
                press(m_table.pressBoard(Press::Left, {col + i, row}));
            }
            laid = true;
            return true;
        }
        return false;
    }

    // Disjoint runs (longest first) and groups from the rack, as rack slots
    // in the order they are to be laid; a wild tile completes a pair of one
    // number.
    std::vector<std::vector<int>> findSets() const
    {
        std::array<int, kHighestTile + 1> slotOf{};
        std::vector<int> wilds;
        for (int s = 1; s <= Rack::kSlots; ++s) {
            const int t = m_table.offeredTile(RackSlot(s)).code();
            if (t == kWildTile) wilds.push_back(s);
            else if (isTile(t) && !slotOf[t]) slotOf[t] = s;
        }
        std::vector<std::vector<int>> sets;
        for (int colour = 0; colour < 4; ++colour) {
            std::vector<int> run;
            for (int face = 1; face <= 14; ++face) {
                const int code = colour * 13 + face;
                if (face <= 13 && slotOf[code]) {
                    run.push_back(code);
                    continue;
                }
                if (run.size() >= 3) {
                    std::vector<int> set;
                    for (int c : run) {
                        set.push_back(slotOf[c]);
                        slotOf[c] = 0;
                    }
                    sets.push_back(set);
                }
                run.clear();
            }
        }
        for (int face = 13; face >= 1; --face) {
            std::vector<int> set;
            for (int colour = 0; colour < 4; ++colour)
                if (slotOf[colour * 13 + face]) set.push_back(colour * 13 + face);
            if (set.size() == 2 && !wilds.empty()) {
                std::vector<int> picked{slotOf[set[0]], slotOf[set[1]], wilds.back()};
                wilds.pop_back();
                for (int c : set) slotOf[c] = 0;
                sets.push_back(picked);
            } else if (set.size() >= 3) {
                std::vector<int> picked;
                for (int c : set) {
                    picked.push_back(slotOf[c]);
                    slotOf[c] = 0;
                }
                sets.push_back(picked);
            }
        }
        return sets;
    }

    TSock m_sock;
    std::string m_name;
    std::string m_version;
    bool m_plays;
    bool m_closed = false;
    TableMirror m_table;
    std::vector<std::string> m_lines;
    bool m_laidDown = false;
    std::string m_winner;
    std::vector<msg::EndRound> m_rounds;
    int m_turns = 0;
};

// A server listening on a free port with computer turns at once and a
// pause of one second between rounds, and the tables connected to it.
struct LoopbackGame {
    explicit LoopbackGame(std::uint64_t seed = 1) : host(seed, nullptr)
    {
        host.setBotSpeedSource([] { return 0; });
        host.setRoundPauseSeconds(1);
        listening = host.listen(0);
    }
    // Connects a table and waits until it is logged in.
    // `key`: the seat key of the player's earlier table.
    ScriptedTable& join(const std::string& name, bool plays = false, const std::string& version = "1.0.8",
                        const std::string& key = {})
    {
        tables.push_back(std::make_unique<ScriptedTable>(name, plays, version));
        ScriptedTable& table = *tables.back();
        table.useSeatKey(key);
        table.connectTo(host.port());
        EXPECT_TRUE(waitFor([&] { return table.loggedIn(); })) << name << " did not log in";
        return table;
    }
    // Spins until every table has seen `prefix` at least `times` times.
    bool allSee(std::string_view prefix, int times = 1, int milliseconds = 5000)
    {
        return waitFor(
            [&] {
                for (const auto& t : tables)
                    if (!t->closed() && t->count(prefix) < times) return false;
                return true;
            },
            milliseconds);
    }

    QtServerHost host;
    bool listening = false;
    std::vector<std::unique_ptr<ScriptedTable>> tables;
};

} // namespace brixo::test
