// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "spin.h"

#include "gameview.h"
#include "module1.h"
#include "winrate.h"

#include <algorithm>
#include <array>
#include <cmath>

Spin::Spin(Module1 &counters, GameView &view, Draw draw, Beep beep, QLocale locale)
    : m_counters(counters)
    , m_view(view)
    , m_draw(std::move(draw))
    , m_beep(std::move(beep))
    , m_locale(std::move(locale))
{}

namespace {

// The ten reel texts, made once and shared by every game.
const QString &DigitText(int digit)
{
    static const QString texts[]
        = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
           QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
           QStringLiteral("8"), QStringLiteral("9")};
    return texts[digit];
}

} // namespace

void Spin::Play()
{
    m_view.HideWinPicture();
    for (int reel = 0; reel < GameView::ReelCount; ++reel) {
        // The product in double precision, floored unrounded: 0..9.
        const double scaled = static_cast<double>(m_draw()) * 10.0;
        const int digit = static_cast<int>(std::floor(scaled));
        m_view.SetReelText(reel, DigitText(digit));
    }
    m_counters.CountGamePlayed();

    // Every reel is read back as shown, without stopping at the first seven.
    // A reel shows a single digit, so it is a seven exactly when it reads "7".
    std::array<QString, GameView::ReelCount> shown;
    for (int reel = 0; reel < GameView::ReelCount; ++reel)
        shown[reel] = m_view.ReelText(reel);
    const bool won = std::find(shown.begin(), shown.end(), DigitText(7)) != shown.end();

    if (won) {
        m_view.ShowWinPicture();
        m_beep();
        m_counters.CountGameWon();
        m_view.SetWinsText(QStringLiteral("Parties gagnantes : ")
                           + QString::number(m_counters.GamesWon()));
    }
    m_view.SetRateText(FormatWinRate(m_counters.GamesWon(), m_counters.GamesPlayed(), m_locale));
    const QLatin1String comma(", ");
    m_view.DescribeGame(
        QLatin1String("Rouleaux : ") + shown[0] + comma + shown[1] + comma + shown[2]
        + (won ? QStringLiteral(". Partie gagnée.") : QStringLiteral(". Partie perdue.")));
}
