// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "fittedlabel.h"
#include "form1.h"
#include "placement.h"
#include "scriptedwindow.h"
#include "testdata.h"
#include "tickschedule.h"
#include "winrate.h"

#include <private/qguiapplication_p.h>
#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

// What the program has screen readers say while it lives, as the
// accessibility events carry it: announcements where Qt makes them, and
// notifications shown before that.
struct AnnouncementsHeard
{
    static inline QStringList heard;

    // As when a screen reader is running: the platform sends events.
    AnnouncementsHeard()
    {
        heard.clear();
        QAccessible::installUpdateHandler(Record);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~AnnouncementsHeard()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }

    static void Record(QAccessibleEvent *event)
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            heard << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#else
        QAccessibleInterface *shown = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && shown->role() == QAccessible::Notification)
            heard << shown->text(QAccessible::Name);
#endif
    }
};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(); }
    void window();
    void placement_data();
    void placement();
    void menus();
    void timer();
    void clockShowsTheTimeFromTheFirstTick();
    void dateShowsToday();
    void focusStartsOnPlay();
    void spaceBarPlays();
    void clicksShowEachGame();
    void countsStayReadable();
    void screenReaderHearsEachGame();
    void f10ReachesTheMenus();
    void endQuitsTheProgram();
};

void TestForm1::window()
{
    ScriptedWindow scripted;
    Form1 &window = scripted.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), testdata::Text("title"));
    QCOMPARE(window.centralWidget()->size(), QSize(798, 549));
    QCOMPARE(window.centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(264, 181));
    // nothing in the window moves or grows, so neither does the window
    QCOMPARE(window.minimumSize(), window.maximumSize());
}

void TestForm1::placement_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("placed");

    // The window's frame at its place on 1920 x 1080 with a 48-pixel panel
    // below, in device-independent pixels at each scale.
    const QRect window(263, 137, 800, 595);
    QTest::newRow("100 % keeps its place") << window << QRect(0, 0, 1920, 1032) << QPoint(263, 137);
    QTest::newRow("150 % moves up just enough")
        << window << QRect(0, 0, 1280, 688) << QPoint(263, 93);
    QTest::newRow("200 % is taller than the free area: top edge, and left to fit")
        << window << QRect(0, 0, 960, 516) << QPoint(160, 0);
    QTest::newRow("a panel at the top pushes it down")
        << QRect(263, 10, 800, 595) << QRect(0, 32, 1920, 1048) << QPoint(263, 32);
    QTest::newRow("off the left edge comes back")
        << QRect(-40, 137, 800, 595) << QRect(0, 0, 1920, 1032) << QPoint(0, 137);
    QTest::newRow("wider than the free area starts at its left edge")
        << window << QRect(0, 0, 640, 1032) << QPoint(0, 137);
    QTest::newRow("exactly as tall as the free area")
        << window << QRect(0, 0, 1920, 595) << QPoint(263, 0);
    QTest::newRow("a second screen to the right")
        << QRect(2183, 137, 800, 595) << QRect(1920, 0, 1280, 1024) << QPoint(2183, 137);
}

void TestForm1::placement()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, placed);

    QCOMPARE(FittedTopLeft(frame, available), placed);
}

void TestForm1::menus()
{
    ScriptedWindow scripted;
    const QList<QAction *> top = scripted.window.menuBar()->actions();
    QCOMPARE(top.size(), 2);
    const QMenu *clock = top[0]->menu();
    const QMenu *help = top[1]->menu();
    QCOMPARE(clock->objectName(), QStringLiteral("mnuHorloge"));
    QCOMPARE(clock->title(), QStringLiteral("Horloge"));
    QCOMPARE(help->objectName(), QStringLiteral("mnuAide"));
    QCOMPARE(help->title(), QStringLiteral("?"));
    QCOMPARE(clock->actions().size(), 1);
    QCOMPARE(clock->actions()[0]->objectName(), QStringLiteral("mnuDateItem"));
    QCOMPARE(clock->actions()[0]->text(), QStringLiteral("Date"));
    QCOMPARE(help->actions().size(), 1);
    QCOMPARE(help->actions()[0]->objectName(), QStringLiteral("mnuAideItem"));
    QCOMPARE(help->actions()[0]->text(), QStringLiteral("Aide"));
}

void TestForm1::timer()
{
    ScriptedWindow scripted;
    auto *timer = scripted.window.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
}

void TestForm1::clockShowsTheTimeFromTheFirstTick()
{
    ScriptedWindow scripted;
    auto *timer = scripted.window.findChild<QTimer *>(QStringLiteral("Timer1"));
    // the first tick one second after the window is made, and none before
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isSingleShot());
    QCOMPARE(scripted.Text("Label5"), QString());

    timer->start(0); // the first tick, without waiting a second for it
    QTRY_VERIFY(!scripted.Text("Label5").isEmpty());
    // French long time: hours, minutes and seconds, no zone
    static const QRegularExpression frenchTime(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    QVERIFY2(frenchTime.match(scripted.Text("Label5")).hasMatch(),
             qPrintable(scripted.Text("Label5")));
    // every later tick comes just after the next wall-clock second
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() <= 1000 + TickMarginMs);
}

void TestForm1::dateShowsToday()
{
    ScriptedWindow scripted;
    QCOMPARE(scripted.Text("Label6"), QString());
    auto *date = scripted.window.findChild<QAction *>(QStringLiteral("mnuDateItem"));
    const QDate before = QDate::currentDate();
    date->trigger();
    const QDate after = QDate::currentDate();
    const QString shown = scripted.Text("Label6");
    QVERIFY2(shown == before.toString(QStringLiteral("dd/MM/yyyy"))
                 || shown == after.toString(QStringLiteral("dd/MM/yyyy")),
             qPrintable(shown));
}

