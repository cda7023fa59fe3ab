// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include "form1controls.h"
#include "form1view.h"
#include "module1.h"
#include "spin.h"

#include <QMainWindow>
#include <QPointer>

class ClockDisplay;
class Form2;

// The main window: the slot machine, the clock displays and the menus, and
// the wiring of their events.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // Plays with a random source seeded from the clock now, and the desktop bell.
    Form1();
    Form1(Spin::Draw draw, Spin::Beep beep);
    ~Form1() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowDate();
    void ShowHelp();

    Form1Controls m_controls;
    Form1View m_view{m_controls};
    Module1 m_counters;
    Spin m_spin;
    ClockDisplay *m_clock = nullptr;
    QPointer<Form2> m_help;
};
