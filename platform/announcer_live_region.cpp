// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "announcer.h"

#include <QAccessible>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <emscripten/val.h>

#include <chrono>

// In a page, Qt says nothing of an announcement: the page's live region (a
// polite status, outside Qt's screen, that nobody sees) says it instead.
Announcer::Announcer(QWidget *window)
    : QObject(window)
{}

void Announcer::Announce(QWidget *, const QString &text)
{
    using emscripten::val;
    val region = val::global("document").call<val>("getElementById", val("annonces"));
    if (!region.as<bool>())
        return;
    // Emptied, then filled a moment later: the same outcome twice is said twice.
    region.set("textContent", val(""));
    QTimer::singleShot(
        std::chrono::milliseconds(100), this,
        [region, said = text.toStdString()]() mutable { region.set("textContent", val(said)); });
}

// A page's screen reader is not told of Qt's windows: their title and their
// texts are said through the live region instead.
void Announcer::AnnounceOpened(QWidget *window)
{
    QString said = window->windowTitle() + QLatin1Char('.');
    QAccessibleInterface *opened = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; opened && i < opened->childCount(); ++i) {
        QAccessibleInterface *part = opened->child(i);
        if (part->role() == QAccessible::StaticText)
            said += QLatin1Char(' ') + part->text(QAccessible::Name);
    }
    Announce(window, said);
}
