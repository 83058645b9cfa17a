#include "net/qt/messagepump.h"

MessagePump::MessagePump(Handler handler, QObject* parent) : QObject(parent), m_handler(std::move(handler)) {}

void MessagePump::push(brixo::ConnectionId from, std::string line)
{
    m_queue.push(from, std::move(line));
    schedule();
}

void MessagePump::schedule()
{
    if (m_passScheduled) return;
    m_passScheduled = true;
    QMetaObject::invokeMethod(this, &MessagePump::pass, Qt::QueuedConnection);
}

void MessagePump::pass()
{
    m_passScheduled = false;
    // Under a nested event loop the pass that is running goes on afterwards.
    if (m_queue.draining()) return;
    if (m_queue.drainPass(m_handler, kPerPass)) schedule();
    if (m_afterPass) m_afterPass();
}

void MessagePump::drain()
{
    m_queue.drain(m_handler);
    if (m_afterPass) m_afterPass();
}

void MessagePump::drainFrom(brixo::ConnectionId from)
{
    m_queue.drainFrom(from, m_handler);
    if (m_afterPass) m_afterPass();
}
