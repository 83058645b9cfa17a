// One connection's byte stream into the game server with a game running:
// the bytes are cut into messages as a connection cuts them; a message
// "T", "C" or "X" instead makes a second pass, fires the computer timer or
// closes the connection, so the fuzzer reaches the clock and departures.
#include "net/catalogue.h"
#include "net/framecutter.h"
#include "server/serverform.h"
#include "tests/support/quiethost.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

void say(brixo::TServer& server, brixo::ConnectionId from, const std::string& frame)
{
    server.message(from, std::string_view(frame).substr(0, frame.size() - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    brixo::test::QuietHost host;
    brixo::SeededRandom random(size);
    brixo::TServer server(host, random);
    server.connectionAccepted(1);
    server.connectionAccepted(2);
    say(server, 1, brixo::msg::logininfo(1, brixo::msg::kVersion, "Host"));
    say(server, 2, brixo::msg::logininfo(2, brixo::msg::kVersion, "Guest"));
    say(server, 1, brixo::msg::startgame({"Host", 100, 20, "t", "f", 14}));

    brixo::FrameCutter cutter;
    std::vector<std::string> lines;
    cutter.feed(std::string_view(reinterpret_cast<const char*>(data), size), lines);
    for (const std::string& line : lines) {
        if (line == "T") {
            for (int i = 0; i < 30; ++i) server.timer1Timer();
        } else if (line == "C") {
            server.computertimerTimer();
        } else if (line == "X") {
            server.connectionClosed(2);
            server.connectionAccepted(3);
        } else {
            server.message(2, line);
        }
    }
    return 0;
}
