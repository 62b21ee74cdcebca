#pragma once
#include <functional>

// Item i of a range first .. first + count - 1 for a uniform r in [0, 1): the integer part of
// count * r + first, computed in single precision as the exercises always have. Rounding can
// carry a value just below 1 up to the end of the range, so the result is kept inside it.
int itemForDraw(double r, int first, int count);

// Draws items of the range at random until one is free. Every draw goes through the program's
// random source; should a long streak of draws miss (a broken generator, say), the first free
// item after the last draw is taken instead, so the loop always ends. Returns -1 when no item
// of the range is free.
int drawFreeItem(int first, int count, const std::function<bool(int)> &isFree);
