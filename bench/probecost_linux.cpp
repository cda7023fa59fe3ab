// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "probe.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>
#include <unistd.h>

namespace Probe {

namespace {

qint64 StatusField(const QString &path, const QByteArray &field)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
    return 0;
}

} // namespace

Cost CostSoFar()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    qint64 switches = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString status = tasks.filePath(task) + QStringLiteral("/status");
        switches += StatusField(status, "voluntary_ctxt_switches")
            + StatusField(status, "nonvoluntary_ctxt_switches");
    }
    // The main thread's task has the process's own id; each time it blocks,
    // on the event loop or on the window system, it is later woken once.
    const QString main = QStringLiteral("/proc/self/task/%1/status").arg(getpid());
    const QString self = QStringLiteral("/proc/self/status");
    return {cpuMs, switches, StatusField(main, "voluntary_ctxt_switches"),
            StatusField(self, "VmRSS"), StatusField(self, "VmHWM")};
}

} // namespace Probe
