#pragma once

#include <cstdint>

// The program's pseudo-random generator: a 32-bit linear congruential generator. Every draw
// advances the seed (also a draw of 0) and takes the upper half of the 64-bit product of the new
// seed and n, a whole number from 0 to n - 1.
class RandomGenerator
{
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : state(seed) {}

    std::uint32_t seed() const { return state; }
    void setSeed(std::uint32_t seed) { state = seed; }

    std::uint32_t next(std::uint32_t n)
    {
        state = state * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(state) * n) >> 32);
    }

private:
    std::uint32_t state;
};
