#include "server/qt/qtlobbyhost.h"

#include "net/qt/deadlines.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "server/qt/qtserverhost.h"
#include "server/roomsummary.h"
#include "store/journalfile.h"
#include "store/qt/journalwriterthread.h"
#include "store/regularfile.h"
#include "store/roomjournals.h"

#include <QHostAddress>
#include <QTimer>

QtLobbyHost::QtLobbyHost(brixo::LobbyLimits limits, std::optional<std::uint64_t> seed, RoomOptions options,
                         QObject* parent)
    : QObject(parent),
      m_options(options),
      m_lobby(*this, m_random, limits, seed),
      m_listener(new TSockListener(this)),
      m_entryDeadlines(new Deadlines([this](brixo::ConnectionId id) { m_lobby.lobbyDeadline(id); }, this))
{
    m_listener->setObjectName(QStringLiteral("Sock1"));
    m_listener->setBacklog(kListenBacklog);
    m_clock.start();
    connect(m_listener, &TSockListener::accepted, this, &QtLobbyHost::accept);
}

QtLobbyHost::~QtLobbyHost()
{
    m_listener->stop();
    // Sockets and rooms go without telling the lobby about it.
    for (auto& [id, socket] : m_inLobby) {
        socket->disconnect(this);
        delete socket;
    }
    for (auto& [id, room] : m_rooms) {
        room->disconnect(this);
        delete room;
    }
}

bool QtLobbyHost::listen(quint16 port, const QHostAddress& address, QString* error)
{
    return m_listener->listen(port, address, error);
}

quint16 QtLobbyHost::port() const
{
    return m_listener->port();
}

QtServerHost* QtLobbyHost::room(const std::string& code) const
{
    const auto found = m_rooms.find(m_lobby.roomWithCode(code));
    return found == m_rooms.end() ? nullptr : found->second;
}

void QtLobbyHost::accept(TSock* socket)
{
    const brixo::ConnectionId id = m_nextConnection++;
    socket->setParent(this);
    m_inLobby[id] = socket;
    connect(socket, &TSock::received, this, [this, id](const std::string& line) { m_lobby.message(id, line); });
    // The close may be reported from inside a send; it is handled later.
    connect(socket, &TSock::closed, this, [this, id] {
        QMetaObject::invokeMethod(this, [this, id] { closedInLobby(id); }, Qt::QueuedConnection);
    });
    watchEnd(socket, id);
    m_lobby.connectionAccepted(id, socket->peerAddress().toStdString());
}

void QtLobbyHost::watchEnd(TSock* socket, brixo::ConnectionId id)
{
    connect(socket, &QObject::destroyed, this, [this, id] { m_lobby.connectionClosed(id); });
}

void QtLobbyHost::closedInLobby(brixo::ConnectionId id)
{
    const auto found = m_inLobby.find(id);
    if (found == m_inLobby.end()) return;
    found->second->deleteLater();
    m_inLobby.erase(found);
}

void QtLobbyHost::send(brixo::ConnectionId connection, const std::string& frame)
{
    const auto found = m_inLobby.find(connection);
    if (found == m_inLobby.end()) return;
    TSock* socket = found->second;
    if (socket->bytesToWrite() + qint64(frame.size()) > kOutputLimit) {
        socket->drop();
        return;
    }
    socket->send(frame);
}

void QtLobbyHost::close(brixo::ConnectionId connection)
{
    const auto found = m_inLobby.find(connection);
    if (found != m_inLobby.end()) found->second->close();
}

void QtLobbyHost::expectEntry(brixo::ConnectionId connection, int milliseconds)
{
    m_entryDeadlines->expect(connection, milliseconds);
}

std::int64_t QtLobbyHost::now()
{
    return m_clock.elapsed();
}

void QtLobbyHost::keepRooms(const std::filesystem::path& folder)
{
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    m_folder = folder;
    if (!m_writer) m_writer = new JournalWriterThread(this);
}

