#pragma once

#include "engine/modhull.h"
#include "form/fmhull.h"

#include <compare>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct Edge {
    int16_t from, to;
    auto operator<=>(const Edge&) const = default;
};
using EdgeList = std::vector<Edge>;

// The hull as the window holds it now.
EdgeList edgesOf(const Fmhull& form);

// What one step of a run did to the hull, read from its walk.
struct StepReport {
    enum class Kind { FirstTriangle, Outside, Inside, OnEdge, Repeat };
    Kind kind = Kind::FirstTriangle;
    // The point inserted; 0 for the first triangle.
    int16_t point = 0;
    EdgeList removed{};
    EdgeList added{};
    // The hull edge the point lies on, for OnEdge.
    Edge edge{};
    // The earlier point at the same place, for Repeat.
    int16_t repeats = 0;
    EdgeList hull{};
    // How many of the hull's points lie on a straight side rather than at a corner.
    std::size_t onSides = 0;
};

StepReport reportFirstTriangle(const EdgeList& hull);
// Where the point lies against the edge a test tested: "point 7 lies on the inner side of the edge
// from 1 to 6", "on the line of", "on the outer side of".
std::string sideInWords(const WalkTest& test, int16_t point);
// The step that inserted the point, from the tests of its walk and the hull after it.
StepReport reportStep(const Modhull& points, int16_t point, std::span<const WalkTest> walk,
                      const EdgeList& after);

// One test of a step's walk in plain words, e.g. "The edge from 2 to 5: point 9 lies outside it, so
// it is seen and goes."
std::string describe(const WalkTest& test, int16_t point);

// The step in plain words, e.g. "point 9 lies inside the hull; nothing changes."
std::string describe(const StepReport& report);
