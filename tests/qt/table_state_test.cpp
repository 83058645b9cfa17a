// What a player sees as the server announces seats, games, rounds and turns.
#include "tests/qt/tablefeed.h"

#include "dialogs/spylistform.h"
#include "net/catalogue.h"
#include "table/blinksign.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace brixo;

namespace {

QString caption(const TableFeed& t, const char* name)
{
    const QLabel* label = t.find<QLabel>(name);
    return label ? label->text() : QStringLiteral("<missing>");
}

bool shown(const TableFeed& t, const char* name)
{
    const QWidget* w = t.find<QWidget>(name);
    return w && !w->isHidden();
}

msg::StartGame options(int playto, int secs, bool penalty, bool team, int tiles = 14)
{
    return msg::StartGame{"You", playto, secs, penalty ? "t" : "f", team ? "t" : "f", tiles};
}

} // namespace

TEST(TableSeats, OwnLoginComesFirstThenThePlayersAlreadyThere)
{
    TableFeed t;
    t.feed(msg::sendlogininfo(3));
    EXPECT_EQ(t.table->mySeat(), 3);
    EXPECT_TRUE(t.table->loggedIn());
    t.feed(msg::newplayerinfo(3, "Ann"));
    t.feed(msg::existingplayers(1, "Bob"));
    t.feed(msg::existingplayers(2, "Cy"));
    const QString chat = t.table->chatText();
    EXPECT_LT(chat.indexOf("You are Connected."), chat.indexOf("Bob is Connected."));
    EXPECT_LT(chat.indexOf("Bob is Connected."), chat.indexOf("Cy is Connected."));
    EXPECT_EQ(caption(t, "label_playername1"), "Bob");
    EXPECT_EQ(caption(t, "label_playername2"), "Cy");
    EXPECT_EQ(caption(t, "label_playername3"), "Ann");
    EXPECT_EQ(caption(t, "label_playername4"), "<Waiting>");
    EXPECT_EQ(t.sounds, QStringList({"entered", "entered", "entered"}));
}

TEST(TableSeats, SpectatorsGoToTheSpyListAndLeaveIt)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::newplayerinfo(6, "Eve"));
    EXPECT_EQ(t.table->spylist()->entries(), QStringList({"6: Eve"}));
    EXPECT_TRUE(t.table->chatText().contains("Eve is spying."));
    for (int seat = 2; seat <= 4; ++seat)
        EXPECT_EQ(caption(t, ("label_playername" + std::to_string(seat)).c_str()), "<Waiting>");

    // An entry that is not in the list is neither removed nor announced.
    t.feed(msg::playerdisconnected(7, "Eve"));
    EXPECT_FALSE(t.table->chatText().contains("Eve has left."));
    t.feed(msg::playerdisconnected(6, "Eve"));
    EXPECT_TRUE(t.table->spylist()->entries().isEmpty());
    EXPECT_TRUE(t.table->chatText().contains("Eve has left."));
}

TEST(TableSeats, OwnSpectatorLoginSaysYouAreSpying)
{
    TableFeed t;
    t.login(5, "Zed");
    EXPECT_TRUE(t.table->chatText().contains("You are spying."));
    EXPECT_EQ(t.table->spylist()->entries(), QStringList({"5: Zed"}));
}

TEST(TableSeats, LeaversAreReplacedByComputerNamesWhereTheComputerPlays)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::newplayerinfo(2, "Cy"));
    t.feed(msg::newplayerinfo(3, "Di"));
    t.feed(msg::newplayerinfo(4, "Al"));
    t.feed(msg::justwatching(3, "1"));
    EXPECT_TRUE(shown(t, "image_eyes3"));
    t.feed(msg::playerdisconnected(2, "Cy"));
    t.feed(msg::playerdisconnected(3, "Di"));
    EXPECT_EQ(caption(t, "label_playername2"), "Klot");
    EXPECT_EQ(caption(t, "label_playername3"), "<Waiting>");
    EXPECT_FALSE(shown(t, "image_eyes3"));
    EXPECT_TRUE(t.table->chatText().contains("Cy disconnected."));
    EXPECT_TRUE(t.table->chatText().contains("Di disconnected."));

    t.feed(msg::startgame(options(500, 60, true, true)));
    t.feed(msg::playerdisconnected(4, "Al"));
    EXPECT_EQ(caption(t, "label_playername4"), "Kling");
    EXPECT_EQ(caption(t, "label_playername3"), "Klock");
    // A seat already waiting is not announced again.
    const int before = t.table->chatText().count("disconnected.");
    t.feed(msg::playerdisconnected(3, ""));
    EXPECT_EQ(t.table->chatText().count("disconnected."), before + 1); // "Klock disconnected."
}

