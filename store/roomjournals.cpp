#include "store/roomjournals.h"

#include "net/lobbymessages.h"
#include "store/regularfile.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace brixo {

namespace {

constexpr std::string_view kHeaderWord = "room";
constexpr std::string_view kFileEnding = ".txt";
// A journal and its header line, far above any room's.
constexpr std::uintmax_t kRoomFileLimit = 68 * 1024;

// "room CODE 1 Title words" into its parts; none when it is not that.
std::optional<KeptRoom> parseHeader(std::string_view line)
{
    const std::string prefix = std::string(kHeaderWord) + ' ';
    if (!line.starts_with(prefix)) return std::nullopt;
    line.remove_prefix(prefix.size());
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || line.size() < blank + 3 || line[blank + 2] != ' ') return std::nullopt;
    const std::optional<std::string> code = roomCode(line.substr(0, blank));
    if (!code || *code != line.substr(0, blank)) return std::nullopt;
    const char flag = line[blank + 1];
    if (flag != '0' && flag != '1') return std::nullopt;
    KeptRoom room;
    room.code = *code;
    room.isPublic = flag == '1';
    room.title = std::string(line.substr(blank + 3));
    return room;
}

std::optional<KeptRoom> readRoom(const std::filesystem::path& file, std::string& failure)
{
    std::string why;
    const std::optional<std::string> text = readRegularFile(file, kRoomFileLimit, why);
    if (!text) {
        failure = why;
        return std::nullopt;
    }
    const std::size_t end = text->find('\n');
    std::optional<KeptRoom> room =
        end == std::string::npos ? std::nullopt : parseHeader(std::string_view(*text).substr(0, end));
    if (!room || room->code + std::string(kFileEnding) != file.filename().string()) {
        failure = file.string() + " does not say which room it is.";
        return std::nullopt;
    }
    std::optional<GameJournal> journal = parseJournal(std::string_view(*text).substr(end + 1), why);
    if (!journal) {
        failure = file.string() + " cannot be used: " + why + ".";
        return std::nullopt;
    }
    room->journal = std::move(*journal);
    room->file = file;
    return room;
}

} // namespace

std::filesystem::path roomJournalFile(const std::filesystem::path& folder, std::string_view code)
{
    return folder / (std::string(code) + std::string(kFileEnding));
}

std::string roomJournalHeader(std::string_view code, std::string_view title, bool isPublic)
{
    // Titles are cleaned as names are: no line ends in them.
    return std::string(kHeaderWord) + ' ' + std::string(code) + ' ' + (isPublic ? '1' : '0') + ' ' +
           std::string(title) + '\n';
}

std::vector<KeptRoom> loadRoomJournals(const std::filesystem::path& folder, std::vector<std::string>& messages)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == kFileEnding) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    std::vector<KeptRoom> rooms;
    for (const std::filesystem::path& file : files) {
        std::string failure;
        if (std::optional<KeptRoom> room = readRoom(file, failure)) {
            rooms.push_back(std::move(*room));
            continue;
        }
        const std::filesystem::path aside = setFileAside(file);
        messages.push_back("A room's journal could not be used: " + failure +
                           (aside.empty() ? " It could not be set aside either."
                                          : " It was set aside as " + aside.string() + "."));
    }
    return rooms;
}

} // namespace brixo
