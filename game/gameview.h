// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// What the spin needs from the window that shows the game. Reels are
// numbered 0, 1 and 2 from left to right.
class GameView
{
public:
    static constexpr int ReelCount = 3;

    virtual ~GameView() = default;

    virtual void HideWinPicture() = 0;
    virtual void ShowWinPicture() = 0;
    virtual void SetReelText(int reel, const QString &text) = 0;
    virtual QString ReelText(int reel) const = 0;
    virtual void SetWinsText(const QString &text) = 0;
    virtual void SetRateText(const QString &text) = 0;
    // What a screen reader says of the game just played: the reels and
    // whether it was won, since the picture and the beep say it to the eye
    // and the ear only.
    virtual void DescribeGame(const QString &description) = 0;
};
