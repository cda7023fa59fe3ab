// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "picturebitmaps.h"

#include <QPixmap>
#include <QTest>

class TestPictureBitmaps : public QObject
{
    Q_OBJECT

private slots:
    void onePixelForEachPixel_data();
    void onePixelForEachPixel();
};

void TestPictureBitmaps::onePixelForEachPixel_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("pixels");

    // Image1 is 7815 x 4695 twips: 521 x 313 pixels at 100 %.
    QTest::newRow("100 %") << 1.0 << QSize(521, 313);
    QTest::newRow("125 %") << 1.25 << QSize(651, 391);
    QTest::newRow("150 %") << 1.5 << QSize(782, 470);
    QTest::newRow("175 %") << 1.75 << QSize(912, 548);
    QTest::newRow("200 %") << 2.0 << QSize(1042, 626);
    // between the usual scales a larger bitmap is shrunk, never a smaller one enlarged
    QTest::newRow("133 % takes 150 %") << 4.0 / 3.0 << QSize(782, 470);
    QTest::newRow("300 % takes 200 %") << 3.0 << QSize(1042, 626);
}

void TestPictureBitmaps::onePixelForEachPixel()
{
    QFETCH(double, scale);
    QFETCH(QSize, pixels);

    const QPixmap bitmap = WinPictureBitmap(scale);
    QCOMPARE(bitmap.size(), pixels);
    // a coin's face lies at the middle of the heap's top coin
    QCOMPARE(bitmap.toImage().pixelColor(pixels.width() * 338 / 500, pixels.height() * 42 / 400),
             QColor(0xFF, 0x9F, 0x00));
}

QTEST_MAIN(TestPictureBitmaps)
#include "tst_picturebitmaps.moc"
