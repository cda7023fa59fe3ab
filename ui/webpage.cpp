// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "webpage.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>

#include <emscripten/emscripten.h>

void SetUpWebPage()
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
