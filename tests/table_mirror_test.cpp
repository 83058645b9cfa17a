// What a table knows as the server announces seats, games, rounds, turns,
// the board and its rack.
#include "tests/tablemirrorfeed.h"
#include "net/lobbymessages.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <limits>

using namespace brixo;
using namespace brixo::test;

namespace {

std::vector<int> numbersOf(const std::vector<Tile>& tiles)
{
    std::vector<int> codes;
    for (const Tile tile : tiles) codes.push_back(tile.code());
    return codes;
}

msg::StartGame options(int playto, int secs, bool penalty, bool team, int tiles = 14)
{
    return msg::StartGame{"You", playto, secs, penalty ? "t" : "f", team ? "t" : "f", tiles};
}

} // namespace

// ---- seats ----------------------------------------------------------------------

TEST(MirrorSeats, OwnLoginComesFirstThenThePlayersAlreadyThere)
{
    MirrorFeed f;
    f.t.beginJoining("Ann");
    f.feed(msg::sendlogininfo(3));
    EXPECT_EQ(f.t.mySeat().number(), 3);
    EXPECT_EQ(f.sent, std::vector<std::string>{msg::logininfo(3, msg::kVersion, "Ann")});
    f.feed(msg::newplayerinfo(3, "Ann"));
    f.feed(msg::existingplayers(1, "Bob"));
    EXPECT_EQ(f.notices, (std::vector<std::string>{"You are Connected.", "Bob is Connected."}));
    EXPECT_EQ(f.t.seatName(Seat(1)), "Bob");
    EXPECT_EQ(f.t.seatName(Seat(3)), "Ann");
    EXPECT_EQ(f.t.seatName(Seat(4)), "<Waiting>");
    EXPECT_EQ(f.sounds, (std::vector<std::string>{"entered", "entered"}));
}

TEST(MirrorSeats, SpectatorsComeAndGoWithoutTouchingTheSeats)
{
    MirrorFeed f;
    f.login(5, "Zed");
    EXPECT_EQ(f.t.spectators(), (std::vector<Spectator>{{Slot(5), "Zed"}}));
    f.feed(msg::newplayerinfo(6, "Eve"));
    EXPECT_TRUE(f.said("Eve is spying."));
    EXPECT_EQ(f.t.seatName(Seat(2)), "<Waiting>");
    // An entry that is not in the list is neither removed nor announced.
    f.feed(msg::playerdisconnected(7, "Eve"));
    EXPECT_FALSE(f.said("Eve has left."));
    f.feed(msg::playerdisconnected(6, "Eve"));
    EXPECT_TRUE(f.said("Eve has left."));
    EXPECT_EQ(f.t.spectators().size(), 1u);
}

TEST(MirrorSeats, LeaversAreReplacedByTheComputerWhereItPlays)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::newplayerinfo(2, "Cy"));
    f.feed(msg::newplayerinfo(3, "Di"));
    f.feed(msg::newplayerinfo(4, "Al"));
    f.feed(msg::justwatching(3, "1"));
    EXPECT_TRUE(f.t.seat(Seat(3)).watching);
    f.feed(msg::playerdisconnected(2, "Cy"));
    f.feed(msg::playerdisconnected(3, "Di"));
    EXPECT_EQ(f.t.seatName(Seat(2)), "Klot");
    EXPECT_EQ(f.t.seatName(Seat(3)), "<Waiting>");
    EXPECT_FALSE(f.t.seat(Seat(3)).watching);
    EXPECT_TRUE(f.said("Di disconnected."));

    f.feed(msg::startgame(options(500, 60, true, true)));
    f.feed(msg::playerdisconnected(4, "Al"));
    EXPECT_EQ(f.t.seatName(Seat(3)), "Klock");
    EXPECT_EQ(f.t.seatName(Seat(4)), "Kling");
    // Seat 1 has no computer name: it waits.
    f.feed(msg::playerdisconnected(1, "You"));
    EXPECT_EQ(f.t.seatName(Seat(1)), "<Waiting>");
}

