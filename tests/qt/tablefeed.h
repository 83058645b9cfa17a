// Feeds server messages to a table window as its connection would, and
// records the sounds it asks for.
#pragma once

#include "commandline.h"
#include "table/qt/cardimage.h"
#include "table/qt/chatform.h"
#include "table/qt/soundplayer.h"

#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// A failed expectation on a text shows the text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A part of a window, found by its name as the game names it.
template <class T>
T* part(const QObject& window, const std::string& name)
{
    T* found = window.findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(found, nullptr) << "no part named " << name;
    return found;
}

struct TableFeed {
    std::unique_ptr<Tchat> table = std::make_unique<Tchat>();
    QStringList sounds;

    TableFeed()
    {
        QObject::connect(table->sounds(), &SoundPlayer::played, [this](const QString& name) { sounds << name; });
    }

    // One whole frame as the catalogue builds it; the terminator is cut
    // off as the connection does.
    void feed(std::string frame)
    {
        if (!frame.empty() && frame.back() == '\xFF') frame.pop_back();
        table->receiveLine(frame);
        table->processsocktimer();
    }

    // Logged in at a slot, with the table's own arrival announced.
    void login(int slot, const std::string& name = "You");

    template <class T>
    T* find(const char* name) const
    {
        return table->findChild<T*>(QString::fromLatin1(name));
    }
};

// What the table does with these words on its command line.
inline brixo::TableLaunch launchOf(const std::vector<std::string_view>& words)
{
    return brixo::parseCommandLine(words, brixo::kGamePort).table;
}

// Sends a chat line from a connected table and waits until the server's
// relay of it comes back: the server has handled whatever the table sent
// before, and whatever it sent the table before has arrived.
bool chatRoundTrip(Tchat& table, const QString& words);

// Rack slots in place order, places 1..n.
inline std::vector<int> rackOrder(const Tchat& table)
{
    std::vector<int> order;
    const brixo::RackPositions& places = table.mirror().rackPositions();
    for (int p = 1; p <= brixo::RackPositions::kPositions && !places.isFree(p); ++p)
        order.push_back(places.slotAt(p).number());
    return order;
}

// The rack the table shows, as tile codes in place order: the pictures on
// screen, not the mirror behind them.
inline std::vector<int> shownRack(const Tchat& table)
{
    std::vector<int> tiles;
    for (int slot : rackOrder(table))
        if (const CardImage* card = table.card(slot); card && !card->isHidden()) tiles.push_back(card->tile());
    return tiles;
}
