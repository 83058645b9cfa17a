// What the game server needs from its surroundings: sending to and closing
// connections, the one-second turn clock and the one-shot computer timer,
// and the delay before a computer turn. The Qt adapter binds these to
// sockets and timers; tests and self-play use fakes that record the calls
// and fire the timers themselves.
#pragma once

#include "bot/botlevel.h"
#include "model/playerrecord.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace brixo {

class ServerHost {
public:
    virtual ~ServerHost() = default;

    // Writes one whole frame (terminator included) on a connection.
    virtual void send(ConnectionId connection, const std::string& frame) = 0;
    // Closes a connection after what was sent to it has gone out. The host
    // may report the close back through TServer::connectionClosed; the
    // server has already let go of the connection and ignores it.
    virtual void close(ConnectionId connection) = 0;

    // The turn clock: one TServer::timer1Timer() per second while running.
    // A start always begins a full second.
    virtual void startClock() = 0;
    virtual void stopClock() = 0;

    // One TServer::computertimerTimer() after `milliseconds`; a new start
    // replaces a pending one.
    virtual void startComputerTimer(int milliseconds) = 0;
    virtual void stopComputerTimer() = 0;

    // Delay before a computer turn, in milliseconds, read at every turn
    // change that schedules one.
    virtual int botSpeed() = 0;

    // How well the computer plays the seat's turn, read as the turn starts.
    // A host offers one level for all its computer seats; self-play may
    // set each seat apart.
    virtual BotLevel botLevel(Seat /*seat*/) { return BotLevel::Normal; }

    // One TServer::loginDeadline(connection) after `milliseconds`: a
    // connection that has not logged in by then loses its slot.
    virtual void expectLogin(ConnectionId connection, int milliseconds) = 0;

    // Milliseconds on a clock that only goes forward: what the bounds on
    // how fast a sender may chat are measured by. Tests set it.
    virtual std::int64_t now()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace brixo