TEST(MirrorSeats, APersonNamedLikeAComputerPlayerKeepsTheSeat)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::newplayerinfo(3, "Klock"));
    f.feed(msg::startgame(options(500, 60, true, false)));
    f.feed(msg::startround({0, 0, 0, 0}));
    EXPECT_EQ(f.t.seatName(Seat(3)), "Klock");
    EXPECT_FALSE(f.t.seat(Seat(3)).sittingOut);
    EXPECT_TRUE(f.t.seat(Seat(4)).sittingOut);
}

TEST(MirrorSeats, JustWatchingMarksTheSeatAndOnlyTheOwnOneAsksAgain)
{
    MirrorFeed f;
    f.login(2, "Cy");
    f.feed(msg::justwatching(2, "1"));
    EXPECT_TRUE(f.t.seat(Seat(2)).watching);
    EXPECT_TRUE(f.said("Cy is just watching"));
    f.take(f.t.toggleJustWatch());
    f.feed(msg::justwatching(2, "2"));
    EXPECT_FALSE(f.t.seat(Seat(2)).watching);
    EXPECT_TRUE(f.said("Cy is now playing again"));
    f.take(f.t.toggleJustWatch());
    EXPECT_EQ(f.sent, (std::vector<std::string>{msg::justwatch(2, "2"), msg::justwatch(2, "1")}));
    f.feed(msg::justwatching(7, "1")); // no such seat
    EXPECT_EQ(f.notices.size(), 2u);
}

TEST(MirrorSeats, OnlyTheHostRemovesOthersAndNeverAnEmptySeat)
{
    MirrorFeed host;
    host.login(1, "You", true);
    host.feed(msg::newplayerinfo(3, "Di"));
    EXPECT_TRUE(host.t.mayRemove(Slot(3)));
    EXPECT_FALSE(host.t.mayRemove(Slot(4)));
    host.take(host.t.removeFromGame(Slot(3)));
    EXPECT_EQ(host.sent, std::vector<std::string>{msg::kickhim(1, 3)});

    MirrorFeed joiner;
    joiner.login(2, "Cy");
    joiner.feed(msg::newplayerinfo(3, "Di"));
    EXPECT_FALSE(joiner.t.mayRemove(Slot(3)));
    joiner.take(joiner.t.removeFromGame(Slot(3)));
    EXPECT_TRUE(joiner.sent.empty());
}

// ---- games and rounds ---------------------------------------------------------------

TEST(MirrorGame, StartAnnouncesTheOptionsAndClearsTheTable)
{
    MirrorFeed f;
    f.login(1, "You", true);
    f.feed(msg::yourtiles(1, {{1, 5}, {2, 6}}));
    f.feed(msg::placehistile({1, 7, 3, 3}));
    f.feed(msg::justwatching(1, "1"));
    f.feed(msg::winner("You"));
    EXPECT_TRUE(f.t.startOffered());

    f.feed(msg::startgame(options(300, 65, true, false, 20)));
    EXPECT_EQ(f.t.options().playto, 300);
    EXPECT_EQ(f.t.options().turntime, 65);
    EXPECT_TRUE(f.t.options().penalty);
    EXPECT_FALSE(f.t.options().team);
    EXPECT_TRUE(f.t.winnerText().empty());
    EXPECT_FALSE(f.t.startOffered());
    EXPECT_FALSE(f.t.seat(Seat(1)).watching);
    EXPECT_EQ(f.t.seatName(Seat(2)), "Klot");
    EXPECT_TRUE(f.said("You have started a game."));
    EXPECT_TRUE(f.said("Starting with 20 tiles."));
    EXPECT_FALSE(f.t.board().hasAnyTile());
    EXPECT_EQ(f.t.rackPositions().count(), 0);
    EXPECT_EQ(f.t.scoreText(Seat(1)), "0");
    EXPECT_EQ(f.t.tilesText(Seat(1)), "");
}

