// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "picturebitmaps.h"
#include "picturesource.h"
#include "winpicturesize.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

QPixmap WinPictureBitmap(double scale)
{
    int chosen = WinPictureRenderedScales[std::size(WinPictureRenderedScales) - 1];
    for (int rendered : WinPictureRenderedScales) {
        if (rendered >= std::round(scale * 100)) {
            chosen = rendered;
            break;
        }
    }
    QPixmap bitmap(QStringLiteral(":/winpicture/%1.png").arg(chosen));
    bitmap.setDevicePixelRatio(chosen / 100.0);
    return bitmap;
}

// The bitmap for the last scale drawn at, kept until the scale changes.
class PictureSource::Drawing
{
public:
    double scale = 0;
    QPixmap bitmap;
};

PictureSource::PictureSource() = default;
PictureSource::~PictureSource() = default;

void PictureSource::Draw(QPainter &painter, const QRect &target)
{
    const double scale = painter.device()->devicePixelRatioF();
    if (!m_drawing)
        m_drawing = std::make_unique<Drawing>();
    if (m_drawing->scale != scale) {
        m_drawing->scale = scale;
        m_drawing->bitmap = WinPictureBitmap(scale);
    }
    const QPixmap &bitmap = m_drawing->bitmap;
    if (bitmap.devicePixelRatio() == scale) {
        // Rendered for this very screen: pixel for pixel, nothing resampled.
        painter.drawPixmap(target.topLeft(), bitmap);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, bitmap);
    }
}