TEST(TableSeats, JustWatchingTicksTheMenuOnlyForTheOwnSeat)
{
    TableFeed t;
    t.login(2, "Cy");
    t.feed(msg::justwatching(1, "1"));
    EXPECT_FALSE(t.table->JustWatch1->isChecked());
    t.feed(msg::justwatching(2, "1"));
    EXPECT_TRUE(t.table->JustWatch1->isChecked());
    EXPECT_TRUE(shown(t, "image_eyes2"));
    EXPECT_TRUE(t.table->chatText().contains("Cy is just watching"));
    t.feed(msg::justwatching(2, "2"));
    EXPECT_FALSE(t.table->JustWatch1->isChecked());
    EXPECT_FALSE(shown(t, "image_eyes2"));
    EXPECT_TRUE(t.table->chatText().contains("Cy is now playing again"));
    const int lines = t.table->chatText().count("just watching");
    t.feed(msg::justwatching(7, "1")); // no such seat: nothing
    EXPECT_EQ(t.table->chatText().count("just watching"), lines);
}

TEST(TableGame, StartShowsTheOptionsAndResetsTheTable)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::yourtiles(1, {{1, 5}, {2, 6}}));
    t.feed(msg::placehistile({1, 7, 3, 3}));
    t.table->findChild<QFrame*>("panel_winner")->show();

    t.feed(msg::startgame(options(300, 65, true, false, 20)));
    EXPECT_EQ(caption(t, "label_playtoscore"), "Play To Score: 300");
    EXPECT_EQ(caption(t, "label_timeperturn"), "Time Per Turn: 1:05");
    EXPECT_EQ(caption(t, "label_tp"), "Time Penalty: ON");
    EXPECT_EQ(caption(t, "label_Tg"), "Good Luck");
    EXPECT_FALSE(shown(t, "image_Tg"));
    EXPECT_FALSE(shown(t, "panel_winner"));
    EXPECT_FALSE(shown(t, "button_start"));
    EXPECT_EQ(caption(t, "label_playername2"), "Klot");
    EXPECT_EQ(caption(t, "label_playername3"), "<Waiting>");
    EXPECT_TRUE(t.table->chatText().contains("You has started a game."));
    EXPECT_TRUE(t.table->chatText().contains("Starting with 20 tiles."));
    EXPECT_FALSE(t.table->grid().hasAnyTile());
    EXPECT_EQ(t.table->rackPositions().count(), 0);
    EXPECT_EQ(t.table->card(1), nullptr);

    t.feed(msg::startgame(options(1500, 120, false, true)));
    EXPECT_EQ(caption(t, "label_timeperturn"), "Time Per Turn: 2:00");
    EXPECT_EQ(caption(t, "label_tp"), "Time Penalty: OFF");
    EXPECT_EQ(caption(t, "label_Tg"), "Team Game");
    EXPECT_TRUE(shown(t, "image_Tg"));
    EXPECT_EQ(caption(t, "label_playername3"), "Klock");
    EXPECT_EQ(caption(t, "label_playername4"), "Kling");
    // A later single game gives the computer names of seats 3 and 4 back.
    t.feed(msg::startgame(options(500, 60, true, false)));
    EXPECT_EQ(caption(t, "label_playername3"), "<Waiting>");
    EXPECT_EQ(caption(t, "label_playername4"), "<Waiting>");
}