TEST(MirrorGame, ALateJoinerSeesTheOptionsTheComputerSeatsAndItsSitOut)
{
    MirrorFeed f;
    f.login(4, "Al");
    msg::LoadStats stats{4, 2, 700, 120, false, true, {}};
    stats.seats = {{1, 40, 9, false, false}, {2, 12, 11, true, false}, {3, 0, 14, false, false}, {4, 0, 0, false, true}};
    f.feed(msg::loadstats(stats));
    EXPECT_EQ(f.t.turnSeat().number(), 2);
    EXPECT_EQ(f.t.options().playto, 700);
    EXPECT_TRUE(f.t.options().team);
    EXPECT_EQ(f.t.scoreText(Seat(1)), "40");
    EXPECT_EQ(f.t.tilesText(Seat(2)), "11");
    EXPECT_TRUE(f.t.seat(Seat(2)).watching);
    EXPECT_TRUE(f.t.seat(Seat(4)).sittingOut);
    EXPECT_TRUE(f.t.waitingForRound());
    EXPECT_EQ(f.t.seatName(Seat(3)), "Klock"); // a team game: the computer plays the empty seat

    f.feed(msg::startround({40, 12, 0, 0}));
    EXPECT_FALSE(f.t.waitingForRound());
}

TEST(MirrorGame, RoundEndShowsResultsWhoWentOutAndEndsTheTurn)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::startgame(options(500, 60, true, false)));
    f.feed(msg::nextplayer({1, 70, {}}));
    f.forget();
    f.feed(msg::endround({2, {{1, -20, -20, 5}, {2, 45, 20, 0}}}));
    EXPECT_EQ(f.t.status(), "Klot is out of tiles! The Round is Over.");
    EXPECT_EQ(f.t.scoreText(Seat(1)), "-20");
    EXPECT_EQ(f.t.lastPointsText(Seat(2)), "20");
    EXPECT_EQ(f.t.tilesText(Seat(1)), "5");
    EXPECT_EQ(f.t.turnSeat().number(), 0);
    EXPECT_FALSE(f.t.controls().draw);
    EXPECT_EQ(f.sounds, std::vector<std::string>{"roundover"});
    // The tiles each seat held join its line, in the rack's sort order;
    // codes that are no tile, seats with no line and broken lists are passed by.
    f.feed(msg::roundrack({1, {black(13), red(5), 99, W, green(5)}}));
    f.feed(msg::roundrack({3, {red(1)}}));
    f.feed("CMD_roundrack+2+x");
    ASSERT_EQ(f.t.roundSummary().size(), 2u);
    EXPECT_EQ(numbersOf(f.t.roundSummary()[0].rack), (std::vector<int>{red(5), green(5), black(13), W}));
    EXPECT_TRUE(f.t.roundSummary()[1].rack.empty());
    f.feed(msg::endround({1, {}}));
    EXPECT_EQ(f.t.status(), " You are out of tiles! The Round is Over.");
    f.feed(msg::endround({0, {}}));
    EXPECT_EQ(f.t.status(), "The Round Ended in a Draw.");
}

TEST(MirrorGame, TheWinnerIsShownAndOnlyTheHostMayStartAgain)
{
    MirrorFeed joiner;
    joiner.login(2, "Cy");
    joiner.feed(msg::existingplayers(1, "You"));
    TableUpdate ended = joiner.t.receive(std::string_view("CMD_winner+You+"));
    EXPECT_EQ(joiner.t.winnerText(), "You have won the game!");
    EXPECT_FALSE(joiner.t.startOffered());
    EXPECT_EQ(ended.sounds, std::vector<std::string>{"winner"});
    EXPECT_EQ(ended.tallyResult, "You"); // somebody else's win, whatever the words say
    ended = joiner.t.receive(std::string_view("CMD_winner+Cy+"));
    EXPECT_EQ(ended.tallyResult, "addtomine");

    MirrorFeed spy;
    spy.login(6, "Eve");
    EXPECT_TRUE(spy.t.receive(std::string_view("CMD_winner+Cy+")).tallyResult.empty());

    MirrorFeed host;
    host.login(1, "You", true);
    host.feed(msg::startgame(options(500, 60, true, false)));
    host.feed(msg::winner("The Brown Team"));
    EXPECT_TRUE(host.said("The Brown Team has Won the Game!"));
    EXPECT_TRUE(host.t.startOffered());

    // A host coming back into a running game (a resumed one) starts none.
    MirrorFeed back;
    back.login(1, "You", true);
    ASSERT_TRUE(back.t.startOffered());
    back.feed(msg::loadstats({1, 2, 500, 60, true, false, {}}));
    EXPECT_FALSE(back.t.startOffered());
}

// ---- turns ------------------------------------------------------------------------------

