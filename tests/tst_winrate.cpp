// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "winrate.h"

#include <QTest>

class TestWinRate : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
};

void TestWinRate::formats_data()
{
    QTest::addColumn<quint64>("won");
    QTest::addColumn<quint64>("played");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const QLocale point(QLocale::English, QLocale::UnitedStates);
    const QLocale comma(QLocale::French, QLocale::France);
    struct Row
    {
        quint64 won, played;
        const char *text;
    };
    const Row rows[] = {
        {0, 1, "0.0%"},
        {1, 1, "100.0%"},
        {1, 3, "33.3%"},
        {2, 3, "66.7%"},
        {1, 8, "12.5%"},
        {3, 11, "27.3%"},
        {271, 1000, "27.1%"},
        {0, 5000, "0.0%"},
        // a share just under a whole per cent rounds up into the next unit
        {999, 1000, "99.9%"},
        {9999, 10000, "100.0%"},
        {19, 1000, "1.9%"},
    };
    for (const Row &row : rows) {
        const QString text = QString::fromLatin1(row.text);
        QTest::addRow("%llu of %llu, point", row.won, row.played)
            << row.won << row.played << point << text;
        QTest::addRow("%llu of %llu, comma", row.won, row.played)
            << row.won << row.played << comma << QString(text).replace(u'.', comma.decimalPoint());
    }
    // Qt's own number formatting would write Eastern Arabic digits here.
    QTest::newRow("ASCII digits under Arabic (Egypt)")
        << quint64(1) << quint64(3) << QLocale(QLocale::Arabic, QLocale::Egypt)
        << QStringLiteral("33") + QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint()
            + QStringLiteral("3%");
    QTest::newRow("counts beyond 32 bits")
        << quint64(1) << (quint64(1) << 33) << point << QStringLiteral("0.0%");
    QTest::newRow("all won beyond 32 bits")
        << (quint64(1) << 33) << (quint64(1) << 33) << point << QStringLiteral("100.0%");
}

void TestWinRate::formats()
{
    QFETCH(quint64, won);
    QFETCH(quint64, played);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    QCOMPARE(FormatWinRate(won, played, locale), expected);
}

QTEST_GUILESS_MAIN(TestWinRate)
#include "tst_winrate.moc"
