#pragma once

// The rules that points follow as they come in and as START takes them, apart from any window, so
// that a run can be worked out from points alone.

#include "engine/modhull.h"

// What entering a point left: whether the points can start a run, and whether the point took the
// place of one of the first three.
struct Entry {
    bool canStart;
    bool replaced;
};

// Takes in a point that fits: while points 1, 2 and 3 lie on one line, a later point takes the
// place of one of them, chosen so that the two that stay are distinct whenever possible.
Entry enterPoint(Modhull& points, float x, float y);

// The first triangle runs 1 -> 2 -> 3 -> 1 counter-clockwise: a clockwise one is mended by
// swapping points 2 and 3.
void orderFirstTriangle(Modhull& points);
