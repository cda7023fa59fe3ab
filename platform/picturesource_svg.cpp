// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "picturesource.h"

#include <QPainter>
#include <QSvgRenderer>

class PictureSource::Drawing : public QSvgRenderer
{
public:
    Drawing()
        : QSvgRenderer(QStringLiteral(":/assets/winpicture.svg"))
    {
        setAspectRatioMode(Qt::IgnoreAspectRatio);
    }
};

PictureSource::PictureSource() = default;
PictureSource::~PictureSource() = default;

void PictureSource::Draw(QPainter &painter, const QRect &target)
{
    if (!m_drawing)
        m_drawing = std::make_unique<Drawing>();
    painter.setRenderHint(QPainter::Antialiasing);
    m_drawing->render(&painter, target);
}
