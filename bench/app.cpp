// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

// The program as it starts for a user, with the probe added: it reports its
// first frame, its idle cost and, when asked, its memory after many games
// and help-window cycles.
#include "application.h"
#include "form1.h"
#include "probe.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include <cstdio>

namespace {

void PlayAndOpenHelp(Form1 &window, int games, int helpCycles)
{
    auto *play = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    for (int game = 1; game <= games; ++game) {
        play->click();
        if (game % 100 == 0)
            QCoreApplication::processEvents();
    }
    auto *aide = window.findChild<QAction *>(QStringLiteral("mnuAideItem"));
    for (int cycle = 0; cycle < helpCycles; ++cycle) {
        aide->trigger();
        QCoreApplication::processEvents();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("Form2"))
                top->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;
    const int games = argc > 2 ? std::atoi(argv[2]) : 0;
    const int helpCycles = argc > 3 ? std::atoi(argv[3]) : 0;

    Form1 window;
    window.show();

    // What the first game and the first help window load once (the win
    // picture, the help window's font) is counted apart from any growth.
    std::function<void()> work;
    if (games > 0 || helpCycles > 0)
        work = [&window, games, helpCycles] {
            const qint64 before = Probe::CostSoFar().residentKb;
            PlayAndOpenHelp(window, 100, 1);
            const qint64 warm = Probe::CostSoFar().residentKb;
            PlayAndOpenHelp(window, games, helpCycles);
            const qint64 after = Probe::CostSoFar().residentKb;
            std::printf("first_use_rss_kb %lld\nwork_rss_growth_kb %lld\n",
                        static_cast<long long>(warm - before),
                        static_cast<long long>(after - warm));
        };
    Probe::Report(&window, idleSeconds, work);
    return QApplication::exec();
}
