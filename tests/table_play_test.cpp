// Playing a turn at a table: presses on the board and the rack, completion,
// the turn's buttons, and what becomes of the moves the server does or does
// not confirm.
#include "tests/tablemirrorfeed.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;
using placerules::Completion;

namespace {

std::string place(int slot, int col, int row)
{
    return msg::placemytile({1, slot, col, row});
}

std::string swap(int tocol, int torow, int fromcol, int fromrow)
{
    return msg::swaptilesRequest({1, tocol, torow, fromcol, fromrow});
}

using Frames = std::vector<std::string>;

} // namespace

// ---- the board ------------------------------------------------------------------------

TEST(TablePlay, ARackTileGoesOnlyWhereItsNeighboursAllowAndWaitsHiddenForTheServer)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(5)}, {2, W}, {3, green(13)}});
    f.feed(msg::loadboard(1, {{3, 2, red(3)}, {5, 2, red(7)}, {8, 3, red(6)}, {12, 3, red(4)}, {14, 5, black(13)}}));
    f.forget();

    f.card(1);
    EXPECT_TRUE(f.t.hand().holdsSlot(RackSlot(1)));
    f.board(9, 3); // right of a 6
    EXPECT_EQ(f.t.refusal(), "A 5 cannot go after a 6.");
    f.board(11, 3); // left of a 4
    EXPECT_EQ(f.t.refusal(), "A 5 cannot go before a 4.");
    f.onto(5, 2, setinsertion::Side::After); // into the 7's set, after it
    EXPECT_EQ(f.t.refusal(), "A 5 cannot go after a 7.");
    f.board(23, 3); // the column past the board
    EXPECT_EQ(f.t.refusal(), "");
    EXPECT_TRUE(f.t.hand().holdsSlot(RackSlot(1)));
    EXPECT_TRUE(f.sent.empty());
    f.board(11, 3);
    f.board(4, 2); // between a 3 and a 7
    EXPECT_EQ(f.t.refusal(), "");
    EXPECT_EQ(f.t.board().at(4, 2), green(5));
    EXPECT_TRUE(f.t.hand().empty());
    EXPECT_TRUE(f.t.awaitingFree(RackSlot(1)));
    f.card(1); // placed: cannot be taken again
    EXPECT_TRUE(f.t.hand().empty());

    f.card(3);
    f.board(13, 5); // a King left of a King
    f.card(2);
    f.board(9, 3); // a wild tile goes anywhere
    EXPECT_EQ(f.sent, (Frames{place(1, 4, 2), place(3, 13, 5), place(2, 9, 3)}));
    EXPECT_EQ(f.sounds, (Frames{"clickcard", "placecard", "clickcard", "placecard", "clickcard", "placecard"}));
    EXPECT_EQ(f.t.pending().size(), 3u);

    // The server's echoes confirm them; its frees take them off the rack.
    f.feed(msg::placehistile({1, green(5), 4, 2}));
    f.feed(msg::freecard(1, 1));
    EXPECT_EQ(f.t.pending().size(), 2u);
    EXPECT_EQ(f.t.rack().at(1), 0);
    EXPECT_TRUE(f.logged("You played a Green 5.")); // logged, but heard only when it was put down
    EXPECT_EQ(std::count(f.sounds.begin(), f.sounds.end(), "placecard"), 3);
}

