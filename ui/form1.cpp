#include "form1.h"

#include "clocktext.h"
#include "desktopbell.h"
#include "fittedlabel.h"
#include "focusring.h"
#include "form2.h"
#include "labellook.h"
#include "lightpalette.h"
#include "placement.h"
#include "randomsource.h"
#include "tickschedule.h"
#include "twips.h"
#include "winpicture.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <cmath>

namespace {

constexpr QSize ClientSize(TwipsToPixels(11970), TwipsToPixels(8235));
constexpr QPoint ClientPosition(TwipsToPixels(3960), TwipsToPixels(2715));

constexpr auto Serif = "Times New Roman";
constexpr auto Sans = "Arial";
constexpr auto Centre = Qt::AlignHCenter;
constexpr QColor ReelBlue(0x00, 0x00, 0xC0);
constexpr QColor ClockRed(0x80, 0x00, 0x00);

} // namespace

Form1::Form1()
    : Form1(RandomSource::SeededFromClock(), DesktopBell())
{}

Form1::Form1(Spin::Draw draw, Spin::Beep beep)
    : m_spin(m_counters, *this, std::move(draw), std::move(beep))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Bandit Manchot et Horloge Numérique"));

    auto *client = new QWidget(this);
    client->setPalette(LightPalette());
    client->setAutoFillBackground(true);
    client->setFixedSize(ClientSize);
    setCentralWidget(client);
    BuildControls(client);
    BuildMenus();

    StartClock();

    m_play->setFocus();
    ShowFocusRingFromTheStart(m_play);
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(ClientSize.width(), ClientSize.height() + menuHeight);
    PlaceOnScreen();
}

Form1::~Form1()
{
    delete m_help;
}

void Form1::BuildControls(QWidget *client)
{
    m_play = new QPushButton(QStringLiteral("Jouer"), client);
    m_play->setObjectName(QStringLiteral("Command1"));
    m_play->setGeometry(TwipsRect(600, 600, 1335, 495));
    connect(m_play, &QPushButton::clicked, this, [this] { m_spin.Play(); });

    auto *end = new QPushButton(QStringLiteral("Fin"), client);
    end->setObjectName(QStringLiteral("Command2"));
    end->setGeometry(TwipsRect(600, 1560, 1335, 495));
    connect(end, &QPushButton::clicked, qApp, &QCoreApplication::quit);
    setTabOrder(m_play, end);

    m_reels[0] = MakeLabel(
        client,
        {"Label1", TwipsRect(3240, 600, 1815, 615), Serif, 24, false, ReelBlue, true, Centre});
    m_reels[1] = MakeLabel(
        client,
        {"Label2", TwipsRect(5760, 600, 2055, 615), Serif, 24, false, ReelBlue, true, Centre});
    m_reels[2] = MakeLabel(
        client,
        {"Label3", TwipsRect(8640, 600, 2175, 615), Serif, 24, false, ReelBlue, true, Centre});
    MakeLabel(client,
              {"Label4", TwipsRect(360, 2520, 1935, 975), Sans, 20.25, false,
               QColor(0x80, 0x00, 0x80), false, Qt::AlignLeft},
              QStringLiteral("Bandit manchot"));
    m_wins = MakeLabel(client,
                       {"lblWins", TwipsRect(360, 3840, 2535, 375), Sans, 12, true,
                        QColor(0x00, 0x80, 0x00), false, Centre},
                       QStringLiteral("Parties gagnantes : 0"));
    m_rate = MakeLabel(
        client,
        {"lblRate", TwipsRect(600, 4680, 1575, 375), Sans, 14.25, true, ClockRed, false, Centre},
        QStringLiteral("0.0%"));
    m_time = MakeLabel(
        client,
        {"Label5", TwipsRect(240, 5640, 2415, 615), Serif, 24, false, ClockRed, true, Centre});
    m_date = MakeLabel(
        client,
        {"Label6", TwipsRect(240, 6600, 2415, 615), Serif, 24, false, ClockRed, true, Centre});

    // Heard, not seen: what each display is, beside the text it shows.
    for (int reel = 0; reel < ReelCount; ++reel)
        m_reels[reel]->setAccessibleDescription(QStringLiteral("Rouleau %1").arg(reel + 1));
    m_time->setAccessibleDescription(QStringLiteral("Heure"));
    m_date->setAccessibleDescription(QStringLiteral("Date"));

    m_winPicture = new WinPicture(QStringLiteral(":/assets/winpicture.svg"),
                                  QStringLiteral("Pièces d’or"), client);
    m_winPicture->setObjectName(QStringLiteral("Image1"));
    m_winPicture->setGeometry(TwipsRect(3120, 1920, 7815, 4695));
    m_winPicture->hide();
}

