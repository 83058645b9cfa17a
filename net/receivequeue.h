// First-in-first-out queue of received messages, each remembering the
// connection it arrived on, and the dispatch rule: handle every queued
// message in order, one at a time, never re-entrantly (a handler that
// spins a nested event loop, such as a message box, must not start a
// second drain).
#pragma once

#include "model/playerrecord.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace brixo {

struct QueuedMessage {
    ConnectionId from = kNoConnection;
    std::string line;
};

// A queued line split at its first "+": the command and the argument text.
struct CommandLine {
    std::string_view command;
    std::string_view args;
};

// Nothing for a line without "+" or with an empty command.
std::optional<CommandLine> splitCommand(std::string_view line);

class ReceiveQueue {
public:
    void push(ConnectionId from, std::string line) { m_lines.push_back({from, std::move(line)}); }
    bool empty() const { return m_lines.empty(); }

    // Hands each queued message to handle(from, command, args) in arrival
    // order, including messages queued by the handlers themselves. Lines
    // that do not split into a command are skipped. Returns at once if a
    // drain is already running further up the stack.
    template <class Handler>
    void drain(Handler&& handle)
    {
        if (m_draining) return;
        m_draining = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{m_draining};
        while (!m_lines.empty()) {
            QueuedMessage message = std::move(m_lines.front());
            m_lines.pop_front();
            if (const auto split = splitCommand(message.line))
                handle(message.from, split->command, split->args);
        }
    }

private:
    std::deque<QueuedMessage> m_lines;
    bool m_draining = false;
};

} // namespace brixo
