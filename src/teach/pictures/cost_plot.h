#pragma once

#include "form/services.h"

#include <string>
#include <string_view>
#include <vector>

// What a run costs: after step k, the orientation tests of its steps 1 to k; 0 at the first
// triangle, step 0. For the other algorithms, at index m - 3 the tests of a whole run on the first
// m points; -1 where it was not worked out.
using CostCurve = std::vector<long>;

// The current run beside random sets of the same size, from a fixed seed: spread over the area,
// in a disk, and on a circle, where every point is a corner and each step tests them all.
struct CostCurves {
    CostCurve run = {}, uniform = {}, disk = {}, circle = {};
    // The other algorithms on the first m points of the run's own set, once it has begun.
    CostCurve giftWrapping = {}, monotoneChain = {}, quickhull = {};
    // On the whole set: the incremental method's tests, and the monotone chain's sort.
    long incremental = 0, chainComparisons = 0;
    // The run's algorithm where it is not the incremental method: its steps are not points
    // inserted, and its curve is left out of the plot.
    std::string_view runAlgorithm = {};
    // The size of the sets.
    int points = 0;
};

// One stroke or one text of the plot, in pixels from its top left corner.
struct PlotShape {
    enum Kind { Lines, Text };
    enum Anchor { Start, Middle, End };
    Kind kind;
    Color color;
    // Lines: the polyline's corners; Text: where its baseline starts, is centred or ends.
    std::vector<std::pair<double, double>> points;
    double width = 1;
    // Dash and gap lengths; none for a solid line.
    std::vector<double> dashes = {};
    std::string text = {};
    Anchor anchor = Start;
};

// View > Cost of the Run: the tests against the points inserted, for the run and the compared
// sets, with its axes labelled and its curves named, laid out for a plot of that size.
struct CostPlot {
    int width = 0, height = 0;
    std::vector<PlotShape> shapes;
};

inline constexpr int PlotTextPixels = 12;
// The size of the plot exported, and of the page's, which its width scales.
inline constexpr int PlotWidth = 480, PlotHeight = 320;
inline constexpr Color PlotBackground = 0xFFFFFF;

CostPlot plotOf(const CostCurves& curves, int width, int height);
// The plot as an SVG drawing.
std::string svgOf(const CostPlot& plot);
