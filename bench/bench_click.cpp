// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

// How long a click on "Jouer" takes to be handled and painted on the real
// window, the first win included, with the desktop's real bell beside a
// silent one in the same run. Run it on a desktop (or Xvfb) with its sound
// server: the first win is where the bell loads its library and connects.
//   bench_click [CLICKS]
#include "desktopbell.h"
#include "form1.h"
#include "randomsource.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures
{
    double firstWinMs;
    double medianMs;
    double worstMs;
};

// The first game is a win (three sevens); the rest are drawn at random.
Figures Measure(Spin::Beep beep, int clicks)
{
    auto random = std::make_shared<RandomSource>(RandomSource::SeededFromClock());
    auto draws = std::make_shared<int>(0);
    Form1 window([random, draws] { return (*draws)++ < 3 ? 0.75f : (*random)(); }, std::move(beep));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window did not show\n");
    auto *play = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int click = 0; click < clicks; ++click) {
        timer.start();
        play->click();
        play->window()->repaint();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        QTest::qWait(20); // a player's pace, with the bell's thread at work
    }
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    return {first, ms[ms.size() / 2], ms.back()};
}

void Print(const char *name, const Figures &figures)
{
    std::printf("%-12s first win %6.2f ms   median %6.2f ms   worst %6.2f ms\n", name,
                figures.firstWinMs, figures.medianMs, figures.worstMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 100;
    const Figures silent = Measure([] {}, clicks);
    const Figures bell = Measure(DesktopBell(), clicks);
    Print("silent bell", silent);
    Print("desktop bell", bell);
    std::printf("first win, desktop bell / silent bell: %.2f\n",
                bell.firstWinMs / silent.firstWinMs);
    return 0;
}
