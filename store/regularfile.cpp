#include "store/regularfile.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brixo {

FileKind fileKind(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) return FileKind::Missing;
    if (error) return FileKind::Other;
    return status.type() == std::filesystem::file_type::regular ? FileKind::Regular : FileKind::Other;
}

namespace {
// Closes the descriptor however the reading ends.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};
} // namespace

std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::uintmax_t limit,
                                           std::string& failure)
{
    const std::string name = file.string();
    // The kind is asked of what was opened, not of the path, so that nothing
    // swapped in between a look and the opening is read. Opening without
    // blocking keeps a FIFO from holding the open until a writer comes.
    const Descriptor in{::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat status {};
    if (in.fd >= 0 && ::fstat(in.fd, &status) == 0 && !S_ISREG(status.st_mode)) {
        failure = name + " is not a regular file and is not read.";
        return std::nullopt;
    }
    if (in.fd < 0 || !S_ISREG(status.st_mode)) {
        failure = name + (fileKind(file) == FileKind::Regular ? " cannot be opened."
                                                              : " is not a regular file and is not read.");
        return std::nullopt;
    }
    try {
        // The size is read, not asked: the file may grow while it is read.
        std::string bytes;
        char chunk[65536];
        for (;;) {
            const ssize_t got = ::read(in.fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                failure = name + " cannot be read.";
                return std::nullopt;
            }
            if (got == 0) return bytes;
            bytes.append(chunk, std::size_t(got));
            if (bytes.size() > limit) {
                failure = name + " is too big (more than " + std::to_string(limit) + " bytes).";
                return std::nullopt;
            }
        }
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
