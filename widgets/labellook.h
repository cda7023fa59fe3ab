// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QRect>

class FittedLabel;
class QString;
class QWidget;

// How one label of a window's layout looks, row by row as the layout table
// has it. Every label's font is bold and its text centred vertically; the
// alignment is the horizontal one.
struct LabelLook
{
    const char *name;
    QRect geometry;
    const char *family;
    qreal pointSize;
    bool italic = false;
    QColor colour;
    bool border = false;
    Qt::Alignment alignment = Qt::AlignHCenter;
    // What a screen reader says the label is, beside the text it shows.
    const char *description = nullptr;
};

FittedLabel *MakeLabel(QWidget *parent, const LabelLook &look, const QString &text);