TEST(TablePlay, ShiftCompletesARunAndCtrlAGroupOnlyWithBothPartnersAndRoom)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(7)}, {2, green(5)}, {3, red(9)}, {4, green(6)}, {5, red(10)}, {6, black(8)}, {7, red(8)},
              {8, black(8)}, {9, green(4)}, {10, orange(4)}, {11, red(4)}, {12, black(4)}});
    f.card(2, Completion::Run);
    f.board(4, 3);
    EXPECT_EQ(f.sent, (Frames{place(2, 4, 3), place(4, 5, 3), place(1, 6, 3)}));
    EXPECT_FALSE(f.t.controls().signBlinking);
    f.forget();

    f.card(3, Completion::Run); // Red 9 with only the Red 10
    f.board(4, 6);
    EXPECT_EQ(f.sent, (Frames{place(3, 4, 6)}));
    EXPECT_TRUE(f.t.controls().signBlinking);
    f.forget();

    f.card(7, Completion::Group); // Red 8 with two Black 8s: not two of one colour
    f.board(3, 1);
    EXPECT_EQ(f.sent, (Frames{place(7, 3, 1)}));
    f.forget();

    f.card(11, Completion::Group);
    f.board(21, 4); // no room for two more
    f.card(9, Completion::Group);
    f.board(3, 4);
    EXPECT_EQ(f.sent, (Frames{place(11, 21, 4), place(9, 3, 4), place(10, 4, 4), place(12, 5, 4)}));
    EXPECT_EQ(f.t.board().at(4, 4), orange(4));
}

TEST(TablePlay, ABoardTileLiftedAndPutBackSendsNothingAndMovedSendsOneSwap)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}});
    f.feed(msg::loadboard(1, {{6, 6, red(9)}, {7, 6, red(10)}, {8, 6, red(11)}}));
    f.forget();

    f.board(6, 6);
    EXPECT_TRUE(f.t.hand().holdsBoardTile());
    EXPECT_EQ(f.t.board().at(6, 6), kNoTile);
    EXPECT_TRUE(f.t.controls().signBlinking); // two tiles left in the row
    // While it is held the rack and the turn's buttons refuse.
    f.card(1);
    f.take(f.t.finishTurn());
    f.take(f.t.drawTile());
    f.take(f.t.clearTurn());
    EXPECT_TRUE(f.said("You cannot select a new tile when you have a tile from the board in your hand."));
    EXPECT_TRUE(f.said("You cannot end your turn when you have a tile in your hand."));
    EXPECT_TRUE(f.said("You cannot draw a tile when you have a tile in your hand."));
    EXPECT_TRUE(f.said("You cannot clear when you have a tile in your hand."));
    EXPECT_EQ(std::count(f.sounds.begin(), f.sounds.end(), "nocando"), 4);

    f.board(6, 6); // its own cell
    EXPECT_EQ(f.t.board().at(6, 6), red(9));
    EXPECT_FALSE(f.t.controls().signBlinking);
    f.board(8, 6);
    f.board(2, 2, Press::Right); // a right press anywhere returns it too
    EXPECT_EQ(f.t.board().at(8, 6), red(11));
    EXPECT_TRUE(f.sent.empty());

    f.board(6, 6);
    f.board(10, 6);
    EXPECT_EQ(f.t.board().at(10, 6), red(9));
    EXPECT_EQ(f.t.board().at(6, 6), kNoTile);
    EXPECT_EQ(f.sent, (Frames{swap(10, 6, 6, 6)}));
    f.feed(msg::swaptilesNotice({1, 10, 6, 6, 6, red(9)}));
    EXPECT_TRUE(f.t.pending().empty());
    EXPECT_EQ(f.t.confirmedBoard().at(10, 6), red(9));
    EXPECT_EQ(f.t.confirmedBoard().at(6, 6), kNoTile);

    f.board(10, 6);
    f.onto(8, 6, setinsertion::Side::After);
    EXPECT_EQ(f.t.refusal(), "A 9 cannot go after a Jack.");
    f.feed(msg::nextplayer({2, 70, {}})); // the turn is over: so is the refusal
    EXPECT_EQ(f.t.refusal(), "");
}

TEST(TablePlay, ARightPressAsksForATileBackAndChangesNothingHere)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}});
    f.feed(msg::loadboard(1, {{4, 4, red(9)}}));
    f.forget();
    f.board(4, 4, Press::Right);
    f.board(5, 4, Press::Right); // an empty cell: nothing
    EXPECT_EQ(f.t.board().at(4, 4), red(9));
    EXPECT_EQ(f.sent, (Frames{msg::replacetile({1, 4, 4})}));
}

