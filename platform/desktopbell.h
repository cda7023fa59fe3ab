// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

// The desktop's bell, rung once for each won game without keeping the click
// waiting. On Linux it is the sound theme's "bell" event through libcanberra
// and the desktop's sound server (PulseAudio, or PipeWire speaking its
// protocol), otherwise the platform's own beep; the first ring loads the
// library and connects to the server on a thread of its own, off the click
// that won. On Windows it is the system's default beep, which the system
// plays by itself; in a browser's page, a short tone through Web Audio.
// Copies share whatever the platform keeps for ringing.
class DesktopBell
{
public:
    DesktopBell();

    void operator()() const;

private:
    class Player;
    std::shared_ptr<Player> m_player;
};
