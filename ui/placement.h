#pragma once

#include <QPoint>
#include <QRect>

// Where a window whose frame would cover `frame` goes so that all of it lies
// in `available` (the screen's free area): moved just enough to fit, and
// along an axis where it is larger than the free area, at that area's start.
// Its size never changes.
QPoint FittedTopLeft(const QRect &frame, const QRect &available);
