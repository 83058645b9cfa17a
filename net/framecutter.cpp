#include "net/framecutter.h"

namespace brixo {

bool FrameCutter::feed(std::string_view bytes, std::vector<std::string>& out)
{
    if (m_refused) return false;
    std::size_t start = 0;
    // Terminators in the new bytes end a message that may have begun in an
    // earlier read.
    for (std::size_t end = bytes.find(kTerminator); end != std::string_view::npos;
         end = bytes.find(kTerminator, start)) {
        if (m_pending.empty()) {
            out.emplace_back(bytes.substr(start, end - start));
        } else {
            m_pending.append(bytes.substr(start, end - start));
            out.push_back(std::move(m_pending));
            m_pending.clear();
        }
        start = end + 1;
    }
    m_pending.append(bytes.substr(start));
    if (m_pending.size() > kMaxPending) {
        m_refused = true;
        m_pending.clear();
        m_pending.shrink_to_fit();
        return false;
    }
    return true;
}

} // namespace brixo
