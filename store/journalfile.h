// The game journal on disk. Each write goes to a new file that is flushed
// to the disk and then renamed over the old one, so that after a crash or a
// power cut the file holds either the last journal or the one before, never
// a mix. A journal that cannot be read or does not check is set aside
// (".bad") and the game starts without it.
#pragma once

#include "server/gamejournal.h"

#include "server/serverform.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brixo {

// The journal's file name in the folder the program keeps its data in.
inline constexpr const char* kJournalFileName = "brixojournal.txt";

// Writes the text durably; false with the reason in `failure`.
bool writeJournalFile(const std::filesystem::path& file, const std::string& text, std::string& failure);

// Removes the journal (the game is over); no word when there is none.
void removeJournalFile(const std::filesystem::path& file);

// Takes journal files to the disk on the sink's behalf, in the order it is
// asked to (a lobby's many rooms hand theirs to a thread of its own, so that
// no room waits for the disk); it reports what fails itself.
class JournalWriter {
public:
    virtual ~JournalWriter() = default;
    virtual void write(const std::filesystem::path& file, std::string text) = 0;
    virtual void remove(const std::filesystem::path& file) = 0;
};

// Keeps a server's journal in a file: written at every turn and round, gone
// when the game is over. Written at once, before the server goes on, unless
// a writer takes it. A write that fails is reported once, and the game goes
// on without a journal until a write succeeds again.
class JournalFileSink final : public JournalSink {
public:
    // `header` goes before every journal's text (a lobby's room says which
    // room it is there).
    explicit JournalFileSink(std::filesystem::path file, std::function<void(const std::string&)> report = {},
                             std::string header = {}, JournalWriter* writer = nullptr)
        : m_file(std::move(file)), m_report(std::move(report)), m_header(std::move(header)), m_writer(writer)
    {
    }
    void journal(const GameJournal& journal) override;
    void gameOver() override;
    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
    std::function<void(const std::string&)> m_report;
    std::string m_header;
    JournalWriter* m_writer;
    bool m_failing = false;
};

struct LoadedJournal {
    std::optional<GameJournal> journal; // none when there was none or it was set aside
    std::string message;                // said when a journal was set aside; empty otherwise
};

// The journal in the file. One that cannot be used is renamed to ".bad"
// and the message says so and why.
LoadedJournal loadJournalFile(const std::filesystem::path& file);

// What a hosting table shows before it offers to resume: when the journal
// was written and who played.
struct JournalSummary {
    std::int64_t written = 0;       // seconds since 1970, UTC
    std::vector<std::string> names; // the people at the seats, in seat order
};

// The journal's date and names.
JournalSummary summaryOf(const GameJournal& journal);

} // namespace brixo
