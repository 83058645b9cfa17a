#include "net/qt/lobbybrowser.h"

#include "net/qt/tsock.h"
#include "net/receivequeue.h"

#include <QTimer>

LobbyBrowser::LobbyBrowser(QObject* parent) : QObject(parent), m_timeout(new QTimer(this))
{
    m_timeout->setSingleShot(true);
    m_timeout->setInterval(kAnswerWait);
    connect(m_timeout, &QTimer::timeout, this, [this] {
        finish();
        emit failed(QStringLiteral("The lobby at %1 did not answer.").arg(m_host));
    });
}

void LobbyBrowser::listRooms(const QString& host, quint16 port)
{
    finish();
    m_host = host;
    m_rooms.clear();
    m_sock = new TSock(this);
    connect(m_sock, &TSock::received, this, &LobbyBrowser::heard);
    connect(m_sock, &TSock::errorReported, this, [this](const QString&) {
        if (!m_sock || m_sock->isConnected()) return;
        finish();
        emit failed(QStringLiteral("Could not reach the lobby at %1.").arg(m_host));
    });
    connect(m_sock, &TSock::closed, this, [this] {
        if (!m_sock) return;
        finish();
        emit failed(QStringLiteral("The lobby at %1 hung up.").arg(m_host));
    });
    m_sock->open(host, port);
    m_timeout->start();
}

void LobbyBrowser::heard(const std::string& line)
{
    const auto split = brixo::splitCommand(line);
    if (!split || !m_sock) return;
    if (split->command == "CMD_lobby") {
        m_sock->send(brixo::msg::listrooms());
    } else if (split->command == "CMD_room") {
        if (const auto room = brixo::msg::parseRoom(split->args); room && m_rooms.size() < kMostRooms)
            m_rooms.push_back(*room);
    } else if (split->command == "CMD_roomsend") {
        finish();
        emit roomsListed(m_rooms);
    } else if (split->command == "CMD_sendlogininfo") {
        // A game server, not a lobby: it would seat this connection.
        finish();
        emit failed(QStringLiteral("%1 is a game, not a lobby: join it by its address.").arg(m_host));
    }
}

void LobbyBrowser::finish()
{
    m_timeout->stop();
    if (!m_sock) return;
    TSock* sock = std::exchange(m_sock, nullptr);
    sock->disconnect(this);
    sock->close();
    sock->deleteLater();
}
