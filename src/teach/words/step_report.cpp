#include "teach/words/step_report.h"

#include <algorithm>

EdgeList edgesOf(const Fmhull& form) {
    EdgeList edges;
    for (int k = 1; k <= form.Hullcount; ++k)
        edges.push_back({form.Edgefrom(k), form.Edgeto(k)});
    return edges;
}

namespace {

// On the segment itself, not only on its line: two hull edges in a row may lie on one line.
bool onEdge(const Modhull& points, const Edge& edge, int16_t point) {
    auto within = [](float value, float end1, float end2) {
        return std::min(end1, end2) <= value && value <= std::max(end1, end2);
    };
    return points.Orient(edge.from, edge.to, point) == 0 &&
           within(points.Xcoord(point), points.Xcoord(edge.from), points.Xcoord(edge.to)) &&
           within(points.Ycoord(point), points.Ycoord(edge.from), points.Ycoord(edge.to));
}

// Why a point left the hull as it was: it repeats an earlier point, lies on an edge, or inside.
void explainNoChange(const Modhull& points, StepReport& report, const EdgeList& hull) {
    for (int16_t earlier = 1; earlier < report.point; ++earlier) {
        if (points.Xcoord(earlier) == points.Xcoord(report.point) &&
            points.Ycoord(earlier) == points.Ycoord(report.point)) {
            report.kind = StepReport::Kind::Repeat;
            report.repeats = earlier;
            return;
        }
    }
    for (const Edge& edge : hull) {
        if (onEdge(points, edge, report.point)) {
            report.kind = StepReport::Kind::OnEdge;
            report.edge = edge;
            return;
        }
    }
    report.kind = StepReport::Kind::Inside;
}

std::string pointName(int16_t point) {
    return "point " + std::to_string(point);
}

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

} // namespace

StepReport reportFirstTriangle(const EdgeList& hull) {
    return {.kind = StepReport::Kind::FirstTriangle, .added = hull, .hull = hull};
}

// The hull keeps a point that lands on the line of a side: between its two edges it turns neither
// way.
std::size_t pointsOnSides(const Modhull& points, const EdgeList& hull) {
    std::size_t straight = 0;
    for (std::size_t k = 0; k < hull.size(); ++k)
        straight += points.Orient(hull[k].from, hull[k].to, hull[(k + 1) % hull.size()].to) == 0;
    return straight;
}

StepReport reportStep(const Modhull& points, int16_t point, std::span<const WalkTest> walk,
                      const EdgeList& after) {
    StepReport report{.kind = StepReport::Kind::Outside,
                      .point = point,
                      .hull = after,
                      .onSides = pointsOnSides(points, after)};
    for (const WalkTest& test : walk) {
        if (test.wrapAround)
            continue;
        if (test.newFrom != 0)
            report.added.push_back({test.newFrom, test.newTo});
        if (!test.kept)
            report.removed.push_back({test.from, test.to});
    }
    if (report.removed.empty() && report.added.empty())
        explainNoChange(points, report, after);
    return report;
}

std::string sideInWords(const WalkTest& test, int16_t point) {
    const std::string side = test.onLine     ? " lies on the line of"
                             : test.side < 0 ? " lies on the outer side of"
                                             : " lies on the inner side of";
    return pointName(point) + side + " the edge from " + std::to_string(test.from) + " to " +
           std::to_string(test.to);
}

std::string describe(const WalkTest& test, int16_t point) {
    std::string side = sideInWords(test, point);
    if (test.wrapAround)
        return "The walk begins with the last edge: " + side + '.';
    std::string said;
    if (test.newFrom != 0) {
        const int16_t corner = test.newFrom == point ? test.newTo : test.newFrom;
        said = "The side changes at " + pointName(corner) + ": a new edge joins " +
               std::to_string(corner) + " and " + std::to_string(point) + ". ";
    }
    side.front() = 'P';
    return said + side + (test.kept ? ", so it stays." : ", so it is seen and goes.");
}

std::string describe(const StepReport& report) {
    const std::size_t corners = report.hull.size() - report.onSides;
    const std::string hull =
        report.onSides == 0 ? " The hull has " + counted(corners, "corner", "corners") + '.'
                            : " The hull passes through " + std::to_string(report.hull.size()) +
                                  " points: " + counted(corners, "corner", "corners") + " and " +
                                  std::to_string(report.onSides) +
                                  (report.onSides == 1 ? " on a side." : " on its sides.");
    switch (report.kind) {
    case StepReport::Kind::FirstTriangle:
        return "the first triangle is points 1, 2 and 3." + hull;
    case StepReport::Kind::Outside:
        return pointName(report.point) + " lies outside " +
               counted(report.removed.size(), "edge", "edges") +
               (report.removed.size() == 1 ? "; it is" : "; they are") + " replaced by " +
               counted(report.added.size(), "edge", "edges") + " to it." + hull;
    case StepReport::Kind::Inside:
        return pointName(report.point) + " lies inside the hull; nothing changes.";
    case StepReport::Kind::OnEdge:
        return pointName(report.point) + " lies on the edge from " + pointName(report.edge.from) +
               " to " + pointName(report.edge.to) + "; nothing changes.";
    case StepReport::Kind::Repeat:
        return pointName(report.point) + " repeats " + pointName(report.repeats) +
               "; nothing changes.";
    }
    return {};
}
