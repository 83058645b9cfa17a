#include "store/journalfile.h"

#include "store/regularfile.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace brixo {

namespace {

// Far above any journal: four racks of 60, a full board, long names.
constexpr std::uintmax_t kJournalLimit = 64 * 1024;

struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += std::size_t(wrote);
    }
    return true;
}

std::optional<GameJournal> readJournal(const std::filesystem::path& file, std::string& failure)
{
    std::string why;
    const std::optional<std::string> text = readRegularFile(file, kJournalLimit, why);
    if (!text) {
        failure = why;
        return std::nullopt;
    }
    const std::optional<GameJournal> journal = parseJournal(*text, why);
    if (!journal) failure = file.string() + " cannot be used: " + why + ".";
    return journal;
}

} // namespace

bool writeJournalFile(const std::filesystem::path& file, const std::string& text, std::string& failure)
{
    std::filesystem::path fresh = file;
    fresh += ".new";
    {
        const Descriptor out{::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
        if (out.fd < 0 || !writeAll(out.fd, text) || ::fsync(out.fd) != 0) {
            failure = fresh.string() + " cannot be written.";
            std::error_code ignored;
            std::filesystem::remove(fresh, ignored);
            return false;
        }
    }
    if (::rename(fresh.c_str(), file.c_str()) != 0) {
        failure = file.string() + " cannot be replaced.";
        return false;
    }
    // The rename itself is on the disk only once the folder is.
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
    return true;
}

void JournalFileSink::journal(const GameJournal& journal)
{
    if (m_writer) {
        m_writer->write(m_file, m_header + journalText(journal));
        return;
    }
    std::string failure;
    const bool wrote = writeJournalFile(m_file, m_header + journalText(journal), failure);
    if (!wrote && !m_failing && m_report) m_report("The game journal cannot be kept: " + failure);
    m_failing = !wrote;
}

void JournalFileSink::gameOver()
{
    if (m_writer) m_writer->remove(m_file);
    else removeJournalFile(m_file);
}

void removeJournalFile(const std::filesystem::path& file)
{
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

LoadedJournal loadJournalFile(const std::filesystem::path& file)
{
    LoadedJournal loaded;
    if (fileKind(file) == FileKind::Missing) return loaded;
    std::string failure;
    loaded.journal = readJournal(file, failure);
    if (loaded.journal) return loaded;
    const std::filesystem::path aside = setFileAside(file);
    loaded.message = "The game journal could not be used: " + failure +
                     (aside.empty() ? " It could not be set aside either." : " It was set aside as " + aside.string() + ".") +
                     " Starting without it.";
    return loaded;
}

JournalSummary summaryOf(const GameJournal& journal)
{
    JournalSummary summary;
    summary.written = journal.written;
    for (const JournalSeat& seat : journal.seats)
        if (seat.person) summary.names.push_back(seat.name);
    return summary;
}

} // namespace brixo
