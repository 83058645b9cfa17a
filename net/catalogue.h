// Every message of the game protocol: a builder that writes the whole frame
// and a parser that reads the argument text back. This file is the one
// place that knows each layout; the server and the table both use it.
//
// Grammar
//   frame    = command "+" args 0xFF
//   command  = "CMD_" lower-case word
//   args     = fields joined by "+"; "(empty)" below means the args end in
//              "+" (an empty last field), e.g. "CMD_finish+2+" then 0xFF
//   group    = "+" field ... written straight after the field before it,
//              once per element: "CMD_yourtiles+1+3,14+9,20"
//   rackitem = rackslot "," tile
//   flag     = "t" | anything else (false)
//   number   = ["-"] digits
//   rest     = the last field of its message, "+" included (names, chat)
// Nothing is escaped: no field may contain 0xFF, and only a last field may
// contain "+".
//
// Tables ignore commands they do not know, so a server may tell newer
// tables more: "CMD_timeleft" follows the turn a catching-up table is told,
// and "CMD_roundrack" (one per seat that played) follows "CMD_endround".
//
// Table to server                       Server to table
//   logininfo   slot+version+name[+key]   sendlogininfo    slot
//   chat        slot+text                 full             (empty)
//                                         seatkey          key+
//                                         removed          (empty)
//                                         hostleft         (empty)
//   action      slot+text                 newplayerinfo    slot+name
//   startgame   name+playto+secs+         existingplayers  slot+name
//               penalty+team+tiles+       havewrongversion name
//   justwatch   seat+mode                 wrongversion     (empty)
//   kickhim     slot+target+              loadstats        slot+turnseat+playto+secs+penalty+team
//   placemytile seat+rackslot+col+row+                     {+seat+score+count+watching+sitsout}
//   swaptiles   seat+tocol+torow+         loadboard        slot{+col+row+tile}
//               fromcol+fromrow+          yourtiles        seat{+rackitem}
//   replacetile seat+col+row+             playerdisconnected slot+name
//   undothem    seat+                     justwatching     seat+mode
//   finish      seat+                     chat, action     text
//   drawcard    seat+                     gamepause        mode+
//   clickyes    seat+                     placehistile     seat+tile+col+row+
//   pause       seat+mode+                freecard         seat+rackslot+
//   botspeed    slot+ms+                  swaptiles        seat+tocol+torow+fromcol+fromrow+tile+
//                                         nouse            seat+
//                                         removetile       col+row+
//                                         undothem         seat{+col+row+tile}
//                                         nomoretiles, nomoreroom (empty)
//                                         notenough, askpenalty, incomplete, notime  seat+
//                                         movedtiles       seat+score+points{+col+row+tile}
//                                         teamscore        seat+score+
//                                         nextplayer       turnseat+tilesleft{+seat+score+count}
//                                         endround         winner{+seat+score+points+count}
//                                         roundrack        seat{+tile}
//                                         timeleft         seconds+
//                                         startgame        as the table's
//                                         startround       score1+score2+score3+score4+
//                                         winner           name+
#pragma once

#include "model/boardgrid.h"
#include "model/rack.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo::msg {

inline constexpr std::string_view kVersion = "1.0.8";

// The argument text of a built frame: what follows the command and its "+",
// without the terminator. The computer player hands the server the very
// text a table's message carries: argumentText(finish(2)) is "2+".
std::string argumentText(std::string_view frame);

// ---- shared shapes ------------------------------------------------------

// A message that carries only a seat (finish, drawcard, notime, ...).
struct SeatOnly {
    int seat = 0;
};

// The options of a game as "CMD_startgame" carries them, both ways.
struct StartGame {
    std::string name;      // cut at its first "+" by the reader
    int playto = 0;
    int turntime = 0;
    std::string penalty;   // "t" switches the option on; anything else off
    std::string team;
    int tilestostart = 0;
    bool operator==(const StartGame&) const = default;
};

// ---- table to server ----------------------------------------------------

// A table that comes back adds the seat key its last login was given as a
// last field: a well-formed key after the last "+" is the key, and the name
// is what comes before; otherwise the name is all the rest, "+" included,
// as tables that know no keys send it.
struct LoginInfo {
    int slot = 0;
    std::string version;
    std::string name;
    std::string key; // empty when none was sent
};
std::string logininfo(int slot, std::string_view version, std::string_view name, std::string_view key = {});
std::optional<LoginInfo> parseLogininfo(std::string_view args);

