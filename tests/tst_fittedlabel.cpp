// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "fittedlabel.h"

#include <QTest>

class TestFittedLabel : public QObject
{
    Q_OBJECT

private slots:
    void fitsItsText_data();
    void fitsItsText();
};

namespace {

QFont Font(const char *family, qreal points, bool italic)
{
    QFont font{QLatin1String(family)};
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

QRectF Needed(const FittedLabel &label, const QFont &font)
{
    const int flags = int(label.alignment()) | Qt::TextWordWrap;
    return QFontMetricsF(font, &label).boundingRect(label.contentsRect(), flags, label.text());
}

bool Fits(const FittedLabel &label, const QFont &font)
{
    const QRectF needed = Needed(label, font);
    return needed.width() <= label.contentsRect().width()
        && needed.height() <= label.contentsRect().height();
}

// What the row says of the font the label ends with.
enum class Size { Kept, Shrunk, EitherByPlatform };

} // namespace

Q_DECLARE_METATYPE(Size)

void TestFittedLabel::fitsItsText_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("border");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<Size>("fittedSize");

    const QFont title = Font("Arial", 20.25, false);
    const QFont wins = Font("Arial", 12, true);
    const QFont clock = Font("Times New Roman", 24, false);
    const QSize winsSize(169, 25), clockSize(161, 41);

    QTest::newRow("title keeps its font on two lines")
        << title << QSize(129, 65) << false << "Bandit manchot" << 2 << Size::Kept;
    QTest::newRow("first count keeps its font")
        << wins << winsSize << false << "Parties gagnantes : 0" << 1 << Size::Kept;
    // At its own font the tenth win dropped onto a hidden second line; whether
    // it just fits depends on the platform's font metrics (169.7 pixels wide
    // on Linux, 169 on Windows).
    QTest::newRow("tenth win stays on one line")
        << wins << winsSize << false << "Parties gagnantes : 10" << 1 << Size::EitherByPlatform;
    QTest::newRow("a billion wins still fits")
        << wins << winsSize << false << "Parties gagnantes : 1000000000" << 1 << Size::Shrunk;
    QTest::newRow("French time keeps its font")
        << clock << clockSize << true << "14:05:09" << 1 << Size::Kept;
    QTest::newRow("American time shrinks")
        << clock << clockSize << true << "12:05:09 PM" << 1 << Size::Shrunk;
    // where the system has that wider font
    const QFont wide = Font("DejaVu Sans", 12, true);
    if (QFontInfo(wide).family() == wide.family())
        QTest::newRow("a wider fallback font shrinks")
            << wide << winsSize << false << "Parties gagnantes : 0" << 1 << Size::Shrunk;
    QTest::newRow("empty text keeps its font")
        << clock << clockSize << true << "" << 1 << Size::Kept;
}

void TestFittedLabel::fitsItsText()
{
    QFETCH(QFont, font);
    QFETCH(QSize, size);
    QFETCH(bool, border);
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(Size, fittedSize);

    FittedLabel label;
    label.setFont(font);
    label.resize(size);
    label.setAlignment(Qt::AlignCenter);
    label.setText(text);
    // fitted once before the border comes, as when a label is painted first
    label.FittedFont();
    if (border)
        label.SetBorder(true);

    const QFont fitted = label.FittedFont();
    QCOMPARE(fitted.family(), font.family());
    QCOMPARE(fitted.bold(), font.bold());
    QCOMPARE(fitted.italic(), font.italic());
    QVERIFY(Fits(label, fitted));
    if (fittedSize != Size::EitherByPlatform)
        QCOMPARE(fitted.pointSizeF() < font.pointSizeF(), fittedSize == Size::Shrunk);
    // its own font where the text fits in it, the largest smaller one that fits where not
    if (Fits(label, font)) {
        QCOMPARE(fitted.pointSizeF(), font.pointSizeF());
    } else {
        QVERIFY(fitted.pointSizeF() < font.pointSizeF());
        QFont larger = fitted;
        larger.setPointSizeF(fitted.pointSizeF() + 0.25);
        QVERIFY2(!Fits(label, larger), "shrunk further than needed");
    }
    const QFontMetricsF metrics(fitted, &label);
    const int shownLines = qRound(Needed(label, fitted).height() / metrics.lineSpacing());
    QCOMPARE(shownLines, lines);
}

QTEST_MAIN(TestFittedLabel)
#include "tst_fittedlabel.moc"
