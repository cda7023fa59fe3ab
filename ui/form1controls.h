// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

#include <array>

class Announcer;
class FittedLabel;
class QPushButton;
class QWidget;
class WinPicture;

// The main window's controls, by what they are for.
struct Form1Controls
{
    QPushButton *play = nullptr;
    QPushButton *end = nullptr;
    std::array<FittedLabel *, GameView::ReelCount> reels{};
    FittedLabel *wins = nullptr;
    FittedLabel *rate = nullptr;
    FittedLabel *time = nullptr;
    FittedLabel *date = nullptr;
    WinPicture *picture = nullptr;
    // Heard, not seen: what each game and each date shown come to.
    Announcer *announcer = nullptr;
};

// Makes the controls in the main window's client area as its layout table
// has them, with their first texts, in tab order; the win picture hidden;
// and the announcer that tells screen readers what the window now shows.
Form1Controls BuildControls(QWidget *client);