// "CMD_chat" and "CMD_action" from a table: the slot and the text (words,
// "|", colour text), the text being the rest.
struct SlotText {
    int slot = 0;
    std::string text;
};
std::string chat(int slot, std::string_view text);
std::string action(int slot, std::string_view text);
std::optional<SlotText> parseSlotText(std::string_view args);

// The most characters a table's chat field takes. Chat and action texts
// (the line, "|" and the colour text) longer than kMaxChatText characters
// are not relayed: with the bound on how often a sender may chat, this
// bounds how fast chat reaches a table whatever the others send.
inline constexpr std::size_t kChatFieldLength = 500;
inline constexpr std::size_t kMaxChatText = kChatFieldLength + 32;
// Characters (UTF-8 sequences; a stray byte counts as one) in a text.
std::size_t characterCount(std::string_view text);

std::string startgame(const StartGame& options);
std::optional<StartGame> parseStartgame(std::string_view args);

struct JustWatch {
    int seat = 0;
    std::string mode; // "1" watch, "2" play again; the rest of the text
};
std::string justwatch(int seat, std::string_view mode);
std::optional<JustWatch> parseJustwatch(std::string_view args);

struct KickHim {
    int slot = 0;
    int target = 0;
};
std::string kickhim(int slot, int target);
std::optional<KickHim> parseKickhim(std::string_view args);

struct PlaceMyTile {
    int seat = 0;
    int rackslot = 0;
    int col = 0;
    int row = 0;
};
std::string placemytile(const PlaceMyTile& m);
std::optional<PlaceMyTile> parsePlacemytile(std::string_view args);

struct SwapRequest {
    int seat = 0;
    int tocol = 0;
    int torow = 0;
    int fromcol = 0;
    int fromrow = 0;
};
std::string swaptilesRequest(const SwapRequest& m);
std::optional<SwapRequest> parseSwaptilesRequest(std::string_view args);

struct ReplaceTile {
    int seat = 0;
    int col = 0;
    int row = 0;
};
std::string replacetile(const ReplaceTile& m);
std::optional<ReplaceTile> parseReplacetile(std::string_view args);

std::string undothemRequest(int seat);
std::string finish(int seat);
std::string drawcard(int seat);
std::string clickyes(int seat);
// Reads a seat-only body ("2+" or "2").
std::optional<SeatOnly> parseSeatOnly(std::string_view args);

struct Pause {
    int seat = 0;
    int mode = 0; // 1 pause, 0 resume
};
std::string pause(int seat, int mode);
std::optional<Pause> parsePause(std::string_view args);

struct BotSpeed {
    int slot = 0;
    int milliseconds = 0;
};
std::string botspeed(int slot, int milliseconds);
std::optional<BotSpeed> parseBotspeed(std::string_view args);

// ---- server to table ----------------------------------------------------

std::string sendlogininfo(int slot);
std::optional<int> parseSendlogininfo(std::string_view args);

std::string full();
// The host removed this table from the game; it may not come back until the
// game ends.
std::string removed();
// The host is closing its game on purpose: a table that hears this before
// its connection ends does not wait for the host to come back.
std::string hostleft();
std::string wrongversion();

// The key only this table is told, for taking its seat back should it lose
// the connection: kSeatKeyLength characters from A-Z a-z 0-9.
inline constexpr std::size_t kSeatKeyLength = 20;
bool isSeatKey(std::string_view text);
std::string seatkey(std::string_view key);
// Only a well-formed key.
std::optional<std::string> parseSeatkey(std::string_view args);
std::string nomoretiles();
std::string nomoreroom();

// "CMD_newplayerinfo", "CMD_existingplayers", "CMD_playerdisconnected":
// a slot and a name (the rest).
struct SlotName {
    int slot = 0;
    std::string name;
};
std::string newplayerinfo(int slot, std::string_view name);
std::string existingplayers(int slot, std::string_view name);
std::string playerdisconnected(int slot, std::string_view name);
std::optional<SlotName> parseSlotName(std::string_view args);

std::string havewrongversion(std::string_view name);

struct SeatStats {
    int seat = 0;
    int score = 0;
    int count = 0;
    bool watching = false;
    bool sitsout = false;
    bool operator==(const SeatStats&) const = default;
};
struct LoadStats {
    int slot = 0;
    int turnseat = 0;
    int playto = 0;
    int turntime = 0;
    bool penalty = false;
    bool team = false;
    std::vector<SeatStats> seats;
};
std::string loadstats(const LoadStats& m);
std::optional<LoadStats> parseLoadstats(std::string_view args);

