#include "net/lobbymessages.h"

#include "net/fieldreader.h"
#include "net/framecutter.h"

#include <cctype>

namespace brixo {

std::optional<std::string> roomCode(std::string_view typed)
{
    if (typed.size() != kRoomCodeLength) return std::nullopt;
    std::string code;
    for (const char c : typed) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (kRoomCodeAlphabet.find(upper) == std::string_view::npos) return std::nullopt;
        code += upper;
    }
    return code;
}

namespace msg {

namespace {

std::string frame(std::string_view command, std::initializer_list<std::string_view> fields)
{
    std::string text(command);
    text += '+';
    for (const std::string_view field : fields) {
        text += field;
        text += '+';
    }
    text += kTerminator;
    return text;
}

std::string_view flagText(bool on)
{
    return on ? "t" : "f";
}

// A "t" or "f" field; anything else spoils the message.
bool readFlag(FieldReader& r)
{
    const std::string_view text = r.text();
    if (text != "t" && text != "f") r.markBad();
    return text == "t";
}

// The end of a message whose fields each end in "+".
bool endsCleanly(FieldReader& r)
{
    if (!r.hasMore() || !r.atTrailingEmpty()) return false;
    r.text();
    return r.ok();
}

} // namespace

std::string lobby(int version) { return frame("CMD_lobby", {std::to_string(version)}); }

std::optional<int> parseLobby(std::string_view args)
{
    FieldReader r(args);
    const int version = r.integer();
    if (!endsCleanly(r)) return std::nullopt;
    return version;
}

std::string listrooms() { return frame("CMD_listrooms", {}); }

std::string room(const RoomEntry& e)
{
    return frame("CMD_room", {e.code, e.title, std::to_string(e.seated), std::to_string(e.spectators),
                              flagText(e.running)});
}

std::optional<RoomEntry> parseRoom(std::string_view args)
{
    FieldReader r(args);
    RoomEntry e;
    const auto code = roomCode(r.text());
    e.title = std::string(r.text());
    e.seated = r.integer();
    e.spectators = r.integer();
    e.running = readFlag(r);
    if (!code || !endsCleanly(r)) return std::nullopt;
    e.code = *code;
    return e;
}

std::string roomsend() { return frame("CMD_roomsend", {}); }

std::string newroom(const NewRoom& request) { return frame("CMD_newroom", {request.title, flagText(request.isPublic)}); }

std::optional<NewRoom> parseNewroom(std::string_view args)
{
    FieldReader r(args);
    NewRoom request;
    request.title = std::string(r.text());
    request.isPublic = readFlag(r);
    if (!endsCleanly(r)) return std::nullopt;
    return request;
}

std::string roomcode(std::string_view code) { return frame("CMD_roomcode", {code}); }
std::string joinroom(std::string_view code) { return frame("CMD_joinroom", {code}); }
std::string noroom(std::string_view code) { return frame("CMD_noroom", {code}); }

std::optional<std::string> parseCode(std::string_view args)
{
    FieldReader r(args);
    const std::string_view typed = r.text();
    if (!endsCleanly(r)) return std::nullopt;
    return roomCode(typed);
}

} // namespace msg
} // namespace brixo
