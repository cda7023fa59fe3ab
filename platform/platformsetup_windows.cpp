// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "platformsetup.h"

#include <QGuiApplication>
#include <QStyleHints>

void SetUpPlatform()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Windows 11's style fills buttons and menus with its scheme's own
    // colours, not the palette's: only a light scheme keeps the windows as
    // their layout was drawn, whatever scheme the desktop has.
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
}
