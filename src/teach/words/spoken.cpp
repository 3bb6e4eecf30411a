#include "teach/words/spoken.h"

#include "form/area.h"

#include <algorithm>

namespace {

// "1, 4, 7 and 2"
std::string listed(const std::vector<int16_t>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i == 0                    ? ""
                 : i + 1 == numbers.size() ? " and "
                                           : ", ") +
                std::to_string(numbers[i]);
    return text;
}

// The edges that went, in their order round the old hull: from where the first new edge starts.
std::string edgesThatGo(const StepReport& report) {
    EdgeList chain;
    int16_t at = report.added.empty() ? 0 : report.added.front().from;
    for (const Edge& edge : report.added)
        if (edge.to == report.point)
            at = edge.from;
    while (chain.size() < report.removed.size()) {
        auto next = std::find_if(report.removed.begin(), report.removed.end(),
                                 [at](const Edge& edge) { return edge.from == at; });
        if (next == report.removed.end())
            return {};
        chain.push_back(*next);
        at = next->to;
    }
    std::string text = chain.size() == 1 ? "the edge" : "the edges";
    for (std::size_t i = 0; i < chain.size(); ++i)
        text += std::string(i == 0                  ? ""
                            : i + 1 == chain.size() ? " and"
                                                    : ",") +
                " from " + std::to_string(chain[i].from) + " to " + std::to_string(chain[i].to);
    return text + (chain.size() == 1 ? " goes" : " go");
}

} // namespace

std::string placeOf(float x, float y) {
    const int column = std::clamp(static_cast<int>(3 * x / area::MaxX), 0, 2);
    const int row = std::clamp(static_cast<int>(3 * y / area::MaxY), 0, 2);
    static constexpr const char* Places[3][3] = {
        {"upper left", "near the top", "upper right"},
        {"near the left side", "near the centre", "near the right side"},
        {"lower left", "near the bottom", "lower right"}};
    return Places[row][column];
}

std::string pointInWords(const Modhull& points, int16_t point) {
    return "point " + std::to_string(point) + ", " +
           placeOf(points.Xcoord(point), points.Ycoord(point));
}

std::string spokenStep(const Modhull& points, const StepReport& report) {
    const std::string said = describe(report);
    if (report.kind == StepReport::Kind::FirstTriangle)
        return "the first triangle is " + pointInWords(points, 1) + ", " + pointInWords(points, 2) +
               " and " + pointInWords(points, 3) + said.substr(said.find('.'));
    // The point's place after its name, and for a point outside the edges by their ends.
    const std::string name = "point " + std::to_string(report.point);
    std::string words = pointInWords(points, report.point) + ',' + said.substr(name.size());
    if (report.kind != StepReport::Kind::Outside)
        return words;
    int16_t from = 0, to = 0;
    for (const Edge& edge : report.added) {
        if (edge.to == report.point)
            from = edge.from;
        else
            to = edge.to;
    }
    const std::size_t end = words.find('.');
    return words.substr(0, end) + ": " + edgesThatGo(report) + "; " + std::to_string(report.point) +
           " joins " + std::to_string(from) + " and " + std::to_string(to) + words.substr(end);
}

std::string hullInWords(const EdgeList& hull) {
    if (hull.empty())
        return "There is no hull yet: it begins when START draws the first triangle.";
    const auto lowest = std::min_element(
        hull.begin(), hull.end(), [](const Edge& a, const Edge& b) { return a.from < b.from; });
    std::vector<int16_t> order;
    for (std::size_t k = 0; k < hull.size(); ++k)
        order.push_back(hull[(lowest - hull.begin() + k) % hull.size()].from);
    return "The hull: points " + listed(order) + ", counter-clockwise from point " +
           std::to_string(order.front()) + '.';
}
