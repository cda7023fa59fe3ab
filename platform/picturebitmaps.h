// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

class QPixmap;

// The win picture as the build rendered it for a screen at this scale
// (1.0 for 100 %): for 100, 125, 150, 175 and 200 %, at exactly the size
// the picture takes on such a screen, so it is shown pixel for pixel; for
// any other scale, the next larger one (the largest above 200 %).
QPixmap WinPictureBitmap(double scale);
