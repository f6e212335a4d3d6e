#pragma once

#include <cstdint>

// The program's pseudo-random generator: a 32-bit linear congruential generator. Every draw
// advances the seed (also a draw of 0) and takes the upper half of the 64-bit product of the new
// seed and n, a whole number from 0 to n - 1. n may be as large as 2^32 (a row of every 32-bit
// value), where the draw is the new seed itself.
//
// The generator runs through all 2^32 seeds before one repeats (the increment is odd and the
// multiplier is 1 more than a multiple of 4), so within 2^32 draws next(n) yields every value
// of 0..n - 1: a loop that draws until it meets a value it accepts ends whenever one exists.
class RandomGenerator
{
public:
    static constexpr std::uint32_t Multiplier = 134775813u;
    static_assert(Multiplier % 4 == 1, "the full period needs a multiplier of the form 4k + 1");
    static constexpr std::uint64_t MaxRange = std::uint64_t(1) << 32;

    explicit RandomGenerator(std::uint32_t seed = 0) : state(seed) {}

    std::uint32_t seed() const { return state; }
    void setSeed(std::uint32_t seed) { state = seed; }

    // n <= MaxRange; the product of the seed and n then fits in 64 bits.
    std::uint32_t next(std::uint64_t n)
    {
        state = state * Multiplier + 1u;
        return std::uint32_t((std::uint64_t(state) * n) >> 32);
    }

private:
    std::uint32_t state;
};
