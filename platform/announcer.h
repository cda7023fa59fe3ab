// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class QString;
class QWidget;

// Has screen readers say a text once, as the outcome of what the focused
// control has just done, while the focus stays where it is. Qt 6.8 and later
// announce it (announcer_event.cpp). Before them, Qt has no announcement, and
// what Orca presents of its own accord is a notification that shows
// (announcer_notification.cpp): the text is shown, to the accessibility bus
// alone, as a notification inside a status bar of one pixel that nobody sees
// (inside a status bar, Orca says the text without the word "notification").
// In a page, the page's live region says it (announcer_live_region.cpp).
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void Announce(QWidget *source, const QString &text);
    // Says a window that has just opened, as a screen reader says it where
    // it is told of windows: its title, then its text.
    void AnnounceOpened(QWidget *window);
};
