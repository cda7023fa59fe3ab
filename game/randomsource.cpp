// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "randomsource.h"

#include <chrono>

RandomSource::RandomSource(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    m_engine.seed(sequence);
}

RandomSource RandomSource::SeededFromClock()
{
    const auto ticks
        = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return RandomSource(MixedSeed(ticks, [] {
        std::random_device entropy;
        return (std::uint64_t{entropy()} << 32) | entropy();
    }));
}

std::uint64_t RandomSource::MixedSeed(std::uint64_t ticks,
                                      const std::function<std::uint64_t()> &entropy)
{
    try {
        return ticks ^ entropy();
    } catch (const std::exception &) {
        // No entropy source on this system: the clock alone still differs
        // from one run to the next.
        return ticks;
    }
}

float RandomSource::operator()()
{
    // 24 random bits times 2^-24: every value is exact in a float, and the
    // largest is 1 - 2^-24, so a reel can never show 10.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(m_engine() >> 8) * scale;
}
