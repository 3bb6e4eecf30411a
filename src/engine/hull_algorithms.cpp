#include "engine/hull_algorithms.h"

#include "engine/orientation.h"
#include "engine/run_trace.h"

#include <algorithm>
#include <utility>

namespace {

using Kind = HullEvent::Kind;

// Writes a run's events, and makes each orientation test, so that every test is an event.
class Recorder {
  public:
    // Room for the events a run is expected to make is taken at once: growing a long trace would
    // copy it again and again.
    Recorder(const Modhull& points, std::size_t expected) : points(points) {
        trace.events.reserve(expected);
    }

    float test(int16_t a, int16_t b, int16_t c) {
        const float side = points.Orient(a, b, c);
        trace.events.push_back({Kind::Test, static_cast<int8_t>((side > 0) - (side < 0)), a, b, c});
        return side;
    }
    void add(Kind kind, int16_t a, int16_t b, int16_t c = 0) {
        trace.events.push_back({kind, 0, a, b, c});
    }
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

// Of points on one ray from `from`, whether q lies beyond `candidate`.
bool beyond(const Modhull& points, int16_t from, int16_t candidate, int16_t q) {
    const BoundedArray<float>& along =
        points.Xcoord(candidate) != points.Xcoord(from) ? points.Xcoord : points.Ycoord;
    return along(from) < along(candidate) ? along(q) > along(candidate) : along(q) < along(candidate);
}

} // namespace

long HullTrace::tests() const {
    return std::count_if(events.begin(), events.end(),
                         [](const HullEvent& event) { return event.kind == Kind::Test; });
}

HullTrace incremental(const Modhull& points) {
    HullTrace trace;
    for (int16_t k = 1; k <= 3; ++k)
        trace.events.push_back({Kind::TakeEdge, 0, k, static_cast<int16_t>(k % 3 + 1), 0});
    trace.stepEnds.push_back(3);
    const RunTrace run = traceRun(points);
    for (int step = 1; step <= run.stepCount(); ++step) {
        const auto point = static_cast<int16_t>(step + 3);
        for (const WalkTest& test : run.walkOf(step)) {
            const int8_t side = test.onLine ? 0 : test.side > 0 ? 1 : -1;
            trace.events.push_back({Kind::Test, side, test.from, test.to, point});
        }
        for (const WalkTest& test : run.walkOf(step))
            if (!test.wrapAround && !test.kept)
                trace.events.push_back({Kind::DropEdge, 0, test.from, test.to, 0});
        for (const WalkTest& test : run.walkOf(step))
            if (test.newFrom != 0)
                trace.events.push_back({Kind::TakeEdge, 0, test.newFrom, test.newTo, 0});
        trace.stepEnds.push_back(static_cast<int>(trace.events.size()));
    }
    // The hull's corners are the same by any way round it; the chain finds them soonest.
    trace.corners = monotoneChain(points).corners;
    return trace;
}

// From the least point, each step finds the next corner: the candidate that no other point lies
// outside of, the farthest where several lie on one line.
HullTrace giftWrapping(const Modhull& points) {
    // At most a test and a candidate for each other point at each corner.
    const std::size_t n = static_cast<std::size_t>(points.Pointcount);
    Recorder run(points, 2 * n * n);
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
    run.trace.corners = std::move(corners);
    return std::move(run.trace);
}

namespace {

struct Keyed {
    float x, y;
    int16_t point;
};

// A merge sort by X, then Y, each comparison counted: the same count in every build. It sorts
// copies of the coordinates, which cost less to compare than the points' checked slots.
std::vector<int16_t> sortCounted(const Modhull& points, long& comparisons) {
    std::vector<Keyed> order, merged(static_cast<std::size_t>(points.Pointcount));
    for (int16_t i = 1; i <= points.Pointcount; ++i)
        order.push_back({points.Xcoord(i), points.Ycoord(i), i});
    const std::size_t size = order.size();
    for (std::size_t width = 1; width < size; width *= 2) {
        for (std::size_t left = 0; left < size; left += 2 * width) {
            const std::size_t middle = std::min(left + width, size);
            const std::size_t end = std::min(left + 2 * width, size);
            std::size_t i = left, j = middle, k = left;
            while (i < middle && j < end) {
                ++comparisons;
                const Keyed& a = order[i];
                const Keyed& b = order[j];
                merged[k++] = b.x < a.x || (b.x == a.x && b.y < a.y) ? order[j++] : order[i++];
            }
            while (i < middle)
                merged[k++] = order[i++];
            while (j < end)
                merged[k++] = order[j++];
        }
        order.swap(merged);
    }
    std::vector<int16_t> sorted;
    sorted.reserve(size);
    for (const Keyed& keyed : order)
        sorted.push_back(keyed.point);
    return sorted;
}

} // namespace

// The points sorted by X, then Y; one pass along them keeps the turns counter-clockwise, popping
// each point the next one shows was not a corner, and a pass back builds the other side. A step
// takes one point with its pops.
HullTrace monotoneChain(const Modhull& points) {
    // Each point is pushed twice at most and popped as often, and each push or pop follows a test.
    Recorder run(points, 8 * static_cast<std::size_t>(points.Pointcount));
    std::vector<int16_t> order = sortCounted(points, run.trace.comparisons);
    // A point on the same spot as the one before it is the same point.
    order.erase(std::unique(order.begin(), order.end(),
                            [&](int16_t a, int16_t b) { return sameSpot(points, a, b); }),
                order.end());
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
    // The last push closes the hull on the first point, the least.
    chain.pop_back();
    run.trace.corners = std::move(chain);
    return std::move(run.trace);
}

namespace {

struct Outside {
    int16_t point;
    // Its side of the part's edge: negative, the farther out the smaller.
    float side;
};

using Part = std::vector<Outside>::iterator;

class Quickhull {
  public:
    explicit Quickhull(const Modhull& points)
        : run(points, 4 * static_cast<std::size_t>(points.Pointcount)), points(points) {}

