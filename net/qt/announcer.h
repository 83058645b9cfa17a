// Tells the local network about a hosted game: once a second, the encoded
// announcement goes in one UDP datagram to the discovery port of every
// target.
//
// The targets are the addresses in BRIXO_ANNOUNCE_TO when it lists any
// (an entry that is no address is skipped with a warning; the announcer
// then never broadcasts), otherwise the broadcast address of every IPv4
// network this machine is on: each interface that is up, running and can
// broadcast, looked up at each announcement so that a network joined later
// is served too.
#pragma once

#include "net/announcement.h"

#include <QHostAddress>
#include <QList>
#include <QObject>

#include <functional>

class QTimer;
class QUdpSocket;

class Announcer : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMilliseconds = 1000;

    // `source` is asked for the game's state at each announcement.
    explicit Announcer(std::function<brixo::Announcement()> source, QObject* parent = nullptr);

    // Announces at once, then every second until stop(). The targets and
    // the discovery port are read from the environment here.
    void start();
    void stop();
    bool isAnnouncing() const;

    // Where the next announcement goes.
    QList<QHostAddress> targets() const;

private:
    void announce();

    std::function<brixo::Announcement()> m_source;
    QUdpSocket* m_socket;
    QTimer* m_timer;
    bool m_broadcast = true;
    QList<QHostAddress> m_listed;  // BRIXO_ANNOUNCE_TO's addresses
    quint16 m_port = 0;
};
