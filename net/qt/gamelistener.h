// Listens for the games announced on the local network (see Announcer) and
// keeps their list in a GameFinder: bound to the discovery port on every
// address, shared with other listeners on this machine (a table and
// `brixo --find` may listen at once; each hears every broadcast).
//
// A datagram is read at most one byte past the largest announcement, so an
// oversized one is never taken in whole and is refused. Games not heard for
// a while are dropped on a timer.
#pragma once

#include "net/gamefinder.h"

#include <QObject>
#include <QString>

class QTimer;
class QUdpSocket;

class GameListener : public QObject {
    Q_OBJECT
public:
    explicit GameListener(QObject* parent = nullptr);

    // Binds the discovery port (BRIXO_DISCOVERY_PORT, else 7773). On
    // failure answers false with the reason.
    bool start(QString* error = nullptr);
    // Stops listening; the list stays as it was last heard.
    void stop();
    bool isListening() const;

    const brixo::GameFinder& finder() const { return m_finder; }

signals:
    // A game was added, dropped, or announces something new.
    void gamesChanged();

private:
    void readDatagrams();
    void forgetOld();

    QUdpSocket* m_socket;
    QTimer* m_forgetTimer;
    brixo::GameFinder m_finder;
};