TEST(MirrorTurns, YourTurnGoesBySeatNotByName)
{
    // Two players called "Sam": only the one whose seat has the turn is
    // offered it.
    MirrorFeed f;
    f.login(2, "Sam");
    f.feed(msg::existingplayers(1, "Sam"));
    f.feed(msg::startgame(options(500, 60, true, false)));
    f.forget();
    f.feed(msg::nextplayer({1, 78, {{1, 0, 14}, {2, 0, 14}}}));
    EXPECT_EQ(f.t.status(), "Sam's turn.");
    EXPECT_FALSE(f.t.controls().draw);
    EXPECT_FALSE(f.t.controls().pauseEnabled);
    EXPECT_TRUE(f.sounds.empty());

    f.feed(msg::nextplayer({2, 77, {{1, 0, 15}, {2, 0, 14}}}));
    EXPECT_EQ(f.t.status(), "Your Turn.");
    EXPECT_TRUE(f.t.controls().draw);
    EXPECT_FALSE(f.t.controls().finish);
    EXPECT_TRUE(f.t.controls().sign);
    EXPECT_FALSE(f.t.controls().signBlinking);
    EXPECT_TRUE(f.t.controls().pauseEnabled);
    EXPECT_EQ(f.t.tilesText(Seat(1)), "15");
    EXPECT_EQ(f.t.tilesLeft(), 77);
    EXPECT_EQ(f.sounds, std::vector<std::string>{"turn"});
    EXPECT_EQ(f.t.clock().secondsLeft(), 60);
    EXPECT_TRUE(f.t.clockRunning());
    EXPECT_TRUE(f.logged("Your Turn."));

    f.t.setNewTurnSound(true);
    f.feed(msg::nextplayer({2, -1, {}}));
    EXPECT_EQ(f.sounds.back(), "turnnew");
}

// A draw is told from a seat's tile counts before and after its turn;
// counts no seat could hold tell nothing (and never overflow).
TEST(MirrorTurns, CountsNoSeatCouldHoldTellNoDraw)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::startgame(options(500, 60, true, false)));
    f.feed(msg::nextplayer({2, 78, {{2, 0, std::numeric_limits<int>::min()}}}));
    f.feed(msg::nextplayer({1, 77, {{2, 0, std::numeric_limits<int>::max()}}}));
    for (const std::string& line : f.t.log()) EXPECT_EQ(line.find(" drew "), std::string::npos) << line;
    f.feed(msg::nextplayer({2, 76, {{2, 0, 14}}}));
    f.feed(msg::nextplayer({1, 75, {{2, 0, 15}}}));
    EXPECT_TRUE(f.logged("Klot drew a tile."));
}

TEST(MirrorTurns, OnlyTilesThatAreNotLaidTilesComingBackAreDrawn)
{
    // The computer plays the seat while its player watches: it lays a tile,
    // takes the turn back and draws.
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(5)}, {2, red(9)}});
    f.feed(msg::justwatching(1, "1"));
    f.feed(msg::placehistile({1, green(5), 4, 4}));
    f.feed(msg::freecard(1, 1));
    f.feed(msg::undothemNotice(1, {{4, 4, 0}}));
    f.feed(msg::yourtiles(1, {{1, green(5)}}));
    EXPECT_TRUE(f.t.justDrawn().empty());
    f.feed(msg::yourtiles(1, {{3, black(2)}}));
    EXPECT_EQ(numbers(f.t.justDrawn()), std::vector<int>{3});
    EXPECT_EQ(f.t.lastAction(), "You drew a tile.");
    EXPECT_EQ(std::count(f.t.log().begin(), f.t.log().end(), "You drew a tile."), 1);
    // Kept through the other seats' turns and this seat's next one.
    f.feed(msg::nextplayer({2, 60, {}}));
    EXPECT_EQ(numbers(f.t.justDrawn()), std::vector<int>{3});
    f.feed(msg::nextplayer({1, 59, {}}));
    EXPECT_EQ(numbers(f.t.justDrawn()), std::vector<int>{3});
    f.feed(msg::nextplayer({2, 59, {}}));
    EXPECT_TRUE(f.t.justDrawn().empty());
}

