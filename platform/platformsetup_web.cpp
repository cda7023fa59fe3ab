// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "platformsetup.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>

#include <emscripten/emscripten.h>

// A page sees none of the machine's fonts, and its program never returns
// from its event loop: the labels' fonts come built in, and the end is told
// to the page, which then says the game is over.
void SetUpPlatform()
{
    QDirIterator fonts(QStringLiteral(":/webfonts"), QDir::Files);
    while (fonts.hasNext())
        QFontDatabase::addApplicationFont(fonts.next());
    // The metric twins keep every text as wide as its label was drawn for.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));

    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { emscripten_force_exit(0); });
}
