// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "fittedlabel.h"
#include "form2.h"
#include "scriptedwindow.h"
#include "testdata.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

// Both windows with every label showing text: a won game, the time and the
// date; a test starts with QVERIFY(windows.filled).
struct Windows : ScriptedWindow
{
    Form2 help;
    bool filled = Fill();

    bool Fill()
    {
        window.show();
        help.show();
        Child<QPushButton>("Command1")->click();
        Child<QAction>("mnuDateItem")->trigger();
        Child<QTimer>("Timer1")->start(0);
        return QTest::qWaitFor([this] { return !Text("Label5").isEmpty(); });
    }
    QList<QWidget *> Both() { return {&window, &help}; }
};

// The window as its backing store holds it on a screen at this scale.
QImage Render(QWidget *window, qreal scale)
{
    QImage image(window->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    window->render(&image);
    return image;
}

// Where a label lies in its window, at a scale of 1.
QRect InWindow(const QWidget *label)
{
    return QRect(label->mapTo(label->window(), QPoint(0, 0)), label->size());
}

// The WCAG contrast ratio of two colours.
double Contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
            + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a label's text against what is drawn behind it, measured
// on the pixels: the background is taken inside the label's corner, the text
// is the pixel that stands out from it most.
double TextContrast(const QImage &image, const QRect &label)
{
    const QColor background = image.pixelColor(label.topLeft() + QPoint(3, 3));
    double best = 1;
    for (int y = label.top() + 3; y < label.bottom() - 2; ++y)
        for (int x = label.left() + 3; x < label.right() - 2; ++x)
            best = std::max(best, Contrast(image.pixelColor(x, y), background));
    return best;
}

// True when a line differing from the background runs along at least 90 %
// of the side, within a pixel of the label's edge.
bool SideShows(const QImage &image, const QRect &box, Qt::Edge edge)
{
    const QColor background = image.pixelColor(box.topLeft() + QPoint(3, 3));
    const bool horizontal = edge == Qt::TopEdge || edge == Qt::BottomEdge;
    const int edgeAt = edge == Qt::TopEdge ? box.top()
        : edge == Qt::BottomEdge           ? box.bottom()
        : edge == Qt::LeftEdge             ? box.left()
                                           : box.right();
    const int inward = (edge == Qt::TopEdge || edge == Qt::LeftEdge) ? 1 : -1;
    const int from = (horizontal ? box.left() : box.top()) + 3;
    const int to = (horizontal ? box.right() : box.bottom()) - 3;
    int covered = 0;
    for (int along = from; along <= to; ++along) {
        for (int depth = -1; depth <= 1; ++depth) {
            const int across = edgeAt + inward * depth;
            const QPoint at = horizontal ? QPoint(along, across) : QPoint(across, along);
            if (image.rect().contains(at) && Contrast(image.pixelColor(at), background) > 1.3) {
                ++covered;
                break;
            }
        }
    }
    return covered * 10 >= (to - from + 1) * 9;
}

QPalette DarkPalette()
{
    QPalette dark(QColor(0xE0, 0xE0, 0xE0), QColor(0x35, 0x35, 0x35), QColor(0x50, 0x50, 0x50),
                  QColor(0x20, 0x20, 0x20), QColor(0x2A, 0x2A, 0x2A), QColor(0xE0, 0xE0, 0xE0),
                  Qt::white, QColor(0x2A, 0x2A, 0x2A), QColor(0x35, 0x35, 0x35));
    return dark;
}

// Puts the desktop's palette back however the test ends.
struct PaletteGuard
{
    QPalette saved = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(saved); }
};

} // namespace

class TestLooks : public QObject
{
    Q_OBJECT

private slots:
    void controlsMatchTheLayout_data();
    void controlsMatchTheLayout();
    void bordersShowWhole_data();
    void bordersShowWhole();
    void textsStayReadable_data();
    void textsStayReadable();
    void focusRingShowsAtOpening_data();
    void focusRingShowsAtOpening();
};

void TestLooks::controlsMatchTheLayout_data()
{
    QTest::addColumn<testdata::Control>("expected");
    for (const testdata::Control &control : testdata::Layout())
        QTest::addRow("%s %s", qPrintable(control.window), qPrintable(control.name)) << control;
}

void TestLooks::controlsMatchTheLayout()
{
    QFETCH(testdata::Control, expected);
    Windows windows;
    QVERIFY(windows.filled);
    QWidget *window = expected.window == QLatin1String("Form2")
        ? static_cast<QWidget *>(&windows.help)
        : &windows.window;
    QCOMPARE(window->objectName(), expected.window);
    // each control's parent is its window's client area
    const QWidget *found = window->findChild<QWidget *>(expected.name);
    QVERIFY(found);
    QCOMPARE(found->geometry(), expected.geometry);
    QVERIFY(found->isVisible() || expected.name == QLatin1String("Image1"));
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QWidget *>(found))
                 ->text(QAccessible::Description),
             expected.said);
    const auto *label = qobject_cast<const FittedLabel *>(found);
    QCOMPARE(label != nullptr, expected.IsLabel());
    if (!label)
        return;
    QCOMPARE(label->font().family(), expected.family);
    QCOMPARE(label->font().pointSizeF(), expected.points);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().italic(), expected.italic);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(expected.colour));
    QCOMPARE(label->HasBorder(), expected.border);
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, expected.alignment);
    QVERIFY(label->wordWrap());
    // the keyboard goes to the buttons alone
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestLooks::bordersShowWhole_data()
{
    QTest::addColumn<qreal>("scale");
    for (qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0})
        QTest::addRow("%d %%", int(scale * 100)) << scale;
}

