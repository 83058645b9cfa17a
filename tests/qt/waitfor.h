// Spins the event loop until a condition holds or a generous time passes.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

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
