#pragma once

#include "teach/lesson_view.h"

#include <vector>

// What a run costs: after step k, the orientation tests of its steps 1 to k; 0 at the first
// triangle, step 0.
using CostCurve = std::vector<long>;

// The cost of a run of these points, made by the window's own walk in a window of its own; empty
// where the points cannot start a run.
CostCurve costOfRun(const std::vector<Overlay::Spot>& spots);

// The current run beside random sets of the same size, from a fixed seed: spread over the area,
// in a disk, and on a circle, where every point is a corner and each step tests them all.
struct CostCurves {
    CostCurve run = {}, uniform = {}, disk = {}, circle = {};
    // The size of the sets.
    int points = 0;
};

CostCurves comparedCosts(int points);

// The totals in words, for those who cannot see the plot: "This run: 57 orientation tests for 10
// points so far. For 10 points on a circle: 52; in a disk: 33; spread over the area: 30."
std::string costInWords(const CostCurves& curves);
