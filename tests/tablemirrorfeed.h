// Feeds a table's state server messages and presses, and gathers what they
// made the table send, play and say.
#pragma once

#include "net/catalogue.h"
#include "table/tablemirror.h"

#include <string>
#include <vector>

namespace brixo::test {

struct MirrorFeed {
    TableMirror t;
    std::vector<std::string> sent;    // frames, terminator included
    std::vector<std::string> sounds;
    std::vector<std::string> notices;

    void take(const TableUpdate& u)
    {
        sent.insert(sent.end(), u.sends.begin(), u.sends.end());
        sounds.insert(sounds.end(), u.sounds.begin(), u.sounds.end());
        notices.insert(notices.end(), u.notices.begin(), u.notices.end());
    }
    // One whole frame as the catalogue builds it.
    void feed(std::string frame)
    {
        if (!frame.empty() && frame.back() == '\xFF') frame.pop_back();
        take(t.receive(frame));
    }
    // Logged in at a slot, with the table's own arrival announced; what
    // that took is forgotten.
    void login(int slot, const std::string& name = "You", bool host = false)
    {
        if (host) t.beginHosting(name);
        else t.beginJoining(name);
        feed(msg::sendlogininfo(slot));
        feed(msg::newplayerinfo(slot, name));
        forget();
    }
    void forget()
    {
        sent.clear();
        sounds.clear();
        notices.clear();
    }
    bool said(const std::string& line) const
    {
        for (const std::string& n : notices)
            if (n == line) return true;
        return false;
    }
    bool logged(const std::string& line) const
    {
        for (const std::string& l : t.log())
            if (l == line) return true;
        return false;
    }
    // Tile codes in rack place order, hidden ones included.
    std::vector<int> rackTiles() const
    {
        std::vector<int> tiles;
        for (int p = 1; p <= RackPositions::kPositions && !t.rackPositions().isFree(p); ++p)
            tiles.push_back(t.rack().at(t.rackPositions().slotAt(p)).code());
        return tiles;
    }
    std::vector<int> rackSlots() const
    {
        std::vector<int> slots;
        for (int p = 1; p <= RackPositions::kPositions && !t.rackPositions().isFree(p); ++p)
            slots.push_back(t.rackPositions().slotAt(p).number());
        return slots;
    }

    // Presses.
    void board(int col, int row, Press press = Press::Left) { take(t.pressBoard(press, {col, row})); }
    // A left press on the tile at the cell, nearer the given side of it.
    void onto(int col, int row, setinsertion::Side side) { take(t.pressBoard(Press::Left, {col, row}, side)); }
    void card(int slot, placerules::Completion how = placerules::Completion::None, Press press = Press::Left)
    {
        take(t.pressRackTile(RackSlot(slot), press, how));
    }
    // A game of 60-second turns with this rack, and this table's turn.
    void myTurn(const std::vector<RackItem>& rack)
    {
        feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
        feed(msg::yourtiles(t.mySeat().number(), rack));
        feed(msg::nextplayer({t.mySeat().number(), 70, {}}));
        forget();
    }
};

} // namespace brixo::test
