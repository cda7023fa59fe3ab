#include "probe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace Probe {

qint64 MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

namespace {

class FirstPaintFilter : public QObject
{
public:
    FirstPaintFilter(QWidget *window, std::function<void()> done)
        : QObject(window)
        , m_done(std::move(done))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Runs once the paint that is under way has been flushed.
            QTimer::singleShot(0, this, [this] {
                m_done();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_done;
};

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

void OnFirstFrame(QWidget *window, std::function<void()> done)
{
    new FirstPaintFilter(window, std::move(done));
}

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

void Report(QWidget *window, int idleSeconds, std::function<void()> work)
{
    OnFirstFrame(window, [idleSeconds, work] {
        std::printf("first_frame_ns %lld\n", static_cast<long long>(MonotonicNs()));
        const Cost started = CostSoFar();
        std::printf("start_rss_kb %lld\nstart_peak_rss_kb %lld\n",
                    static_cast<long long>(started.residentKb),
                    static_cast<long long>(started.peakResidentKb));
        std::fflush(stdout);
        QTimer::singleShot(idleSeconds * 1000, qApp, [idleSeconds, started, work] {
            const Cost idle = CostSoFar();
            const double seconds = std::max(1, idleSeconds);
            std::printf("idle_cpu_ms %.1f\nidle_wakeups_per_s %.2f\nidle_switches_per_s %.2f\n",
                        idle.cpuMs - started.cpuMs,
                        double(idle.mainWakeups - started.mainWakeups) / seconds,
                        double(idle.switches - started.switches) / seconds);
            if (work)
                work();
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
}

} // namespace Probe