TEST(MirrorTurns, TheClockCountsDownAndGivesUpAfterASilentServer)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(5)}});
    for (int i = 0; i < 59; ++i) f.take(f.t.clockTick());
    EXPECT_EQ(f.t.clock().secondsLeft(), 1);
    EXPECT_EQ(std::count(f.sounds.begin(), f.sounds.end(), "time"), 12); // 20, 15, and 10 down to 1
    f.card(1);
    for (int i = 0; i < 3; ++i) f.take(f.t.clockTick());
    EXPECT_EQ(f.t.turnSeat().number(), 1);
    f.take(f.t.clockTick());
    EXPECT_EQ(f.t.turnSeat().number(), 0);
    EXPECT_FALSE(f.t.controls().draw);
    EXPECT_TRUE(f.t.hand().empty());
}

TEST(MirrorTurns, PauseStopsTheClockUntilTheServerResumesOrANewTurnBegins)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::startgame(options(500, 60, true, false)));
    f.feed(msg::nextplayer({1, 70, {}}));
    f.forget();
    f.take(f.t.togglePause());
    EXPECT_FALSE(f.t.paused()); // the server decides
    f.feed(msg::gamepause(1));
    EXPECT_TRUE(f.t.paused());
    EXPECT_FALSE(f.t.clockRunning());
    f.take(f.t.clockTick());
    EXPECT_EQ(f.t.clock().secondsLeft(), 60);
    f.take(f.t.togglePause());
    EXPECT_EQ(f.sent, (std::vector<std::string>{msg::pause(1, 1), msg::pause(1, 0)}));
    f.feed(msg::nextplayer({2, 70, {}}));
    EXPECT_FALSE(f.t.paused());
    EXPECT_TRUE(f.t.clockRunning());
}

TEST(MirrorTurns, RefusedFinishesShowTheirNoticesOnlyToTheirSeat)
{
    MirrorFeed f;
    f.login(2, "Cy");
    f.feed(msg::nextplayer({2, 70, {}}));
    f.forget();
    f.feed(msg::notenough(1));
    EXPECT_FALSE(f.t.controls().laydownPanel);
    f.feed(msg::notenough(2));
    EXPECT_EQ(f.t.status(), "Your first lay down must equal at least 30 points");
    EXPECT_TRUE(f.t.controls().laydownPanel);
    EXPECT_TRUE(f.t.controls().finish);
    f.feed(msg::askpenalty(2));
    EXPECT_TRUE(f.t.controls().penaltyPanel);
    EXPECT_FALSE(f.t.controls().finish || f.t.controls().clear || f.t.controls().draw);
    f.feed(msg::incomplete(2));
    EXPECT_EQ(f.t.status(), "Board is incomplete.");
    EXPECT_EQ(f.sounds, (std::vector<std::string>{"notvalid", "notvalid", "notvalid"}));
    f.feed(msg::existingplayers(1, "Bob"));
    f.feed(msg::notime(1));
    f.feed(msg::notime(2));
    EXPECT_TRUE(f.said("Bob has ran out of time."));
    EXPECT_TRUE(f.logged("You have run out of time!."));
}

// ---- the board ----------------------------------------------------------------------------

TEST(MirrorBoard, TilesPlacedByOthersAreShownLoggedAndHeard)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::existingplayers(2, "Cy"));
    f.feed(msg::nextplayer({2, 70, {}}));
    f.forget();
    f.feed(msg::placehistile({2, orange(12), 4, 2}));
    EXPECT_EQ(f.t.board().at(4, 2), orange(12));
    EXPECT_EQ(f.t.lastAction(), "Cy played a Orange Queen.");
    EXPECT_TRUE(f.logged("Cy played a Orange Queen."));
    EXPECT_FALSE(f.t.controls().finish);
    // The same tile again changes nothing and is silent.
    f.feed(msg::placehistile({2, orange(12), 4, 2}));
    EXPECT_EQ(f.sounds, std::vector<std::string>{"placecard"});

    f.feed(msg::swaptilesNotice({2, 8, 6, 4, 2, orange(12)}));
    EXPECT_EQ(f.t.board().at(8, 6), orange(12));
    EXPECT_EQ(f.t.board().at(4, 2), 0);
    EXPECT_TRUE(f.logged("Cy moved a Orange Queen."));
    // A move whose target stays empty leaves the source alone.
    f.feed(msg::swaptilesNotice({2, 9, 9, 8, 6, 0}));
    EXPECT_EQ(f.t.board().at(8, 6), orange(12));
}

