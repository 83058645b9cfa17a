// The queue of received messages, each remembering the connection it
// arrived on, and the dispatch rule: messages are handled one at a time,
// never re-entrantly (a handler that spins a nested event loop, such as a
// message box, must not start a second drain), each connection's in the
// order they arrived.
//
// Every connection has a lane of its own, so one that floods cannot keep
// the others waiting: a pass takes a few messages from each lane in turn.
// The queue also counts the bytes waiting in each lane, for the owner to
// stop reading from a connection that sends faster than it is served.
#pragma once

#include "model/playerrecord.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brixo {

// A queued line split at its first "+": the command and the argument text.
struct SplitLine {
    std::string_view command;
    std::string_view args;
};

// Nothing for a line without "+" or with an empty command.
std::optional<SplitLine> splitCommand(std::string_view line);

class ReceiveQueue {
public:
    void push(ConnectionId from, std::string line);
    bool empty() const { return m_lanes.empty(); }
    // A drain is running (further up the stack, under a nested event loop).
    bool draining() const { return m_draining; }
    // Bytes of the messages waiting from one connection.
    std::size_t queuedBytes(ConnectionId from) const;
    std::size_t queuedBytes() const { return m_bytes; }

    // One pass: up to `perLane` messages from each connection in turn (the
    // connection waiting longest first), handed to handle(from, command,
    // args). Lines that do not split into a command are skipped. Returns at
    // once if a drain is already running further up the stack. True when
    // messages are left.
    template <class Handler>
    bool drainPass(Handler&& handle, std::size_t perLane)
    {
        if (m_draining) return !empty();
        Guard guard{m_draining};
        const std::size_t lanes = m_lanes.size();
        for (std::size_t lane = 0; lane < lanes && lane < m_lanes.size(); ++lane)
            for (std::size_t n = 0; n < perLane && !m_lanes[lane].lines.empty(); ++n) handleNext(lane, handle);
        dropEmptyLanes();
        return !empty();
    }

    // Everything queued, including what the handlers queue themselves.
    template <class Handler>
    void drain(Handler&& handle)
    {
        if (m_draining) return;
        while (!empty()) {
            drainPass(handle, 64);
            if (m_draining) return;
        }
    }

    // Everything one connection sent, before its departure is handled.
    template <class Handler>
    void drainFrom(ConnectionId from, Handler&& handle)
    {
        if (m_draining) return;
        Guard guard{m_draining};
        for (std::size_t lane = 0; lane < m_lanes.size(); ++lane)
            if (m_lanes[lane].from == from)
                while (!m_lanes[lane].lines.empty()) handleNext(lane, handle);
        dropEmptyLanes();
    }

private:
    struct Lane {
        ConnectionId from = kNoConnection;
        std::deque<std::string> lines;
        std::size_t bytes = 0;
    };
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    };

    template <class Handler>
    void handleNext(std::size_t lane, Handler& handle)
    {
        const ConnectionId from = m_lanes[lane].from;
        std::string line = std::move(m_lanes[lane].lines.front());
        m_lanes[lane].lines.pop_front();
        m_lanes[lane].bytes -= line.size();
        m_bytes -= line.size();
        if (const auto split = splitCommand(line)) handle(from, split->command, split->args);
    }
    void dropEmptyLanes();

    std::vector<Lane> m_lanes;
    std::size_t m_bytes = 0;
    bool m_draining = false;
};

} // namespace brixo
