#include "engine/hull_algorithms.h"

#include "engine/orientation.h"

#include <algorithm>
#include <utility>

namespace {

using Kind = HullEvent::Kind;

// Writes a run's events, and makes each orientation test, so that every test is an event.
class Recorder {
  public:
    explicit Recorder(const Modhull& points) : points(points) {}

    float test(int16_t a, int16_t b, int16_t c) {
        const float side = points.Orient(a, b, c);
        trace.events.push_back({Kind::Test, a, b, c, side});
        return side;
    }
    void add(Kind kind, int16_t a, int16_t b, int16_t c = 0) { trace.events.push_back({kind, a, b, c}); }
    void endStep() { trace.stepEnds.push_back(static_cast<int>(trace.events.size())); }

    const Modhull& points;
    HullTrace trace;
};

bool sameSpot(const Modhull& points, int16_t a, int16_t b) {
    return points.Xcoord(a) == points.Xcoord(b) && points.Ycoord(a) == points.Ycoord(b);
}

// Least X, then least Y: always a corner.
bool before(const Modhull& points, int16_t a, int16_t b) {
    return points.Xcoord(a) != points.Xcoord(b) ? points.Xcoord(a) < points.Xcoord(b)
                                                : points.Ycoord(a) < points.Ycoord(b);
}

int16_t leastPoint(const Modhull& points) {
    int16_t least = 1;
    for (int16_t i = 2; i <= points.Pointcount; ++i)
        if (before(points, i, least))
            least = i;
    return least;
}

// The corners counter-clockwise from the least point, from a closed cycle of them in that turn.
std::vector<int16_t> fromLeast(const Modhull& points, std::vector<int16_t> cycle) {
    const auto least = std::ranges::min_element(
        cycle, [&](int16_t a, int16_t b) { return before(points, a, b); });
    std::ranges::rotate(cycle, least);
    return cycle;
}

// Of points on one ray from `from`, whether q lies beyond `candidate`.
bool beyond(const Modhull& points, int16_t from, int16_t candidate, int16_t q) {
    const BoundedArray<float>& along =
        points.Xcoord(candidate) != points.Xcoord(from) ? points.Xcoord : points.Ycoord;
    return along(from) < along(candidate) ? along(q) > along(candidate) : along(q) < along(candidate);
}

} // namespace

long HullTrace::tests() const {
    return std::ranges::count(events, Kind::Test, &HullEvent::kind);
}

// From the least point, each step finds the next corner: the candidate that no other point lies
// outside of, the farthest where several lie on one line.
HullTrace giftWrapping(const Modhull& points) {
    Recorder run(points);
    const int16_t start = leastPoint(points);
    int16_t current = start;
    std::vector<int16_t> corners;
    do {
        corners.push_back(current);
        int16_t candidate = 0;
        for (int16_t q = 1; q <= points.Pointcount; ++q) {
            if (sameSpot(points, q, current) || q == candidate)
                continue;
            if (candidate == 0 || [&] {
                    const float side = run.test(current, candidate, q);
                    return side < 0 || (side == 0 && beyond(points, current, candidate, q));
                }()) {
                candidate = q;
                run.add(Kind::Candidate, current, candidate);
            }
        }
        run.add(Kind::TakeEdge, current, candidate);
        run.endStep();
        current = candidate;
    } while (!sameSpot(points, current, start));
    run.trace.corners = fromLeast(points, std::move(corners));
    return std::move(run.trace);
}

namespace {

// A merge sort by `before`, each comparison counted: the same count in every build.
void sortCounted(const Modhull& points, std::vector<int16_t>& order, long& comparisons) {
    if (order.size() < 2)
        return;
    std::vector<int16_t> right(order.begin() + static_cast<long>(order.size() / 2), order.end());
    std::vector<int16_t> left(order.begin(), order.begin() + static_cast<long>(order.size() / 2));
    sortCounted(points, left, comparisons);
    sortCounted(points, right, comparisons);
    std::size_t i = 0, j = 0, k = 0;
    while (i < left.size() && j < right.size()) {
        ++comparisons;
        order[k++] = before(points, right[j], left[i]) ? right[j++] : left[i++];
    }
    while (i < left.size())
        order[k++] = left[i++];
    while (j < right.size())
        order[k++] = right[j++];
}

} // namespace

