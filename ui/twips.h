#pragma once
#include <QRect>
#include <QSize>
#include <cmath>

// Layouts are given in twips: 1440 to the inch, 15 to a pixel at 96 dpi. They are converted to
// device-independent pixels, so Qt's high-DPI scaling keeps the proportions on any screen.
constexpr int twipsPerPixel = 15;

constexpr int tw(int twips) { return (twips + (twips >= 0 ? twipsPerPixel / 2 : -twipsPerPixel / 2)) / twipsPerPixel; }
constexpr QSize twSize(int w, int h) { return QSize(tw(w), tw(h)); }
// Rounds both edges, so that controls that abut in twips also abut in pixels.
constexpr QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(left + width) - tw(left), tw(top + height) - tw(top));
}
