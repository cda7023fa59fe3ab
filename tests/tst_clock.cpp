// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "clocktext.h"
#include "tickschedule.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimeZone>

class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void timeText_data();
    void timeText();
    void timeTextInEveryLocale_data();
    void timeTextInEveryLocale();
    void dateText_data();
    void dateText();
    void nextTick_data();
    void nextTick();
};

void TestClock::timeText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected"); // a pattern: \s stands for any space

    const QTime afternoon(14, 5, 9);
    QTest::newRow("French") << "fr_FR" << afternoon << "14:05:09";
    QTest::newRow("United States") << "en_US" << afternoon << "2:05:09\\sPM";
    QTest::newRow("United States at noon") << "en_US" << QTime(12, 5, 9) << "12:05:09\\sPM";
    QTest::newRow("United States after midnight") << "en_US" << QTime(0, 0, 0) << "12:00:00\\sAM";
    QTest::newRow("German") << "de_DE" << afternoon << "14:05:09";
    QTest::newRow("French at the last second") << "fr_FR" << QTime(23, 59, 59, 999) << "23:59:59";
}

void TestClock::timeText()
{
    QFETCH(QString, locale);
    QFETCH(QTime, time);
    QFETCH(QString, expected);

    const QString text = ClockText(QLocale(locale)).Time(time);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(expected),
                                     QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY2(pattern.match(text).hasMatch(), qPrintable(text));
}

void TestClock::timeTextInEveryLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    for (const QLocale &locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
        QTest::addRow("%s %s", qPrintable(locale.bcp47Name()),
                      qPrintable(QLocale::scriptToCode(locale.script())))
            << locale;
}

// Hours, minutes and seconds, no zone, and nothing left where the zone stood.
void TestClock::timeTextInEveryLocale()
{
    QFETCH(QLocale, locale);

    const QString text = ClockText(locale).Time(QTime(14, 35, 49));
    QVERIFY2(text.contains(locale.toString(35)) && text.contains(locale.toString(49)),
             qPrintable(text));
    QVERIFY2(text.contains(locale.toString(14))
                 || (text.contains(locale.toString(2))
                     && text.contains(locale.pmText(), Qt::CaseInsensitive)),
             qPrintable(text));

    const QDateTime now = QDateTime::currentDateTime();
    const QTimeZone zone = QTimeZone::systemTimeZone();
    QStringList zoneNames
        = {now.timeZoneAbbreviation(), QStringLiteral("UTC"), QStringLiteral("GMT")};
    for (auto type : {QTimeZone::ShortName, QTimeZone::LongName, QTimeZone::OffsetName})
        zoneNames << zone.displayName(now, type, locale);
    for (const QString &name : std::as_const(zoneNames))
        QVERIFY2(name.isEmpty() || !text.contains(name),
                 qPrintable(text + QStringLiteral(" names ") + name));

    // No space, comma or bracket at either end, none doubled, none left empty.
    static const QRegularExpression leftOver(
        QStringLiteral(R"(^[\s\p{P}]|[\s\p{Ps},،，、]$|\s\s|\p{Ps}\s*\p{Pe})"),
        QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY2(!leftOver.match(text).hasMatch(), qPrintable(text));
    static const QRegularExpression opening(QStringLiteral(R"(\p{Ps})"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression closing(QStringLiteral(R"(\p{Pe})"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    QCOMPARE(text.count(opening), text.count(closing));
}

void TestClock::dateText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    const QDate day(2012, 8, 30);
    QTest::newRow("French") << "fr_FR" << day << "30/08/2012";
    QTest::newRow("United States") << "en_US" << day << "8/30/12";
    QTest::newRow("German") << "de_DE" << day << "30.08.12";
    QTest::newRow("French new year") << "fr_FR" << QDate(2027, 1, 1) << "01/01/2027";
    QTest::newRow("Persian digits") << "fa_IR" << day << QString::fromUtf8("۲۰۱۲/۸/۳۰");
}

void TestClock::dateText()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);

    QCOMPARE(ClockText(QLocale(locale)).Date(date), expected);
}

void TestClock::nextTick_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("delay");

    QTest::newRow("on a boundary waits for the next one") << QTime(10, 0, 0, 0) << 1005;
    QTest::newRow("a tick on time") << QTime(10, 0, 0, 5) << 1000;
    QTest::newRow("a late tick is caught up") << QTime(10, 0, 0, 480) << 525;
    QTest::newRow("just before a boundary") << QTime(10, 0, 0, 999) << 6;
    QTest::newRow("just before midnight") << QTime(23, 59, 59, 995) << 10;
    // the clock was set back: the delay depends on the new time alone
    QTest::newRow("after a jump backwards") << QTime(9, 59, 30, 700) << 305;
}

void TestClock::nextTick()
{
    QFETCH(QTime, now);
    QFETCH(int, delay);

    QCOMPARE(MillisecondsToNextTick(now), delay);
    const QTime tick = now.addMSecs(delay);
    QCOMPARE(tick.msec(), TickMarginMs);
    QCOMPARE(now.secsTo(tick) >= 0 ? now.secsTo(tick) : now.secsTo(tick) + 86400, 1);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
