// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

struct Form1Controls;

// The game as the main window shows it: reels, win picture and counts on the
// window's controls, and each game's outcome told to a screen reader.
class Form1View : public GameView
{
public:
    explicit Form1View(const Form1Controls &controls);

    void HideWinPicture() override;
    void ShowWinPicture() override;
    void SetReelText(int reel, const QString &text) override;
    QString ReelText(int reel) const override;
    void SetWinsText(const QString &text) override;
    void SetRateText(const QString &text) override;
    void DescribeGame(const QString &description) override;

private:
    const Form1Controls &m_controls;
};
