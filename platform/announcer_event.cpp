// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "announcer.h"

#include <QAccessible>
#include <QWidget>

Announcer::Announcer(QWidget *window)
    : QObject(window)
{}

void Announcer::Announce(QWidget *source, const QString &text)
{
    QAccessibleAnnouncementEvent announcement(source, text);
    QAccessible::updateAccessibility(&announcement);
}

// The screen reader is told of every window that opens, and says it itself.
void Announcer::AnnounceOpened(QWidget *)
{}
