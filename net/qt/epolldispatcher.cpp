#include "net/qt/epolldispatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <chrono>
#include <vector>

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr std::int64_t kNsPerMs = 1'000'000;
constexpr int kEventsPerWait = 256;

} // namespace

EpollDispatcher::EpollDispatcher(QObject* parent) : QAbstractEventDispatcher(parent)
{
    m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
    m_wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = m_wakeFd;
    if (m_epoll < 0 || m_wakeFd < 0 || ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wakeFd, &event) != 0)
        qFatal("EpollDispatcher: cannot set up epoll");
}

EpollDispatcher::~EpollDispatcher()
{
    ::close(m_wakeFd);
    ::close(m_epoll);
}

bool EpollDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags)
{
    m_interrupted.store(false);
    emit awake();
    QCoreApplication::sendPostedEvents();

    // A post from here on writes the wake-up descriptor, so waiting cannot
    // sleep through it.
    const bool mayWait = (flags & QEventLoop::WaitForMoreEvents) && !m_interrupted.load();
    const int timeout = mayWait ? waitForTimers() : 0;
    if (timeout != 0) emit aboutToBlock();
    epoll_event events[kEventsPerWait];
    const int count = ::epoll_wait(m_epoll, events, kEventsPerWait, timeout);
    if (timeout != 0) emit awake();

    bool handled = false;
    std::vector<std::pair<int, std::uint32_t>> ready;
    for (int i = 0; i < count; ++i) {
        if (events[i].data.fd == m_wakeFd) {
            eventfd_t value;
            ::eventfd_read(m_wakeFd, &value);
            m_wakeUpPending.store(false);
            handled = true;
        } else {
            ready.emplace_back(int(events[i].data.fd), std::uint32_t(events[i].events));
        }
    }
    if (!(flags & QEventLoop::ExcludeSocketNotifiers))
        for (const auto& [fd, what] : ready) handled |= activate(fd, what);
    if (!(flags & QEventLoop::X11ExcludeTimers)) handled |= fireTimers();
    return handled;
}

bool EpollDispatcher::activate(int fd, std::uint32_t events)
{
    bool handled = false;
    const std::uint32_t wanted[3] = {EPOLLIN | EPOLLHUP | EPOLLERR, EPOLLOUT | EPOLLHUP | EPOLLERR, EPOLLPRI};
    for (int type = 0; type < 3; ++type) {
        if (!(events & wanted[type])) continue;
        // An earlier handler may have removed this notifier or the socket.
        const auto found = m_watches.find(fd);
        if (found == m_watches.end()) return handled;
        QSocketNotifier* notifier = found->second[std::size_t(type)];
        if (!notifier) continue;
        QEvent event(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &event);
        handled = true;
    }
    return handled;
}

void EpollDispatcher::registerSocketNotifier(QSocketNotifier* notifier)
{
    const int fd = int(notifier->socket());
    const auto [found, added] = m_watches.try_emplace(fd, Watch{});
    found->second[std::size_t(notifier->type())] = notifier;
    watch(fd, found->second, added);
}

void EpollDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier)
{
    const int fd = int(notifier->socket());
    const auto found = m_watches.find(fd);
    if (found == m_watches.end()) return;
    QSocketNotifier*& slot = found->second[std::size_t(notifier->type())];
    if (slot != notifier) return;
    slot = nullptr;
    if (found->second == Watch{}) {
        // Fails harmlessly for a descriptor already closed: the kernel
        // forgot it then.
        ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, fd, nullptr);
        m_watches.erase(found);
    } else {
        watch(fd, found->second, false);
    }
}

void EpollDispatcher::watch(int fd, const Watch& notifiers, bool added)
{
    epoll_event event{};
    if (notifiers[QSocketNotifier::Read]) event.events |= EPOLLIN;
    if (notifiers[QSocketNotifier::Write]) event.events |= EPOLLOUT;
    if (notifiers[QSocketNotifier::Exception]) event.events |= EPOLLPRI;
    event.data.fd = fd;
    if (::epoll_ctl(m_epoll, added ? EPOLL_CTL_ADD : EPOLL_CTL_MOD, fd, &event) != 0 && !added)
        ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event);
}

void EpollDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object)
{
    unregisterTimer(timerId);
    Timer timer;
    timer.interval = std::max<qint64>(0, interval);
    timer.type = timerType;
    timer.object = object;
    timer.queued = m_queue.emplace(nowNs() + timer.interval * kNsPerMs, timerId);
    m_timers.emplace(timerId, timer);
}

bool EpollDispatcher::unregisterTimer(int timerId)
{
    const auto found = m_timers.find(timerId);
    if (found == m_timers.end()) return false;
    m_queue.erase(found->second.queued);
    m_timers.erase(found);
    return true;
}

bool EpollDispatcher::unregisterTimers(QObject* object)
{
    bool any = false;
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->second.object != object) {
            ++it;
            continue;
        }
        m_queue.erase(it->second.queued);
        it = m_timers.erase(it);
        any = true;
    }
    return any;
}

QList<QAbstractEventDispatcher::TimerInfo> EpollDispatcher::registeredTimers(QObject* object) const
{
    QList<TimerInfo> timers;
    for (const auto& [id, timer] : m_timers)
        if (timer.object == object) timers.append(TimerInfo(id, int(timer.interval), timer.type));
    return timers;
}

int EpollDispatcher::remainingTime(int timerId)
{
    const auto found = m_timers.find(timerId);
    if (found == m_timers.end()) return -1;
    return int(std::max<std::int64_t>(0, (found->second.queued->first - nowNs()) / kNsPerMs));
}

int EpollDispatcher::waitForTimers() const
{
    if (m_queue.empty()) return -1;
    const std::int64_t left = m_queue.begin()->first - nowNs();
    // Rounded up: waking a little early would only spin.
    return left <= 0 ? 0 : int((left + kNsPerMs - 1) / kNsPerMs);
}

bool EpollDispatcher::fireTimers()
{
    const std::int64_t now = nowNs();
    std::vector<int> due;
    for (auto it = m_queue.begin(); it != m_queue.end() && it->first <= now; ++it) due.push_back(it->second);
    for (const int id : due) {
        // An earlier handler may have stopped it; one still running its
        // own handler (a nested event loop) is not fired again inside it.
        const auto found = m_timers.find(id);
        if (found == m_timers.end() || m_firing.contains(id)) continue;
        Timer& timer = found->second;
        std::int64_t next = timer.queued->first + timer.interval * kNsPerMs;
        if (next <= now) next = now + timer.interval * kNsPerMs;
        m_queue.erase(timer.queued);
        timer.queued = m_queue.emplace(next, id);
        QObject* object = timer.object;
        m_firing.insert(id);
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
        m_firing.erase(id);
    }
    return !due.empty();
}

void EpollDispatcher::wakeUp()
{
    if (m_wakeUpPending.exchange(true)) return;
    ::eventfd_write(m_wakeFd, 1);
}

void EpollDispatcher::interrupt()
{
    m_interrupted.store(true);
    wakeUp();
}
