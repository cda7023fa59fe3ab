// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>

#include <functional>

class GameView;
class Module1;

// One press of "Jouer": three reels drawn, the game counted, a win shown,
// sounded and counted, the win rate refreshed and the game described to a
// screen reader, always in that order.
class Spin
{
public:
    using Draw = std::function<float()>; // 0 <= r < 1
    using Beep = std::function<void()>;

    Spin(Module1 &counters, GameView &view, Draw draw, Beep beep,
         QLocale locale = QLocale::system());

    void Play();

private:
    Module1 &m_counters;
    GameView &m_view;
    Draw m_draw;
    Beep m_beep;
    QLocale m_locale;
};
