// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "fittedlabel.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {
// Small enough that any text of ours fits a label; below it, text would not
// be readable anyway.
constexpr qreal SmallestPointSize = 4.0;
constexpr qreal ShrinkStep = 0.25;
} // namespace

FittedLabel::FittedLabel(QWidget *parent)
    : QLabel(parent)
{
    setWordWrap(true);
}

QFont FittedLabel::FittedFont() const
{
    // The room takes in the size, the border, the margin and the indent; the
    // flags the alignment and the wrapping.
    const Inputs now{text(), font(), logicalDpiY(), TextRect(), TextFlags()};
    if (m_fittedFor == now)
        return m_fitted;
    m_fittedFor = now;
    m_fitted = font();
    if (text().isEmpty())
        return m_fitted;
    while (!Fits(m_fitted) && m_fitted.pointSizeF() - ShrinkStep >= SmallestPointSize)
        m_fitted.setPointSizeF(m_fitted.pointSizeF() - ShrinkStep);
    return m_fitted;
}

void FittedLabel::SetBorder(bool border)
{
    m_border = border;
    setContentsMargins(border ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void FittedLabel::paintEvent(QPaintEvent *event)
{
    // An empty label needs no font: the reels and clocks start empty, and
    // their font is loaded when they first show something.
    if (!text().isEmpty()) {
        const QFont fitted = FittedFont();
        if (fitted == font()) {
            QLabel::paintEvent(event);
        } else {
            QPainter painter(this);
            painter.setFont(fitted);
            style()->drawItemText(&painter, TextRect(), TextFlags(), palette(), isEnabled(), text(),
                                  foregroundRole());
        }
    }
    if (m_border) {
        QPainter painter(this);
        DrawBorder(painter);
    }
}

// The style's frame falls between device pixels at a fractional scale (150 %
// loses its top and left sides); this one takes the outermost whole pixels of
// the screen inside the label, a pixel per whole step of scale.
void FittedLabel::DrawBorder(QPainter &painter) const
{
    const qreal scale = devicePixelRatioF();
    const QPointF origin = mapTo(window(), QPoint(0, 0));
    const QRectF onScreen(origin * scale, QSizeF(size()) * scale);
    const QRectF whole(QPointF(std::ceil(onScreen.left()), std::ceil(onScreen.top())),
                       QPointF(std::floor(onScreen.right()), std::floor(onScreen.bottom())));
    const QRectF box(whole.topLeft() / scale - origin, whole.size() / scale);
    const qreal line = std::max(1.0, std::floor(scale)) / scale;
    const QColor colour = palette().color(QPalette::Mid);
    painter.fillRect(QRectF(box.left(), box.top(), box.width(), line), colour);
    painter.fillRect(QRectF(box.left(), box.bottom() - line, box.width(), line), colour);
    painter.fillRect(QRectF(box.left(), box.top(), line, box.height()), colour);
    painter.fillRect(QRectF(box.right() - line, box.top(), line, box.height()), colour);
}

// Where QLabel lays its text out: inside the border and the margin, and off
// the side the text is aligned to by the indent. The text is always centred
// vertically, so only a horizontal side takes the indent.
QRect FittedLabel::TextRect() const
{
    const int m = margin();
    QRect room = contentsRect().adjusted(m, m, -m, -m);
    const int shift = std::max(indent(), 0);
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    if (aligned & Qt::AlignLeft)
        room.setLeft(room.left() + shift);
    else if (aligned & Qt::AlignRight)
        room.setRight(room.right() - shift);
    return room;
}

int FittedLabel::TextFlags() const
{
    return int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

bool FittedLabel::Fits(const QFont &font) const
{
    const QRectF room = TextRect();
    const QRectF needed = QFontMetricsF(font, this).boundingRect(room, TextFlags(), text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}