TEST(MirrorBoard, CellsOutsideTheBoardCodesThatAreNoTileAndMalformedLinesChangeNothing)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::placehistile({1, 60, 3, 3}));
    f.feed(msg::placehistile({1, 5, 23, 3}));
    f.feed(msg::placehistile({1, 5, 3, -1}));
    f.feed(msg::yourtiles(1, {{0, 5}, {61, 5}, {3, 54}}));
    f.feed(msg::loadboard(1, {{40, 2, 5}, {2, 2, 99}}));
    for (const char* line : {"", "nonsense", "CMD_bogus+1+2", "CMD_nextplayer+x+3", "CMD_startround+1+2",
                             "CMD_newplayerinfo+", "CMD_loadstats+1+2+3", "CMD_endround+q",
                             "CMD_yourtiles+1+3;4"})
        f.take(f.t.receive(std::string_view(line)));
    EXPECT_FALSE(f.t.board().hasAnyTile());
    EXPECT_EQ(f.t.rackPositions().count(), 0);
    EXPECT_EQ(f.t.turnSeat().number(), 0);
    EXPECT_TRUE(f.notices.empty());
    EXPECT_EQ(f.sounds, std::vector<std::string>{"getcard"}); // only the rack list sounds
}

TEST(MirrorBoard, RemovedTilesAreNamedAfterTheTurnSeatAndRecheckTheBoard)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::nextplayer({1, 70, {}}));
    for (int c = 1; c <= 4; ++c) f.feed(msg::placehistile({1, green(c), c, 1}));
    f.feed(msg::removetile(4, 1));
    EXPECT_EQ(f.t.board().at(4, 1), 0);
    EXPECT_EQ(f.t.lastAction(), "You removed a Green 4.");
    EXPECT_TRUE(f.logged("You removed a Green 4."));
    EXPECT_FALSE(f.t.controls().signBlinking);
    f.feed(msg::removetile(3, 1)); // two tiles left: not a set
    EXPECT_TRUE(f.t.controls().signBlinking);
    EXPECT_EQ(f.sounds.back(), "clearcard");
}

TEST(MirrorBoard, UndoRestoresTheCellsAndOffersTheDrawAgain)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::nextplayer({1, 70, {}}));
    f.feed(msg::placehistile({1, green(9), 5, 5}));
    EXPECT_TRUE(f.t.controls().finish && f.t.controls().clear && !f.t.controls().draw);
    f.forget();
    f.feed(msg::undothemNotice(1, {{5, 5, 0}, {2, 2, black(1)}}));
    EXPECT_EQ(f.t.board().at(5, 5), 0);
    EXPECT_EQ(f.t.board().at(2, 2), black(1));
    EXPECT_TRUE(f.t.controls().draw);
    EXPECT_FALSE(f.t.controls().clear || f.t.controls().finish);
    EXPECT_EQ(f.sounds, std::vector<std::string>{"clear"});
    EXPECT_EQ(f.t.lastAction(), "You cleared tiles.");
    EXPECT_TRUE(f.logged("You cleared tiles."));
}

TEST(MirrorBoard, MarksShowTheLastTurnUntilTheNextChange)
{
    MirrorFeed f;
    f.login(1);
    f.feed(msg::existingplayers(2, "Cy"));
    for (int c = 3; c <= 5; ++c) f.feed(msg::placehistile({2, red(c), c, 2}));
    f.forget();
    f.feed(msg::movedtiles({2, 12, 12, {{3, 2, red(3)}, {4, 2, red(4)}, {5, 2, red(5)}}}));
    EXPECT_EQ(f.t.scoreText(Seat(2)), "+12");
    EXPECT_EQ(f.t.lastPointsText(Seat(2)), "+12");
    EXPECT_TRUE(f.t.markShown({4, 2}));
    EXPECT_FALSE(f.t.markShown({6, 2}));
    EXPECT_EQ(f.sounds, std::vector<std::string>{"placecard"});
    f.feed(msg::nextplayer({1, 70, {{2, 12, 11}}}));
    EXPECT_EQ(f.t.scoreText(Seat(2)), "12");
    EXPECT_TRUE(f.t.markShown({4, 2}));
    f.feed(msg::placehistile({1, black(8), 10, 8}));
    EXPECT_FALSE(f.t.markShown({4, 2}));
    f.feed(msg::movedtiles({1, 20, 8, {{10, 8, black(8)}}}));
    f.feed(msg::startround({0, 0, 0, 0}));
    EXPECT_FALSE(f.t.markShown({10, 8}));
}