TEST(TableGame, RoundStartSetsScoresAndSitOutMarks)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::newplayerinfo(3, "Di"));
    t.feed(msg::startgame(options(500, 60, true, false)));
    t.feed(msg::startround({12, -4, 30, 0}));
    EXPECT_EQ(caption(t, "label_score1"), "12");
    EXPECT_EQ(caption(t, "label_score2"), "-4");
    EXPECT_EQ(caption(t, "label_score3"), "30");
    EXPECT_FALSE(shown(t, "image_sitout3"));
    EXPECT_TRUE(shown(t, "image_sitout4"));
}

TEST(TableGame, LateJoinerSeesTheOptionsInPlainSecondsAndItsSitOut)
{
    TableFeed t;
    t.login(4, "Al");
    msg::LoadStats stats{4, 2, 700, 120, false, true, {}};
    stats.seats = {{1, 40, 9, false, false}, {2, 12, 11, true, false}, {3, 0, 14, false, false}, {4, 0, 0, false, true}};
    t.feed(msg::loadstats(stats));
    EXPECT_EQ(t.table->turnSeat(), 2);
    EXPECT_EQ(caption(t, "label_playtoscore"), "Play To Score: 700");
    EXPECT_EQ(caption(t, "label_timeperturn"), "Time Per Turn: 120");
    EXPECT_EQ(caption(t, "label_tp"), "Time Penalty: OFF");
    EXPECT_EQ(caption(t, "label_Tg"), "Team Game");
    EXPECT_EQ(caption(t, "label_score1"), "40");
    EXPECT_EQ(caption(t, "label_cards2"), "11");
    EXPECT_TRUE(shown(t, "image_eyes2"));
    EXPECT_TRUE(shown(t, "image_sitout4"));
    EXPECT_TRUE(shown(t, "label_sitout"));
    // Team game on a late joiner's table does not bring computer names.
    EXPECT_EQ(caption(t, "label_playername3"), "<Waiting>");
}

TEST(TableTurns, YourTurnGoesBySeatNotByName)
{
    // Two players called "Sam": only the one whose seat has the turn is
    // offered it.
    TableFeed t;
    t.login(2, "Sam");
    t.feed(msg::existingplayers(1, "Sam"));
    t.feed(msg::startgame(options(500, 60, true, false)));
    t.sounds.clear();
    t.feed(msg::nextplayer({1, 78, {{1, 0, 14}, {2, 0, 14}}}));
    EXPECT_EQ(caption(t, "label_status"), "Sam's turn.");
    EXPECT_FALSE(shown(t, "button_draw"));
    EXPECT_FALSE(t.find<QPushButton>("button_pause")->isEnabled());
    EXPECT_TRUE(t.sounds.isEmpty());

    t.feed(msg::nextplayer({2, 77, {{1, 0, 15}, {2, 0, 14}}}));
    EXPECT_EQ(caption(t, "label_status"), "Your Turn.");
    EXPECT_TRUE(shown(t, "button_draw"));
    EXPECT_FALSE(shown(t, "button_finish"));
    EXPECT_TRUE(shown(t, "animated_incomplete"));
    EXPECT_FALSE(t.find<BlinkSign>("animated_incomplete")->isPlaying());
    EXPECT_TRUE(t.find<QPushButton>("button_pause")->isEnabled());
    EXPECT_EQ(caption(t, "label_cards1"), "15");
    EXPECT_EQ(caption(t, "label_tilesleft"), "Tile's Left: 77");
    EXPECT_EQ(t.sounds, QStringList({"turn"}));
    EXPECT_EQ(t.table->secondsLeft(), 60);
    EXPECT_TRUE(t.table->turntime->isActive());
    EXPECT_TRUE(t.table->logText().contains("Your Turn."));

    // The "New" turn sound.
    t.table->New1->trigger();
    t.feed(msg::nextplayer({2, -1, {}}));
    EXPECT_EQ(t.sounds.last(), "turnnew");
    EXPECT_EQ(caption(t, "label_tilesleft"), "Tile's Left: 0");
}

TEST(TableTurns, TheTurnMarkerStandsBesideTheTurnSeat)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::nextplayer({3, 70, {}}));
    const QLabel* marker = t.find<QLabel>("image_Turn");
    const QLabel* name = t.find<QLabel>("label_playername3");
    EXPECT_TRUE(shown(t, "image_Turn"));
    EXPECT_NEAR(marker->geometry().center().y(), name->geometry().center().y(), 2);
}

