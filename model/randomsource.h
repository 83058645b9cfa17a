// The game's source of chance. The server owns one and hands it to the
// shuffle and the computer player, so a fixed seed replays a whole game.
#pragma once

#include <cstdint>
#include <random>

namespace brixo {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform integer in 0..n-1; 0 when n < 1.
    virtual int below(int n) = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}
    // Seeded from the clock and the system's entropy source.
    static SeededRandom fromClock();

    int below(int n) override
    {
        if (n < 1) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace brixo
