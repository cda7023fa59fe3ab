// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// The counts of one run: how many games were played and how many were won.
// They start at zero, rise by one at a time and are never lowered; 64 bits
// wide so that no reachable run can overflow them.
class Module1
{
public:
    Module1() = default;
    // Starts from given counts, so that a long run can be resumed in a test
    // without playing billions of games first.
    Module1(quint64 gamesWon, quint64 gamesPlayed)
        : m_gamesWon(gamesWon)
        , m_gamesPlayed(gamesPlayed)
    {
        Q_ASSERT(gamesWon <= gamesPlayed);
    }

    quint64 GamesWon() const { return m_gamesWon; }
    quint64 GamesPlayed() const { return m_gamesPlayed; }

    void CountGamePlayed() { ++m_gamesPlayed; }
    void CountGameWon() { ++m_gamesWon; }

private:
    quint64 m_gamesWon = 0;
    quint64 m_gamesPlayed = 0;
};
