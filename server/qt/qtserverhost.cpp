#include "server/qt/qtserverhost.h"

#include "net/catalogue.h"
#include "net/qt/announcer.h"
#include "net/qt/deadlines.h"
#include "net/qt/messagepump.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "server/announcementof.h"
#include "store/journalfile.h"

#include <QHostAddress>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kClockTick = 1000;
constexpr int kDefaultBotSpeed = 1000;
} // namespace

QtServerHost::QtServerHost(QObject* parent) : QtServerHost(brixo::SeededRandom::fromClock(), parent) {}

QtServerHost::QtServerHost(std::uint64_t seed, QObject* parent) : QtServerHost(brixo::SeededRandom(seed), parent) {}

QtServerHost::QtServerHost(brixo::SeededRandom random, QObject* parent)
    : QObject(parent),
      m_random(random),
      m_server(*this, m_random),
      m_listener(new TSockListener(this)),
      m_pump(new MessagePump(
          [this](brixo::ConnectionId from, std::string_view command, std::string_view args) {
              m_server.dispatch(from, command, args);
          },
          this)),
      m_timer1(new QTimer(this)),
      m_computertimer(new QTimer(this)),
      m_loginDeadlines(new Deadlines([this](brixo::ConnectionId id) { m_server.loginDeadline(id); }, this)),
      m_botSpeed([] { return kDefaultBotSpeed; })
{
    m_listener->setObjectName(QStringLiteral("Sock1"));
    m_timer1->setObjectName(QStringLiteral("timer1"));
    m_timer1->setInterval(kClockTick);
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_computertimer->setObjectName(QStringLiteral("computertimer"));
    m_computertimer->setSingleShot(true);
    connect(m_listener, &TSockListener::accepted, this, &QtServerHost::adopt);
    m_pump->setAfterPass([this] { resumeReading(); });
    connect(m_timer1, &QTimer::timeout, this, [this] { m_server.timer1Timer(); });
    connect(m_computertimer, &QTimer::timeout, this, [this] { m_server.computertimerTimer(); });
}

void QtServerHost::keepJournal(const std::string& file, const std::string& header, brixo::JournalWriter* writer)
{
    m_journal = std::make_unique<brixo::JournalFileSink>(
        file, [](const std::string& failure) { std::fprintf(stderr, "brixo: %s\n", failure.c_str()); }, header,
        writer);
    m_server.setJournalSink(m_journal.get());
}

std::string QtServerHost::journalFile() const
{
    return m_journal ? m_journal->file().string() : std::string();
}

QtServerHost::~QtServerHost()
{
    m_server.setJournalSink(nullptr);
    stopAnnouncing();
    m_timer1->stop();
    m_computertimer->stop();
    // The connections go first, without telling the server about it.
    for (auto& [id, connection] : m_connections) {
        connection->disconnect(this);
        delete connection;
    }
    m_connections.clear();
}

bool QtServerHost::listen(quint16 port, QString* error)
{
    return m_listener->listen(port, error);
}

bool QtServerHost::listen(quint16 port, const QHostAddress& address, QString* error)
{
    return m_listener->listen(port, address, error);
}

quint16 QtServerHost::port() const
{
    return m_listener->port();
}

QHostAddress QtServerHost::listenAddress() const
{
    return m_listener->address();
}

void QtServerHost::startAnnouncing()
{
    if (!m_announcer)
        m_announcer = new Announcer([this] { return brixo::announcementOf(m_server, port()); }, this);
    if (!m_announcer->isAnnouncing()) m_announcer->start();
}

void QtServerHost::sayGoodbye()
{
    for (const auto& [id, connection] : m_connections) {
        send(id, brixo::msg::hostleft());
        flush(id);
    }
}

void QtServerHost::stopAnnouncing()
{
    if (m_announcer) m_announcer->stop();
}

bool QtServerHost::isAnnouncing() const
{
    return m_announcer && m_announcer->isAnnouncing();
}

void QtServerHost::setBotLevelSource(std::function<brixo::BotLevel()> source)
{
    m_botLevel = std::move(source);
}

void QtServerHost::setBotSpeedSource(std::function<int()> source)
{
    m_botSpeed = source ? std::move(source) : [] { return kDefaultBotSpeed; };
}

