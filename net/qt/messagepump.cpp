#include "net/qt/messagepump.h"

MessagePump::MessagePump(Handler handler, QObject* parent) : QObject(parent), m_handler(std::move(handler)) {}

void MessagePump::push(brixo::ConnectionId from, std::string line)
{
    m_queue.push(from, std::move(line));
    if (m_drainScheduled) return;
    m_drainScheduled = true;
    QMetaObject::invokeMethod(this, &MessagePump::drain, Qt::QueuedConnection);
}

void MessagePump::drain()
{
    m_drainScheduled = false;
    m_queue.drain(m_handler);
}
