#include "fittedlabel.h"

#include <QPainter>
#include <QStyle>

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
    QFont fitted = font();
    while (!Fits(fitted) && fitted.pointSizeF() - ShrinkStep >= SmallestPointSize)
        fitted.setPointSizeF(fitted.pointSizeF() - ShrinkStep);
    return fitted;
}

void FittedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    // An empty label needs no font: the reels and clocks start empty, and
    // their font is loaded when they first show something.
    if (text().isEmpty())
        return;
    painter.setFont(FittedFont());
    style()->drawItemText(&painter, contentsRect(), TextFlags(), palette(), isEnabled(), text(),
                          foregroundRole());
}

int FittedLabel::TextFlags() const
{
    return int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

bool FittedLabel::Fits(const QFont &font) const
{
    const QRectF room = contentsRect();
    const QRectF needed = QFontMetricsF(font, this).boundingRect(room, TextFlags(), text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}
