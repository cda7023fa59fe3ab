#include "clocktext.h"

namespace {

// Drops every unquoted run of 't' (the zone field), with the brackets that
// held only the zone and the white space that joined it to the rest.
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
        if (kept.endsWith(QLatin1Char('(')) && next < format.size()
            && format.at(next) == QLatin1Char(')')) {
            kept.chop(1);
            ++next;
        }
        if (kept.isEmpty() || !kept.back().isSpace()) {
            while (next < format.size() && format.at(next).isSpace())
                ++next;
        }
        while (!kept.isEmpty() && kept.back().isSpace())
            kept.chop(1);
        i = next - 1;
    }
    return kept.trimmed();
}

} // namespace

QString TimeText(QTime time, const QLocale &locale)
{
    return locale.toString(time, LongTimeFormatWithoutZone(locale));
}

QString DateText(QDate date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}
