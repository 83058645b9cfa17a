#include "server/gamejournal.h"

#include "model/boardgrid.h"
#include "model/tile.h"

#include <charconv>
#include <cstdio>

namespace brixo {

namespace {

constexpr std::string_view kFirstLine = "brixo-journal 1";
constexpr std::size_t kMaxKey = 64;
constexpr std::size_t kMaxName = 256;

// FNV-1a, 64 bits: catches a cut or a changed byte, which is all it is for.
std::uint64_t checksum(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value)
{
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
    return buffer;
}

// Names and keys may hold any byte but a line end; spaces and '%' are
// written as %XX so that every field is one word.
std::string escaped(std::string_view text)
{
    std::string out = text.empty() ? "-" : "";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || c == '%' || c == '-' || byte == 0x7f) {
            char buffer[4];
            std::snprintf(buffer, sizeof buffer, "%%%02X", byte);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view word, std::size_t limit)
{
    if (word == "-") return std::string();
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '-') return std::nullopt;
        if (word[i] != '%') {
            out += word[i];
            continue;
        }
        if (i + 2 >= word.size()) return std::nullopt;
        unsigned value = 0;
        const auto [end, error] = std::from_chars(word.data() + i + 1, word.data() + i + 3, value, 16);
        if (error != std::errc() || end != word.data() + i + 3) return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    if (out.empty() || out.size() > limit) return std::nullopt;
    return out;
}

class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}
    // The next line split into words at single spaces; none at the end.
    std::optional<std::vector<std::string_view>> next()
    {
        if (m_at >= m_text.size()) return std::nullopt;
        const std::size_t end = m_text.find('\n', m_at);
        if (end == std::string_view::npos) return std::nullopt; // every line ends with '\n'
        const std::string_view line = m_text.substr(m_at, end - m_at);
        m_at = end + 1;
        std::vector<std::string_view> words;
        std::size_t from = 0;
        for (;;) {
            const std::size_t space = line.find(' ', from);
            words.push_back(line.substr(from, space - from));
            if (space == std::string_view::npos) break;
            from = space + 1;
        }
        return words;
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

template <typename Number>
std::optional<Number> number(std::string_view word, Number low, Number high)
{
    Number value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<bool> flag(std::string_view word)
{
    if (word == "0") return false;
    if (word == "1") return true;
    return std::nullopt;
}

} // namespace

std::string journalText(const GameJournal& j)
{
    std::string out;
    const auto line = [&out](const std::string& text) { out += text + '\n'; };
    const auto b = [](bool value) { return std::string(value ? "1" : "0"); };
    const auto n = [](auto value) { return std::to_string(value); };
    line(std::string(kFirstLine));
    line("written " + n(j.written));
    line("options " + n(j.options.playto) + ' ' + n(j.options.turntime) + ' ' + n(j.options.tilestostart) + ' ' +
         b(j.options.timepenalty) + ' ' + b(j.options.teamgame));
    line(j.random ? "random " + n(j.random->seed) + ' ' + n(j.random->drawn) : "random none");
    std::string pool = "pool " + n(j.poolpos);
    for (const int tile : j.pool) pool += ' ' + n(tile);
    line(pool);
    line("turn " + n(j.playercount) + ' ' + n(j.turnseat) + ' ' + b(j.betweenRounds) + ' ' + n(j.round));
    for (int s = 0; s < kSeats; ++s) {
        const JournalSeat& seat = j.seats[std::size_t(s)];
        line("seat " + n(s + 1) + ' ' + b(seat.plays) + ' ' + b(seat.person) + ' ' + b(seat.watching) + ' ' +
             b(seat.poolempty) + ' ' + n(seat.score) + ' ' + n(seat.points) + ' ' + n(seat.laiddown) + ' ' +
             escaped(seat.seatkey) + ' ' + escaped(seat.name));
        std::string rack = "rack " + n(seat.rack.size());
        for (const RackItem& item : seat.rack) rack += ' ' + n(item.slot) + ':' + n(item.tile);
        line(rack);
    }
    std::string board = "board " + n(j.board.size());
    for (const JournalCell& cell : j.board) board += ' ' + n(cell.col) + ',' + n(cell.row) + ',' + n(cell.tile);
    line(board);
    for (const JournalRemoved& removed : j.removed)
        line("removed " + escaped(removed.seatkey) + ' ' + escaped(removed.address) + ' ' + escaped(removed.name));
    line("check " + hex(checksum(out)));
    return out;
}

std::optional<GameJournal> parseJournal(std::string_view text, std::string& failure)
{
    const auto refuse = [&failure](const std::string& why) -> std::optional<GameJournal> {
        failure = why;
        return std::nullopt;
    };
    // The checksum first: nothing of a damaged text is looked at.
    const std::size_t checkAt = text.rfind("check ");
    if (checkAt == std::string_view::npos || (checkAt > 0 && text[checkAt - 1] != '\n'))
        return refuse("it has no checksum");
    if (text.substr(checkAt) != "check " + hex(checksum(text.substr(0, checkAt))) + '\n')
        return refuse("its checksum does not match");

    Lines lines(text.substr(0, checkAt));
    GameJournal j;
    const auto bad = [&](const char* what) { return refuse(std::string("its ") + what + " line is damaged"); };

    auto words = lines.next();
    if (!words || words->size() != 2 || std::string((*words)[0]) + ' ' + std::string((*words)[1]) != kFirstLine)
        return refuse("it is not a game journal of this version");

    words = lines.next();
    if (!words || words->size() != 2 || (*words)[0] != "written") return bad("date");
    const auto written = number<std::int64_t>((*words)[1], 0, 1ll << 40);
    if (!written) return bad("date");
    j.written = *written;

    words = lines.next();
    if (!words || words->size() != 6 || (*words)[0] != "options") return bad("options");
    {
        const auto playto = number((*words)[1], kPlayToRange.low, kPlayToRange.high);
        const auto turntime = number((*words)[2], kTurnTimeRange.low, kTurnTimeRange.high);
        const auto tiles = number(words->at(3), 1, kTilesToStartRange.high);
        const auto penalty = flag((*words)[4]);
        const auto team = flag((*words)[5]);
        if (!playto || !turntime || !tiles || !penalty || !team) return bad("options");
        j.options = {*playto, *turntime, *tiles, *penalty, *team};
    }

    words = lines.next();
    if (!words || (*words)[0] != "random") return bad("random");
    if (words->size() == 2 && (*words)[1] == "none") {
        j.random.reset();
    } else {
        if (words->size() != 3) return bad("random");
        const auto seed = number<std::uint64_t>((*words)[1], 0, ~0ull);
        const auto drawn = number<std::uint64_t>((*words)[2], 0, 1ull << 40);
        if (!seed || !drawn) return bad("random");
        j.random = RandomState{*seed, *drawn};
    }

    words = lines.next();
    if (!words || words->size() != 2 + Pool::kSize || (*words)[0] != "pool") return bad("pool");
    {
        const auto pos = number((*words)[1], 0, Pool::kSize + 1);
        if (!pos) return bad("pool");
        j.poolpos = *pos;
        std::array<int, kHighestTile + 1> seen{};
        for (int i = 0; i < Pool::kSize; ++i) {
            const auto tile = number((*words)[std::size_t(i) + 2], 1, kHighestTile);
            if (!tile || ++seen[std::size_t(*tile)] > 2) return bad("pool");
            j.pool[std::size_t(i)] = *tile;
        }
    }

    words = lines.next();
    if (!words || words->size() != 5 || (*words)[0] != "turn") return bad("turn");
    {
        const auto count = number((*words)[1], kSeats, kMaxSlots);
        const auto seat = number((*words)[2], 1, kSeats);
        const auto between = flag((*words)[3]);
        const auto round = number((*words)[4], 1, 1000000);
        if (!count || !seat || !between || !round) return bad("turn");
        j.playercount = *count;
        j.turnseat = *seat;
        j.betweenRounds = *between;
        j.round = *round;
    }

    for (int s = 0; s < kSeats; ++s) {
        JournalSeat& seat = j.seats[std::size_t(s)];
        words = lines.next();
        if (!words || words->size() != 11 || (*words)[0] != "seat" || (*words)[1] != std::to_string(s + 1))
            return bad("seat");
        const auto plays = flag((*words)[2]);
        const auto person = flag((*words)[3]);
        const auto watching = flag((*words)[4]);
        const auto poolempty = flag((*words)[5]);
        constexpr int kScoreBound = 1000000;
        const auto score = number((*words)[6], -kScoreBound, kScoreBound);
        const auto points = number((*words)[7], -kScoreBound, kScoreBound);
        const auto laiddown = number((*words)[8], 0, kScoreBound);
        const auto key = unescaped((*words)[9], kMaxKey);
        const auto name = unescaped((*words)[10], kMaxName);
        if (!plays || !person || !watching || !poolempty || !score || !points || !laiddown || !key || !name)
            return bad("seat");
        // A seat kept for a person needs the person's name and key.
        if (*person && (name->empty() || key->empty())) return bad("seat");
        seat = {*plays, *person, *watching, *poolempty, *score, *points, *laiddown, *key, *name, {}};

        words = lines.next();
        if (!words || words->size() < 2 || (*words)[0] != "rack") return bad("rack");
        const auto count = number((*words)[1], 0, Rack::kSlots);
        if (!count || words->size() != std::size_t(*count) + 2) return bad("rack");
        int lastSlot = 0;
        for (int i = 0; i < *count; ++i) {
            const std::string_view item = (*words)[std::size_t(i) + 2];
            const std::size_t colon = item.find(':');
            if (colon == std::string_view::npos) return bad("rack");
            const auto slot = number(item.substr(0, colon), lastSlot + 1, Rack::kSlots);
            const auto tile = number(item.substr(colon + 1), 1, kHighestTile);
            if (!slot || !tile) return bad("rack");
            lastSlot = *slot;
            seat.rack.push_back({*slot, *tile});
        }
    }

    words = lines.next();
    if (!words || words->size() < 2 || (*words)[0] != "board") return bad("board");
    {
        const auto count = number((*words)[1], 0, Pool::kSize);
        if (!count || words->size() != std::size_t(*count) + 2) return bad("board");
        int last = -1;
        for (int i = 0; i < *count; ++i) {
            const std::string_view cell = (*words)[std::size_t(i) + 2];
            const std::size_t first = cell.find(',');
            const std::size_t second = cell.find(',', first == std::string_view::npos ? 0 : first + 1);
            if (first == std::string_view::npos || second == std::string_view::npos) return bad("board");
            const auto col = number(cell.substr(0, first), 0, BoardGrid::kColumns - 1);
            const auto row = number(cell.substr(first + 1, second - first - 1), 0, BoardGrid::kRows - 1);
            const auto tile = number(cell.substr(second + 1), 1, kHighestTile);
            if (!col || !row || !tile) return bad("board");
            const int at = *col * BoardGrid::kRows + *row;
            if (at <= last) return bad("board");
            last = at;
            j.board.push_back({*col, *row, *tile});
        }
    }
    // Journals written before removals were kept have none of these lines.
    while ((words = lines.next())) {
        if (words->size() != 4 || (*words)[0] != "removed" || j.removed.size() >= kMaxJournalRemoved)
            return refuse("it has lines past its end");
        const auto key = unescaped((*words)[1], kMaxKey);
        const auto address = unescaped((*words)[2], kMaxName);
        const auto name = unescaped((*words)[3], kMaxName);
        if (!key || !address || !name) return bad("removed");
        j.removed.push_back({*key, *name, *address});
    }

    // Every tile once: the pool's places not yet taken, the racks, the board.
    std::array<int, kHighestTile + 1> count{};
    for (int place = j.poolpos + 1; place <= Pool::kSize; ++place) ++count[std::size_t(j.pool[std::size_t(place) - 1])];
    for (const JournalSeat& seat : j.seats)
        for (const RackItem& item : seat.rack) ++count[std::size_t(item.tile)];
    for (const JournalCell& cell : j.board) ++count[std::size_t(cell.tile)];
    for (int tile = 1; tile <= kHighestTile; ++tile)
        if (count[std::size_t(tile)] != 2) return refuse("its tiles do not add up to a full set");
    return j;
}

} // namespace brixo
