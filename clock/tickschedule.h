// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QTime>

// Every tick but the first falls this long after a wall-clock second begins,
// so that the second it reads is the one that has just started.
constexpr int TickMarginMs = 5;

// How long to wait from now until the tick after the next second boundary.
// Made from the clock alone, so a late tick, a suspend or a change of the
// system time is caught up at the next tick.
int MillisecondsToNextTick(QTime now);
