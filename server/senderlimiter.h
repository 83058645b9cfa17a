// How often each sender may do something every table hears of: a burst of
// `burst`, then `perSecond` a second. The server bounds chat lines (typed
// lines, actions and phrases alike) and arrivals this way: everything a
// sender says, and every login and departure, is copied to every table, so
// without a bound one fast sender fills the output of every slower reader
// and gets them dropped.
//
// A sender is an address, not a connection: a connection that is closed and
// opened again would otherwise start with a full bucket each time. What is
// over the bound is refused; the sender is told once a flood, the first
// time, and again only after their share has filled up again.
#pragma once

#include "server/tokenbucket.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace brixo {

class SenderLimiter {
public:
    // The chat bound.
    static constexpr int kBurst = 10;
    static constexpr int kPerSecond = 2;

    SenderLimiter() = default;
    SenderLimiter(int burst, int perSecond) : m_burst(burst), m_perSecond(perSecond) {}

    enum class Verdict { Relay, Drop, DropAndTell };
    Verdict admit(const std::string& sender, std::int64_t now);

private:
    struct Sender {
        TokenBucket bucket;
        bool told = false;
    };
    // Senders whose bucket has filled up again are no different from new
    // ones; they are let go once the map has grown past this.
    static constexpr std::size_t kKeep = 32;
    void forgetIdle(std::int64_t now);

    int m_burst = kBurst;
    int m_perSecond = kPerSecond;
    std::unordered_map<std::string, Sender> m_senders;
};

} // namespace brixo
