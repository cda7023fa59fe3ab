// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "desktopbell.h"

#include <windows.h>

// Windows plays its default beep by itself and returns at once: nothing to
// keep between rings.
class DesktopBell::Player
{
};

DesktopBell::DesktopBell() = default;

void DesktopBell::operator()() const
{
    MessageBeep(MB_OK);
}
