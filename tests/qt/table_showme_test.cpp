// Show Me at the table window: the Turn menu's item lays the hint's tiles
// at a person's pace, each tile seen on its way, and a press on the board
// stops it. The stand-in server answers each tile laid as the game server
// does.
#include "tests/qt/tablefeed.h"
#include "tests/qt/waitfor.h"

#include "net/catalogue.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "net/receivequeue.h"
#include "table/qt/boardview.h"
#include "tests/tilecodes.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

using namespace brixo;
using namespace brixo::test;

namespace {

// A table at seat 1 whose turn it is, with a rack that lays two new sets;
// its server answers every tile laid with the tile shown and the rack
// slot freed.
struct ShowMeTable {
    TSockListener listener;
    std::unique_ptr<TSock> peer;
    TableFeed t;
    Tchat& table = *t.table;
    const std::map<int, int> rack{{1, red(10)}, {2, red(11)}, {3, red(12)},
                                  {4, green(7)}, {5, orange(7)}, {6, black(7)}};
    int laid = 0;

    ShowMeTable()
    {
        EXPECT_TRUE(listener.listen(0));
        qputenv("BRIXO_PORT", QByteArray::number(listener.port()));
        QObject::connect(&listener, &TSockListener::accepted, [this](TSock* s) {
            peer.reset(s);
            QObject::connect(s, &TSock::received, [this](const std::string& line) { answer(line); });
        });
        table.setServerSwitch([](QString*) { return true; });
        table.processparams();
        EXPECT_TRUE(waitFor([&] { return peer && peer->isConnected(); }));
        t.login(1);
        t.feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
        std::vector<RackItem> items;
        for (const auto& [slot, tile] : rack) items.push_back({slot, tile});
        t.feed(msg::yourtiles(1, items));
        t.feed(msg::nextplayer({1, 70, {}}));
    }
    ~ShowMeTable() { qunsetenv("BRIXO_PORT"); }

    void answer(const std::string& line)
    {
        const auto split = splitCommand(line);
        if (!split || split->command != "CMD_placemytile") return;
        const auto m = msg::parsePlacemytile(split->args);
        if (!m) return;
        ++laid;
        t.feed(msg::placehistile({1, rack.at(m->rackslot), m->col, m->row}));
        t.feed(msg::freecard(1, m->rackslot));
    }
};

} // namespace

TEST(TableShowMe, TheTurnMenuLaysTheHintATileAQuarterSecondAndAPressStopsIt)
{
    ShowMeTable s;
    Tchat& table = s.table;
    QAction* showMe = part<QAction>(table, "ShowMe1");
    ASSERT_NE(showMe, nullptr);
    EXPECT_EQ(showMe->shortcut(), QKeySequence(Qt::Key_M));
    EXPECT_TRUE(showMe->isEnabled());
    const QLabel* flying = part<QLabel>(table, "draggingimage");
    const QTimer* pace = part<QTimer>(table, "showmetimer");

    // Where the tile on its way is seen, every few milliseconds.
    std::set<std::pair<int, int>> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!flying->isHidden()) seen.insert({flying->x(), flying->y()});
    });
    watch.start(5);

    QElapsedTimer clock;
    clock.start();
    showMe->trigger();
    EXPECT_EQ(showMe->text(), QStringLiteral("Stop Show Me"));
    ASSERT_TRUE(waitFor([&] { return s.laid == 1; }));
    // Lifted, on its way and over its cell: more places than two.
    EXPECT_GT(seen.size(), 2u);

    // A press on the board stops it; the tile on its way goes back.
    ASSERT_TRUE(waitFor([&] { return table.mirror().showMeInHand().has_value(); }));
    const QPoint emptyCell(20 * 20 - 13, 12 * 30 - 18);
    QTest::mouseClick(part<BoardView>(table, "board"), Qt::LeftButton, Qt::NoModifier, emptyCell);
    EXPECT_FALSE(table.mirror().showingMe());
    EXPECT_TRUE(table.mirror().hand().empty());
    EXPECT_TRUE(flying->isHidden());
    EXPECT_FALSE(pace->isActive());
    EXPECT_EQ(showMe->text(), QStringLiteral("Show Me"));
    EXPECT_EQ(s.laid, 1);

    // Again: it lays the rest, about four tiles a second, and says so.
    clock.restart();
    showMe->trigger();
    ASSERT_TRUE(waitFor([&] { return !table.mirror().showingMe(); }));
    const qint64 took = clock.elapsed();
    EXPECT_EQ(s.laid, 6);
    EXPECT_GE(took, 4 * 200);
    EXPECT_LT(took, 4000);
    EXPECT_TRUE(table.chatText().contains(QStringLiteral("Show Me is done")));
    EXPECT_TRUE(table.mirror().shownBoardValid());
    EXPECT_EQ(table.mirror().board().tileCount(), 6);
}
