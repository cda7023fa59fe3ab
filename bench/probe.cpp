// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "probe.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace Probe {

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

} // namespace

void OnFirstFrame(QWidget *window, std::function<void()> done)
{
    new FirstPaintFilter(window, std::move(done));
}

void Report(QWidget *window, int idleSeconds, std::function<void()> work)
{
    OnFirstFrame(window, [idleSeconds, work] {
        // The harness times the run by when it reads this line.
        std::printf("first_frame 1\n");
        std::fflush(stdout);
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
