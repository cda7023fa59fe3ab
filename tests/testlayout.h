// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include "testtable.h"

#include <QColor>
#include <QMetaType>
#include <QRect>

namespace testdata {

// One control of a window as the layout table has it; a control without a
// font is not a label.
struct Control
{
    QString window, name;
    QRect geometry; // in pixels at 100 %
    QString family;
    qreal points = 0;
    bool italic = false;
    QColor colour;
    bool border = false;
    Qt::Alignment alignment;
    QString said;

    bool IsLabel() const { return !family.isEmpty(); }
};

inline QList<Control> Layout()
{
    QList<Control> controls;
    for (const QStringList &row : Rows(QStringLiteral(":/layout.tsv"), 13)) {
        const auto field = [&row](int column) {
            return row[column] == QLatin1String("-") ? QString() : row[column];
        };
        // at 96 dpi a pixel is 15 twips, and so is a device-independent pixel
        const auto pixels = [&row](int column) { return row[column].toInt() / 15; };
        controls << Control{.window = row[0],
                            .name = row[1],
                            .geometry = QRect(pixels(2), pixels(3), pixels(4), pixels(5)),
                            .family = field(6),
                            .points = field(7).toDouble(),
                            .italic = row[8] == QLatin1String("yes"),
                            .colour = QColor(field(9)),
                            .border = row[10] == QLatin1String("yes"),
                            .alignment
                            = row[11] == QLatin1String("left") ? Qt::AlignLeft : Qt::AlignHCenter,
                            .said = field(12)};
    }
    return controls;
}

} // namespace testdata

Q_DECLARE_METATYPE(testdata::Control)
