#include "table/qt/journalkeptgames.h"

#include "store/journalfile.h"

#include <QDateTime>
#include <QLocale>

JournalKeptGames::JournalKeptGames(std::filesystem::path file, Notice notice)
    : m_file(std::move(file)), m_notice(std::move(notice))
{
}

std::optional<brixo::KeptGame> JournalKeptGames::find()
{
    m_resume = false;
    // Loading first sets a damaged journal aside, with the reason.
    const brixo::LoadedJournal loaded = brixo::loadJournalFile(m_file);
    if (!loaded.message.empty() && m_notice) m_notice(loaded.message);
    m_found = loaded.journal;
    if (!m_found) return std::nullopt;
    const brixo::JournalSummary summary = brixo::summaryOf(*m_found);
    const QDateTime written = QDateTime::fromSecsSinceEpoch(summary.written).toLocalTime();
    return brixo::KeptGame{QLocale().toString(written, QLocale::LongFormat).toStdString(), summary.names};
}

void JournalKeptGames::discard()
{
    m_found.reset();
    m_resume = false;
    brixo::removeJournalFile(m_file);
}

std::optional<brixo::GameJournal> JournalKeptGames::takeResumed()
{
    if (!m_resume) return std::nullopt;
    m_resume = false;
    return std::exchange(m_found, std::nullopt);
}