// The points sorted by X, then Y; one pass along them keeps the turns counter-clockwise, popping
// each point the next one shows was not a corner, and a pass back builds the other side. A step
// takes one point with its pops.
HullTrace monotoneChain(const Modhull& points) {
    Recorder run(points);
    std::vector<int16_t> order;
    for (int16_t i = 1; i <= points.Pointcount; ++i)
        order.push_back(i);
    sortCounted(points, order, run.trace.comparisons);
    // A point on the same spot as the one before it is the same point.
    const auto repeated = std::ranges::unique(
        order, [&](int16_t a, int16_t b) { return sameSpot(points, a, b); });
    order.erase(repeated.begin(), repeated.end());
    std::vector<int16_t> chain;
    const auto take = [&](int16_t p, std::size_t floor) {
        while (chain.size() >= floor && run.test(chain[chain.size() - 2], chain.back(), p) <= 0) {
            run.add(Kind::Pop, chain[chain.size() - 2], chain.back());
            chain.pop_back();
        }
        run.add(Kind::Push, chain.empty() ? int16_t{0} : chain.back(), p);
        chain.push_back(p);
        run.endStep();
    };
    for (int16_t p : order)
        take(p, 2);
    const std::size_t lowerSize = chain.size() + 1;
    for (auto p = order.rbegin() + 1; p != order.rend(); ++p)
        take(*p, lowerSize);
    // The last push closes the hull on the first point.
    chain.pop_back();
    run.trace.corners = fromLeast(points, std::move(chain));
    return std::move(run.trace);
}

namespace {

struct Outside {
    int16_t point;
    // Its side of the part's edge: negative, the farther out the smaller.
    float side;
};

class Quickhull {
  public:
    explicit Quickhull(const Modhull& points) : run(points), points(points) {}

    HullTrace trace() && {
        const int16_t least = leastPoint(points);
        int16_t most = 1;
        for (int16_t i = 2; i <= points.Pointcount; ++i)
            if (before(points, most, i))
                most = i;
        std::vector<Outside> below, above;
        for (int16_t q = 1; q <= points.Pointcount; ++q) {
            if (sameSpot(points, q, least) || sameSpot(points, q, most))
                continue;
            const float side = run.test(least, most, q);
            if (side < 0)
                below.push_back({q, side});
            else if (side > 0)
                above.push_back({q, -side});
        }
        run.add(Kind::TakeEdge, least, most);
        run.add(Kind::TakeEdge, most, least);
        run.endStep();
        std::vector<int16_t> corners{least};
        split(least, most, below, corners);
        corners.push_back(most);
        split(most, least, above, corners);
        run.trace.corners = std::move(corners);
        return std::move(run.trace);
    }

  private:
    // The part outside the edge from p to q: its farthest point is a corner, and the points
    // outside the two edges through it make the next parts, the one from p first.
    void split(int16_t p, int16_t q, const std::vector<Outside>& part, std::vector<int16_t>& corners) {
        if (part.empty())
            return;
        const int16_t far = farthest(p, q, part);
        run.add(Kind::Farthest, p, q, far);
        std::vector<Outside> first, second;
        for (const Outside& o : part) {
            if (o.point == far)
                continue;
            if (const float side = run.test(p, far, o.point); side < 0)
                first.push_back({o.point, side});
            else if (const float other = run.test(far, q, o.point); other < 0)
                second.push_back({o.point, other});
        }
        run.add(Kind::Split, p, q, far);
        run.endStep();
        split(p, far, first, corners);
        corners.push_back(far);
        split(far, q, second, corners);
    }

    // The sides are rounded: where two are equal, the exact distances decide, and of points as
    // far, all on one line, the least is an end of it and so a corner.
    int16_t farthest(int16_t p, int16_t q, const std::vector<Outside>& part) const {
        Outside best = part.front();
        for (const Outside& o : part)
            if (o.side < best.side || (o.side == best.side && fartherThan(p, q, o.point, best.point)))
                best = o;
        return best.point;
    }

    bool fartherThan(int16_t p, int16_t q, int16_t point, int16_t best) const {
        const int nearer = compareDistanceToLine(
            points.Xcoord(p), points.Ycoord(p), points.Xcoord(q), points.Ycoord(q),
            points.Xcoord(best), points.Ycoord(best), points.Xcoord(point), points.Ycoord(point));
        return nearer < 0 || (nearer == 0 && before(points, point, best));
    }

    Recorder run;
    const Modhull& points;
};

} // namespace

// The least and the greatest point split the rest into the parts outside each way of the edge
// between them; a step splits one part at its farthest point.
HullTrace quickhull(const Modhull& points) {
    return Quickhull(points).trace();
}
