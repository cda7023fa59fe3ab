// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "lightpalette.h"

#include <QPalette>

QPalette LightPalette()
{
    const QColor window(0xEF, 0xEF, 0xEF);
    // Every role is set, so a change of the desktop's scheme leaves it as it is.
    QPalette palette(Qt::black, window, window.lighter(150), window.darker(150), window.darker(130),
                     Qt::black, Qt::white, Qt::white, window);
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0x00, 0x00, 0x00, 0x80));
    palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xFF));
    palette.setColor(QPalette::LinkVisited, QColor(0xFF, 0x00, 0xFF));
    palette.setColor(QPalette::AlternateBase, window.lighter(106));
    const QColor disabledText(0xBE, 0xBE, 0xBE);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    return palette;
}
