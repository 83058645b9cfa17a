#include "net/qt/deadlines.h"

#include <QTimer>

#include <algorithm>
#include <vector>

Deadlines::Deadlines(Handler due, QObject* parent) : QObject(parent), m_handler(std::move(due)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_clock.start();
    connect(m_timer, &QTimer::timeout, this, &Deadlines::fire);
}

void Deadlines::expect(brixo::ConnectionId connection, int milliseconds)
{
    const qint64 at = m_clock.elapsed() + std::max(0, milliseconds);
    const bool first = m_due.empty() || at < m_due.begin()->first;
    m_due.emplace(at, connection);
    if (first) arm();
}

void Deadlines::fire()
{
    const qint64 now = m_clock.elapsed();
    // The handler may add deadlines; those due now wait for the next turn.
    std::vector<brixo::ConnectionId> due;
    while (!m_due.empty() && m_due.begin()->first <= now) {
        due.push_back(m_due.begin()->second);
        m_due.erase(m_due.begin());
    }
    arm();
    for (const brixo::ConnectionId connection : due) m_handler(connection);
}

void Deadlines::arm()
{
    if (m_due.empty()) {
        m_timer->stop();
        return;
    }
    m_timer->start(int(std::max<qint64>(0, m_due.begin()->first - m_clock.elapsed())));
}
