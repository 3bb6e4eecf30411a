#pragma once

#include "engine/modhull.h"
#include "form/area.h"
#include "teach/pictures/cost_plot.h"

#include <string>
#include <vector>

// The cost of a run of these points, entered as clicks, step by step; empty where they cannot
// start a run.
CostCurve costOfRun(const std::vector<area::Spot>& spots);

// The current run's sets: random ones of its size, from a fixed seed.
CostCurves comparedCosts(int points);

// The other algorithms on the first m points of these, for m from 3 on: every m where there are
// few, else about sixty of them and all of them at the end.
void addAlgorithmCosts(CostCurves& curves, const Modhull& points, long incremental);

// The totals in words, for those who cannot see the plot: "This run: 57 orientation tests for 10
// points so far. For 10 points on a circle: 52; in a disk: 33; spread over the area: 30."
std::string costInWords(const CostCurves& curves);
