// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "form1.h"
#include "form2.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(); }
    void namesItself();
    void windowsTakeTheIcon();
};

void TestApplication::namesItself()
{
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("bandit-manchot"));
    // the changelog's first entry: "bandit-manchot (1.2.3) unstable; …"
    QFile changelog(QStringLiteral(":/changelog"));
    QVERIFY(changelog.open(QIODevice::ReadOnly | QIODevice::Text));
    static const QRegularExpression heading(QStringLiteral("^\\S+ \\(([^)]+)\\)"));
    const QRegularExpressionMatch release = heading.match(QString::fromUtf8(changelog.readLine()));
    QVERIFY(release.hasMatch());
    QCOMPARE(QCoreApplication::applicationVersion(), release.captured(1));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("fr.banditmanchot.banditmanchot"));
    QCOMPARE(QCoreApplication::organizationName(), QString());
}

void TestApplication::windowsTakeTheIcon()
{
    Form1 main([] { return 0.0f; }, [] {});
    Form2 help;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    for (QWidget *window : {static_cast<QWidget *>(&main), static_cast<QWidget *>(&help)}) {
        // given once the first window is on the screen
        QTRY_VERIFY2(!window->windowIcon().pixmap(32, 32).isNull(),
                     qPrintable(window->objectName()));
        const QPixmap icon = window->windowIcon().pixmap(32, 32);
        // the title strip's cyan is there, so it is our drawing
        const QImage image = icon.toImage();
        bool cyan = false;
        for (int y = 0; y < image.height() && !cyan; ++y)
            for (int x = 0; x < image.width() && !cyan; ++x)
                cyan = image.pixelColor(x, y) == QColor(0x00, 0xFF, 0xFF);
        QVERIFY2(cyan, qPrintable(window->objectName()));
    }
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
