// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include "clocktext.h"

#include <QObject>

class QLabel;
class QTimer;
class QWidget;

// The main window's clock: the time of day in one label, shown from one
// second after the clock is made and rewritten just after every wall-clock
// second, and today's date in another, written when asked. Both follow the
// user's locale, worked out again when the desktop changes it.
class ClockDisplay : public QObject
{
    Q_OBJECT

public:
    ClockDisplay(QLabel *time, QLabel *date, QWidget *window);

    // Shows today's date and returns the text shown.
    QString ShowDate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Tick();

    QLabel *m_time;
    QLabel *m_date;
    QTimer *m_timer;
    ClockText m_text;
};
