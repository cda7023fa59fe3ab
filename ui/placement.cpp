#include "placement.h"

#include <algorithm>

namespace {

int FittedStart(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

QPoint FittedTopLeft(const QRect &frame, const QRect &available)
{
    return {FittedStart(frame.left(), frame.width(), available.left(), available.width()),
            FittedStart(frame.top(), frame.height(), available.top(), available.height())};
}
