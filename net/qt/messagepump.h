// Feeds a ReceiveQueue from connections and drains it as soon as the event
// loop is free, a fair pass at a time: a few messages from each connection,
// then the event loop again, so sockets and timers are served between
// passes however much one connection sends. Both the server and the table
// dispatch through one of these.
#pragma once

#include "net/receivequeue.h"

#include <QObject>

#include <functional>

class MessagePump : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(brixo::ConnectionId from, std::string_view command, std::string_view args)>;
    // Messages a pass takes from each connection.
    static constexpr std::size_t kPerPass = 64;

    explicit MessagePump(Handler handler, QObject* parent = nullptr);

    // Queues a line and makes sure a pass is coming.
    void push(brixo::ConnectionId from, std::string line);
    // Dispatches everything queued now (also used by tests).
    void drain();
    // Dispatches everything one connection sent (before its departure).
    void drainFrom(brixo::ConnectionId from);
    bool empty() const { return m_queue.empty(); }
    std::size_t queuedBytes(brixo::ConnectionId from) const { return m_queue.queuedBytes(from); }
    std::size_t queuedBytes() const { return m_queue.queuedBytes(); }
    // Called after every pass, when the queue has shrunk.
    void setAfterPass(std::function<void()> afterPass) { m_afterPass = std::move(afterPass); }

private:
    void pass();
    void schedule();

    Handler m_handler;
    brixo::ReceiveQueue m_queue;
    std::function<void()> m_afterPass;
    bool m_passScheduled = false;
};
