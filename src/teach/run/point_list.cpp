#include "teach/run/point_list.h"

#include "teach/files/numbers.h"

namespace {

std::vector<PointRow> rowsOf(const Modhull& points, const std::vector<std::string_view>& standing) {
    std::vector<PointRow> rows;
    for (int16_t point = 1; point <= points.Pointcount; ++point)
        rows.push_back({point, shortestText(points.Xcoord(point)),
                        shortestText(points.Ycoord(point)), standing[point]});
    return rows;
}

} // namespace

// The hull holds every point inserted, and begins as a proper triangle: an inserted point on the
// line of one of its edges lies on the hull, and a point of the edge list in line with its two
// neighbours lies on a side between them.
std::vector<PointRow> pointList(const Modhull& points, const Fmhull& form, int inserted) {
    std::vector<std::string_view> standing(points.Pointcount + 1, "not yet inserted");
    for (int16_t point = 1; point <= inserted && point <= points.Pointcount; ++point) {
        standing[point] = "inside";
        for (int16_t k = 1; k <= form.Hullcount; ++k)
            if (points.Orient(form.Edgefrom(k), form.Edgeto(k), point) == 0)
                standing[point] = "on a side";
    }
    std::vector<int16_t> cameFrom(points.Pointcount + 1, 0);
    for (int16_t k = 1; k <= form.Hullcount; ++k)
        cameFrom[form.Edgeto(k)] = form.Edgefrom(k);
    for (int16_t k = 1; k <= form.Hullcount; ++k) {
        const int16_t point = form.Edgefrom(k);
        if (points.Orient(cameFrom[point], point, form.Edgeto(k)) != 0)
            standing[point] = "corner";
    }
    return rowsOf(points, standing);
}

std::vector<PointRow> pointList(const Modhull& points, const EdgeList& held,
                                const std::vector<int16_t>& corners, bool ended) {
    std::vector<std::string_view> standing(points.Pointcount + 1,
                                           ended ? "inside" : "not yet decided");
    if (!ended) {
        for (const Edge& edge : held)
            standing[edge.from] = standing[edge.to] = "on the hull so far";
        return rowsOf(points, standing);
    }
    for (int16_t point = 1; point <= points.Pointcount; ++point)
        for (std::size_t k = 0; k < corners.size(); ++k)
            if (points.Orient(corners[k], corners[(k + 1) % corners.size()], point) == 0)
                standing[point] = "on a side";
    for (int16_t corner : corners)
        standing[corner] = "corner";
    return rowsOf(points, standing);
}
