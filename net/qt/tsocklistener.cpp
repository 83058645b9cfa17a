#include "net/qt/tsocklistener.h"

#include "net/qt/tsock.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

TSockListener::TSockListener(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
{
    m_server->setMaxPendingConnections(30);
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) emit accepted(new TSock(socket, nullptr));
    });
}

bool TSockListener::listen(quint16 port, QString* error)
{
    return listen(port, QHostAddress(QHostAddress::AnyIPv4), error);
}

bool TSockListener::listen(quint16 port, const QHostAddress& address, QString* error)
{
    if (m_server->listen(address, port)) return true;
    if (error) {
        switch (m_server->serverError()) {
        case QAbstractSocket::AddressInUseError: *error = QStringLiteral("Listen - Socket Already In Use"); break;
        case QAbstractSocket::SocketAccessError:
        case QAbstractSocket::SocketAddressNotAvailableError:
            *error = QStringLiteral("Listen - Error Binding Socket");
            break;
        default: *error = QStringLiteral("Listen - Error Starting Listen"); break;
        }
    }
    return false;
}

void TSockListener::setBacklog(int connections)
{
    m_server->setListenBacklogSize(connections);
}

quint16 TSockListener::port() const
{
    return m_server->serverPort();
}

QHostAddress TSockListener::address() const
{
    return m_server->isListening() ? m_server->serverAddress() : QHostAddress();
}

void TSockListener::stop()
{
    m_server->close();
}
