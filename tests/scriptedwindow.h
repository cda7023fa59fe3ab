// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

// The main window as every widget test builds it: its reels show the digits
// a test scripts, game after game, and 7 when none is left; its bell is
// counted rather than heard.

#include "form1.h"
#include "form2.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <deque>
#include <memory>

struct ScriptedWindow
{
    std::shared_ptr<std::deque<float>> draws = std::make_shared<std::deque<float>>();
    std::shared_ptr<int> beeps = std::make_shared<int>(0);
    Form1 window{[draws = draws] {
                     const float r = draws->empty() ? 0.75f : draws->front();
                     if (!draws->empty())
                         draws->pop_front();
                     return r;
                 },
                 [beeps = beeps] { ++*beeps; }};

    void Script(std::initializer_list<int> digits)
    {
        for (int digit : digits)
            draws->push_back((digit + 0.5f) / 10.0f);
    }
    // Shows the window and waits until it takes keys.
    bool ShowActive()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    // Opens the help window as its menu entry does; null unless it comes up, in front.
    Form2 *OpenHelp()
    {
        Child<QAction>("mnuAideItem")->trigger();
        auto *help = qobject_cast<Form2 *>(QApplication::activeModalWidget());
        return help && QTest::qWaitForWindowActive(help) ? help : nullptr;
    }
    template<typename T = QWidget>
    T *Child(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    QString Text(const char *name) const { return Child<QLabel>(name)->text(); }
    QStringList Reels() const { return {Text("Label1"), Text("Label2"), Text("Label3")}; }
};