// "CMD_loadboard" (slot) and "CMD_undothem" (seat): a number and cells.
struct NumberCells {
    int number = 0;
    std::vector<Cell> cells;
};
std::string loadboard(int slot, const std::vector<Cell>& cells);
std::string undothemNotice(int seat, const std::vector<Cell>& cells);
std::optional<NumberCells> parseNumberCells(std::string_view args);

struct YourTiles {
    int seat = 0;
    std::vector<RackItem> items;
};
std::string yourtiles(int seat, const std::vector<RackItem>& items);
std::optional<YourTiles> parseYourtiles(std::string_view args);

// Same layout as the request; parseJustwatch reads it.
std::string justwatching(int seat, std::string_view mode);

// Relayed chat and action: the whole text is one field.
std::string chatRelay(std::string_view name, std::string_view text);
std::string actionRelay(std::string_view name, std::string_view text);
// A chat line from the server itself to one table, in the notice colour
// and without a speaker's name.
std::string chatNotice(std::string_view words);

std::string gamepause(int mode);
std::optional<int> parseGamepause(std::string_view args);

struct PlaceHisTile {
    int seat = 0;
    int tile = 0;
    int col = 0;
    int row = 0;
};
std::string placehistile(const PlaceHisTile& m);
std::optional<PlaceHisTile> parsePlacehistile(std::string_view args);

struct FreeCard {
    int seat = 0;
    int rackslot = 0;
};
std::string freecard(int seat, int rackslot);
std::optional<FreeCard> parseFreecard(std::string_view args);

struct SwapNotice {
    int seat = 0;
    int tocol = 0;
    int torow = 0;
    int fromcol = 0;
    int fromrow = 0;
    int tile = 0;
};
std::string swaptilesNotice(const SwapNotice& m);
std::optional<SwapNotice> parseSwaptilesNotice(std::string_view args);

std::string nouse(int seat);

struct RemoveTile {
    int col = 0;
    int row = 0;
};
std::string removetile(int col, int row);
std::optional<RemoveTile> parseRemovetile(std::string_view args);

std::string notenough(int seat);
std::string askpenalty(int seat);
std::string incomplete(int seat);
std::string notime(int seat);

struct MovedTiles {
    int seat = 0;
    int score = 0;
    int points = 0;
    std::vector<Cell> cells;
};
std::string movedtiles(const MovedTiles& m);
std::optional<MovedTiles> parseMovedtiles(std::string_view args);

struct TeamScore {
    int seat = 0;
    int score = 0;
};
std::string teamscore(int seat, int score);
std::optional<TeamScore> parseTeamscore(std::string_view args);

struct SeatCount {
    int seat = 0;
    int score = 0;
    int count = 0;
    bool operator==(const SeatCount&) const = default;
};
struct NextPlayer {
    int turnseat = 0;
    int tilesleft = 0;
    std::vector<SeatCount> seats;
};
std::string nextplayer(const NextPlayer& m);
std::optional<NextPlayer> parseNextplayer(std::string_view args);

struct SeatResult {
    int seat = 0;
    int score = 0;
    int points = 0;
    int count = 0;
    bool operator==(const SeatResult&) const = default;
};
struct EndRound {
    int winner = 0;
    std::vector<SeatResult> seats;
};
std::string endround(const EndRound& m);
std::optional<EndRound> parseEndround(std::string_view args);

// The tiles a seat held when the round ended, in rack slot order: sent to
// every table once the round is over, when they are no longer secret.
struct RoundRack {
    int seat = 0;
    std::vector<int> tiles;
    bool operator==(const RoundRack&) const = default;
};
std::string roundrack(const RoundRack& m);
std::optional<RoundRack> parseRoundrack(std::string_view args);

// The whole seconds the running turn has left on the clock a table shows,
// for a table that catches up during the turn (a table that saw the turn
// begin counts them itself).
std::string timeleft(int seconds);
// Only a count of seconds, 0 or more.
std::optional<int> parseTimeleft(std::string_view args);

std::string startround(const std::array<int, 4>& scores);
std::optional<std::array<int, 4>> parseStartround(std::string_view args);

std::string winner(std::string_view name);
// The name up to its first "+".
std::string parseWinner(std::string_view args);

} // namespace brixo::msg
