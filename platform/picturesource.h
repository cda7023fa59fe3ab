// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

class QPainter;
class QRect;

// The coins of the win picture, stretched over a rectangle without keeping
// their aspect ratio, at the resolution of the screen they are drawn for.
// The drawing is read from the program's resources when first drawn, so a
// picture that is never shown costs nothing. Where Qt draws SVG (Linux), it
// comes from the vector drawing; on Windows, from the bitmaps the build
// rendered from it for each usual screen scale.
class PictureSource
{
public:
    PictureSource();
    ~PictureSource();

    void Draw(QPainter &painter, const QRect &target);

private:
    class Drawing;
    std::unique_ptr<Drawing> m_drawing;
};
