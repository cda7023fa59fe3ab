// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "fittedlabel.h"
#include "form2.h"
#include "scriptedwindow.h"
#include "testdata.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The main window, active; a test starts with QVERIFY(game.active).
struct Game : ScriptedWindow
{
    bool active = ShowActive();
    ~Game() { qDeleteAll(HelpWindows()); }

    static QList<Form2 *> HelpWindows()
    {
        QList<Form2 *> found;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *form2 = qobject_cast<Form2 *>(widget))
                found << form2;
        return found;
    }
};

// A click as the window system delivers it, so that a modal window can
// block it; a click sent to the widget itself would bypass that.
void SystemClick(QWidget *target, QPoint at = {})
{
    QWidget *window = target->window();
    const QPoint inWindow = target->mapTo(window, at.isNull() ? target->rect().center() : at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
}

// Waits for deferred deletion to be done.
void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsLayout();
    void helpTextIsReadable();
    void blocksTheMainWindow();
    void clockTicksWhileOpen();
    void quitDestroysIt_data();
    void quitDestroysIt();
    void reopensFresh();
    void thousandCyclesLeaveNothing();
};

void TestForm2::opensWithItsLayout()
{
    Game game;
    QVERIFY(game.active);
    Form2 *help = game.OpenHelp();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), testdata::Text("help title"));
    QCOMPARE(help->size(), QSize(608, 226));
    QCOMPARE(help->minimumSize(), help->maximumSize());
    QCOMPARE(help->windowModality(), Qt::ApplicationModal);
    QCOMPARE(help->parentWidget(), nullptr);

    auto *quit = help->findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(quit->text(), testdata::Text("quit"));
    QCOMPARE(QApplication::focusWidget(), quit);

    auto *label = help->findChild<FittedLabel *>(QStringLiteral("Label1"));
    QCOMPARE(label->text(), testdata::Text("help"));
    QVERIFY(!help->findChild<QMenuBar *>());
}

void TestForm2::helpTextIsReadable()
{
    Game game;
    QVERIFY(game.active);
    Form2 *help = game.OpenHelp();
    QVERIFY(help);
    auto *label = help->findChild<FittedLabel *>(QStringLiteral("Label1"));
    const QRectF needed
        = QFontMetricsF(label->FittedFont(), label)
              .boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap,
                            label->text());
    QVERIFY(label->contentsRect().contains(needed.toAlignedRect()));
}

void TestForm2::blocksTheMainWindow()
{
    Game game;
    QVERIFY(game.active);
    QVERIFY(game.OpenHelp());

    SystemClick(game.Child<QPushButton>("Command1"));
    QTest::keyClick(game.window.windowHandle(), Qt::Key_Space);
    QCOMPARE(game.Text("Label1"), QString());

    // Fin's click, which would quit, never reaches it.
    QSignalSpy finClicked(game.Child<QPushButton>("Command2"), &QPushButton::clicked);
    SystemClick(game.Child<QPushButton>("Command2"));
    QCoreApplication::processEvents();
    QVERIFY(game.window.isVisible());
    QCOMPARE(finClicked.count(), 0);

    // a click on the menu bar opens no menu
    QMenuBar *bar = game.window.menuBar();
    SystemClick(bar, bar->actionGeometry(bar->actions()[0]).center());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(Game::HelpWindows().size(), 1);
}

void TestForm2::clockTicksWhileOpen()
{
    Game game;
    QVERIFY(game.active);
    QVERIFY(game.OpenHelp());
    auto *timer = game.window.findChild<QTimer *>(QStringLiteral("Timer1"));
    timer->start(0);
    QTRY_VERIFY(!game.Text("Label5").isEmpty());
}

void TestForm2::quitDestroysIt_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Quitter") << true;
    QTest::newRow("closed through the frame") << false;
}

void TestForm2::quitDestroysIt()
{
    QFETCH(bool, byButton);
    Game game;
    QVERIFY(game.active);
    QPointer<Form2> help = game.OpenHelp();
    QVERIFY(help);
    if (byButton)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    else
        help->close();
    QVERIFY(!help->isVisible());
    Settle();
    QVERIFY(help.isNull());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    SystemClick(game.Child<QPushButton>("Command1"));
    QCOMPARE(game.Text("Label1"), QStringLiteral("7"));
}

void TestForm2::reopensFresh()
{
    Game game;
    QVERIFY(game.active);
    QPointer<Form2> first = game.OpenHelp();
    QVERIFY(first);
    first->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    Settle();
    QVERIFY(first.isNull());

    Form2 *second = game.OpenHelp();
    QVERIFY(second);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QCOMPARE(QApplication::focusWidget()->window(), second);
}

void TestForm2::thousandCyclesLeaveNothing()
{
    Game game;
    QVERIFY(game.active);
    QAction *aide = game.window.findChild<QAction *>(QStringLiteral("mnuAideItem"));
    for (int cycle = 0; cycle < 1000; ++cycle) {
        aide->trigger();
        QCOMPARE(Game::HelpWindows().size(), 1);
        Game::HelpWindows().first()->findChild<QPushButton *>()->click();
        Settle();
    }
    QCOMPARE(Game::HelpWindows().size(), 0);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
