// The game a hosting table's own server kept in its journal, offered to the
// host at the next Host: read from the data folder, resumed by the next
// server the table starts, or thrown away. A journal that cannot be used is
// set aside and said in the chat.
#pragma once

#include "server/gamejournal.h"
#include "table/keptgame.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class JournalKeptGames final : public brixo::KeptGames {
public:
    using Notice = std::function<void(const std::string&)>;
    JournalKeptGames(std::filesystem::path file, Notice notice);

    std::optional<brixo::KeptGame> find() override;
    void resume() override { m_resume = true; }
    void discard() override;

    // Where a hosting table's server keeps its journal.
    const std::filesystem::path& file() const { return m_file; }
    // The journal the host chose to resume, once: the server that starts
    // next goes on with it.
    std::optional<brixo::GameJournal> takeResumed();

private:
    std::filesystem::path m_file;
    Notice m_notice;
    std::optional<brixo::GameJournal> m_found;
    bool m_resume = false;
};
