// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

// The bare Qt peer the program is measured against: a main window with a menu
// bar, one label and a 1000 ms timer, started by the same probe.
#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTime>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;

    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Horloge"))->addAction(QStringLiteral("Date"));
    auto *label = new QLabel(&window);
    window.setCentralWidget(label);
    window.resize(798, 568);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, label,
                     [label] { label->setText(QTime::currentTime().toString()); });
    timer.start(1000);
    window.show();

    Probe::Report(&window, idleSeconds);
    return QApplication::exec();
}
