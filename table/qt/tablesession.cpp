#include "table/qt/tablesession.h"

#include "net/gameport.h"
#include "net/qt/messagepump.h"
#include "net/qt/tsock.h"
#include "server/qt/qtserverhost.h"

#include <QHostAddress>
#include <QTimer>

TableSession::TableSession(Role role, const QString& playerName, const QString& address, quint16 port,
                           const brixo::TableMirror::RoomRequest& room, QObject* parent)
    : QObject(parent),
      m_role(role),
      m_address(hosts() ? kThisMachine : address),
      m_port(hosts() ? static_cast<quint16>(brixo::gamePort()) : port),
      m_room(room),
      m_sock(new TSock(this)),
      m_connectTimer(new QTimer(this))
{
    if (role == Role::Online) m_mirror.beginOnline(playerName.toStdString(), room);
    else if (hosts()) m_mirror.beginHosting(playerName.toStdString());
    else m_mirror.beginJoining(playerName.toStdString());

    m_pump = new MessagePump(
        [this](brixo::ConnectionId, std::string_view command, std::string_view args) {
            if (!m_over) deliver(m_mirror.receive(command, args));
        },
        this);
    m_sock->setObjectName(QStringLiteral("sock"));
    connect(m_sock, &TSock::received, this, &TableSession::receiveLine);
    connect(m_sock, &TSock::connected, m_connectTimer, &QTimer::stop);
    // Only while connecting: a connection that was up and ends is told by
    // its close.
    connect(m_sock, &TSock::errorReported, this, [this] {
        if (m_connectTimer->isActive()) hostUnreachable();
    });
    connect(m_sock, &TSock::closed, this, [this] {
        if (m_over) return;
        m_over = true;
        emit connectionLost();
    });
    m_connectTimer->setSingleShot(true);
    m_connectTimer->setInterval(kConnectWait);
    connect(m_connectTimer, &QTimer::timeout, this, &TableSession::hostUnreachable);
}

std::string TableSession::roomCode() const
{
    // A room's creator learns its code as it enters; a joiner asks for it.
    return m_mirror.roomCode().empty() && !m_room.create ? m_room.code : m_mirror.roomCode();
}

QString TableSession::game() const
{
    return QStringLiteral("%1:%2/%3").arg(m_address).arg(m_port).arg(QString::fromStdString(roomCode()));
}

TableSession::~TableSession()
{
    leave();
}

void TableSession::leave()
{
    // Leaving is not losing the connection.
    m_over = true;
    m_connectTimer->stop();
    m_sock->disconnect(this);
    m_sock->close();
    if (m_server) m_server->sayGoodbye();
    delete m_server;
    m_server = nullptr;
}

QString TableSession::start(const ServerSwitch& serverSwitch, const ComputerPlayers& computers)
{
    QString error;
    if (hosts()) {
        if (serverSwitch) {
            serverSwitch(&error);
        } else {
            m_server = new QtServerHost(this);
            // The computer players keep the pace and level the host's menus set.
            if (computers.speed) m_server->setBotSpeedSource(computers.speed);
            if (computers.level) m_server->setBotLevelSource(computers.level);
            if (!m_journalFile.empty()) m_server->keepJournal(m_journalFile.string());
            if (m_resumed && m_server->server().resume(*m_resumed)) useSeatKey(m_resumed->seats[0].seatkey);
            if (m_role == Role::Solo) {
                m_server->listen(m_port, QHostAddress(QHostAddress::LocalHost), &error);
            } else if (m_server->listen(m_port, QHostAddress(QHostAddress::Any), &error)) {
                m_server->startAnnouncing();
            }
        }
    }
    connectToServer();
    return error;
}

void TableSession::retry()
{
    m_over = false;
    connectToServer();
}

void TableSession::connectToServer()
{
    m_sock->open(m_address, m_port);
    m_connectTimer->start();
}

void TableSession::hostUnreachable()
{
    m_connectTimer->stop();
    if (m_over || m_sock->isConnected()) return;
    m_sock->drop();
    emit unreachable(m_address);
}

void TableSession::receiveLine(const std::string& line)
{
    m_pump->push(brixo::kNoConnection, line);
}

void TableSession::processQueued()
{
    m_pump->drain();
}

void TableSession::deliver(const brixo::TableUpdate& update)
{
    for (const std::string& frame : update.sends) m_sock->send(frame);
    // A table turned away hears nothing more.
    if (update.gameFull || update.removed) m_over = true;
    emit updated(update);
}
