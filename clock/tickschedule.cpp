// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "tickschedule.h"

int MillisecondsToNextTick(QTime now)
{
    return 1000 - now.msec() + TickMarginMs;
}
