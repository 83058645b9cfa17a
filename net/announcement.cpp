#include "net/announcement.h"

#include "model/gameoptions.h"
#include "model/slottable.h"
#include "net/fieldreader.h"

#include <array>

namespace brixo {

namespace {

constexpr std::string_view kFirstLine = "BRIXO 1\n";

// The length of the well-formed UTF-8 character at `at` (no overlong
// forms, no surrogates, nothing past U+10FFFF), with its code point; 0 for
// a byte that starts none.
std::size_t announcedCharAt(std::string_view text, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// C0 controls, DEL and the C1 controls U+0080..U+009F.
bool isControl(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

// The name as it can travel: one line of UTF-8 without controls.
std::string carriedName(std::string_view raw)
{
    std::string name;
    for (std::size_t i = 0; i < raw.size();) {
        char32_t code = 0;
        const std::size_t length = announcedCharAt(raw, i, code);
        if (length == 0) {
            name += '?';
            ++i;
            continue;
        }
        if (isControl(code)) name += ' ';
        else name += raw.substr(i, length);
        i += length;
    }
    return name;
}

// The longest start of `text` of at most `bytes` bytes that does not cut a
// UTF-8 character in two.
std::string_view cutOnCharacter(std::string_view text, std::size_t bytes)
{
    if (text.size() <= bytes) return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

bool isAnnouncedName(std::string_view name)
{
    if (name.empty()) return false;
    for (std::size_t i = 0; i < name.size();) {
        char32_t code = 0;
        const std::size_t length = announcedCharAt(name, i, code);
        if (length == 0 || isControl(code)) return false;
        i += length;
    }
    return true;
}

bool isVersionText(std::string_view text)
{
    if (text.empty() || text.size() > kMaxVersionLength) return false;
    for (const char c : text)
        if (c <= ' ' || c > '~') return false;
    return true;
}

// The datagram's fields, in the order they are written.
enum class AnnouncedField { Port, Name, Seated, Free, Running, Playto, Version };
constexpr std::array<std::string_view, 7> kAnnouncedFields = {"port", "name", "seated", "free",
                                                              "running", "playto", "version"};

bool readAnnouncedNumber(std::string_view text, int low, int high, int& into)
{
    const auto number = parseWholeNumber(text, low, high);
    if (number) into = *number;
    return number.has_value();
}

// Reads one field's value into the announcement; false when it is malformed.
bool readAnnouncedField(AnnouncedField field, std::string_view value, Announcement& game)
{
    switch (field) {
    case AnnouncedField::Port: return readAnnouncedNumber(value, 1, 65535, game.port);
    case AnnouncedField::Seated: return readAnnouncedNumber(value, 0, kSeats, game.seated);
    case AnnouncedField::Free: return readAnnouncedNumber(value, 0, kSeats, game.freeSeats);
    case AnnouncedField::Playto: return readAnnouncedNumber(value, kPlayToRange.low, kPlayToRange.high, game.playto);
    case AnnouncedField::Running: {
        int running = 0;
        if (!readAnnouncedNumber(value, 0, 1, running)) return false;
        game.running = running == 1;
        return true;
    }
    case AnnouncedField::Name:
        game.name = value;
        return isAnnouncedName(value);
    case AnnouncedField::Version:
        game.version = value;
        return isVersionText(value);
    }
    return false;
}

} // namespace

std::string encodeAnnouncement(const Announcement& game)
{
    const std::string_view version = cutOnCharacter(game.version, kMaxVersionLength);
    std::string head(kFirstLine);
    head += "port=" + std::to_string(game.port) + '\n';
    std::string tail;
    tail += "seated=" + std::to_string(game.seated) + '\n';
    tail += "free=" + std::to_string(game.freeSeats) + '\n';
    tail += std::string("running=") + (game.running ? "1" : "0") + '\n';
    tail += "playto=" + std::to_string(game.playto) + '\n';
    tail += "version=" + std::string(version) + '\n';
    // Every other line is bounded (numbers of an int, a short version), so
    // the name always has most of the datagram.
    const std::size_t room = kMaxAnnouncementBytes - head.size() - tail.size() - std::string_view("name=\n").size();
    const std::string name = carriedName(game.name);
    return head + "name=" + std::string(cutOnCharacter(name, room)) + '\n' + tail;
}

std::optional<Announcement> decodeAnnouncement(std::string_view datagram)
{
    if (datagram.size() > kMaxAnnouncementBytes || !datagram.starts_with(kFirstLine)) return std::nullopt;
    std::string_view rest = datagram.substr(kFirstLine.size());
    std::array<bool, kAnnouncedFields.size()> seen{};
    Announcement game;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        std::size_t field = 0;
        while (field < kAnnouncedFields.size() && kAnnouncedFields[field] != key) ++field;
        if (field == kAnnouncedFields.size() || seen[field]) return std::nullopt;
        seen[field] = true;
        if (!readAnnouncedField(AnnouncedField(field), value, game)) return std::nullopt;
    }
    for (const bool present : seen)
        if (!present) return std::nullopt;
    if (game.seated + game.freeSeats > kSeats) return std::nullopt;
    return game;
}

} // namespace brixo
