// A server host that does nothing: frames are only counted, the clock never
// fires by itself and a login has no deadline. For driving the server core
// by its inputs alone, as fast as it goes.
#pragma once

#include "server/serverform.h"
#include "server/serverhost.h"

#include <string>
#include <vector>

namespace brixo::test {

class QuietHost : public ServerHost {
public:
    void send(ConnectionId connection, const std::string& frame) override
    {
        bytes += long(frame.size());
        if (connection == keptFor) kept.push_back(frame.substr(0, frame.size() - 1));
    }
    void close(ConnectionId) override {}
    void startClock() override {}
    void stopClock() override {}
    void startComputerTimer(int) override { computerTimer = true; }
    void stopComputerTimer() override { computerTimer = false; }
    int botSpeed() override { return 0; }
    void expectLogin(ConnectionId, int) override {}

    long bytes = 0;            // of every frame sent
    bool computerTimer = false; // armed and not yet fired
    ConnectionId keptFor = 0;  // whose frames are kept, without their terminator
    std::vector<std::string> kept;
};

// Plays on by the server's timers alone, the computer's when armed and the
// clock's otherwise, until the game is over or `steps` timers have fired.
inline void playByTimers(TServer& server, QuietHost& host, int steps = 500'000)
{
    for (; server.state().gamerunning && steps > 0; --steps) {
        if (host.computerTimer) {
            host.computerTimer = false;
            server.computertimerTimer();
        } else {
            server.timer1Timer();
        }
    }
}

} // namespace brixo::test
