#include "net/receivequeue.h"

namespace brixo {

std::optional<CommandLine> splitCommand(std::string_view line)
{
    const std::size_t plus = line.find('+');
    if (plus == std::string_view::npos || plus == 0) return std::nullopt;
    return CommandLine{line.substr(0, plus), line.substr(plus + 1)};
}

} // namespace brixo
