#include "store/regularfile.h"

#include <fstream>
#include <system_error>

namespace brixo {

FileKind fileKind(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) return FileKind::Missing;
    if (error) return FileKind::Other;
    return status.type() == std::filesystem::file_type::regular ? FileKind::Regular : FileKind::Other;
}

std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::uintmax_t limit,
                                           std::string& failure)
{
    const std::string name = file.string();
    if (fileKind(file) != FileKind::Regular) {
        failure = name + " is not a regular file and is not read.";
        return std::nullopt;
    }
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            failure = name + " cannot be opened.";
            return std::nullopt;
        }
        // The size is read, not asked: the file may grow while it is read.
        std::string bytes;
        char chunk[65536];
        while (in) {
            in.read(chunk, sizeof chunk);
            bytes.append(chunk, std::size_t(in.gcount()));
            if (bytes.size() > limit) {
                failure = name + " is too big (more than " + std::to_string(limit) + " bytes).";
                return std::nullopt;
            }
        }
        if (in.bad()) {
            failure = name + " cannot be read.";
            return std::nullopt;
        }
        return bytes;
    } catch (const std::exception& e) {
        failure = name + " cannot be read: " + e.what();
        return std::nullopt;
    }
}

std::filesystem::path setFileAside(const std::filesystem::path& file)
{
    for (int n = 1; n <= 100; ++n) {
        std::filesystem::path kept = file;
        kept += n == 1 ? std::string(".bad") : ".bad" + std::to_string(n);
        std::error_code error;
        // A dangling link counts as taken: it is not followed.
        if (std::filesystem::symlink_status(kept, error).type() != std::filesystem::file_type::not_found) continue;
        std::filesystem::rename(file, kept, error);
        return error ? std::filesystem::path() : kept;
    }
    return {};
}

} // namespace brixo
