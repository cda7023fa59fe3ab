#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The time of day in the locale's long time format as it is usually shown:
// hours, minutes and seconds, without the time-zone name ("14:05:09",
// "2:05:09 PM").
QString TimeText(QTime time = QTime::currentTime(), const QLocale &locale = QLocale::system());

// The date in the locale's short date format ("30/08/2012").
QString DateText(QDate date = QDate::currentDate(), const QLocale &locale = QLocale::system());
