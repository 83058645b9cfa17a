#include "store/qt/journalwriterthread.h"

#include <QThread>

#include <cstdio>
#include <map>
#include <optional>
#include <utility>

// Lives on the writing thread; every call reaches it queued, in order.
// What arrives is noted and written on the next pass, so that a burst of
// texts for one file costs one write.
class JournalWriterThread::Worker final : public QObject {
public:
    void note(const std::filesystem::path& file, std::optional<std::string> text)
    {
        m_pending[file] = std::move(text);
        if (m_passDue) return;
        m_passDue = true;
        QMetaObject::invokeMethod(this, [this] { pass(); }, Qt::QueuedConnection);
    }

    void pass()
    {
        m_passDue = false;
        for (auto& [file, text] : std::exchange(m_pending, {})) {
            if (!text) {
                brixo::removeJournalFile(file);
                continue;
            }
            std::string failure;
            if (!brixo::writeJournalFile(file, *text, failure))
                std::fprintf(stderr, "brixo: The game journal cannot be kept: %s\n", failure.c_str());
        }
    }

private:
    std::map<std::filesystem::path, std::optional<std::string>> m_pending;
    bool m_passDue = false;
};

JournalWriterThread::JournalWriterThread(QObject* parent)
    : QObject(parent), m_thread(new QThread(this)), m_worker(new Worker)
{
    m_thread->setObjectName(QStringLiteral("journalwriter"));
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

JournalWriterThread::~JournalWriterThread()
{
    // After everything asked before: one last pass, then the thread ends.
    Worker* worker = m_worker;
    QThread* thread = m_thread;
    QMetaObject::invokeMethod(
        m_worker,
        [worker, thread] {
            worker->pass();
            thread->quit();
        },
        Qt::QueuedConnection);
    m_thread->wait();
    // Its thread is over: nothing else reaches it.
    delete m_worker;
}

void JournalWriterThread::write(const std::filesystem::path& file, std::string text)
{
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(
        m_worker, [worker, file, text = std::move(text)]() mutable { worker->note(file, std::move(text)); },
        Qt::QueuedConnection);
}

void JournalWriterThread::remove(const std::filesystem::path& file)
{
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(m_worker, [worker, file] { worker->note(file, std::nullopt); }, Qt::QueuedConnection);
}
