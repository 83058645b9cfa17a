#include "net/catalogue.h"
#include "net/receivequeue.h"

#include <gtest/gtest.h>

#include <string>

using namespace brixo;
using namespace brixo::msg;

namespace {
const char kFrameEnd = '\xFF';

// Checks the frame's command and terminator and hands back its argument text.
std::string argsOf(const std::string& frame, std::string_view command)
{
    EXPECT_EQ(frame.back(), kFrameEnd) << frame;
    const std::string line = frame.substr(0, frame.size() - 1);
    EXPECT_EQ(line.find(kFrameEnd), std::string::npos);
    const auto split = splitCommand(line);
    EXPECT_TRUE(split.has_value()) << frame;
    if (!split) return {};
    EXPECT_EQ(split->command, command);
    return std::string(split->args);
}

std::string line(const std::string& frame) { return frame.substr(0, frame.size() - 1); }
} // namespace

TEST(Catalogue, EmptyLayoutsEndInPlus)
{
    EXPECT_EQ(full(), std::string("CMD_full+") + kFrameEnd);
    EXPECT_EQ(wrongversion(), std::string("CMD_wrongversion+") + kFrameEnd);
    EXPECT_EQ(nomoretiles(), std::string("CMD_nomoretiles+") + kFrameEnd);
    EXPECT_EQ(nomoreroom(), std::string("CMD_nomoreroom+") + kFrameEnd);
    EXPECT_EQ(line(finish(2)), "CMD_finish+2+");
    EXPECT_EQ(line(drawcard(3)), "CMD_drawcard+3+");
    EXPECT_EQ(line(clickyes(1)), "CMD_clickyes+1+");
    EXPECT_EQ(line(undothemRequest(4)), "CMD_undothem+4+");
    EXPECT_EQ(line(nouse(2)), "CMD_nouse+2+");
    EXPECT_EQ(line(notenough(1)), "CMD_notenough+1+");
    EXPECT_EQ(line(askpenalty(1)), "CMD_askpenalty+1+");
    EXPECT_EQ(line(incomplete(1)), "CMD_incomplete+1+");
    EXPECT_EQ(line(notime(3)), "CMD_notime+3+");
    EXPECT_EQ(line(gamepause(1)), "CMD_gamepause+1+");
    EXPECT_EQ(line(winner("Klot")), "CMD_winner+Klot+");
    EXPECT_EQ(line(sendlogininfo(3)), "CMD_sendlogininfo+3");
    for (const std::string& seatOnly : {finish(2), drawcard(2), clickyes(2), undothemRequest(2)}) {
        EXPECT_EQ(argumentText(seatOnly), "2+");
        const auto parsed = parseSeatOnly(argumentText(seatOnly));
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->seat, 2);
    }
}

