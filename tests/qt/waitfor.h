// Spins the event loop until a condition holds or a generous time passes.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>

#include <memory>

template <class Condition>
bool waitFor(Condition&& condition, int milliseconds = 5000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Spins the event loop until everything queued in it before this call has
// run, with one more pass for the sockets' news: a call queued now, and
// queued again when it runs, comes after all of it.
inline bool waitForQueued(int milliseconds = 5000)
{
    const auto passes = std::make_shared<int>(0);
    QCoreApplication* app = QCoreApplication::instance();
    QMetaObject::invokeMethod(
        app,
        [app, passes] {
            ++*passes;
            QMetaObject::invokeMethod(app, [passes] { ++*passes; }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return waitFor([&] { return *passes == 2; }, milliseconds);
}
