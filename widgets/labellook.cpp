// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "labellook.h"

#include "fittedlabel.h"

FittedLabel *MakeLabel(QWidget *parent, const LabelLook &look, const QString &text)
{
    auto *label = new FittedLabel(parent);
    label->setObjectName(QLatin1String(look.name));
    label->setGeometry(look.geometry);
    QFont font(QLatin1String(look.family));
    font.setPointSizeF(look.pointSize);
    font.setBold(true);
    font.setItalic(look.italic);
    label->setFont(font);
    // The text colour alone: the rest comes from the window.
    QPalette palette;
    palette.setColor(QPalette::WindowText, look.colour);
    label->setPalette(palette);
    if (look.border) {
        label->SetBorder(true);
        // Text aligned to a side keeps off the border by half an x, as QLabel
        // does inside a frame of its own.
        if (!(look.alignment & Qt::AlignHCenter))
            label->setIndent(label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2);
    }
    label->setAlignment(look.alignment | Qt::AlignVCenter);
    if (look.description)
        label->setAccessibleDescription(QString::fromUtf8(look.description));
    label->setText(text);
    return label;
}
