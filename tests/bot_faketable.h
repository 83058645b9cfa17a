// A stand-in for the server as the computer player sees it: its own board
// and racks, moves applied and refused as the server applies and refuses
// them (not the turn seat, an empty slot, an occupied cell, an empty
// source), every call recorded. It can also keep a turn snapshot and a
// turn log, so a test can play whole turns the way the server ends them.
#pragma once

#include "bot/bottable.h"
#include "bot/botmoves.h"
#include "model/gameoptions.h"
#include "model/playerrecord.h"
#include "model/pool.h"
#include "model/setrules.h"
#include "net/catalogue.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace brixo::test {

// Answers scripted values in order, then `fallback`; remembers every range
// it was asked for.
class ScriptedRandom final : public RandomSource {
public:
    int below(int n) override
    {
        asked.push_back(n);
        if (values.empty()) return fallback < n ? fallback : 0;
        const int v = values.front();
        values.pop_front();
        EXPECT_LT(v, n) << "scripted value out of range";
        return v < n ? v : 0;
    }
    // A stretch whose leftmost cell is (col, row): column 1 + Random(n), row 1 + Random(12).
    void stretchAt(int col, int row)
    {
        values.push_back(col - 1);
        values.push_back(row - 1);
    }
    // A relocation whose right end is x: x = Random(22 - w) + w + 1.
    void relocationAt(int x, int row, int width)
    {
        values.push_back(x - width - 1);
        values.push_back(row - 1);
    }

    std::deque<int> values;
    std::vector<int> asked;
    int fallback = 0;
};

class FakeBotTable final : public BotTable {
public:
    explicit FakeBotTable(RandomSource& random, int seat = 2) : currentseat(seat), m_random(random) {}

    const BoardGrid& grid() const override { return board; }
    const Rack& rack(Seat seat) const override
    {
        static const Rack none;
        return seat.valid() ? seats[std::size_t(seat.number())].rack : none;
    }
    int laiddown(Seat seat) const override { return seat.valid() ? seats[std::size_t(seat.number())].laiddown : 0; }
    RandomSource& random() override { return m_random; }

    void placemytile(std::string_view body) override
    {
        calls.push_back("placemytile " + std::string(body));
        const auto m = msg::parsePlacemytile(body);
        if (!m || refuse() || m->seat != currentseat || !BoardGrid::inside(m->col, m->row)) return;
        Rack& rack = seats.at(m->seat).rack;
        const int tile = rack.at(m->rackslot);
        if (tile == kNoTile || !board.isEmpty(m->col, m->row)) return;
        board.set(m->col, m->row, tile);
        rack.set(m->rackslot, kNoTile);
        turnlog.push_back({m->rackslot, tile});
        laid.push_back({m->col, m->row, tile});
    }

    void swaptiles(std::string_view body) override
    {
        calls.push_back("swaptiles " + std::string(body));
        const auto m = msg::parseSwaptilesRequest(body);
        if (!m || refuse() || m->seat != currentseat || !BoardGrid::inside(m->tocol, m->torow)) return;
        const int tile = board.at(m->fromcol, m->fromrow);
        if (tile == kNoTile || !board.isEmpty(m->tocol, m->torow)) return;
        board.set(m->tocol, m->torow, tile);
        board.set(m->fromcol, m->fromrow, kNoTile);
    }

    // As the server ends a turn: a turn that laid nothing, laid under 30
    // points before the seat's first lay-down, or left the board invalid is
    // taken back and the seat draws; otherwise the board is committed.
    void finish(std::string_view body) override
    {
        calls.push_back("finish " + std::string(body));
        const auto m = msg::parseSeatOnly(body);
        if (!m || m->seat != currentseat) return;
        TPlayerRecord& record = seats.at(m->seat);
        int points = 0;
        for (const RackItem& item : turnlog) points += tilevalue(item.tile);
        if (turnlog.empty() || (points < kFirstLayDown && record.laiddown == 0)) return undoAndDraw(record);
        if (!boardok(board)) {
            ++invalidFinishes;
            return undoAndDraw(record);
        }
        snapshot = board;
        record.laiddown += points;
        record.score += points;
        turnlog.clear();
    }

    void drawcard(std::string_view body) override
    {
        calls.push_back("drawcard " + std::string(body));
        const auto m = msg::parseSeatOnly(body);
        if (!m || m->seat != currentseat) return;
        if (!turnlog.empty()) ++drawsAfterLaying;
        undoAndDraw(seats.at(m->seat));
    }

    TPlayerRecord& seat(Seat seat) { return seats.at(std::size_t(seat.number())); }
    const TPlayerRecord& seat(Seat seat) const { return seats.at(std::size_t(seat.number())); }

    // Rack contents for a seat: {slot, tile} pairs.
    void give(Seat seat, std::initializer_list<std::pair<int, int>> items)
    {
        for (auto [slot, tile] : items) this->seat(seat).rack.set(slot, tile);
    }
    // Tiles along a row from a column on; 0 leaves a cell empty.
    void put(int col, int row, std::initializer_list<int> tiles)
    {
        for (int t : tiles) board.set(col++, row, t);
    }
    // A tile in every fifth column of rows 1 to 12, so no six cells in a row
    // are empty anywhere: every stretch search fails.
    void crowd(int filler)
    {
        for (int row = 1; row < BoardGrid::kRows; ++row)
            for (int col = 5; col < BoardGrid::kColumns; col += 5) board.set(col, row, filler);
    }
    int count(const std::string& prefix) const
    {
        int n = 0;
        for (const auto& c : calls) n += c.rfind(prefix, 0) == 0;
        return n;
    }

    int currentseat;
    // Moves the server accepts before it refuses every further one (-1: all).
    int acceptMoves = -1;

    BoardGrid board;
    BoardGrid snapshot;
    Pool pool;
    std::array<TPlayerRecord, 5> seats{};
    std::vector<std::string> calls;
    std::vector<Cell> laid;
    std::vector<RackItem> turnlog;
    int invalidFinishes = 0;
    int drawsAfterLaying = 0;

private:
    void undoAndDraw(TPlayerRecord& record)
    {
        board = snapshot;
        for (const RackItem& item : turnlog) record.rack.set(item.slot, item.tile);
        turnlog.clear();
        const int slot = record.rack.firstEmptySlot(59);
        if (slot != 0 && !pool.exhausted()) record.rack.set(slot, pool.take());
    }

    bool refuse()
    {
        if (acceptMoves < 0) return false;
        if (acceptMoves == 0) return true;
        --acceptMoves;
        return false;
    }

    RandomSource& m_random;
};

// The seat the computer plays in these tests.
inline constexpr Seat kBotSeat{2};

// The tiles of a row from one column to another.
inline std::vector<int> rowTiles(const BoardGrid& grid, int row, int from, int to)
{
    std::vector<int> tiles;
    for (int col = from; col <= to; ++col) tiles.push_back(grid.at(col, row));
    return tiles;
}

} // namespace brixo::test
