// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "winrate.h"

#include <cmath>

QString FormatWinRate(quint64 won, quint64 played, const QLocale &locale)
{
    Q_ASSERT(played >= 1 && won <= played);
    const double ratio = static_cast<double>(won) / static_cast<double>(played);
    // Tenths of a per cent, rounded half away from zero; 0 <= tenths <= 1000.
    const auto tenths = static_cast<qint64>(std::llround(ratio * 1000.0));
    return QString::number(tenths / 10) + locale.decimalPoint() + QString::number(tenths % 10)
        + QLatin1Char('%');
}