void QtServerHost::adopt(TSock* connection)
{
    const brixo::ConnectionId id = m_nextConnection++;
    connection->setParent(this);
    m_connections[id] = connection;
    connect(connection, &TSock::received, this, [this, id](const std::string& line) { received(id, line); });
    // The close may be reported from inside a send; it is handled later,
    // after the lines already queued.
    connect(connection, &TSock::closed, this, [this, id] {
        QMetaObject::invokeMethod(this, [this, id] { closed(id); }, Qt::QueuedConnection);
    });
    m_server.connectionAccepted(id, connection->peerAddress().toStdString());
}

void QtServerHost::received(brixo::ConnectionId id, const std::string& line)
{
    // A line without a command says nothing and is not kept.
    if (!brixo::splitCommand(line)) return;
    m_pump->push(id, line);
    if (m_pump->queuedBytes(id) > kQueueLimit) m_connections.at(id)->setReadingPaused(true);
}

// A connection whose queue has come down to half the limit is read again.
void QtServerHost::resumeReading()
{
    for (auto& [id, connection] : m_connections)
        if (connection->readingPaused() && m_pump->queuedBytes(id) < kQueueLimit / 2)
            connection->setReadingPaused(false);
}

qint64 QtServerHost::bufferedBytes() const
{
    qint64 bytes = qint64(m_pump->queuedBytes());
    for (const auto& [id, pending] : m_outgoing) bytes += qint64(pending.size());
    for (const auto& [id, connection] : m_connections)
        bytes += connection->bytesToWrite() + connection->bytesReadAhead();
    return bytes;
}

void QtServerHost::closed(brixo::ConnectionId id)
{
    m_pump->drainFrom(id);
    m_server.connectionClosed(id);
    m_outgoing.erase(id);
    const auto found = m_connections.find(id);
    if (found == m_connections.end()) return;
    found->second->disconnect(this);
    found->second->deleteLater();
    m_connections.erase(found);
    if (m_connections.empty()) emit emptied();
}

void QtServerHost::send(brixo::ConnectionId connection, const std::string& frame)
{
    const auto found = m_connections.find(connection);
    if (found == m_connections.end() || !found->second->isConnected()) return;
    std::string& pending = m_outgoing[connection];
    if (qint64(pending.size() + frame.size()) + found->second->bytesToWrite() > kOutputLimit) {
        // A table that does not take what is sent to it is let go; its
        // departure is handled after the message being handled now.
        pending.clear();
        found->second->drop();
        return;
    }
    if (pending.empty()) m_waitingToWrite.push_back(connection);
    pending += frame;
    if (!m_flushScheduled) {
        m_flushScheduled = true;
        QMetaObject::invokeMethod(this, &QtServerHost::flushOutgoing, Qt::QueuedConnection);
    }
}

void QtServerHost::flushOutgoing()
{
    m_flushScheduled = false;
    std::vector<brixo::ConnectionId> waiting;
    waiting.swap(m_waitingToWrite);
    for (const brixo::ConnectionId connection : waiting) flush(connection);
}

void QtServerHost::flush(brixo::ConnectionId connection)
{
    const auto pending = m_outgoing.find(connection);
    if (pending == m_outgoing.end() || pending->second.empty()) return;
    const auto found = m_connections.find(connection);
    if (found != m_connections.end()) found->second->send(pending->second);
    pending->second.clear();
}

void QtServerHost::close(brixo::ConnectionId connection)
{
    const auto found = m_connections.find(connection);
    if (found == m_connections.end()) return;
    flush(connection); // what was said to it goes out first
    found->second->close();
}

void QtServerHost::startClock()
{
    m_timer1->start();
}

void QtServerHost::stopClock()
{
    m_timer1->stop();
}

void QtServerHost::startComputerTimer(int milliseconds)
{
    m_computertimer->start(milliseconds);
}

void QtServerHost::stopComputerTimer()
{
    m_computertimer->stop();
}

int QtServerHost::botSpeed()
{
    return m_botSpeed();
}

brixo::BotLevel QtServerHost::botLevel(brixo::Seat)
{
    return m_botLevel ? m_botLevel() : brixo::BotLevel::Normal;
}

void QtServerHost::expectLogin(brixo::ConnectionId connection, int milliseconds)
{
    m_loginDeadlines->expect(connection, milliseconds);
}
