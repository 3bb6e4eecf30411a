#include "engine/insertion_walk.h"

std::vector<WalkTest> walkToInsert(const Modhull& points, HullEdges hull, int16_t point) {
    std::vector<WalkTest> walk;
    walk.reserve(static_cast<std::size_t>(hull.count) + 1);
    walkToInsert(points, hull, point, [&walk](const WalkTest& test) { walk.push_back(test); });
    return walk;
}
