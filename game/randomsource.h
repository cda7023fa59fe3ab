// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <functional>
#include <random>

// Evenly distributed single-precision draws r with 0 <= r < 1.
class RandomSource
{
public:
    explicit RandomSource(std::uint64_t seed);

    // Seeded from the system clock mixed with the system's entropy source,
    // so that every run draws a different sequence.
    static RandomSource SeededFromClock();

    // The clock's ticks mixed with the system's entropy; the ticks alone when
    // the system has no entropy source to give (std::random_device throws).
    static std::uint64_t MixedSeed(std::uint64_t ticks,
                                   const std::function<std::uint64_t()> &entropy);

    float operator()();

private:
    std::mt19937 m_engine;
};
