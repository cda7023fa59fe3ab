// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>
#include <QString>

// The share of games won as a percentage with exactly one decimal and the
// percent sign right after it ("27.1%", "33,3%"). Digits are always ASCII;
// only the decimal separator comes from the locale. Needs played >= 1.
QString FormatWinRate(quint64 won, quint64 played, const QLocale &locale);