void TestLooks::bordersShowWhole()
{
    QFETCH(qreal, scale);
    Windows windows;
    QVERIFY(windows.filled);
    int bordered = 0;
    for (QWidget *window : windows.Both()) {
        const QImage image = Render(window, scale);
        for (FittedLabel *label : window->findChildren<FittedLabel *>()) {
            if (!label->HasBorder())
                continue;
            ++bordered;
            const QRectF g = InWindow(label);
            const QRect box(
                QPoint(std::ceil(g.left() * scale), std::ceil(g.top() * scale)),
                QPoint(std::floor(g.right() * scale) - 1, std::floor(g.bottom() * scale) - 1));
            for (Qt::Edge edge : {Qt::TopEdge, Qt::BottomEdge, Qt::LeftEdge, Qt::RightEdge})
                QVERIFY2(SideShows(image, box, edge),
                         qPrintable(label->objectName() + QStringLiteral(" side ")
                                    + QString::number(edge)));
        }
    }
    QCOMPARE(bordered, 6); // three reels, the time, the date and the help text
}

void TestLooks::textsStayReadable_data()
{
    QTest::addColumn<bool>("darkFromTheStart");
    QTest::newRow("dark scheme from the start") << true;
    // as when the desktop switches its scheme while the program runs
    QTest::newRow("dark scheme set while running") << false;
}

void TestLooks::textsStayReadable()
{
    QFETCH(bool, darkFromTheStart);

    QHash<QString, double> light;
    {
        Windows windows;
        QVERIFY(windows.filled);
        for (QWidget *window : windows.Both()) {
            const QImage image = Render(window, 1);
            for (FittedLabel *label : window->findChildren<FittedLabel *>())
                light[label->objectName() + window->objectName()]
                    = TextContrast(image, InWindow(label));
        }
    }

    PaletteGuard guard;
    if (darkFromTheStart)
        QApplication::setPalette(DarkPalette());
    Windows windows;
    QVERIFY(windows.filled);
    if (!darkFromTheStart) {
        QApplication::setPalette(DarkPalette());
        QCoreApplication::processEvents(); // the change reaches the widgets as an event
    }
    for (QWidget *window : windows.Both()) {
        const QImage image = Render(window, 1);
        for (FittedLabel *label : window->findChildren<FittedLabel *>()) {
            const QString name = label->objectName() + window->objectName();
            const double contrast = TextContrast(image, InWindow(label));
            const QString why = QStringLiteral("%1: %2 : 1, light %3 : 1")
                                    .arg(name)
                                    .arg(contrast, 0, 'f', 2)
                                    .arg(light[name], 0, 'f', 2);
            QVERIFY2(contrast >= 3.0, qPrintable(why));
            QVERIFY2(contrast >= 0.9 * light[name], qPrintable(why));
        }
    }
}

void TestLooks::focusRingShowsAtOpening_data()
{
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("helpClosedFirst");
    QTest::newRow("Jouer") << false << false;
    QTest::newRow("Quitter") << true << false;
    QTest::newRow("Jouer, once Aide is closed") << false << true;
}

// A keyboard player sees where the keyboard is before pressing any key, and
// again when the window is back in front.
void TestLooks::focusRingShowsAtOpening()
{
    QFETCH(bool, help);
    QFETCH(bool, helpClosedFirst);
    Windows windows;
    QVERIFY(windows.filled);
    // the help window is modal: the main window is reached once it is gone
    if (!help)
        windows.help.hide();
    QWidget *window = help ? static_cast<QWidget *>(&windows.help) : &windows.window;
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (helpClosedFirst) {
        Form2 *aide = windows.OpenHelp();
        QVERIFY(aide);
        QTest::keyClick(aide->focusWidget(), Qt::Key_Space);
        // as the desktop does once the help window is gone
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QWidget *button = window->focusWidget();
    QCOMPARE(button->objectName(), QStringLiteral("Command1"));

    // the ring is what the focused button shows more than an unfocused one,
    // whatever the style draws it with
    const QImage ring = button->grab().toImage();
    button->clearFocus();
    const QImage unfocused = button->grab().toImage();
    int differing = 0;
    for (int y = 0; y < ring.height(); ++y)
        for (int x = 0; x < ring.width(); ++x)
            differing += ring.pixel(x, y) != unfocused.pixel(x, y);
    QVERIFY2(differing > button->width(), qPrintable(QString::number(differing)));
}

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
