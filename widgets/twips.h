// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>

// The window layout is drawn up in twips; 15 twips make one pixel at 96 dpi,
// which is one device-independent pixel in Qt.
constexpr int TwipsToPixels(int twips)
{
    return twips / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}
