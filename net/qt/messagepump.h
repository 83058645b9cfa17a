// Feeds a ReceiveQueue from connections and drains it as soon as the event
// loop is free: every queued message, in arrival order, one handler at a
// time. Both the server and the table dispatch through one of these.
#pragma once

#include "net/receivequeue.h"

#include <QObject>

#include <functional>

class MessagePump : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(brixo::ConnectionId from, std::string_view command, std::string_view args)>;

    explicit MessagePump(Handler handler, QObject* parent = nullptr);

    // Queues a line and makes sure a drain is coming.
    void push(brixo::ConnectionId from, std::string line);
    // Dispatches everything queued now (also used by tests).
    void drain();
    bool empty() const { return m_queue.empty(); }

private:
    Handler m_handler;
    brixo::ReceiveQueue m_queue;
    bool m_drainScheduled = false;
};
