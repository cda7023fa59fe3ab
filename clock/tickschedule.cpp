#include "tickschedule.h"

int MillisecondsToNextTick(QTime now)
{
    return 1000 - now.msec() + TickMarginMs;
}
