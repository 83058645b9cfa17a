// Binds the game server to Qt: the listener, one TSock per accepted
// connection, the receive queue drained as soon as the event loop is free,
// the one-second turn clock `timer1` and the one-shot `computertimer`.
//
// Everything runs on the thread that owns the object. Received lines are
// queued and dispatched one at a time, a fair share of each connection's at
// a time; a close is handled after the lines that arrived before it, so a
// table's last words are not lost. Frames for one connection are gathered
// while the event loop is busy and written together when it is free: one
// write per connection instead of one per frame, in the same order.
//
// Memory stays bounded whatever a table does: a connection with more than
// kQueueLimit bytes waiting to be handled is not read from until its queue
// has shrunk, and a table with more than kOutputLimit bytes waiting to be
// sent to it (one that does not read) is dropped like any departure.
#pragma once

#include "model/randomsource.h"
#include "server/serverform.h"
#include "server/serverhost.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace brixo {
class JournalFileSink;
class JournalWriter;
}
class Announcer;
class Deadlines;
class MessagePump;
class QHostAddress;
class QTimer;
class TSock;
class TSockListener;

class QtServerHost : public QObject, private brixo::ServerHost {
    Q_OBJECT
public:
    // Seeded from the clock.
    explicit QtServerHost(QObject* parent = nullptr);
    // A fixed seed replays the same deals.
    QtServerHost(std::uint64_t seed, QObject* parent);
    ~QtServerHost() override;

    // Starts accepting tables on all IPv4 interfaces; port 0 picks a free
    // port. On failure the error text says why.
    bool listen(quint16 port, QString* error = nullptr);
    // The same on one address only (127.0.0.1 for a game nobody else may
    // join).
    bool listen(quint16 port, const QHostAddress& address, QString* error = nullptr);
    quint16 port() const;

    // Tells the local network about the game once a second (see Announcer):
    // who hosts it at which port, the seats taken and free, whether a game
    // runs. For a server others may join; call after listen().
    // Where the server listens (a null address while it does not).
    QHostAddress listenAddress() const;
    void startAnnouncing();
    void stopAnnouncing();
    bool isAnnouncing() const;
    // Tells every table that the game closes on purpose, so that none waits
    // for it to come back; called just before the server goes.
    void sayGoodbye();

    // Where the delay before a computer turn comes from (milliseconds);
    // 1000 until set.
    void setBotSpeedSource(std::function<int()> source);
    // Where the computer's level comes from, read as each computer turn
    // starts; Normal until set.
    void setBotLevelSource(std::function<brixo::BotLevel()> source);
    // The seconds between a round's end and the next deal; 20 until set.
    void setRoundPauseSeconds(int seconds) { m_server.setRoundPauseSeconds(seconds); }

    brixo::TServer& server() { return m_server; }

    // Keeps the game journal in this file from now on (see JournalFileSink),
    // each time after `header`, handed to the writer if given; what cannot
    // be written is reported on standard error.
    void keepJournal(const std::string& file, const std::string& header = {},
                     brixo::JournalWriter* writer = nullptr);
    // The journal's file, or empty while none is kept.
    std::string journalFile() const;
    // Tables connected now, logged in or not.
    std::size_t connectionCount() const { return m_connections.size(); }

    // Takes over a connection accepted elsewhere (a lobby's listener) as if
    // its own listener had accepted it: the server greets it as a new table.
    void adopt(TSock* connection);

    // What the server holds for its connections: messages received and not
    // yet handled, and bytes read ahead or waiting to be sent.
    qint64 bufferedBytes() const;

    static constexpr std::size_t kQueueLimit = 256 * 1024;
    static constexpr qint64 kOutputLimit = 1024 * 1024;

signals:
    // The last connection is gone (a lobby closes the room then).
    void emptied();

private:
    QtServerHost(brixo::SeededRandom random, QObject* parent);

    void send(brixo::ConnectionId connection, const std::string& frame) override;
    void close(brixo::ConnectionId connection) override;
    void startClock() override;
    void stopClock() override;
    void startComputerTimer(int milliseconds) override;
    void stopComputerTimer() override;
    int botSpeed() override;
    brixo::BotLevel botLevel(brixo::Seat seat) override;
    void expectLogin(brixo::ConnectionId connection, int milliseconds) override;

    void received(brixo::ConnectionId connection, const std::string& line);
    void resumeReading();
    void closed(brixo::ConnectionId connection);
    void flushOutgoing();
    void flush(brixo::ConnectionId connection);

    brixo::SeededRandom m_random;
    brixo::TServer m_server;
    TSockListener* m_listener;
    Announcer* m_announcer = nullptr;
    MessagePump* m_pump;
    QTimer* m_timer1;
    QTimer* m_computertimer;
    Deadlines* m_loginDeadlines;
    std::unordered_map<brixo::ConnectionId, TSock*> m_connections;
    std::unordered_map<brixo::ConnectionId, std::string> m_outgoing;
    std::vector<brixo::ConnectionId> m_waitingToWrite;
    bool m_flushScheduled = false;
    brixo::ConnectionId m_nextConnection = 1;
    std::function<int()> m_botSpeed;
    std::function<brixo::BotLevel()> m_botLevel;
    std::unique_ptr<brixo::JournalFileSink> m_journal;
};
