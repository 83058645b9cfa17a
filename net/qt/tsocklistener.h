// Listens for game connections: on all IPv4 interfaces, or on one address.
#pragma once

#include <QObject>
#include <QString>

class QHostAddress;
class QTcpServer;
class TSock;

class TSockListener : public QObject {
    Q_OBJECT
public:
    explicit TSockListener(QObject* parent = nullptr);

    // Port 0 picks a free port (see port()). On failure answers false and
    // sets the error text: "Listen - Socket Already In Use", "Listen - Error
    // Binding Socket" or "Listen - Error Starting Listen".
    bool listen(quint16 port, QString* error = nullptr);
    // The same on one address only: 127.0.0.1 keeps the game on this
    // machine, QHostAddress::Any takes IPv6 tables too.
    bool listen(quint16 port, const QHostAddress& address, QString* error = nullptr);
    quint16 port() const;
    // Connections the system keeps waiting to be accepted; set before
    // listen().
    void setBacklog(int connections);
    // The address listened on (a null address while not listening).
    QHostAddress address() const;
    void stop();

signals:
    // A new connection, owned by the receiver from now on.
    void accepted(TSock* connection);

private:
    QTcpServer* m_server;
};