QtLobbyHost::Resumed QtLobbyHost::resumeRooms()
{
    Resumed resumed;
    if (m_folder.empty()) return resumed;
    for (brixo::KeptRoom& kept : brixo::loadRoomJournals(m_folder, resumed.messages)) {
        const brixo::RoomId id = m_lobby.restoreRoom(kept.code, kept.title, kept.isPublic);
        if (id == 0) {
            resumed.messages.push_back("The room " + kept.code +
                                       " cannot be opened again: no room is free. Its journal is kept.");
            continue;
        }
        // The journal puts back the room's own random source.
        QtServerHost* room = makeRoom(id, 0);
        keepJournal(room, id);
        if (!room->server().resume(kept.journal)) {
            const std::filesystem::path aside = brixo::setFileAside(kept.file);
            resumed.messages.push_back("The room " + kept.code + " cannot go on with its game; its journal was set aside as " +
                                       aside.string() + ".");
            closeRoom(id);
            continue;
        }
        ++resumed.rooms;
        QTimer::singleShot(m_returnWait, this, [this, id] {
            const auto found = m_rooms.find(id);
            if (found != m_rooms.end() && found->second->connectionCount() == 0) closeRoom(id);
        });
    }
    return resumed;
}

QtServerHost* QtLobbyHost::makeRoom(brixo::RoomId id, std::uint64_t seed)
{
    auto* room = new QtServerHost(seed, this);
    const RoomOptions options = m_options;
    room->setBotSpeedSource([options] { return options.botspeed; });
    room->setBotLevelSource([options] { return options.level; });
    room->setRoundPauseSeconds(options.roundPauseSeconds);
    // No table of the room's own holds the process: when the creator
    // leaves during its turn, the computer plays it as for any seat.
    room->server().setComputerTakesSeatOne(true);
    connect(room, &QtServerHost::emptied, this, [this, id] { closeRoom(id); });
    m_rooms.emplace(id, room);
    return room;
}

void QtLobbyHost::keepJournal(QtServerHost* room, brixo::RoomId id)
{
    const brixo::Lobby::Room* entry = m_lobby.room(id);
    if (m_folder.empty() || !entry) return;
    room->keepJournal(brixo::roomJournalFile(m_folder, entry->code).string(),
                      brixo::roomJournalHeader(entry->code, entry->title, entry->isPublic), m_writer);
}

void QtLobbyHost::openRoom(brixo::RoomId id, std::uint64_t seed)
{
    keepJournal(makeRoom(id, seed), id);
}

void QtLobbyHost::enterRoom(brixo::ConnectionId connection, brixo::RoomId id)
{
    const auto socket = m_inLobby.find(connection);
    const auto room = m_rooms.find(id);
    if (socket == m_inLobby.end() || room == m_rooms.end()) return;
    TSock* handed = socket->second;
    m_inLobby.erase(socket);
    // From here on its lines and its close are the room's; the lobby only
    // counts it until its socket is gone.
    handed->disconnect(this);
    watchEnd(handed, connection);
    room->second->adopt(handed);
}

brixo::RoomSummary QtLobbyHost::roomSummary(brixo::RoomId id)
{
    const auto found = m_rooms.find(id);
    if (found == m_rooms.end()) return brixo::RoomSummary{0, 0, false, true};
    return brixo::roomSummaryOf(found->second->server());
}

void QtLobbyHost::closeRoom(brixo::RoomId id)
{
    const auto found = m_rooms.find(id);
    if (found == m_rooms.end()) return;
    // Nobody is left to go on with its game.
    if (const std::string journal = found->second->journalFile(); !journal.empty()) m_writer->remove(journal);
    // Its last connection's close is still being handled inside it.
    found->second->disconnect(this);
    found->second->deleteLater();
    m_rooms.erase(found);
    m_lobby.roomClosed(id);
}
