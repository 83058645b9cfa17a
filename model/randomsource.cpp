#include "model/randomsource.h"

#include <chrono>

namespace brixo {

SeededRandom SeededRandom::fromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    return SeededRandom(static_cast<std::uint64_t>(now) ^ (std::uint64_t{device()} << 32));
}

} // namespace brixo