TEST(TableTurns, TheClockCountsDownAndGivesUpAfterASilentServer)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::startgame(options(500, 60, true, false)));
    t.feed(msg::nextplayer({1, 70, {}}));
    t.sounds.clear();
    t.table->turntimeTimer();
    EXPECT_EQ(caption(t, "label_timer"), "Time: 0:59");
    EXPECT_EQ(t.find<QFrame>("image_timer")->width(), 3 * 59);
    for (int i = 0; i < 58; ++i) t.table->turntimeTimer();
    EXPECT_EQ(caption(t, "label_timer"), "Time: 0:01");
    EXPECT_EQ(t.sounds.count("time"), 12); // 20, 15, and 10 down to 1
    t.table->turntimeTimer();
    EXPECT_EQ(caption(t, "label_timer"), "Time: 0:00");
    EXPECT_EQ(t.table->turnSeat(), 1);
    t.table->turntimeTimer();
    t.table->turntimeTimer();
    t.table->turntimeTimer();
    EXPECT_EQ(t.table->turnSeat(), 0);
    EXPECT_FALSE(shown(t, "button_draw"));
}

TEST(TableTurns, PauseCoversTheBoardAndStopsTheClock)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::nextplayer({1, 70, {}}));
    t.feed(msg::gamepause(1));
    EXPECT_TRUE(t.find<QPushButton>("button_pause")->isChecked());
    EXPECT_TRUE(shown(t, "image_pause"));
    EXPECT_TRUE(shown(t, "image_cover"));
    EXPECT_FALSE(t.table->turntime->isActive());
    t.feed(msg::gamepause(0));
    EXPECT_FALSE(t.find<QPushButton>("button_pause")->isChecked());
    EXPECT_FALSE(shown(t, "image_pause"));
    EXPECT_TRUE(t.table->turntime->isActive());
}

TEST(TableTurns, RefusedFinishesShowTheirPanelsOnlyToTheirSeat)
{
    TableFeed t;
    t.login(2, "Cy");
    t.feed(msg::nextplayer({2, 70, {}}));
    t.sounds.clear();

    t.feed(msg::notenough(1));
    EXPECT_FALSE(shown(t, "panel_laydown"));
    t.feed(msg::notenough(2));
    EXPECT_EQ(caption(t, "label_status"), "Your first lay down must equal at least 30 points");
    EXPECT_TRUE(shown(t, "panel_laydown"));
    EXPECT_TRUE(shown(t, "button_finish"));
    EXPECT_TRUE(shown(t, "button_clear"));

    t.feed(msg::askpenalty(2));
    EXPECT_TRUE(shown(t, "panel_penalty"));
    EXPECT_FALSE(shown(t, "button_finish"));
    EXPECT_FALSE(shown(t, "button_clear"));
    EXPECT_FALSE(shown(t, "button_draw"));

    t.feed(msg::incomplete(2));
    EXPECT_EQ(caption(t, "label_status"), "Board is incomplete.");
    EXPECT_TRUE(t.table->logText().contains("Board is incomplete."));
    EXPECT_EQ(t.sounds, QStringList({"notvalid", "notvalid", "notvalid"}));
}

TEST(TableTurns, RunningOutOfTimeIsToldAndLogged)
{
    TableFeed t;
    t.login(2, "Cy");
    t.feed(msg::existingplayers(1, "Bob"));
    t.feed(msg::notime(1));
    t.feed(msg::notime(2));
    EXPECT_TRUE(t.table->chatText().contains("Bob has ran out of time."));
    EXPECT_TRUE(t.table->chatText().contains("You have run out of time!."));
    EXPECT_TRUE(t.table->logText().contains("Bob has ran out of time."));
}

