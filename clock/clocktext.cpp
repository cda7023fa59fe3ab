// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "clocktext.h"

namespace {

bool IsComma(QChar c)
{
    return c == QLatin1Char(',') || c == QChar(0x060C) || c == QChar(0x3001) || c == QChar(0xFF0C);
}

// What may join the zone to the rest of the time: white space, a comma, and
// brackets that hold the zone alone.
bool JoinsBefore(QChar c)
{
    return c.isSpace() || c.category() == QChar::Punctuation_Open || IsComma(c);
}

bool JoinsAfter(QChar c)
{
    return c.isSpace() || c.category() == QChar::Punctuation_Close || IsComma(c);
}

// Drops every unquoted run of 't' (the zone field) with whatever joined it to
// the rest: "HH:mm:ss, t" and "APh:mm:ss [t]" keep no comma or bracket. Where
// the zone stood between two fields, the first space that joined it stays.
QString LongTimeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (quoted || c != QLatin1Char('t')) {
            if (c == QLatin1Char('\''))
                quoted = !quoted;
            kept += c;
            continue;
        }
        qsizetype next = i + 1;
        while (next < format.size() && format.at(next) == QLatin1Char('t'))
            ++next;
        QString space;
        while (!kept.isEmpty() && JoinsBefore(kept.back())) {
            if (kept.back().isSpace())
                space = kept.back();
            kept.chop(1);
        }
        while (next < format.size() && JoinsAfter(format.at(next))) {
            if (space.isEmpty() && format.at(next).isSpace())
                space = format.at(next);
            ++next;
        }
        if (!kept.isEmpty() && next < format.size())
            kept += space;
        i = next - 1;
    }
    return kept;
}

} // namespace

ClockText::ClockText(const QLocale &locale)
    : m_locale(locale)
    , m_timeFormat(LongTimeFormatWithoutZone(locale))
{}

QString ClockText::Time(QTime time) const
{
    return m_locale.toString(time, m_timeFormat);
}

QString ClockText::Date(QDate date) const
{
    return m_locale.toString(date, QLocale::ShortFormat);
}
