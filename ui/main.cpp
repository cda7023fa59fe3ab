// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    Form1 window;
    // At its own place and size wherever a platform would have it fill the
    // screen by default, as a browser's page would.
    window.showNormal();
    return QApplication::exec();
}