TEST(TablePlay, NobodyButTheTurnSeatPlaysButAnyoneSorts)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}, {2, green(1)}});
    f.feed(msg::loadboard(1, {{4, 4, red(9)}}));
    f.feed(msg::nextplayer({2, 70, {}}));
    f.forget();
    f.card(1);
    f.board(4, 4);
    f.board(4, 4, Press::Right);
    f.take(f.t.finishTurn());
    f.take(f.t.acceptPenalty());
    f.take(f.t.keepEditing());
    EXPECT_TRUE(f.t.hand().empty());
    EXPECT_FALSE(f.t.controls().clear);
    EXPECT_TRUE(f.sent.empty());
    f.card(1, Completion::None, Press::Right);
    EXPECT_EQ(f.rackSlots(), (std::vector<int>{2, 1}));
    EXPECT_EQ(f.sounds, Frames{"sort"});

    // A spectator's presses do nothing at all.
    MirrorFeed spy;
    spy.login(6, "Eve");
    spy.feed(msg::nextplayer({6, 70, {}}));
    spy.board(4, 4);
    EXPECT_TRUE(spy.t.hand().empty() && spy.sent.empty());
}

TEST(TablePlay, TheRaisedTileLowersWhenPressedAndAnotherPressSwapsTheirPlaces)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{7, green(2)}, {3, red(4)}, {9, black(6)}});
    f.card(7, Completion::Run);
    EXPECT_EQ(f.t.hand(), Hand::fromRack(RackSlot(7), Tile(green(2)), Completion::Run));
    f.card(7);
    EXPECT_TRUE(f.t.hand().empty());
    f.forget();
    f.card(7);
    f.card(9);
    EXPECT_EQ(f.rackSlots(), (std::vector<int>{9, 3, 7}));
    EXPECT_TRUE(f.t.hand().empty());
    EXPECT_EQ(f.sounds, (Frames{"clickcard", "sort"}));
    EXPECT_TRUE(f.sent.empty()); // the server's slots do not move

    // Sorting keeps the held tile in the hand, wherever it goes.
    f.card(3);
    f.t.setSortByNumber(false);
    f.take(f.t.sortRack());
    EXPECT_EQ(f.rackSlots(), (std::vector<int>{7, 3, 9}));
    EXPECT_TRUE(f.t.hand().holdsSlot(RackSlot(3)));
}

TEST(TablePlay, TheDealComesSortedWhenASortIsChosenAndArrangeGathersTheSets)
{
    MirrorFeed f;
    f.login(1);
    f.t.setSortOnDeal(true);
    const auto deal = [&] {
        f.feed(msg::startround({0, 0, 0, 0}));
        f.feed(msg::yourtiles(1, {{1, red(9)}, {2, green(3)}, {3, W}, {4, red(3)}, {5, black(3)}}));
    };
    f.feed(msg::startgame({"You", 500, 60, "t", "f", 5}));
    deal();
    EXPECT_EQ(f.rackTiles(), (std::vector<int>{green(3), red(3), black(3), red(9), W}));
    // A tile drawn later takes the first free place.
    f.feed(msg::nextplayer({1, 70, {}}));
    f.feed(msg::yourtiles(1, {{6, green(1)}}));
    EXPECT_EQ(f.rackTiles().back(), green(1));
    f.forget();
    f.take(f.t.arrangeRack());
    EXPECT_EQ(f.rackTiles(), (std::vector<int>{green(3), red(3), black(3), green(1), red(9), W}));
    EXPECT_EQ(f.sounds, Frames{"sort"});
    EXPECT_TRUE(f.sent.empty());

    // With both sort buttons up the deal stays as it came.
    f.t.setSortOnDeal(false);
    deal();
    EXPECT_EQ(f.rackTiles(), (std::vector<int>{red(9), green(3), W, red(3), black(3)}));
}

