// A scripted table for driving a real server over TCP: it logs in when
// asked, records every line, mirrors the board and its own rack, and, when
// told to play, takes its turns by laying the runs and groups it can find
// in its rack or else drawing.
#pragma once

#include "model/boardgrid.h"
#include "model/rack.h"
#include "net/catalogue.h"
#include "net/qt/tsock.h"
#include "net/receivequeue.h"
#include "server/qt/qtserverhost.h"
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
        QObject::connect(&m_sock, &TSock::received, [this](const std::string& line) { onLine(line); });
        QObject::connect(&m_sock, &TSock::closed, [this] { m_closed = true; });
    }

    void connectTo(quint16 port) { m_sock.open(QStringLiteral("127.0.0.1"), port); }
    bool loggedIn() const { return m_slot != 0 && count("CMD_newplayerinfo+" + std::to_string(m_slot) + "+") > 0; }
    void send(const std::string& frame) { m_sock.send(frame); }
    void close() { m_sock.close(); }

    int slot() const { return m_slot; }
    bool closed() const { return m_closed; }
    const std::vector<std::string>& lines() const { return m_lines; }
    const BoardGrid& board() const { return m_board; }
    const Rack& rack() const { return m_rack; }
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
        if (command == "CMD_sendlogininfo") {
            m_slot = msg::parseSendlogininfo(a).value_or(0);
            send(msg::logininfo(m_slot, m_version, m_name));
        } else if (command == "CMD_startround") {
            m_board.clear();
            m_rack.clear();
            m_laidDown = false;
        } else if (command == "CMD_yourtiles") {
            if (const auto m = msg::parseYourtiles(a); m && m->seat == m_slot)
                for (const RackItem& item : m->items) m_rack.set(item.slot, item.tile);
        } else if (command == "CMD_freecard") {
            if (const auto m = msg::parseFreecard(a); m && m->seat == m_slot) m_rack.set(m->rackslot, kNoTile);
        } else if (command == "CMD_placehistile") {
            if (const auto m = msg::parsePlacehistile(a)) m_board.set(m->col, m->row, m->tile);
        } else if (command == "CMD_swaptiles") {
            if (const auto m = msg::parseSwaptilesNotice(a)) {
                m_board.set(m->fromcol, m->fromrow, kNoTile);
                m_board.set(m->tocol, m->torow, m->tile);
            }
        } else if (command == "CMD_removetile") {
            if (const auto m = msg::parseRemovetile(a)) m_board.set(m->col, m->row, kNoTile);
        } else if (command == "CMD_undothem" || command == "CMD_loadboard") {
            if (const auto m = msg::parseNumberCells(a))
                for (const Cell& c : m->cells) m_board.set(c.col, c.row, c.tile);
        } else if (command == "CMD_movedtiles") {
            if (const auto m = msg::parseMovedtiles(a); m && m->seat == m_slot) m_laidDown = true;
        } else if (command == "CMD_endround") {
            if (const auto m = msg::parseEndround(a)) m_rounds.push_back(*m);
        } else if (command == "CMD_winner") {
            m_winner = msg::parseWinner(a);
        } else if (m_plays && command == "CMD_nextplayer") {
            if (const auto m = msg::parseNextplayer(a); m && m->turnseat == m_slot) playTurn();
        } else if (m_plays && (command == "CMD_notenough" || command == "CMD_incomplete")) {
            send(msg::drawcard(m_slot));
        } else if (m_plays && command == "CMD_askpenalty") {
            send(msg::clickyes(m_slot));
        }
    }

    // Lays every run and group it can find (a first lay-down only when it
    // reaches 30 points), then finishes; draws when there is nothing to lay.
    void playTurn()
    {
        ++m_turns;
        const std::vector<std::vector<int>> sets = findSets();
        int value = 0;
        for (const auto& set : sets)
            for (int slot : set) value += tilevalue(m_rack.at(slot));
        if (sets.empty() || (!m_laidDown && value < 30)) {
            send(msg::drawcard(m_slot));
            return;
        }
        BoardGrid scratch = m_board;
        bool laid = false;
        for (const auto& set : sets) {
            const int len = int(set.size());
            for (int row = 1; row < BoardGrid::kRows && !placeIn(scratch, set, row, len, laid); ++row) {
            }
        }
        send(laid ? msg::finish(m_slot) : msg::drawcard(m_slot));
    }

    bool placeIn(BoardGrid& scratch, const std::vector<int>& set, int row, int len, bool& laid)
    {
        for (int col = 1; col + len - 1 < BoardGrid::kColumns; ++col) {
            bool free = scratch.isEmpty(col - 1, row) && scratch.isEmpty(col + len, row);
            for (int i = 0; i < len && free; ++i) free = scratch.isEmpty(col + i, row);
            if (!free) continue;
            for (int i = 0; i < len; ++i) {
                scratch.set(col + i, row, m_rack.at(set[i]));
                send(msg::placemytile({m_slot, set[i], col + i, row}));
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
            const int t = m_rack.at(s);
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
    int m_slot = 0;
    bool m_closed = false;
    std::vector<std::string> m_lines;
    BoardGrid m_board;
    Rack m_rack;
    bool m_laidDown = false;
    std::string m_winner;
    std::vector<msg::EndRound> m_rounds;
    int m_turns = 0;
};

// A server listening on a free port with computer turns at once, and the
// tables connected to it.
struct LoopbackGame {
    explicit LoopbackGame(std::uint64_t seed = 1) : host(seed, nullptr)
    {
        host.setBotSpeedSource([] { return 0; });
        listening = host.listen(0);
    }
    // Connects a table and waits until it is logged in.
    ScriptedTable& join(const std::string& name, bool plays = false, const std::string& version = "1.0.8")
    {
        tables.push_back(std::make_unique<ScriptedTable>(name, plays, version));
        ScriptedTable& table = *tables.back();
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
