// Cuts a connection's byte stream into messages at each 0xFF terminator.
//
// TCP may deliver a message in pieces, so the unterminated tail of one read
// is kept for the next. A peer that sends more than kMaxPending bytes
// without a terminator is refused: feed() reports it and the caller closes
// the connection.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

inline constexpr char kTerminator = '\xFF';

class FrameCutter {
public:
    static constexpr std::size_t kMaxPending = 64 * 1024;

    // Appends bytes and moves every complete message (terminator removed)
    // to `out`, in order. Returns false once the unterminated tail exceeds
    // the cap: the messages completed before it are in `out` all the same,
    // and the caller hands them on before closing. The cutter then stays
    // refused and keeps nothing.
    bool feed(std::string_view bytes, std::vector<std::string>& out);

    bool refused() const { return m_refused; }
    std::size_t pending() const { return m_pending.size(); }

private:
    std::string m_pending;
    bool m_refused = false;
};

} // namespace brixo