TEST(TablePlay, TheTurnsButtonsSendTheirRequestsAndEditGivesTheButtonsBack)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}});
    f.take(f.t.drawTile());
    EXPECT_FALSE(f.t.controls().draw);
    f.feed(msg::nextplayer({1, 70, {}}));
    f.take(f.t.clearTurn());
    f.take(f.t.finishTurn());
    EXPECT_EQ(f.sent, (Frames{msg::drawcard(1), msg::undothemRequest(1), msg::finish(1)}));
    f.forget();

    f.feed(msg::askpenalty(1));
    f.take(f.t.keepEditing());
    EXPECT_FALSE(f.t.controls().penaltyPanel);
    EXPECT_TRUE(f.t.controls().clear && f.t.controls().finish);
    f.feed(msg::askpenalty(1));
    f.take(f.t.acceptPenalty());
    f.feed(msg::notenough(1));
    f.take(f.t.keepEditing());
    EXPECT_FALSE(f.t.controls().laydownPanel);
    EXPECT_EQ(f.sent, Frames{msg::clickyes(1)});
    EXPECT_EQ(f.sounds, (Frames{"notvalid", "pressedit", "notvalid", "pressyes", "notvalid", "pressedit"}));
}

// ---- faults that once left the table out of step --------------------------------------------

TEST(TablePlay, ABoardTileInTheHandComesBackWhenTheServerUndoesTheTurn)
{
    // By an undo, by the clock and by just watching.
    for (int way = 0; way < 3; ++way) {
        MirrorFeed f;
        f.login(1);
        f.myTurn({{1, green(2)}});
        f.feed(msg::loadboard(1, {{6, 6, red(9)}}));
        f.board(6, 6);
        ASSERT_EQ(f.t.board().at(6, 6), kNoTile);
        if (way == 0) f.feed(msg::undothemNotice(1, {}));
        if (way == 1) f.feed(msg::notime(1));
        if (way == 2) f.feed(msg::justwatching(1, "1"));
        EXPECT_TRUE(f.t.hand().empty()) << way;
        EXPECT_EQ(f.t.board().at(6, 6), red(9)) << way;
    }
}

TEST(TablePlay, TheHandIsEmptiedWheneverTheTurnIsLost)
{
    // Another seat's turn, a round start, a game start, just watching.
    for (int way = 0; way < 4; ++way) {
        MirrorFeed f;
        f.login(1);
        f.myTurn({{1, green(2)}, {2, green(3)}});
        f.card(1);
        if (way == 0) f.feed(msg::nextplayer({2, 70, {}}));
        if (way == 1) f.feed(msg::startround({0, 0, 0, 0}));
        if (way == 2) f.feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
        if (way == 3) f.feed(msg::justwatching(1, "1"));
        EXPECT_TRUE(f.t.hand().empty()) << way;
        // Even back at this seat's turn a press places nothing from the old hand.
        f.feed(msg::nextplayer({1, 70, {}}));
        f.forget();
        f.board(5, 5);
        EXPECT_TRUE(f.sent.empty()) << way;
        EXPECT_FALSE(f.t.board().hasAnyTile()) << way;
    }
}

TEST(TablePlay, CardsAwaitingTheServerStayOutOfTheRackWhileItClosesUp)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}, {2, green(3)}, {3, green(4)}, {4, red(9)}});
    f.card(2);
    f.board(3, 3);
    f.card(3);
    f.board(4, 3);
    // The server's answers come in pieces: the first tile is freed while the
    // second still waits.
    f.feed(msg::placehistile({1, green(3), 3, 3}));
    f.feed(msg::freecard(1, 2));
    EXPECT_TRUE(f.t.awaitingFree(RackSlot(3)));
    EXPECT_EQ(f.t.offeredTile(RackSlot(3)).code(), kNoTile);
    f.forget();
    f.card(3);
    f.board(6, 3);
    EXPECT_TRUE(f.sent.empty());
    // Run completion skips it as well.
    f.card(1, Completion::Run);
    f.board(8, 5);
    EXPECT_EQ(f.sent, Frames{place(1, 8, 5)});
}

TEST(TablePlay, APressThatDismissesThePenaltyQuestionGivesTheButtonsBack)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}});
    f.feed(msg::askpenalty(1));
    ASSERT_FALSE(f.t.controls().clear || f.t.controls().finish);
    f.board(9, 9);
    EXPECT_FALSE(f.t.controls().penaltyPanel);
    EXPECT_TRUE(f.t.controls().clear && f.t.controls().finish);
}

