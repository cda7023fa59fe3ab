// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "form1view.h"

#include "announcer.h"
#include "fittedlabel.h"
#include "form1controls.h"
#include "winpicture.h"

#include <QPushButton>

Form1View::Form1View(const Form1Controls &controls)
    : m_controls(controls)
{}

void Form1View::HideWinPicture()
{
    m_controls.picture->hide();
}

void Form1View::ShowWinPicture()
{
    m_controls.picture->show();
}

void Form1View::SetReelText(int reel, const QString &text)
{
    m_controls.reels[reel]->setText(text);
}

QString Form1View::ReelText(int reel) const
{
    return m_controls.reels[reel]->text();
}

void Form1View::SetWinsText(const QString &text)
{
    m_controls.wins->setText(text);
}

void Form1View::SetRateText(const QString &text)
{
    m_controls.rate->setText(text);
}

// "Jouer" keeps the focus while a keyboard player plays.
void Form1View::DescribeGame(const QString &description)
{
    m_controls.announcer->Announce(m_controls.play, description);
}