TEST(Catalogue, TableToServerRoundTrips)
{
    {
        const auto m = parseLogininfo(argsOf(logininfo(3, kVersion, "Ann+Bob"), "CMD_logininfo"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->slot, 3);
        EXPECT_EQ(m->version, "1.0.8");
        EXPECT_EQ(m->name, "Ann+Bob");
        EXPECT_TRUE(m->key.empty());
    }
    {
        // A well-formed key after the name's last "+" is the key.
        const std::string key = "Ab3" + std::string(17, 'z');
        EXPECT_EQ(line(logininfo(3, kVersion, "Ann", key)), "CMD_logininfo+3+1.0.8+Ann+" + key);
        const auto m = parseLogininfo(argsOf(logininfo(3, kVersion, "Ann+Bob", key), "CMD_logininfo"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->name, "Ann+Bob");
        EXPECT_EQ(m->key, key);
        EXPECT_EQ(line(seatkey(key)), "CMD_seatkey+" + key + "+");
        EXPECT_EQ(parseSeatkey(argsOf(seatkey(key), "CMD_seatkey")), key);
        EXPECT_EQ(line(removed()), "CMD_removed+");
    }
    {
        const auto c = parseSlotText(argsOf(chat(2, "a+b|clRed"), "CMD_chat"));
        ASSERT_TRUE(c);
        EXPECT_EQ(c->slot, 2);
        EXPECT_EQ(c->text, "a+b|clRed");
        const auto a = parseSlotText(argsOf(action(5, "waves|$00FF0000"), "CMD_action"));
        ASSERT_TRUE(a);
        EXPECT_EQ(a->text, "waves|$00FF0000");
    }
    {
        const StartGame sent{"You", 500, 60, "t", "f", 14};
        EXPECT_EQ(line(startgame(sent)), "CMD_startgame+You+500+60+t+f+14+");
        const auto m = parseStartgame(argsOf(startgame(sent), "CMD_startgame"));
        ASSERT_TRUE(m);
        EXPECT_EQ(*m, sent);
    }
    {
        const auto m = parseJustwatch(argsOf(justwatch(2, "1"), "CMD_justwatch"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->seat, 2);
        EXPECT_EQ(m->mode, "1");
        const auto n = parseJustwatch(argsOf(justwatching(4, "2"), "CMD_justwatching"));
        ASSERT_TRUE(n);
        EXPECT_EQ(n->seat, 4);
        EXPECT_EQ(n->mode, "2");
    }
    {
        EXPECT_EQ(line(kickhim(1, 6)), "CMD_kickhim+1+6+");
        const auto m = parseKickhim(argsOf(kickhim(1, 6), "CMD_kickhim"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->target, 6);
    }
    {
        const PlaceMyTile sent{2, 14, 5, 7};
        EXPECT_EQ(line(placemytile(sent)), "CMD_placemytile+2+14+5+7+");
        EXPECT_EQ(argumentText(placemytile(sent)), "2+14+5+7+");
        const auto m = parsePlacemytile(argumentText(placemytile(sent)));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->rackslot, 14);
        EXPECT_EQ(m->col, 5);
        EXPECT_EQ(m->row, 7);
    }
    {
        const SwapRequest sent{1, 10, 2, 3, 4};
        EXPECT_EQ(line(swaptilesRequest(sent)), "CMD_swaptiles+1+10+2+3+4+");
        const auto m = parseSwaptilesRequest(argumentText(swaptilesRequest(sent)));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->tocol, 10);
        EXPECT_EQ(m->torow, 2);
        EXPECT_EQ(m->fromcol, 3);
        EXPECT_EQ(m->fromrow, 4);
    }
    {
        const auto m = parseReplacetile(argsOf(replacetile({3, 8, 9}), "CMD_replacetile"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->col, 8);
        EXPECT_EQ(m->row, 9);
    }
    {
        EXPECT_EQ(line(pause(1, 0)), "CMD_pause+1+0+");
        const auto m = parsePause(argsOf(pause(4, 1), "CMD_pause"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->seat, 4);
        EXPECT_EQ(m->mode, 1);
    }
    {
        const auto m = parseBotspeed(argsOf(botspeed(1, 500), "CMD_botspeed"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->milliseconds, 500);
    }
}

TEST(Catalogue, ServerToTableRoundTrips)
{
    EXPECT_EQ(parseSendlogininfo(argsOf(sendlogininfo(9), "CMD_sendlogininfo")), 9);
    for (const auto& [frame, command] : {std::pair{newplayerinfo(2, "A+B"), "CMD_newplayerinfo"},
                                         std::pair{existingplayers(2, "A+B"), "CMD_existingplayers"},
                                         std::pair{playerdisconnected(2, "A+B"), "CMD_playerdisconnected"}}) {
        const auto m = parseSlotName(argsOf(frame, command));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->slot, 2);
        EXPECT_EQ(m->name, "A+B");
    }
    EXPECT_EQ(argsOf(havewrongversion("Zed"), "CMD_havewrongversion"), "Zed");
    EXPECT_EQ(argsOf(chatRelay("Ann", "hi+you|clBlue"), "CMD_chat"), "Ann chats: hi+you|clBlue");
    EXPECT_EQ(argsOf(actionRelay("Ann", "says: Wow|clRed"), "CMD_action"), "Ann says: Wow|clRed");
    EXPECT_EQ(parseGamepause(argsOf(gamepause(0), "CMD_gamepause")), 0);
    {
        const auto m = parsePlacehistile(argsOf(placehistile({2, 53, 22, 12}), "CMD_placehistile"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->tile, 53);
        EXPECT_EQ(m->col, 22);
        EXPECT_EQ(m->row, 12);
    }
    {
        const auto m = parseFreecard(argsOf(freecard(2, 59), "CMD_freecard"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->rackslot, 59);
    }
    {
        const SwapNotice sent{3, 1, 2, 3, 4, 40};
        EXPECT_EQ(line(swaptilesNotice(sent)), "CMD_swaptiles+3+1+2+3+4+40+");
        const auto m = parseSwaptilesNotice(argsOf(swaptilesNotice(sent), "CMD_swaptiles"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->tile, 40);
        EXPECT_EQ(m->fromrow, 4);
    }
    {
        const auto m = parseRemovetile(argsOf(removetile(6, 7), "CMD_removetile"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->col, 6);
        EXPECT_EQ(m->row, 7);
    }
    {
        const auto m = parseTeamscore(argsOf(teamscore(3, -40), "CMD_teamscore"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->score, -40);
    }
    {
        EXPECT_EQ(line(startround({10, -20, 0, 5})), "CMD_startround+10+-20+0+5+");
        const auto m = parseStartround(argsOf(startround({10, -20, 0, 5}), "CMD_startround"));
        ASSERT_TRUE(m);
        EXPECT_EQ(*m, (std::array<int, 4>{10, -20, 0, 5}));
    }
    EXPECT_EQ(parseWinner(argsOf(winner("The Green Team"), "CMD_winner")), "The Green Team");
    EXPECT_EQ(parseWinner("Ann+Bob+"), "Ann");
    // Messages older tables do not know, and ignore.
    EXPECT_EQ(line(roundrack({2, {14, 53, 27}})), "CMD_roundrack+2+14+53+27");
    EXPECT_EQ(parseRoundrack(argsOf(roundrack({2, {14, 53, 27}}), "CMD_roundrack")), (RoundRack{2, {14, 53, 27}}));
    EXPECT_EQ(parseRoundrack("3"), (RoundRack{3, {}}));
    EXPECT_EQ(line(timeleft(35)), "CMD_timeleft+35+");
    EXPECT_EQ(parseTimeleft(argsOf(timeleft(35), "CMD_timeleft")), 35);
}

TEST(Catalogue, CellListsEmptyOneManyAndTrailingPlus)
{
    const std::vector<Cell> many{{0, 0, 1}, {5, 12, 53}, {22, 3, 0}};
    EXPECT_EQ(line(loadboard(4, many)), "CMD_loadboard+4+0+0+1+5+12+53+22+3+0");
    EXPECT_EQ(line(undothemNotice(2, {})), "CMD_undothem+2");
    for (const auto& cells : {std::vector<Cell>{}, std::vector<Cell>{{1, 2, 3}}, many}) {
        const auto board = parseNumberCells(argsOf(loadboard(4, cells), "CMD_loadboard"));
        ASSERT_TRUE(board);
        EXPECT_EQ(board->number, 4);
        EXPECT_EQ(board->cells, cells);
        const auto undo = parseNumberCells(argsOf(undothemNotice(2, cells), "CMD_undothem"));
        ASSERT_TRUE(undo);
        EXPECT_EQ(undo->cells, cells);
        const auto moved = parseMovedtiles(argsOf(movedtiles({1, 77, 33, cells}), "CMD_movedtiles"));
        ASSERT_TRUE(moved);
        EXPECT_EQ(moved->score, 77);
        EXPECT_EQ(moved->points, 33);
        EXPECT_EQ(moved->cells, cells);
    }
    // A trailing "+" adds an empty group, which is skipped.
    const auto trailing = parseNumberCells("4+1+2+3+");
    ASSERT_TRUE(trailing);
    EXPECT_EQ(trailing->cells, (std::vector<Cell>{{1, 2, 3}}));
    EXPECT_TRUE(parseNumberCells("4+"));
    // A group cut short spoils the message.
    EXPECT_FALSE(parseNumberCells("4+1+2"));
    EXPECT_FALSE(parseNumberCells("4+1+x+3"));
    EXPECT_FALSE(parseNumberCells("4+1+2+3++"));
}

TEST(Catalogue, RackItems)
{
    const std::vector<RackItem> items{{1, 14}, {9, 53}, {60, 1}};
    EXPECT_EQ(line(yourtiles(2, items)), "CMD_yourtiles+2+1,14+9,53+60,1");
    Rack rack;
    rack.set(3, 20);
    rack.set(9, 7);
    EXPECT_EQ(line(yourtiles(1, rack.items())), "CMD_yourtiles+1+3,20+9,7");
    for (const auto& list : {std::vector<RackItem>{}, std::vector<RackItem>{{5, 5}}, items}) {
        const auto m = parseYourtiles(argsOf(yourtiles(2, list), "CMD_yourtiles"));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->seat, 2);
        EXPECT_EQ(m->items, list);
    }
    EXPECT_TRUE(parseYourtiles("2+1,14+"));
    EXPECT_EQ(parseYourtiles("2+1,14+")->items.size(), 1u);
    EXPECT_FALSE(parseYourtiles("2+1;14"));
    EXPECT_FALSE(parseYourtiles("2+1,"));
    EXPECT_FALSE(parseYourtiles("2+,5"));
    EXPECT_FALSE(parseYourtiles("x+1,5"));
}

TEST(Catalogue, SeatGroupLists)
{
    NextPlayer next{2, -1, {{1, 10, 14}, {2, -5, 3}, {3, 0, 0}, {4, 0, 0}}};
    EXPECT_EQ(line(nextplayer(next)), "CMD_nextplayer+2+-1+1+10+14+2+-5+3+3+0+0+4+0+0");
    const auto n = parseNextplayer(argsOf(nextplayer(next), "CMD_nextplayer"));
    ASSERT_TRUE(n);
    EXPECT_EQ(n->tilesleft, -1);
    EXPECT_EQ(n->seats, next.seats);

    EndRound end{0, {{1, -20, -20, 4}, {2, -7, -7, 2}, {3, 0, 0, 0}, {4, 0, 0, 0}}};
    const auto e = parseEndround(argsOf(endround(end), "CMD_endround"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->winner, 0);
    EXPECT_EQ(e->seats, end.seats);

    LoadStats stats{6, 2, 500, 60, true, false,
                    {{1, 10, 14, false, false}, {2, 0, 13, true, false}, {3, 0, 0, false, true}, {4, 0, 0, false, true}}};
    EXPECT_EQ(line(loadstats(stats)), "CMD_loadstats+6+2+500+60+t+f+1+10+14+f+f+2+0+13+t+f+3+0+0+f+t+4+0+0+f+t");
    const auto s = parseLoadstats(argsOf(loadstats(stats), "CMD_loadstats"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->slot, 6);
    EXPECT_TRUE(s->penalty);
    EXPECT_FALSE(s->team);
    EXPECT_EQ(s->seats, stats.seats);
}

TEST(Catalogue, MalformedBodiesAreRefused)
{
    EXPECT_FALSE(parsePlacemytile("1+2+3"));
    EXPECT_FALSE(parsePlacemytile("1+2+3+x+"));
    EXPECT_FALSE(parsePlacemytile(""));
    EXPECT_FALSE(parseSwaptilesRequest("1+2+3+4"));
    EXPECT_FALSE(parseLogininfo("abc+1.0.8+Ann"));
    EXPECT_FALSE(parseLogininfo("1+1.0.8"));
    EXPECT_FALSE(parseStartgame("You+five hundred+60+t+f+14+"));
    EXPECT_FALSE(parseStartgame("You+500+60+t+f"));
    EXPECT_FALSE(parseSeatOnly(""));
    EXPECT_FALSE(parseSeatOnly("+"));
    EXPECT_FALSE(parsePause("1"));
    EXPECT_FALSE(parseKickhim("1"));
    EXPECT_FALSE(parseNextplayer("1+2+3+4"));
    EXPECT_FALSE(parseStartround("1+2+3"));
    EXPECT_FALSE(parseSendlogininfo("x"));
    EXPECT_FALSE(parseSeatkey(std::string(19, 'a') + "+"));
    EXPECT_FALSE(parseSeatkey(std::string(19, 'a') + "_+"));
    EXPECT_FALSE(parseSeatkey(std::string(20, 'a') + "+x"));
    EXPECT_FALSE(parseRoundrack("2+14+x"));
    EXPECT_FALSE(parseTimeleft("-1+"));
    EXPECT_FALSE(parseTimeleft("soon"));
    // Extra fields after a complete body are ignored, as is a missing "+".
    EXPECT_TRUE(parsePlacemytile("1+2+3+4+extra"));
    EXPECT_TRUE(parseSeatOnly("2"));
}
