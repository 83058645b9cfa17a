#include "net/catalogue.h"

#include "net/colourtext.h"
#include "net/fieldreader.h"
#include "net/framecutter.h"

#include <algorithm>
#include <tuple>

namespace brixo::msg {

namespace {

// Builds a frame field by field: command, "+", then each field followed by
// "+" unless it is the last one written with last().
class Frame {
public:
    explicit Frame(std::string_view command) : m_text(command) { m_text += '+'; }
    Frame& field(int n)
    {
        m_text += std::to_string(n);
        m_text += '+';
        return *this;
    }
    Frame& field(std::string_view text)
    {
        m_text += text;
        m_text += '+';
        return *this;
    }
    // A field that is not followed by "+": the message ends or a group
    // (which brings its own leading "+") follows.
    Frame& last(int n)
    {
        m_text += std::to_string(n);
        return *this;
    }
    Frame& last(std::string_view text)
    {
        m_text += text;
        return *this;
    }
    // One repeated group: "+" before each of its fields.
    template <class... Ts>
    Frame& group(const Ts&... values)
    {
        ((m_text += '+', append(values)), ...);
        return *this;
    }
    Frame& raw(std::string_view text)
    {
        m_text += text;
        return *this;
    }
    std::string done()
    {
        m_text += kTerminator;
        return std::move(m_text);
    }

private:
    void append(int n) { m_text += std::to_string(n); }
    void append(std::string_view text) { m_text += text; }
    void append(bool b) { m_text += b ? 't' : 'f'; }
    std::string m_text;
};

// Reads repeated groups until the argument text runs out. An empty group at
// the very end (the message ended in "+") is skipped; any other missing or
// malformed field spoils the whole message.
template <class ReadGroup>
bool readGroups(FieldReader& r, ReadGroup&& readGroup)
{
    while (r.hasMore()) {
        if (r.atTrailingEmpty()) {
            r.text();
            break;
        }
        readGroup(r);
        if (!r.ok()) return false;
    }
    return r.ok();
}

bool readCells(FieldReader& r, std::vector<Cell>& cells)
{
    return readGroups(r, [&](FieldReader& g) {
        Cell c;
        c.col = g.integer();
        c.row = g.integer();
        c.tile = g.integer();
        cells.push_back(c);
    });
}

Frame& cellGroups(Frame& f, const std::vector<Cell>& cells)
{
    for (const Cell& c : cells) f.group(c.col, c.row, c.tile);
    return f;
}

template <class T>
std::optional<T> okOr(const FieldReader& r, T value)
{
    if (!r.ok()) return std::nullopt;
    return value;
}

// Reads a message made only of numbers into the aggregate T, one field per
// member in declaration order.
template <class T, std::size_t N>
std::optional<T> parseNumbers(std::string_view args)
{
    FieldReader r(args);
    std::array<int, N> numbers{};
    for (int& n : numbers) n = r.integer();
    if (!r.ok()) return std::nullopt;
    return std::apply([](auto... n) { return T{n...}; }, numbers);
}

std::string seatMessage(std::string_view command, int seat) { return Frame(command).field(seat).done(); }

std::string slotNameMessage(std::string_view command, int slot, std::string_view name)
{
    return Frame(command).field(slot).last(name).done();
}

// One "slot,tile" rack item.
std::optional<RackItem> parseRackItem(std::string_view item)
{
    const std::size_t comma = item.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto slot = parseInt(item.substr(0, comma));
    const auto tile = parseInt(item.substr(comma + 1));
    if (!slot || !tile) return std::nullopt;
    return RackItem{*slot, *tile};
}

} // namespace

std::string argumentText(std::string_view frame)
{
    const std::size_t plus = frame.find('+');
    if (plus == std::string_view::npos) return {};
    std::string_view args = frame.substr(plus + 1);
    if (!args.empty() && args.back() == kTerminator) args.remove_suffix(1);
    return std::string(args);
}

// ---- table to server ----------------------------------------------------

std::string logininfo(int slot, std::string_view version, std::string_view name, std::string_view key)
{
    Frame frame("CMD_logininfo");
    frame.field(slot).field(version);
    if (key.empty()) return frame.last(name).done();
    return frame.field(name).last(key).done();
}

std::optional<LoginInfo> parseLogininfo(std::string_view args)
{
    FieldReader r(args);
    LoginInfo m;
    m.slot = r.integer();
    m.version = r.text();
    const std::string_view rest = r.rest();
    const std::size_t plus = rest.rfind('+');
    if (plus != std::string_view::npos && isSeatKey(rest.substr(plus + 1))) {
        m.name = rest.substr(0, plus);
        m.key = rest.substr(plus + 1);
    } else {
        m.name = rest;
    }
    return okOr(r, m);
}

std::string chat(int slot, std::string_view text) { return Frame("CMD_chat").field(slot).last(text).done(); }
std::string action(int slot, std::string_view text) { return Frame("CMD_action").field(slot).last(text).done(); }

std::optional<SlotText> parseSlotText(std::string_view args)
{
    FieldReader r(args);
    SlotText m;
    m.slot = r.integer();
    m.text = r.rest();
    return okOr(r, m);
}

std::string startgame(const StartGame& o)
{
    return Frame("CMD_startgame")
        .field(o.name)
        .field(o.playto)
        .field(o.turntime)
        .field(o.penalty)
        .field(o.team)
        .field(o.tilestostart)
        .done();
}

std::optional<StartGame> parseStartgame(std::string_view args)
{
    FieldReader r(args);
    StartGame m;
    m.name = r.text();
    m.playto = r.integer();
    m.turntime = r.integer();
    m.penalty = r.text();
    m.team = r.text();
    m.tilestostart = r.integer();
    return okOr(r, m);
}

std::string justwatch(int seat, std::string_view mode) { return Frame("CMD_justwatch").field(seat).last(mode).done(); }

std::optional<JustWatch> parseJustwatch(std::string_view args)
{
    FieldReader r(args);
    JustWatch m;
    m.seat = r.integer();
    m.mode = r.rest();
    return okOr(r, m);
}

std::string kickhim(int slot, int target) { return Frame("CMD_kickhim").field(slot).field(target).done(); }

std::optional<KickHim> parseKickhim(std::string_view args) { return parseNumbers<KickHim, 2>(args); }

std::string placemytile(const PlaceMyTile& m)
{
    return Frame("CMD_placemytile").field(m.seat).field(m.rackslot).field(m.col).field(m.row).done();
}

std::optional<PlaceMyTile> parsePlacemytile(std::string_view args) { return parseNumbers<PlaceMyTile, 4>(args); }

std::string swaptilesRequest(const SwapRequest& m)
{
    return Frame("CMD_swaptiles").field(m.seat).field(m.tocol).field(m.torow).field(m.fromcol).field(m.fromrow).done();
}

std::optional<SwapRequest> parseSwaptilesRequest(std::string_view args) { return parseNumbers<SwapRequest, 5>(args); }

std::string replacetile(const ReplaceTile& m)
{
    return Frame("CMD_replacetile").field(m.seat).field(m.col).field(m.row).done();
}

std::optional<ReplaceTile> parseReplacetile(std::string_view args) { return parseNumbers<ReplaceTile, 3>(args); }

std::string undothemRequest(int seat) { return seatMessage("CMD_undothem", seat); }
std::string finish(int seat) { return seatMessage("CMD_finish", seat); }
std::string drawcard(int seat) { return seatMessage("CMD_drawcard", seat); }
std::string clickyes(int seat) { return seatMessage("CMD_clickyes", seat); }

std::optional<SeatOnly> parseSeatOnly(std::string_view args) { return parseNumbers<SeatOnly, 1>(args); }

std::string pause(int seat, int mode) { return Frame("CMD_pause").field(seat).field(mode).done(); }

std::optional<Pause> parsePause(std::string_view args) { return parseNumbers<Pause, 2>(args); }

std::string botspeed(int slot, int milliseconds)
{
    return Frame("CMD_botspeed").field(slot).field(milliseconds).done();
}

std::optional<BotSpeed> parseBotspeed(std::string_view args) { return parseNumbers<BotSpeed, 2>(args); }

// ---- server to table ----------------------------------------------------

std::string sendlogininfo(int slot) { return Frame("CMD_sendlogininfo").last(slot).done(); }

std::optional<int> parseSendlogininfo(std::string_view args)
{
    FieldReader r(args);
    const int slot = r.integer();
    return okOr(r, slot);
}

std::string full() { return Frame("CMD_full").done(); }
std::string removed() { return Frame("CMD_removed").done(); }
std::string hostleft() { return Frame("CMD_hostleft").done(); }

bool isSeatKey(std::string_view text)
{
    const auto alphanumeric = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    return text.size() == kSeatKeyLength && std::all_of(text.begin(), text.end(), alphanumeric);
}

std::string seatkey(std::string_view key) { return Frame("CMD_seatkey").field(key).done(); }

std::optional<std::string> parseSeatkey(std::string_view args)
{
    FieldReader r(args);
    const std::string key(r.text());
    if (!r.atTrailingEmpty() || !isSeatKey(key)) return std::nullopt;
    return key;
}
std::string wrongversion() { return Frame("CMD_wrongversion").done(); }
std::string nomoretiles() { return Frame("CMD_nomoretiles").done(); }
std::string nomoreroom() { return Frame("CMD_nomoreroom").done(); }

std::string newplayerinfo(int slot, std::string_view name) { return slotNameMessage("CMD_newplayerinfo", slot, name); }
std::string existingplayers(int slot, std::string_view name)
{
    return slotNameMessage("CMD_existingplayers", slot, name);
}
std::string playerdisconnected(int slot, std::string_view name)
{
    return slotNameMessage("CMD_playerdisconnected", slot, name);
}

std::optional<SlotName> parseSlotName(std::string_view args)
{
    FieldReader r(args);
    SlotName m;
    m.slot = r.integer();
    m.name = r.rest();
    return okOr(r, m);
}

std::string havewrongversion(std::string_view name) { return Frame("CMD_havewrongversion").last(name).done(); }

std::string loadstats(const LoadStats& m)
{
    Frame f("CMD_loadstats");
    f.field(m.slot).field(m.turnseat).field(m.playto).field(m.turntime).field(m.penalty ? "t" : "f").last(m.team ? "t" : "f");
    for (const SeatStats& s : m.seats) f.group(s.seat, s.score, s.count, s.watching, s.sitsout);
    return f.done();
}

std::optional<LoadStats> parseLoadstats(std::string_view args)
{
    FieldReader r(args);
    LoadStats m;
    m.slot = r.integer();
    m.turnseat = r.integer();
    m.playto = r.integer();
    m.turntime = r.integer();
    m.penalty = r.flag();
    m.team = r.flag();
    const bool groupsOk = readGroups(r, [&](FieldReader& g) {
        SeatStats s;
        s.seat = g.integer();
        s.score = g.integer();
        s.count = g.integer();
        s.watching = g.flag();
        s.sitsout = g.flag();
        m.seats.push_back(s);
    });
    if (!groupsOk) return std::nullopt;
    return okOr(r, m);
}

std::string loadboard(int slot, const std::vector<Cell>& cells)
{
    Frame f("CMD_loadboard");
    f.last(slot);
    return cellGroups(f, cells).done();
}

std::string undothemNotice(int seat, const std::vector<Cell>& cells)
{
    Frame f("CMD_undothem");
    f.last(seat);
    return cellGroups(f, cells).done();
}

std::optional<NumberCells> parseNumberCells(std::string_view args)
{
    FieldReader r(args);
    NumberCells m;
    m.number = r.integer();
    if (!r.ok() || !readCells(r, m.cells)) return std::nullopt;
    return m;
}

std::string yourtiles(int seat, const std::vector<RackItem>& items)
{
    Frame f("CMD_yourtiles");
    f.last(seat);
    for (const RackItem& item : items) f.raw("+").raw(std::to_string(item.slot)).raw(",").raw(std::to_string(item.tile));
    return f.done();
}

std::optional<YourTiles> parseYourtiles(std::string_view args)
{
    FieldReader r(args);
    YourTiles m;
    m.seat = r.integer();
    const bool groupsOk = r.ok() && readGroups(r, [&](FieldReader& g) {
        const auto item = parseRackItem(g.text());
        if (!item) {
            g.markBad();
            return;
        }
        m.items.push_back(*item);
    });
    if (!groupsOk) return std::nullopt;
    return m;
}

std::string justwatching(int seat, std::string_view mode)
{
    return Frame("CMD_justwatching").field(seat).last(mode).done();
}

std::string chatRelay(std::string_view name, std::string_view text)
{
    return Frame("CMD_chat").last(name).raw(" chats: ").raw(text).done();
}

std::string actionRelay(std::string_view name, std::string_view text)
{
    return Frame("CMD_action").last(name).raw(" ").raw(text).done();
}

std::string chatNotice(std::string_view words)
{
    return Frame("CMD_chat").last(words).raw("|").raw(writeColour(kNoticeGreen)).done();
}

std::size_t characterCount(std::string_view text)
{
    // Every byte but the continuation bytes of a sequence begins one.
    return std::size_t(std::count_if(text.begin(), text.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string gamepause(int mode) { return Frame("CMD_gamepause").field(mode).done(); }

std::optional<int> parseGamepause(std::string_view args)
{
    FieldReader r(args);
    const int mode = r.integer();
    return okOr(r, mode);
}

std::string placehistile(const PlaceHisTile& m)
{
    return Frame("CMD_placehistile").field(m.seat).field(m.tile).field(m.col).field(m.row).done();
}

std::optional<PlaceHisTile> parsePlacehistile(std::string_view args) { return parseNumbers<PlaceHisTile, 4>(args); }

std::string freecard(int seat, int rackslot) { return Frame("CMD_freecard").field(seat).field(rackslot).done(); }

std::optional<FreeCard> parseFreecard(std::string_view args) { return parseNumbers<FreeCard, 2>(args); }

std::string swaptilesNotice(const SwapNotice& m)
{
    return Frame("CMD_swaptiles")
        .field(m.seat)
        .field(m.tocol)
        .field(m.torow)
        .field(m.fromcol)
        .field(m.fromrow)
        .field(m.tile)
        .done();
}

std::optional<SwapNotice> parseSwaptilesNotice(std::string_view args) { return parseNumbers<SwapNotice, 6>(args); }

std::string nouse(int seat) { return seatMessage("CMD_nouse", seat); }

std::string removetile(int col, int row) { return Frame("CMD_removetile").field(col).field(row).done(); }

std::optional<RemoveTile> parseRemovetile(std::string_view args) { return parseNumbers<RemoveTile, 2>(args); }

std::string notenough(int seat) { return seatMessage("CMD_notenough", seat); }
std::string askpenalty(int seat) { return seatMessage("CMD_askpenalty", seat); }
std::string incomplete(int seat) { return seatMessage("CMD_incomplete", seat); }
std::string notime(int seat) { return seatMessage("CMD_notime", seat); }

std::string movedtiles(const MovedTiles& m)
{
    Frame f("CMD_movedtiles");
    f.field(m.seat).field(m.score).last(m.points);
    return cellGroups(f, m.cells).done();
}

std::optional<MovedTiles> parseMovedtiles(std::string_view args)
{
    FieldReader r(args);
    MovedTiles m;
    m.seat = r.integer();
    m.score = r.integer();
    m.points = r.integer();
    if (!r.ok() || !readCells(r, m.cells)) return std::nullopt;
    return m;
}

std::string teamscore(int seat, int score) { return Frame("CMD_teamscore").field(seat).field(score).done(); }

std::optional<TeamScore> parseTeamscore(std::string_view args) { return parseNumbers<TeamScore, 2>(args); }

std::string nextplayer(const NextPlayer& m)
{
    Frame f("CMD_nextplayer");
    f.field(m.turnseat).last(m.tilesleft);
    for (const SeatCount& s : m.seats) f.group(s.seat, s.score, s.count);
    return f.done();
}

std::optional<NextPlayer> parseNextplayer(std::string_view args)
{
    FieldReader r(args);
    NextPlayer m;
    m.turnseat = r.integer();
    m.tilesleft = r.integer();
    const bool groupsOk = r.ok() && readGroups(r, [&](FieldReader& g) {
        SeatCount s;
        s.seat = g.integer();
        s.score = g.integer();
        s.count = g.integer();
        m.seats.push_back(s);
    });
    if (!groupsOk) return std::nullopt;
    return m;
}

std::string endround(const EndRound& m)
{
    Frame f("CMD_endround");
    f.last(m.winner);
    for (const SeatResult& s : m.seats) f.group(s.seat, s.score, s.points, s.count);
    return f.done();
}

std::optional<EndRound> parseEndround(std::string_view args)
{
    FieldReader r(args);
    EndRound m;
    m.winner = r.integer();
    const bool groupsOk = r.ok() && readGroups(r, [&](FieldReader& g) {
        SeatResult s;
        s.seat = g.integer();
        s.score = g.integer();
        s.points = g.integer();
        s.count = g.integer();
        m.seats.push_back(s);
    });
    if (!groupsOk) return std::nullopt;
    return m;
}

std::string roundrack(const RoundRack& m)
{
    Frame f("CMD_roundrack");
    f.last(m.seat);
    for (int tile : m.tiles) f.group(tile);
    return f.done();
}

std::optional<RoundRack> parseRoundrack(std::string_view args)
{
    FieldReader r(args);
    RoundRack m;
    m.seat = r.integer();
    const bool groupsOk = r.ok() && readGroups(r, [&](FieldReader& g) { m.tiles.push_back(g.integer()); });
    if (!groupsOk) return std::nullopt;
    return m;
}

std::string timeleft(int seconds) { return Frame("CMD_timeleft").field(seconds).done(); }

std::optional<int> parseTimeleft(std::string_view args)
{
    FieldReader r(args);
    const int seconds = r.integer();
    if (!r.ok() || seconds < 0) return std::nullopt;
    return seconds;
}

std::string startround(const std::array<int, 4>& scores)
{
    return Frame("CMD_startround").field(scores[0]).field(scores[1]).field(scores[2]).field(scores[3]).done();
}

std::optional<std::array<int, 4>> parseStartround(std::string_view args)
{
    FieldReader r(args);
    std::array<int, 4> scores{};
    for (int& s : scores) s = r.integer();
    return okOr(r, scores);
}

std::string winner(std::string_view name) { return Frame("CMD_winner").field(name).done(); }

std::string parseWinner(std::string_view args)
{
    FieldReader r(args);
    return std::string(r.text());
}

} // namespace brixo::msg
