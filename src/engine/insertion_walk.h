#pragma once

// One step of the incremental hull as the events of its walk round the hull: each orientation test
// with what it decides. It reads the points and the hull and changes nothing, so that a run can be
// kept, told and drawn from its events.

#include "engine/checked.h"
#include "engine/modhull.h"

#include <cstdint>
#include <vector>

// One orientation test of a step's walk round the hull.
struct WalkTest {
    // The edge tested and its ends: the last edge first, then edges 1, 2, ... in order.
    int16_t edge, from, to;
    // The first test, of the last edge, only gives the side before edge 1: it decides nothing.
    bool wrapAround;
    // The point's side of the edge, "on its line" counted as 1: above 0 the point is inside it.
    float side;
    // Whether the point lies on the edge's line.
    bool onLine;
    // Where the side changes at the edge's start, the new edge to or from the point; 0 to 0 if not.
    int16_t newFrom, newTo;
    // Whether the edge stays; an edge the point sees goes.
    bool kept;

    bool operator==(const WalkTest&) const = default;
};

// The hull a step walks round: edge k runs from point from(k) to point to(k), k = 1..count,
// counter-clockwise as seen on the screen.
struct HullEdges {
    const BoundedArray<int16_t>& from;
    const BoundedArray<int16_t>& to;
    int16_t count;
};

// The test of edge `edge`, from `from` to `to`: the point's side, "on the line" counted as inside.
inline WalkTest testOf(const Modhull& points, int16_t edge, int16_t from, int16_t to, int16_t point,
                       bool wrapAround) {
    const float side = points.Orient(from, to, point);
    const bool onLine = side == 0.0f;
    const float counted = onLine ? 1.0f : side;
    return {edge, from, to, wrapAround, counted, onLine, 0, 0, counted > 0};
}

// The walk that inserts `point` into the hull, count + 1 tests, each handed to `take` as it is
// made: a run's step takes them as they come, without keeping them.
template <typename Take>
void walkToInsert(const Modhull& points, HullEdges hull, int16_t point, Take&& take) {
    const int16_t last = hull.count;
    const WalkTest first = testOf(points, last, hull.from(last), hull.to(last), point, true);
    float before = first.side;
    take(first);
    for (int16_t j = 1; j <= last; ++j) {
        const int16_t from = hull.from(j);
        WalkTest test = testOf(points, j, from, hull.to(j), point, false);
        // The product of two singles is exact in double: its sign is tested there, so that two
        // tiny side values of opposite sign cannot round to a product of 0.
        if (checkedDouble(static_cast<double>(before) * test.side) < 0) {
            test.newFrom = before < 0 ? point : from;
            test.newTo = before < 0 ? from : point;
        }
        take(test);
        before = test.side;
    }
}

// What a test leaves in the step's new edge list, in the walk's order: the new edge where the side
// changes, then the edge tested if it stays; `isNew` tells them apart.
template <typename Keep> void keepEdges(const WalkTest& test, Keep&& keep) {
    if (test.wrapAround)
        return;
    if (test.newFrom != 0)
        keep(test.newFrom, test.newTo, true);
    if (test.kept)
        keep(test.from, test.to, false);
}

// The same walk kept whole.
std::vector<WalkTest> walkToInsert(const Modhull& points, HullEdges hull, int16_t point);