TEST(TableRounds, RoundEndShowsResultsAndWhoWentOut)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::startgame(options(500, 60, true, false)));
    t.feed(msg::nextplayer({1, 70, {}}));
    t.sounds.clear();
    t.feed(msg::endround({2, {{1, -20, -20, 5}, {2, 45, 20, 0}}}));
    EXPECT_EQ(caption(t, "label_status"), "Klot is out of tiles! The Round is Over.");
    EXPECT_EQ(caption(t, "label_score1"), "-20");
    EXPECT_EQ(caption(t, "label_bonus2"), "20");
    EXPECT_EQ(caption(t, "label_cards1"), "5");
    EXPECT_EQ(t.table->turnSeat(), 0);
    EXPECT_FALSE(shown(t, "button_draw"));
    EXPECT_EQ(t.sounds, QStringList({"roundover"}));

    t.feed(msg::endround({1, {}}));
    EXPECT_EQ(caption(t, "label_status"), " You are out of tiles! The Round is Over.");
    t.feed(msg::endround({0, {}}));
    EXPECT_EQ(caption(t, "label_status"), "The Round Ended in a Draw.");
}

TEST(TableRounds, TheWinnerPanelAndTheHostsNextStart)
{
    TableFeed joiner;
    joiner.login(2, "Cy");
    joiner.feed(msg::winner("You"));
    EXPECT_TRUE(shown(joiner, "panel_winner"));
    EXPECT_EQ(caption(joiner, "label_winner1"), "You have won the game!");
    EXPECT_EQ(caption(joiner, "label_winner2"), "You have won the game!");
    EXPECT_FALSE(shown(joiner, "button_start"));
    EXPECT_EQ(joiner.sounds, QStringList({"winner"}));

    TableFeed host;
    host.table->setServerSwitch([](QString*) { return true; });
    host.table->hostpress();
    host.login(1);
    host.feed(msg::startgame(options(500, 60, true, false)));
    EXPECT_FALSE(shown(host, "button_start"));
    host.feed(msg::winner("The Brown Team"));
    EXPECT_EQ(caption(host, "label_winner1"), "The Brown Team has Won the Game!");
    EXPECT_TRUE(host.table->chatText().contains("The Brown Team has Won the Game!"));
    EXPECT_TRUE(shown(host, "button_start"));
}

TEST(TableDispatch, MalformedAndUnknownMessagesChangeNothing)
{
    TableFeed t;
    t.login(1);
    const QString before = t.table->chatText();
    for (const char* line : {"", "nonsense", "CMD_bogus+1+2", "CMD_nextplayer+x+3", "CMD_startround+1+2",
                             "CMD_newplayerinfo+", "CMD_loadstats+1+2+3", "CMD_endround+q",
                             "CMD_justwatching+9+1", "CMD_yourtiles+1+3;4"}) {
        t.table->receiveLine(line);
    }
    t.table->processsocktimer();
    EXPECT_EQ(t.table->chatText(), before);
    EXPECT_TRUE(t.find<QLabel>("label_status")->text().isEmpty());
    EXPECT_EQ(t.table->rackPositions().count(), 0);
    EXPECT_FALSE(shown(t, "image_Turn"));
    EXPECT_TRUE(t.sounds.isEmpty());
}

TEST(TableDispatch, PlainNoticesGoToTheChatInTheNoticeColour)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::havewrongversion("Bob"));
    t.feed(msg::wrongversion());
    t.feed(msg::nomoreroom());
    t.feed(msg::nomoretiles());
    const QString chat = t.table->chatText();
    EXPECT_TRUE(chat.contains("Bob has a different version of the game then you."));
    EXPECT_TRUE(chat.contains("You have a differnt version of the game then the host."));
    EXPECT_TRUE(chat.contains("You cannot hold anymore tiles"));
    EXPECT_TRUE(chat.contains("There are no tiles left"));
    const QString html = t.table->mainchat->toHtml();
    EXPECT_TRUE(html.contains("color:#008000"));
}

TEST(TableDispatch, RelayedChatKeepsItsColourAndBoldsTheSpeaker)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::chatRelay("Bob", "hi all|clBlue"));
    t.feed(msg::chatRelay("Eve", "no colour here"));
    EXPECT_TRUE(t.table->chatText().contains("Bob chats: hi all"));
    const QString html = t.table->mainchat->toHtml();
    EXPECT_TRUE(html.contains("color:#0000ff"));
    EXPECT_TRUE(html.contains("color:#ff0000")); // no colour given: red
    EXPECT_TRUE(html.contains("font-weight:700"));
}
