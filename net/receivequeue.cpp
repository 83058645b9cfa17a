#include "net/receivequeue.h"

#include <algorithm>

namespace brixo {

std::optional<SplitLine> splitCommand(std::string_view line)
{
    const std::size_t plus = line.find('+');
    if (plus == std::string_view::npos || plus == 0) return std::nullopt;
    return SplitLine{line.substr(0, plus), line.substr(plus + 1)};
}

void ReceiveQueue::push(ConnectionId from, std::string line)
{
    auto lane = std::find_if(m_lanes.begin(), m_lanes.end(), [from](const Lane& l) { return l.from == from; });
    if (lane == m_lanes.end()) lane = m_lanes.insert(m_lanes.end(), Lane{from, {}, 0});
    lane->bytes += line.size();
    m_bytes += line.size();
    lane->lines.push_back(std::move(line));
}

std::size_t ReceiveQueue::queuedBytes(ConnectionId from) const
{
    for (const Lane& lane : m_lanes)
        if (lane.from == from) return lane.bytes;
    return 0;
}

void ReceiveQueue::dropEmptyLanes()
{
    m_lanes.erase(std::remove_if(m_lanes.begin(), m_lanes.end(), [](const Lane& l) { return l.lines.empty(); }),
                  m_lanes.end());
}

} // namespace brixo
