#include "engine/point_entry.h"

Entry enterPoint(Modhull& points, float x, float y) {
    increment(points.Pointcount);
    const int16_t point = points.Pointcount;
    points.Xcoord(point) = x;
    points.Ycoord(point) = y;
    if (point <= 2)
        return {false, false};
    if (points.Orient(1, 2, 3) != 0)
        return {true, false};
    if (point <= 3)
        return {false, false};

    int16_t givenUp = 2;
    if (points.Xcoord(1) == points.Xcoord(2) && points.Ycoord(1) == points.Ycoord(2))
        givenUp = 1;
    else if (points.Xcoord(2) != points.Xcoord(3) || points.Ycoord(2) != points.Ycoord(3))
        givenUp = 3;
    points.Swappoint(givenUp, point);
    return {points.Orient(1, 2, 3) != 0, true};
}

void orderFirstTriangle(Modhull& points) {
    if (points.Orient(1, 2, 3) < 0)
        points.Swappoint(2, 3);
}