void Form1::BuildMenus()
{
    QMenu *clock = menuBar()->addMenu(QStringLiteral("Horloge"));
    clock->setObjectName(QStringLiteral("mnuHorloge"));
    QAction *date = clock->addAction(QStringLiteral("Date"));
    date->setObjectName(QStringLiteral("mnuDateItem"));
    connect(date, &QAction::triggered, this, [this] { m_date->setText(DateText()); });

    QMenu *help = menuBar()->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("mnuAide"));
    QAction *aide = help->addAction(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("mnuAideItem"));
    connect(aide, &QAction::triggered, this, &Form1::ShowHelp);

    // F10 reaches the menus from the keyboard, as in GNOME and KDE programs;
    // the entries themselves have no shortcut.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this,
            [this, clock] { menuBar()->setActiveAction(clock->menuAction()); });
}

// One help window at a time, with no owner; it blocks the whole program
// until it is closed, and destroys itself then.
void Form1::ShowHelp()
{
    if (!m_help)
        m_help = new Form2;
    m_help->show();
}

// The first time shows one second after the window is made; every later tick
// is set afresh a few milliseconds past the next wall-clock second, so the
// shown second never lags, skips or repeats.
void Form1::StartClock()
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        const QTime now = QTime::currentTime();
        m_time->setText(TimeText(now));
        m_timer->start(MillisecondsToNextTick(now));
    });
    m_timer->start(1000);
}

// The controls' area goes to its fixed point of the screen, unless that would
// put part of the window, frame included, outside the screen's free area:
// then the window moves just enough to fit. Run again once the frame is
// known, since the platform reports it only after the window is shown. The
// inside is placed, not the frame, which is there only once it is known.
void Form1::PlaceOnScreen()
{
    const QScreen *screen = this->screen();
    const QPoint inside
        = screen->geometry().topLeft() + ClientPosition - QPoint(0, height() - ClientSize.height());
    const QRect in = geometry();
    const QRect out = frameGeometry();
    QMargins frame(in.left() - out.left(), in.top() - out.top(), out.right() - in.right(),
                   out.bottom() - in.bottom());
    // At a fractional scale the frame comes rounded to whole units, up to a
    // screen pixel short on a side.
    if (!frame.isNull() && devicePixelRatioF() != std::floor(devicePixelRatioF()))
        frame += QMargins(1, 1, 1, 1);
    const QRect framed = QRect(inside, size()).marginsAdded(frame);
    const QPoint fitted = FittedTopLeft(framed, screen->availableGeometry());
    setGeometry(QRect(fitted + QPoint(frame.left(), frame.top()), size()));
}

// The window manager frames the window after it is shown, and the frame is
// known by the time the window first moves or is activated: the window is
// placed again then, once, so that the frame fits too. Later moves are the
// user's own.
void Form1::PlaceAgainOnceFramed()
{
    if (!m_placedWithFrame && frameGeometry().size() != size()) {
        m_placedWithFrame = true;
        PlaceOnScreen();
    }
}

void Form1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    PlaceAgainOnceFramed();
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        PlaceAgainOnceFramed();
}

void Form1::HideWinPicture()
{
    m_winPicture->hide();
}

void Form1::ShowWinPicture()
{
    m_winPicture->show();
}

void Form1::SetReelText(int reel, const QString &text)
{
    m_reels[reel]->setText(text);
}

QString Form1::ReelText(int reel) const
{
    return m_reels[reel]->text();
}

void Form1::SetWinsText(const QString &text)
{
    m_wins->setText(text);
}

void Form1::SetRateText(const QString &text)
{
    m_rate->setText(text);
}

// "Jouer" keeps the focus while a keyboard player plays: a screen reader
// reads out a change of the focused button's description.
void Form1::DescribeGame(const QString &description)
{
    m_play->setAccessibleDescription(description);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(m_play, description);
    QAccessible::updateAccessibility(&announcement);
#endif
}
