// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "form1.h"

#include "announcer.h"
#include "applicationidentity.h"
#include "clockdisplay.h"
#include "desktopbell.h"
#include "fittedlabel.h"
#include "focusring.h"
#include "form1menus.h"
#include "form2.h"
#include "lightpalette.h"
#include "placement.h"
#include "randomsource.h"
#include "twips.h"

#include <QApplication>
#include <QLayout>
#include <QPushButton>
#include <QShowEvent>

namespace {
constexpr QSize ClientSize(TwipsToPixels(11970), TwipsToPixels(8235));
constexpr QPoint ClientPosition(TwipsToPixels(3960), TwipsToPixels(2715));
} // namespace

Form1::Form1()
    : Form1(RandomSource::SeededFromClock(), DesktopBell())
{}

Form1::Form1(Spin::Draw draw, Spin::Beep beep)
    : m_spin(m_counters, m_view, std::move(draw), std::move(beep))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(APP_DISPLAY_NAME));

    auto *client = new QWidget(this);
    client->setPalette(LightPalette());
    client->setAutoFillBackground(true);
    client->setFixedSize(ClientSize);
    setCentralWidget(client);
    m_controls = BuildControls(client);
    m_clock = new ClockDisplay(m_controls.time, m_controls.date, this);
    const Form1Menus menus = BuildMenus(this);

    connect(m_controls.play, &QPushButton::clicked, this, [this] { m_spin.Play(); });
    connect(m_controls.end, &QPushButton::clicked, qApp, &QCoreApplication::quit);
    connect(menus.date, &QAction::triggered, this, &Form1::ShowDate);
    connect(menus.aide, &QAction::triggered, this, &Form1::ShowHelp);

    ShowFocusRingsWhenFocused(this);
    // Exactly as large as the controls' area and the menu bar as the style
    // lays it out (a pixel taller than its size hint on Windows).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    new ScreenPlacement(this, ClientPosition - client->pos());
}

Form1::~Form1()
{
    delete m_help;
}

// "Jouer" has the focus as the window opens. It is given as the window shows:
// a browser's page activates a window before showing it, and Qt then gives
// the focus to the control after the one that had it.
void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        m_controls.play->setFocus();
}

// The focus is back on "Jouer" once the menu has closed.
void Form1::ShowDate()
{
    m_controls.announcer->Announce(m_controls.play, m_clock->ShowDate());
}

// One help window at a time, with no owner; it blocks the whole program
// until it is closed, and destroys itself then. Like the main window, it
// keeps its own size where a browser's page would have it fill the page.
void Form1::ShowHelp()
{
    if (!m_help)
        m_help = new Form2;
    m_help->showNormal();
    m_controls.announcer->AnnounceOpened(m_help);
}
