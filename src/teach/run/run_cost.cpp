#include "teach/run/run_cost.h"

#include "engine/hull_algorithms.h"
#include "engine/point_entry.h"
#include "engine/run_trace.h"
#include "teach/run/point_input.h"

#include <random>

CostCurve costOfRun(const std::vector<area::Spot>& spots) {
    // Points go in by the click's rules, which can put a later point in the place of one of the
    // first three.
    Modhull points;
    bool canStart = false;
    for (const area::Spot& spot : spots)
        if (points.Pointcount < Modhull::Maxpoints && area::contains(spot.x, spot.y))
            canStart = enterPoint(points, spot.x, spot.y).canStart;
    if (!canStart)
        return {};
    orderFirstTriangle(points);
    const RunTrace trace = traceRun(points);
    return trace.testsBy(trace.stepCount());
}

void addAlgorithmCosts(CostCurves& curves, const Modhull& points, long incremental) {
    const int n = points.Pointcount;
    const int every = std::max(1, (n - 3) / 60);
    for (CostCurve* curve : {&curves.giftWrapping, &curves.monotoneChain, &curves.quickhull})
        curve->assign(static_cast<std::size_t>(n - 2), -1);
    Modhull first = points;
    for (int m = 3; m <= n; ++m) {
        if ((m - 3) % every != 0 && m != n)
            continue;
        first.Pointcount = static_cast<int16_t>(m);
        const auto at = static_cast<std::size_t>(m - 3);
        curves.giftWrapping[at] = giftWrapping(first).tests();
        const HullTrace chain = monotoneChain(first);
        curves.monotoneChain[at] = chain.tests();
        curves.quickhull[at] = quickhull(first).tests();
        if (m == n)
            curves.chainComparisons = chain.comparisons;
    }
    curves.incremental = incremental;
}

std::string costInWords(const CostCurves& curves) {
    const std::string run =
        curves.run.empty()             ? "No run yet."
        : !curves.runAlgorithm.empty() ? "This run, " + std::string(curves.runAlgorithm) + ": " +
                                             std::to_string(curves.run.back()) +
                                             " orientation tests so far."
                                       : "This run: " + std::to_string(curves.run.back()) +
                                             " orientation tests for " +
                                             std::to_string(curves.run.size() + 2) +
                                             " points so far.";
    auto total = [](const CostCurve& curve) {
        return curve.empty() ? std::string("no run") : std::to_string(curve.back());
    };
    const std::string others =
        curves.giftWrapping.empty()
            ? std::string()
            : " On these " + std::to_string(curves.points) + " points: incremental " +
                  std::to_string(curves.incremental) + " tests, gift wrapping " +
                  total(curves.giftWrapping) + " tests, monotone chain " +
                  total(curves.monotoneChain) + " tests and " +
                  std::to_string(curves.chainComparisons) + " comparisons, quickhull " +
                  total(curves.quickhull) + " tests.";
    return run + " For " + std::to_string(curves.points) +
           " points on a circle: " + total(curves.circle) + "; in a disk: " + total(curves.disk) +
           "; spread over the area: " + total(curves.uniform) + '.' + others;
}

CostCurves comparedCosts(int points) {
    CostCurves curves{.points = points};
    // The same sets each time, whatever the run.
    constexpr unsigned Seed = 2026;
    for (auto [shape, curve] : {std::pair{RandomShape::Uniform, &curves.uniform},
                                {RandomShape::Disk, &curves.disk},
                                {RandomShape::Circle, &curves.circle}}) {
        std::mt19937 random(Seed);
        *curve = costOfRun(randomPoints(points, shape, random));
    }
    return curves;
}
