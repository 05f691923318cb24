// The reasons of a pause, counted in and out.
#include "car/pause.h"

bool Pause::begin(PauseReason r, bool running)
{
    if (!paused() && !running) return false;
    const bool first = !paused();
    reasons |= quint8(r);
    return first;
}

bool Pause::end(PauseReason r)
{
    if (!has(r)) return false;
    reasons &= quint8(~quint8(r));
    return !paused();
}
