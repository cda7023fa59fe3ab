// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "probe.h"

#include <windows.h>

#include <psapi.h>

namespace Probe {

namespace {

double Milliseconds(FILETIME time)
{
    const quint64 hundredsOfNs = (quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return double(hundredsOfNs) / 1e4;
}

} // namespace

Cost CostSoFar()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return {Milliseconds(kernel) + Milliseconds(user), 0, 0, qint64(memory.WorkingSetSize / 1024),
            qint64(memory.PeakWorkingSetSize / 1024)};
}

} // namespace Probe
