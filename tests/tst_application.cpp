// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "form2.h"
#include "scriptedwindow.h"

#include <QApplication>
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
    // the release the build read from the changelog (tests/CMakeLists.txt)
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(RELEASE_VERSION));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("fr.banditmanchot.banditmanchot"));
    QCOMPARE(QCoreApplication::organizationName(), QString());
}

void TestApplication::windowsTakeTheIcon()
{
    ScriptedWindow main;
    Form2 help;
    QVERIFY(main.ShowActive());
    for (QWidget *window : {static_cast<QWidget *>(&main.window), static_cast<QWidget *>(&help)}) {
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
