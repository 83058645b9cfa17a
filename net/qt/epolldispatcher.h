// An event dispatcher for a process with thousands of sockets (the
// lobby): Linux's epoll tells which sockets are ready, so a turn of the
// event loop costs what happened, not what is open. Qt's own dispatchers
// hand the kernel every socket on every turn (poll), which at four
// thousand sockets is most of a core.
//
// For the thread that creates it, installed before the application object
// (QCoreApplication::setEventDispatcher). Posted events, socket notifiers
// and timers behave as with Qt's own; timers keep millisecond precision
// whatever their type. wakeUp() and interrupt() may come from any thread.
// It delivers no window-system events: not for a thread with windows.
#pragma once

#include <QAbstractEventDispatcher>

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <unordered_set>

class EpollDispatcher final : public QAbstractEventDispatcher {
    Q_OBJECT
public:
    explicit EpollDispatcher(QObject* parent = nullptr);
    ~EpollDispatcher() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override;
    void interrupt() override;

private:
    struct Timer {
        qint64 interval = 0;  // milliseconds
        Qt::TimerType type = Qt::CoarseTimer;
        QObject* object = nullptr;
        std::multimap<std::int64_t, int>::iterator queued;
    };
    // A socket's notifiers: read, write, exception.
    using Watch = std::array<QSocketNotifier*, 3>;

    void watch(int fd, const Watch& notifiers, bool added);
    // Milliseconds until the next timer is due (0 when one is), -1 with
    // no timer.
    int waitForTimers() const;
    bool fireTimers();
    bool activate(int fd, std::uint32_t events);

    int m_epoll = -1;
    int m_wakeFd = -1;
    std::atomic<bool> m_wakeUpPending{false};
    std::atomic<bool> m_interrupted{false};
    std::unordered_map<int, Watch> m_watches;
    std::unordered_map<int, Timer> m_timers;
    std::multimap<std::int64_t, int> m_queue;  // due (nanoseconds) -> timer
    std::unordered_set<int> m_firing;          // timers whose handler runs
};
