// Reading a local file that anybody may have replaced: only a regular file
// is read, checked on what was opened so that nothing swapped in after a
// look is read (a FIFO would hang the start, a directory or a device gives no
// end or an error the streams throw), it is read only up to a limit that the
// caller knows to be far above any real file of its kind, and no exception
// leaves these functions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace brixo {

enum class FileKind { Missing, Regular, Other };

// What is at the path, following links: a link to /dev/zero is Other.
FileKind fileKind(const std::filesystem::path& file);

// The whole file, or nothing with a message that names the file and says
// why (not a regular file, bigger than the limit, a read error).
std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::uintmax_t limit,
                                           std::string& failure);

// Renames a file that could not be read to the first free name with ".bad"
// (".bad2" ...) added, so that it is kept and a fresh file can take its
// place; the new name, or empty when it could not be renamed.
std::filesystem::path setFileAside(const std::filesystem::path& file);

} // namespace brixo
