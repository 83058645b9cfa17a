// The game's source of chance. The server owns one and hands it to the
// shuffle and the computer player, so a fixed seed replays a whole game.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace brixo {

// Where a seeded source stands: its seed and how many numbers its engine
// has given since. Enough to put a source back exactly where it was.
struct RandomState {
    std::uint64_t seed = 0;
    std::uint64_t drawn = 0;
    bool operator==(const RandomState&) const = default;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform integer in 0..n-1; 0 when n < 1.
    virtual int below(int n) = 0;
    // Where the source stands, for a source that can be put back; none
    // for the others.
    virtual std::optional<RandomState> state() const { return std::nullopt; }
    // Puts the source back where `state` says; false when it cannot.
    virtual bool restore(const RandomState& /*state*/) { return false; }
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : m_seed(seed), m_engine(seed) {}
    // Seeded from the clock and the system's entropy source.
    static SeededRandom fromClock();

    int below(int n) override
    {
        if (n < 1) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
    }

    std::optional<RandomState> state() const override { return RandomState{m_seed, m_engine.drawn}; }
    bool restore(const RandomState& state) override
    {
        m_seed = state.seed;
        m_engine = CountingEngine(state.seed);
        m_engine.discard(state.drawn);
        return true;
    }

private:
    // The engine, counting the numbers it gives: the same numbers as the
    // bare engine, so a seed plays the same game as before it counted.
    struct CountingEngine {
        using result_type = std::mt19937_64::result_type;
        explicit CountingEngine(std::uint64_t seed) : engine(seed) {}
        static constexpr result_type min() { return std::mt19937_64::min(); }
        static constexpr result_type max() { return std::mt19937_64::max(); }
        result_type operator()()
        {
            ++drawn;
            return engine();
        }
        void discard(std::uint64_t count)
        {
            engine.discard(count);
            drawn += count;
        }
        std::mt19937_64 engine;
        std::uint64_t drawn = 0;
    };

    std::uint64_t m_seed;
    CountingEngine m_engine;
};

} // namespace brixo
