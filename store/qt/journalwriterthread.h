// Writes journal files on a thread of its own: the thread that asks goes on
// at once, and the disk's flushes (a millisecond each, at times far more)
// no longer hold it up. Files are written and removed in the order asked;
// when a file is asked for again before its last text reached the disk,
// only the newest text is written. What cannot be written is reported on
// standard error. Destroying the writer finishes what was asked first.
#pragma once

#include "store/journalfile.h"

#include <QObject>

class QThread;

class JournalWriterThread final : public QObject, public brixo::JournalWriter {
    Q_OBJECT
public:
    explicit JournalWriterThread(QObject* parent = nullptr);
    ~JournalWriterThread() override;

    void write(const std::filesystem::path& file, std::string text) override;
    void remove(const std::filesystem::path& file) override;

private:
    class Worker;
    QThread* m_thread;
    Worker* m_worker;
};