void TestForm1::focusStartsOnPlay()
{
    ScriptedWindow scripted;
    QVERIFY(scripted.ShowActive());
    auto *play = scripted.Child<QPushButton>("Command1");
    auto *end = scripted.Child<QPushButton>("Command2");
    QCOMPARE(QApplication::focusWidget(), play);
    QCOMPARE(play->text(), testdata::Text("play"));
    QCOMPARE(end->text(), testdata::Text("end"));
    QCOMPARE(play->nextInFocusChain(), end);
    QVERIFY(!scripted.Child("Image1")->isVisible());
}

void TestForm1::spaceBarPlays()
{
    ScriptedWindow scripted;
    scripted.Script({1, 2, 3});
    QVERIFY(scripted.ShowActive());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(scripted.Reels(), (QStringList{"1", "2", "3"}));
}

void TestForm1::clicksShowEachGame()
{
    ScriptedWindow scripted;
    scripted.window.show();
    auto *play = scripted.Child<QPushButton>("Command1");
    QWidget *picture = scripted.Child("Image1");

    scripted.Script({7, 0, 7});
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(scripted.Reels(), (QStringList{"7", "0", "7"}));
    QVERIFY(picture->isVisible());
    QCOMPARE(*scripted.beeps, 1);
    const QString wins = testdata::Text("wins");
    QCOMPARE(scripted.Text("lblWins"), wins.arg(1));
    // the rate in the locale the tests run under, French, whose comma shows
    QCOMPARE(QLocale().language(), QLocale::French);
    QCOMPARE(scripted.Text("lblRate"), FormatWinRate(1, 1, QLocale()));

    scripted.Script({1, 2, 3});
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(scripted.Reels(), (QStringList{"1", "2", "3"}));
    QVERIFY(!picture->isVisible());
    QCOMPARE(*scripted.beeps, 1);
    QCOMPARE(scripted.Text("lblWins"), wins.arg(1));
    QCOMPARE(scripted.Text("lblRate"), FormatWinRate(1, 2, QLocale()));
}

void TestForm1::countsStayReadable()
{
    ScriptedWindow scripted;
    scripted.window.show();
    for (int game = 0; game < 10; ++game) {
        scripted.Script({7, 7, 7});
        QTest::mouseClick(scripted.Child<QPushButton>("Command1"), Qt::LeftButton);
    }
    auto *wins = scripted.Child<FittedLabel>("lblWins");
    QCOMPARE(wins->text(), testdata::Text("wins").arg(10));
    const QFontMetricsF metrics(wins->FittedFont(), wins);
    const QRectF needed = metrics.boundingRect(
        wins->contentsRect(), int(wins->alignment()) | Qt::TextWordWrap, wins->text());
    QVERIFY(wins->contentsRect().contains(needed.toAlignedRect()));
    QVERIFY(needed.height() < 2 * metrics.lineSpacing());
}

void TestForm1::screenReaderHearsEachGame()
{
    ScriptedWindow scripted;
    scripted.window.show();
    const auto heard = [&scripted](const char *name, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(scripted.Child(name))->text(text);
    };
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(scripted.Child("Image1"));
    QCOMPARE(picture->role(), QAccessible::Graphic);
    QVERIFY(picture->state().invisible);
    QCOMPARE(picture->text(QAccessible::Name), QString());

    AnnouncementsHeard announcements;
    scripted.Script({7, 2, 0});
    QTest::mouseClick(scripted.Child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(heard("Label1", QAccessible::Name), QStringLiteral("7"));
    QVERIFY(!picture->state().invisible);
    QCOMPARE(picture->text(QAccessible::Name), testdata::Text("picture"));

    scripted.Script({4, 1, 9});
    QTest::mouseClick(scripted.Child<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(picture->state().invisible);
    QCOMPARE(picture->text(QAccessible::Name), QString());

    scripted.window.findChild<QAction *>(QStringLiteral("mnuDateItem"))->trigger();
    scripted.window.findChild<QTimer *>(QStringLiteral("Timer1"))->start(0);
    QTRY_VERIFY(!scripted.Text("Label5").isEmpty());
    // each outcome and the date said once; the clock never
    QCOMPARE(announcements.heard,
             (QStringList{testdata::Text("won").arg(7).arg(2).arg(0),
                          testdata::Text("lost").arg(4).arg(1).arg(9), scripted.Text("Label6")}));
    // nothing of an old game is read again when the focus comes back to Jouer
    QCOMPARE(heard("Command1", QAccessible::Description), QString());
}

void TestForm1::f10ReachesTheMenus()
{
    ScriptedWindow scripted;
    QVERIFY(scripted.ShowActive());

    QTest::keyClick(&scripted.window, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuHorloge"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());

    QTest::keyClick(&scripted.window, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QTRY_VERIFY(!scripted.Text("Label6").isEmpty());

    // the menus' entries keep no shortcut of their own
    for (const QAction *action : scripted.window.findChildren<QAction *>())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
}

void TestForm1::endQuitsTheProgram()
{
    ScriptedWindow scripted;
    scripted.window.show();
    auto *end = scripted.Child<QPushButton>("Command2");
    QTimer::singleShot(0, end, [end] { QTest::mouseClick(end, Qt::LeftButton); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
