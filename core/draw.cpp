#include "core/draw.h"

#include "core/desktop.h"

#include <cmath>

int itemForDraw(double r, int first, int count)
{
    // Bounded in double precision, so that no range, however near the integer limits, overflows.
    const double item = std::floor(float(count) * float(r) + float(first));
    return int(qBound(double(first), item, double(first) + (count - 1)));
}

int drawFreeItem(int first, int count, const std::function<bool(int)> &isFree)
{
    constexpr int maxDraws = 10000;
    int item = first;
    for (int draw = 0; draw < maxDraws; ++draw) {
        item = itemForDraw(desktop().random(), first, count);
        if (isFree(item))
            return item;
    }
    for (int step = 1; step <= count; ++step) {
        const int candidate = first + (item - first + step) % count;
        if (isFree(candidate))
            return candidate;
    }
    return -1;
}
