#pragma once

// A whole run as data: the walk of each step, worked out from the points as START leaves them, so
// that any moment of the run can be shown, told or counted without running it again.

#include "engine/insertion_walk.h"
#include "engine/modhull.h"

#include <vector>

struct RunTrace {
    // Step k inserts point k + 3; its walk is steps[k - 1].
    std::vector<std::vector<WalkTest>> steps;
    // The tests made by the end of each step, from the first triangle's 0: asked for every tick.
    std::vector<long> made{0};

    int stepCount() const { return static_cast<int>(steps.size()); }
    // Step k's walk, from 1.
    const std::vector<WalkTest>& walkOf(int step) const;
    // The tests made by the end of each step from the first triangle, 0, to `step`.
    std::vector<long> testsBy(int step) const;
    long allTests() const { return made.back(); }
};

// The first triangle's edges, 1 -> 2 -> 3 -> 1.
void firstTriangle(BoundedArray<int16_t>& from, BoundedArray<int16_t>& to, int16_t& count);

// The run of these points, their first triangle already counter-clockwise.
RunTrace traceRun(const Modhull& points);
