#include "table/qt/reconnector.h"

#include "net/qt/tsock.h"

#include <QTimer>

#include <algorithm>

namespace {

// The countdown is redrawn at least this often, so its seconds never skip.
constexpr int kCountdownRedraw = 250; // milliseconds

brixo::ReconnectSchedule::Clock::time_point scheduleNow()
{
    return brixo::ReconnectSchedule::Clock::now();
}

} // namespace

Reconnector::Reconnector(QObject* parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &Reconnector::step);
}

void Reconnector::start(const QString& address, quint16 port, const QString& gone)
{
    stop();
    m_address = address;
    m_gone = gone;
    m_port = port;
    m_schedule.start(scheduleNow());
    step();
}

void Reconnector::stop()
{
    m_schedule.stop();
    m_timer->stop();
    endTry();
}

QString Reconnector::text() const
{
    return active() ? QString::fromStdString(m_schedule.countdownText(scheduleNow(), m_gone.toStdString())) : QString();
}

void Reconnector::endTry()
{
    if (!m_try) return;
    m_try->disconnect(this);
    m_try->drop();
    m_try->deleteLater();
    m_try = nullptr;
}

void Reconnector::step()
{
    if (!active()) return;
    const auto at = scheduleNow();
    if (m_schedule.expired(at)) {
        stop();
        emit gaveUp();
        return;
    }
    if (m_schedule.takeTry(at)) {
        // A try still unanswered has had its time.
        endTry();
        m_try = new TSock(this);
        m_try->setObjectName(QStringLiteral("reconnect_try"));
        connect(m_try, &TSock::connected, this, [this] {
            stop();
            emit hostBack();
        });
        connect(m_try, &TSock::errorReported, this, [this] {
            if (m_try && !m_try->isConnected()) endTry();
        });
        m_try->open(m_address, m_port);
    }
    emit ticked();
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(m_schedule.untilNext(at)).count();
    m_timer->start(int(std::clamp<long long>(wait, 1, kCountdownRedraw)));
}
