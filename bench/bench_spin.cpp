// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

// Games per second: the spin alone through a view that does nothing, and the
// real main window offscreen, clicked as fast as it takes clicks (with the
// repaints that follow, every hundred clicks).
#include "form1.h"
#include "gameview.h"
#include "module1.h"
#include "randomsource.h"
#include "spin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>

namespace {

class NoView : public GameView
{
public:
    void HideWinPicture() override {}
    void ShowWinPicture() override {}
    void SetReelText(int reel, const QString &text) override { m_reels[reel] = text; }
    QString ReelText(int reel) const override { return m_reels[reel]; }
    void SetWinsText(const QString &) override {}
    void SetRateText(const QString &) override {}
    void DescribeGame(const QString &) override {}

private:
    QString m_reels[ReelCount];
};

double GamesPerSecond(qint64 games, qint64 elapsedNs)
{
    return double(games) * 1e9 / double(elapsedNs);
}

} // namespace

int main(int argc, char *argv[])
{
    const qint64 games = argc > 1 ? std::atoll(argv[1]) : 2'000'000;
    const qint64 clicks = argc > 2 ? std::atoll(argv[2]) : 20'000;

    Module1 counters;
    NoView view;
    int beeps = 0;
    Spin spin(counters, view, RandomSource::SeededFromClock(), [&beeps] { ++beeps; });
    QElapsedTimer timer;
    timer.start();
    for (qint64 game = 0; game < games; ++game)
        spin.Play();
    const qint64 spinNs = timer.nsecsElapsed();
    std::printf("spin through a do-nothing view: %lld games, %.0f games/s (%.1f%% won)\n",
                static_cast<long long>(games), GamesPerSecond(games, spinNs),
                100.0 * double(counters.GamesWon()) / double(games));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 window(RandomSource::SeededFromClock(), [] {});
    window.show();
    QCoreApplication::processEvents();
    auto *play = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    timer.restart();
    for (qint64 click = 1; click <= clicks; ++click) {
        play->click();
        if (click % 100 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    std::printf("clicks on the real window, offscreen: %lld clicks, %.0f clicks/s\n",
                static_cast<long long>(clicks), GamesPerSecond(clicks, timer.nsecsElapsed()));
    return beeps < 0;
}
