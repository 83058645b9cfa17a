// A server host that does nothing: frames are only counted, the clock and
// the computer timer never fire and a login has no deadline. For driving
// the server core by its inputs alone, as fast as it goes.
#pragma once

#include "server/serverhost.h"

#include <string>

namespace brixo::test {

class QuietHost : public ServerHost {
public:
    void send(ConnectionId, const std::string& frame) override { bytes += long(frame.size()); }
    void close(ConnectionId) override {}
    void startClock() override {}
    void stopClock() override {}
    void startComputerTimer(int) override {}
    void stopComputerTimer() override {}
    int botSpeed() override { return 0; }
    void expectLogin(ConnectionId, int) override {}

    long bytes = 0; // of every frame sent
};

} // namespace brixo::test
