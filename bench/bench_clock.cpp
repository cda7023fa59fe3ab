// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

// Runs the real main window for a while and reports how its clock follows the
// wall clock: ticks, skipped and repeated seconds, and the lag between the
// start of a wall-clock second and the moment the label showing it is
// painted. A plain 1000 ms timer started at the same moment is measured
// beside it, for comparison.
#include "clocktext.h"
#include "form1.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample
{
    qint64 shownSecond; // seconds since the epoch of the text shown
    qint64 lagMs;       // from the start of that second to the moment it showed
};

qint64 NowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// Records, for each text change of a label, when it was first painted.
class PaintWatch : public QObject
{
public:
    std::vector<Sample> samples;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QString text = static_cast<QLabel *>(watched)->text();
            if (!text.isEmpty() && text != m_lastText) {
                m_lastText = text;
                Record(text, NowMs());
            }
        }
        return false;
    }

    void Record(const QString &text, qint64 atMs)
    {
        const QTime shown = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(atMs);
        QDateTime second(at.date(), shown);
        if (second > at) // the text is of the day before, just after midnight
            second = second.addDays(-1);
        samples.push_back({second.toSecsSinceEpoch(), atMs - second.toMSecsSinceEpoch()});
    }

private:
    QString m_lastText;
};

void Report(const char *name, const std::vector<Sample> &samples, int ticks)
{
    int skipped = 0, repeated = 0;
    std::vector<qint64> lags;
    // The first time shows one second after start, whenever that falls; the
    // lag is measured from the second tick on.
    for (size_t i = 1; i < samples.size(); ++i) {
        lags.push_back(samples[i].lagMs);
        const qint64 step = samples[i].shownSecond - samples[i - 1].shownSecond;
        if (step > 1)
            skipped += int(step - 1);
        // a second shown at two ticks: recorded twice, or, where only changes
        // are seen, found by the late change that follows it
        if (step == 0 || (step == 1 && samples[i].lagMs - samples[i - 1].lagMs > 1000))
            ++repeated;
    }
    std::sort(lags.begin(), lags.end());
    const qint64 median = lags.empty() ? 0 : lags[lags.size() / 2];
    const qint64 worst = lags.empty() ? 0 : lags.back();
    const qint64 first = samples.empty() ? 0 : samples.front().lagMs;
    std::printf("%-20s ticks %4d  skipped %3d  repeated %3d  first %4lld ms  "
                "lag median %4lld ms  worst %4lld ms\n",
                name, ticks, skipped, repeated, static_cast<long long>(first),
                static_cast<long long>(median), static_cast<long long>(worst));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "fr_FR.UTF-8"); // the texts are read back as HH:mm:ss
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 60;

    Form1 window;
    window.show();
    auto *label = window.findChild<QLabel *>(QStringLiteral("Label5"));
    auto *timer1 = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    PaintWatch aligned;
    label->installEventFilter(&aligned);
    int alignedTicks = 0;
    QObject::connect(timer1, &QTimer::timeout, &app, [&] { ++alignedTicks; });

    // What a plain 1000 ms timer from the same moment would have shown.
    PaintWatch plain;
    const ClockText french(QLocale(QLocale::French));
    int plainTicks = 0;
    QTimer plainTimer;
    plainTimer.setInterval(1000);
    QObject::connect(&plainTimer, &QTimer::timeout, &app, [&] {
        ++plainTicks;
        plain.Record(french.Time(QTime::currentTime()), NowMs());
    });
    plainTimer.start();

    QTimer::singleShot(seconds * 1000 + 500, &app, &QCoreApplication::quit);
    QApplication::exec();

    std::printf("clock over %d s under %s\n", seconds, qPrintable(QGuiApplication::platformName()));
    Report("Timer1 (aligned)", aligned.samples, alignedTicks);
    Report("plain 1000 ms timer", plain.samples, plainTicks);
    return 0;
}
