// Binds the lobby to Qt: one listener for every room; each accepted
// connection is a TSock in the lobby until it enters a room, and each room
// is a QtServerHost of its own (its own game server, turn clock, computer
// timer, seed and receive queue, with the bounds a lone server keeps) that
// takes the connection over from then on. Rooms never listen themselves.
//
// A room closes when its last connection is gone; its computer players and
// timers stop with it. Everything runs on the thread that owns the object.
//
// Given a folder, every room keeps its game journal there (see
// store/roomjournals.h), so that a lobby killed or restarted goes on with
// its rooms' games: started again, it opens each kept room under its code
// and title before it listens, and the tables that come back with their
// seat keys have their seats again. A room nobody comes back to closes
// after kReturnWaitMilliseconds; a room that closes takes its file with it.
// The files are written on a thread of their own (JournalWriterThread): a
// thousand rooms' turns would otherwise wait for the disk one after the
// other. A room's tables may so hear of a turn a moment before its journal
// is on the disk; a crash in that moment takes the room back to the turn
// before.
#pragma once

#include "bot/botlevel.h"
#include "server/lobby.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include <unordered_map>

class Deadlines;
class JournalWriterThread;
class QHostAddress;
class QtServerHost;
class TSock;
class TSockListener;

class QtLobbyHost : public QObject, private brixo::LobbyHost {
    Q_OBJECT
public:
    // What every room plays with, as a lone server is told on its command
    // line.
    struct RoomOptions {
        int botspeed = 1000;
        brixo::BotLevel level = brixo::BotLevel::Normal;
        int roundPauseSeconds = 20;
    };

    // `seed`: room n plays with Lobby::roomSeed(seed, n); rooms draw their
    // own seeds without one.
    QtLobbyHost(brixo::LobbyLimits limits, std::optional<std::uint64_t> seed, RoomOptions options,
                QObject* parent = nullptr);
    ~QtLobbyHost() override;

    // Port 0 picks a free port. On failure the error text says why.
    bool listen(quint16 port, const QHostAddress& address, QString* error = nullptr);
    quint16 port() const;

    // Keeps every room's journal in this folder from now on (made when
    // missing).
    void keepRooms(const std::filesystem::path& folder);
    struct Resumed {
        int rooms = 0;                     // rooms that go on with their games
        std::vector<std::string> messages; // kept rooms that could not, and why
    };
    // Opens again every room kept in the folder; called before listen().
    Resumed resumeRooms();
    // How long a resumed room waits for its first table (for tests).
    void setReturnWait(int milliseconds) { m_returnWait = milliseconds; }
    // Tables try for a minute to come back; the room waits half a minute
    // more, for a lobby slow to start.
    static constexpr int kReturnWaitMilliseconds = 90'000;

    const brixo::Lobby& lobby() const { return m_lobby; }
    // The open room with this code, or none.
    QtServerHost* room(const std::string& code) const;

    // A connection in the lobby with more than this waiting to be sent to
    // it (one that asks for the list and never reads) is dropped.
    static constexpr qint64 kOutputLimit = 256 * 1024;
    // Connections waiting to be accepted by the kernel: a lobby takes many
    // at once.
    static constexpr int kListenBacklog = 1024;

private:
    void send(brixo::ConnectionId connection, const std::string& frame) override;
    void close(brixo::ConnectionId connection) override;
    void expectEntry(brixo::ConnectionId connection, int milliseconds) override;
    std::int64_t now() override;
    void openRoom(brixo::RoomId room, std::uint64_t seed) override;
    void enterRoom(brixo::ConnectionId connection, brixo::RoomId room) override;
    brixo::RoomSummary roomSummary(brixo::RoomId room) override;

    void accept(TSock* connection);
    void closedInLobby(brixo::ConnectionId connection);
    // Counts the connection out of the lobby's bounds once its socket is
    // gone, wherever it ended.
    void watchEnd(TSock* socket, brixo::ConnectionId connection);
    void closeRoom(brixo::RoomId room);
    // A room of this lobby's, not yet handed any connection.
    QtServerHost* makeRoom(brixo::RoomId id, std::uint64_t seed);
    // Keeps the room's journal in the lobby's folder, if it has one.
    void keepJournal(QtServerHost* room, brixo::RoomId id);

    RoomOptions m_options;
    brixo::SystemSecretRandom m_random;
    brixo::Lobby m_lobby;
    TSockListener* m_listener;
    Deadlines* m_entryDeadlines;
    QElapsedTimer m_clock;
    std::unordered_map<brixo::ConnectionId, TSock*> m_inLobby;
    std::unordered_map<brixo::RoomId, QtServerHost*> m_rooms;
    brixo::ConnectionId m_nextConnection = 1;
    std::filesystem::path m_folder;
    JournalWriterThread* m_writer = nullptr;
    int m_returnWait = kReturnWaitMilliseconds;
};
