#pragma once

#include <cstdint>
#include <random>

// Evenly distributed single-precision draws r with 0 <= r < 1.
class RandomSource
{
public:
    explicit RandomSource(std::uint64_t seed);

    // Seeded from the system clock mixed with the system's entropy source,
    // so that every run draws a different sequence.
    static RandomSource SeededFromClock();

    float operator()();

private:
    std::mt19937 m_engine;
};
