// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "clockdisplay.h"

#include "tickschedule.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

ClockDisplay::ClockDisplay(QLabel *time, QLabel *date, QWidget *window)
    : QObject(window)
    , m_time(time)
    , m_date(date)
    , m_timer(new QTimer(this))
{
    window->installEventFilter(this);
    // The first tick comes one second after the window is made; every later
    // one is set afresh a few milliseconds past the next wall-clock second,
    // so the shown second never lags, skips or repeats.
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ClockDisplay::Tick);
    m_timer->start(1000);
}

QString ClockDisplay::ShowDate()
{
    const QString date = m_text.Date(QDate::currentDate());
    m_date->setText(date);
    return date;
}

void ClockDisplay::Tick()
{
    const QTime now = QTime::currentTime();
    m_time->setText(m_text.Time(now));
    m_timer->start(MillisecondsToNextTick(now));
}

bool ClockDisplay::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        m_text = ClockText();
    return false;
}
