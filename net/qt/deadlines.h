// Many one-shot deadlines on one timer: a connection's time to log in or
// to enter a room. A QTimer each would do, but the event loop keeps its
// timers in one sorted list, and every turn clock restarted each second
// walks past thousands of pending deadlines to find its place.
#pragma once

#include "model/playerrecord.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <map>

class QTimer;

class Deadlines : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(brixo::ConnectionId)>;
    explicit Deadlines(Handler due, QObject* parent = nullptr);

    // The handler is called with this connection after `milliseconds`.
    void expect(brixo::ConnectionId connection, int milliseconds);
    std::size_t pending() const { return m_due.size(); }

private:
    void fire();
    void arm();

    Handler m_handler;
    QTimer* m_timer;
    QElapsedTimer m_clock;
    std::multimap<qint64, brixo::ConnectionId> m_due;
};