TEST(TablePlay, MovesTheServerRefusedAreTakenBack)
{
    // The turn ended before the server got them.
    {
        MirrorFeed f;
        f.login(1);
        f.myTurn({{1, green(2)}, {2, green(3)}});
        f.feed(msg::loadboard(1, {{6, 6, red(9)}}));
        f.card(1);
        f.board(3, 3);
        f.board(6, 6);
        f.board(8, 8);
        f.feed(msg::nextplayer({2, 70, {}}));
        EXPECT_EQ(f.t.board().at(3, 3), kNoTile);
        EXPECT_EQ(f.t.board().at(6, 6), red(9));
        EXPECT_EQ(f.t.board().at(8, 8), kNoTile);
        EXPECT_EQ(f.t.offeredTile(RackSlot(1)).code(), green(2));
    }
    // The echo of a later move came first: the earlier one was refused.
    {
        MirrorFeed f;
        f.login(1);
        f.myTurn({{1, green(2)}, {2, green(3)}});
        f.card(1);
        f.board(3, 3);
        f.card(2);
        f.board(5, 5);
        f.feed(msg::placehistile({1, green(3), 5, 5}));
        EXPECT_EQ(f.t.board().at(3, 3), kNoTile);
        EXPECT_EQ(f.t.offeredTile(RackSlot(1)).code(), green(2));
        EXPECT_TRUE(f.t.pending().empty());
    }
    // The server put another tile on the cell.
    {
        MirrorFeed f;
        f.login(1);
        f.myTurn({{1, green(2)}});
        f.card(1);
        f.board(3, 3);
        f.feed(msg::placehistile({2, red(7), 3, 3}));
        EXPECT_EQ(f.t.board().at(3, 3), red(7));
        EXPECT_EQ(f.t.offeredTile(RackSlot(1)).code(), green(2));
    }
    // An undo takes back what it did not know of.
    {
        MirrorFeed f;
        f.login(1);
        f.myTurn({{1, green(2)}});
        f.card(1);
        f.board(3, 3);
        f.feed(msg::undothemNotice(1, {}));
        EXPECT_FALSE(f.t.board().hasAnyTile());
        EXPECT_EQ(f.t.offeredTile(RackSlot(1)).code(), green(2));
    }
}

TEST(TablePlay, MovesConfirmedInOrderSurviveALaterMoveOfTheSameCell)
{
    // A tile laid, then moved on, and another laid where it was: every echo
    // matches its own move and nothing is taken back.
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}, {2, red(9)}});
    f.card(1);
    f.board(3, 3);
    f.board(3, 3);
    f.board(7, 3);
    f.card(2);
    f.board(3, 3);
    f.feed(msg::placehistile({1, green(2), 3, 3}));
    f.feed(msg::freecard(1, 1));
    f.feed(msg::swaptilesNotice({1, 7, 3, 3, 3, green(2)}));
    f.feed(msg::placehistile({1, red(9), 3, 3}));
    EXPECT_TRUE(f.t.pending().empty());
    EXPECT_EQ(f.t.board().at(3, 3), red(9));
    EXPECT_EQ(f.t.board().at(7, 3), green(2));
    EXPECT_EQ(f.t.board(), f.t.confirmedBoard());
}

TEST(TablePlay, WhileTheComputerPlaysTheSeatThePersonCannotMove)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(2)}});
    f.feed(msg::justwatching(1, "1"));
    f.feed(msg::nextplayer({1, 70, {}}));
    f.forget();
    EXPECT_FALSE(f.t.mayPlay());
    EXPECT_FALSE(f.t.controls().draw);
    f.card(1);
    f.board(3, 3);
    f.take(f.t.drawTile());
    EXPECT_TRUE(f.sent.empty());
    // Playing again in the middle of the turn, the turn is offered back.
    f.feed(msg::justwatching(1, "2"));
    EXPECT_TRUE(f.t.mayPlay());
    EXPECT_TRUE(f.t.controls().draw);
}
