// A lobby's rooms kept on disk: one file a room in the lobby's folder,
// named after the room's code, holding a first line that says which room
// it is (its code, whether it is listed, its title) and then the room's
// game journal. A lobby started again puts back every room whose file
// reads whole, with its code and title, and goes on with its game.
#pragma once

#include "server/gamejournal.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

// The room's file in the folder.
std::filesystem::path roomJournalFile(const std::filesystem::path& folder, std::string_view code);

// The first line of a room's file.
std::string roomJournalHeader(std::string_view code, std::string_view title, bool isPublic);

struct KeptRoom {
    std::string code;
    std::string title;
    bool isPublic = true;
    GameJournal journal;
    std::filesystem::path file;
};

// Every room file in the folder that reads whole, in the order of their
// codes. A file that cannot be used is set aside (".bad") and a message in
// `messages` says which and why; other files are left alone.
std::vector<KeptRoom> loadRoomJournals(const std::filesystem::path& folder, std::vector<std::string>& messages);

} // namespace brixo