    HullTrace trace() && {
        const int16_t least = leastPoint(points);
        int16_t most = 1;
        for (int16_t i = 2; i <= points.Pointcount; ++i)
            if (before(points, most, i))
                most = i;
        // Those outside the edge from the least up to the greatest first, then the others.
        std::vector<Outside> outside;
        outside.reserve(static_cast<std::size_t>(points.Pointcount));
        for (int16_t q = 1; q <= points.Pointcount; ++q)
            if (!sameSpot(points, q, least) && !sameSpot(points, q, most))
                if (const float side = run.test(least, most, q); side != 0)
                    outside.push_back({q, side});
        const Part above = std::partition(outside.begin(), outside.end(),
                                          [](const Outside& o) { return o.side < 0; });
        for (Part o = above; o != outside.end(); ++o)
            o->side = -o->side;
        run.add(Kind::TakeEdge, least, most);
        run.add(Kind::TakeEdge, most, least);
        run.endStep();
        std::vector<int16_t> corners{least};
        split(least, most, outside.begin(), above, corners);
        corners.push_back(most);
        split(most, least, above, outside.end(), corners);
        run.trace.corners = std::move(corners);
        return std::move(run.trace);
    }

  private:
    // The part outside the edge from p to q: its farthest point is a corner, and the points
    // outside the two edges through it make the next parts, the one from p first, each gathered
    // at the front of the part's own room.
    void split(int16_t p, int16_t q, Part begin, Part end, std::vector<int16_t>& corners) {
        if (begin == end)
            return;
        const int16_t far = farthest(p, q, begin, end);
        run.add(Kind::Farthest, p, q, far);
        Part firstEnd = begin, secondEnd = begin;
        for (Part o = begin; o != end; ++o) {
            const int16_t point = o->point;
            if (point == far)
                continue;
            if (const float side = run.test(p, far, point); side < 0) {
                // The first part grows at the front, pushing the second along by one.
                const Outside taken{point, side};
                *secondEnd++ = *firstEnd;
                *firstEnd++ = taken;
            } else if (const float other = run.test(far, q, point); other < 0) {
                *secondEnd++ = {point, other};
            }
        }
        run.add(Kind::Split, p, q, far);
        run.endStep();
        split(p, far, begin, firstEnd, corners);
        corners.push_back(far);
        split(far, q, firstEnd, secondEnd, corners);
    }

    // The sides are rounded: where two are equal, the exact distances decide, and of points as
    // far, all on one line, the least is an end of it and so a corner.
    int16_t farthest(int16_t p, int16_t q, Part begin, Part end) const {
        Outside best = *begin;
        for (Part o = begin; o != end; ++o)
            if (o->side < best.side || (o->side == best.side && fartherThan(p, q, o->point, best.point)))
                best = *o;
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
