#include "teach/run/run_cost.h"

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

std::string costInWords(const CostCurves& curves) {
    const std::string run = curves.run.empty()
                                ? "No run yet."
                                : "This run: " + std::to_string(curves.run.back()) +
                                      " orientation tests for " +
                                      std::to_string(curves.run.size() + 2) + " points so far.";
    auto total = [](const CostCurve& curve) {
        return curve.empty() ? std::string("no run") : std::to_string(curve.back());
    };
    return run + " For " + std::to_string(curves.points) +
           " points on a circle: " + total(curves.circle) + "; in a disk: " + total(curves.disk) +
           "; spread over the area: " + total(curves.uniform) + '.';
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
