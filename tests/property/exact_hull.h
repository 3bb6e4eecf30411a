#pragma once

// An independent convex hull in exact integer arithmetic, to check the program's hull against.

#include <algorithm>
#include <cstdint>
#include <vector>

struct Twips {
    int64_t x, y;
    bool operator==(const Twips&) const = default;
    auto operator<=>(const Twips&) const = default;
};

// Positive when a, b, c turn counter-clockwise as seen on a screen whose Y axis points down.
inline int64_t turnAsSeen(Twips a, Twips b, Twips c) {
    return -((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
}

// The strict vertices of the hull (no three collinear), counter-clockwise as seen. Fewer than
// three when the points are collinear.
inline std::vector<Twips> strictHull(std::vector<Twips> points) {
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    std::vector<Twips> hull(2 * points.size());
    std::size_t k = 0;
    auto add = [&](const Twips& p, std::size_t floor) {
        while (k >= floor && turnAsSeen(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    };
    for (const Twips& p : points)
        add(p, 2);
    const std::size_t lowerSize = k + 1;
    for (auto p = points.rbegin() + 1; p != points.rend(); ++p)
        add(*p, lowerSize);
    hull.resize(k - 1);
    return hull;
}

// Twice the area enclosed by a closed polygon, positive when it runs counter-clockwise as seen.
inline int64_t doubledAreaAsSeen(const std::vector<Twips>& polygon) {
    int64_t area = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Twips& a = polygon[i];
        const Twips& b = polygon[(i + 1) % polygon.size()];
        area -= a.x * b.y - b.x * a.y;
    }
    return area;
}

// True when p lies on the closed segment from a to b.
inline bool onSegment(Twips a, Twips b, Twips p) {
    return turnAsSeen(a, b, p) == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) &&
           std::min(a.y, b.y) <= p.y && p.y <= std::max(a.y, b.y);
}
