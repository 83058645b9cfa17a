// One game as a table takes part in it: the connection to the game's
// server, what the table knows of the game (its TableMirror) and, for a
// table that hosts, the game server in this process. They are made and torn
// down as one, so a window can leave a game and host or join another
// without the program restarting.
//
// The session is the table's one door to the server. Every line the server
// sends is queued as it arrives and handed to the mirror in arrival order,
// one at a time, as soon as the event loop is free; every request the
// window makes goes to the mirror, and the frames the mirror answers go to
// the server. After either, `updated` reports what else the mirror asked
// for (sounds, chat lines, ...) for the window to show.
#pragma once

#include "bot/botlevel.h"
#include "server/gamejournal.h"
#include "table/tablemirror.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class MessagePump;
class QTimer;
class QtServerHost;
class TSock;

class TableSession : public QObject {
    Q_OBJECT
public:
    // A solo table plays against the computer on this machine alone: its
    // server listens on 127.0.0.1 only and announces nothing. A table that
    // hosts a network game listens on every network and announces the game.
    // An online table connects to a lobby and enters a room there: a new
    // one, which it hosts, or a friend's, by its code.
    enum class Role { Solo, Host, Join, Online };
    // Switches a hosting table's server on, or answers false with the
    // reason. Empty: the session's own server listens on the game port.
    using ServerSwitch = std::function<bool(QString* error)>;
    // The host's settings for the computer players, read as their turns start.
    struct ComputerPlayers {
        std::function<int()> speed;
        std::function<brixo::BotLevel()> level;
    };

    // `address` and `port`: where a joiner or an online table connects; a
    // table that hosts connects to its own server, on the game port.
    // `room`: what an online table asks its lobby for.
    TableSession(Role role, const QString& playerName, const QString& address, quint16 port,
                 const brixo::TableMirror::RoomRequest& room = {}, QObject* parent = nullptr);
    ~TableSession() override;

    Role role() const { return m_role; }
    // The game's server runs in this process.
    bool hosts() const { return m_role == Role::Solo || m_role == Role::Host; }
    // Connects to a server elsewhere.
    bool remote() const { return !hosts(); }
    // Where the session connects.
    QString address() const { return m_address; }
    quint16 port() const { return m_port; }
    // The in-process server of a table that hosts, once started; null
    // otherwise (or when a test stands in a server of its own).
    const QtServerHost* server() const { return m_server; }
    const brixo::TableMirror& mirror() const { return m_mirror; }
    // The game the session takes part in: where it connects and, online,
    // the room; the same for every session of one game.
    QString game() const;
    // The room this online table is in or asked for; empty for none yet.
    std::string roomCode() const;
    // The key a session of this game was given before: the login sends it.
    void useSeatKey(const std::string& key) { m_mirror.setSeatKey(key); }

    // A hosting table's own server keeps its game journal in this file, and,
    // given one, goes on with the journal's game: the table takes its seat
    // back with the key the journal holds for it. Before start().
    void keepJournal(std::filesystem::path file, std::optional<brixo::GameJournal> resumed)
    {
        m_journalFile = std::move(file);
        m_resumed = std::move(resumed);
    }

    // A host switches its server on, then the table connects. Answers the
    // reason when hosting was not possible (the table connects anyway: the
    // port may be its own server's already).
    QString start(const ServerSwitch& serverSwitch, const ComputerPlayers& computers);
    // Connects again after the host could not be reached.
    void retry();
    // Leaves the game: the connection closes and a hosted game's server
    // stops at once, so that another game may take the port.
    void leave();

    // The player's choices the mirror's rules read.
    void setPreferences(bool sortByNumber, bool sortOnDeal, bool newTurnSound)
    {
        m_mirror.setSortByNumber(sortByNumber);
        m_mirror.setSortOnDeal(sortOnDeal);
        m_mirror.setNewTurnSound(newTurnSound);
    }

    // Hands the mirror a request; what it answers goes to the server and
    // is reported.
    template <class Request>
    void request(Request&& request)
    {
        deliver(request(m_mirror));
    }

    // Queues a line as the connection would, and handles what is queued.
    void receiveLine(const std::string& line);
    void processQueued();

    // How long a connect may take before the host counts as unreachable.
    static constexpr int kConnectWait = 10000;
    // Where a table that hosts finds its own server.
    static inline const QString kThisMachine = QStringLiteral("127.0.0.1");

signals:
    void updated(const brixo::TableUpdate& update);
    // The host refused the connection or did not answer in time.
    void unreachable(const QString& address);
    // A connection that was up has ended.
    void connectionLost();

private:
    void connectToServer();
    void deliver(const brixo::TableUpdate& update);
    void hostUnreachable();

    Role m_role;
    QString m_address;
    quint16 m_port;
    brixo::TableMirror::RoomRequest m_room;
    brixo::TableMirror m_mirror;
    QtServerHost* m_server = nullptr;
    std::filesystem::path m_journalFile;
    std::optional<brixo::GameJournal> m_resumed;
    TSock* m_sock;
    QTimer* m_connectTimer;
    MessagePump* m_pump;
    bool m_over = false; // lost, turned away or unreachable: nothing more is handled
};
