// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

#include <functional>

class QWidget;

// What the benchmarks read of a program from inside: when its window was
// first painted, and what it has cost since.
namespace Probe {

// Calls done() once the window's first frame has been painted and handed to
// the window system.
void OnFirstFrame(QWidget *window, std::function<void()> done);

// What the program has cost so far, as its system counts it (one file per
// system; Windows counts no context switches or wake-ups for a process).
struct Cost
{
    double cpuMs;       // user and system time of every thread
    qint64 switches;    // context switches of every thread
    qint64 mainWakeups; // times the main thread blocked and was woken
    qint64 residentKb;  // resident set now
    qint64 peakResidentKb;
};
Cost CostSoFar();

// Prints the figures after a first frame and an idle spell as "name value"
// lines for the harness, runs the given extra work (which prints its own),
// then quits the application.
void Report(QWidget *window, int idleSeconds, std::function<void()> work = {});

} // namespace Probe