TEST(MirrorBoard, ALateJoinerLoadsOnlyTheBoardSentToIt)
{
    MirrorFeed f;
    f.login(3, "Di");
    f.feed(msg::loadboard(2, {{1, 1, green(1)}}));
    EXPECT_FALSE(f.t.board().hasAnyTile());
    f.feed(msg::loadboard(3, {{1, 1, green(1)}, {2, 1, green(2)}, {0, 0, W}}));
    EXPECT_EQ(f.t.board().tileCount(), 3);
}

// ---- the rack ---------------------------------------------------------------------------------

TEST(MirrorRack, TilesTakeTheLeftmostPlacesAndLeaversCloseTheGap)
{
    MirrorFeed f;
    f.login(2, "Cy");
    f.feed(msg::yourtiles(2, {{4, green(5)}, {9, W}, {1, black(13)}}));
    f.feed(msg::yourtiles(1, {{2, red(1)}})); // another seat's
    EXPECT_EQ(f.rackSlots(), (std::vector<int>{4, 9, 1}));
    f.feed(msg::yourtiles(2, {{2, red(1)}}));
    EXPECT_EQ(f.rackSlots(), (std::vector<int>{4, 9, 1, 2}));
    f.feed(msg::yourtiles(2, {}));
    EXPECT_EQ(f.sounds, (std::vector<std::string>{"getcard", "getcard", "getcard"}));

    f.feed(msg::freecard(1, 9)); // another seat's
    f.feed(msg::freecard(2, 9));
    EXPECT_EQ(f.rackSlots(), (std::vector<int>{4, 1, 2}));
    EXPECT_EQ(f.t.rack().at(9), 0);
    f.feed(msg::freecard(2, 9)); // already gone
    EXPECT_EQ(f.rackSlots(), (std::vector<int>{4, 1, 2}));

    // A slot already shown takes its new tile to the end.
    f.feed(msg::yourtiles(2, {{4, red(9)}}));
    EXPECT_EQ(f.rackTiles(), (std::vector<int>{black(13), red(1), red(9)}));

    f.feed(msg::startround({0, 0, 0, 0}));
    EXPECT_EQ(f.t.rackPositions().count(), 0);
    EXPECT_EQ(f.t.rack().tilecount(), 0);
}

TEST(MirrorLobby, ARoomIsAskedForAfterTheGreetingItsCodeKeptAndAMissingOneTold)
{
    MirrorFeed ann;
    ann.t.beginOnline("Ann", {true, "Club", false, ""});
    ann.feed(msg::lobby(2)); // another protocol: nothing is asked
    EXPECT_TRUE(ann.sent.empty());
    ann.feed(msg::lobby(kLobbyProtocol));
    EXPECT_EQ(ann.sent, std::vector<std::string>{msg::newroom({"Club", false})});
    ann.feed(msg::roomcode("K7M2P9"));
    EXPECT_EQ(ann.t.roomCode(), "K7M2P9");
    ann.feed(msg::sendlogininfo(1));
    EXPECT_EQ(ann.sent.back(), msg::logininfo(1, msg::kVersion, "Ann"));
    EXPECT_TRUE(ann.t.host()); // a room's creator hosts it

    MirrorFeed bo;
    bo.t.beginOnline("Bo", {false, "", true, "ZZZZ22"});
    bo.feed(msg::lobby(kLobbyProtocol));
    EXPECT_EQ(bo.sent, std::vector<std::string>{msg::joinroom("ZZZZ22")});
    std::optional<std::string> missing;
    const std::string line = msg::noroom("ZZZZ22");
    missing = bo.t.receive(line.substr(0, line.size() - 1)).noRoom;
    EXPECT_EQ(missing, "ZZZZ22");
    bo.feed(msg::sendlogininfo(3)); // asked again, and in
    EXPECT_EQ(bo.t.roomCode(), "ZZZZ22");
    EXPECT_FALSE(bo.t.host());
}
