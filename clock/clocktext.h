// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The clock's texts in one locale: the time of day in the locale's long time
// format as it is usually shown, hours, minutes and seconds without the
// time-zone name ("14:05:09", "2:05:09 PM"), and the date in its short date
// format ("30/08/2012"). The time's format is worked out once, when made.
class ClockText
{
public:
    explicit ClockText(const QLocale &locale = QLocale::system());

    QString Time(QTime time) const;
    QString Date(QDate date) const;

private:
    QLocale m_locale;
    QString m_timeFormat;
};
