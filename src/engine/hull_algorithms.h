#pragma once

// Three more ways to the same hull, each kept as the events it makes, step by step, on the same
// exact orientation test as the incremental method: gift wrapping (Jarvis's march), Andrew's
// monotone chain and quickhull. They read the points and change nothing; a view draws, tells and
// counts any moment of a run from its events.

#include "engine/modhull.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

enum class Algorithm { Incremental, GiftWrapping, MonotoneChain, Quickhull };

inline constexpr std::array<std::string_view, 4> AlgorithmNames{"incremental", "gift wrapping",
                                                                "monotone chain", "quickhull"};

inline std::string_view nameOf(Algorithm algorithm) {
    return AlgorithmNames[static_cast<std::size_t>(algorithm)];
}

struct HullEvent {
    enum class Kind : uint8_t {
        // An orientation test of point c against the line from a to b, with its side.
        Test,
        // Gift wrapping: point b becomes the best candidate for the edge from a.
        Candidate,
        // The edge from a to b joins the hull being built, or leaves it.
        TakeEdge,
        DropEdge,
        // The monotone chain pushes point b after a (0 for the first), or pops b from after a.
        Push,
        Pop,
        // Quickhull: c is the point farthest outside the edge from a to b, which it splits into
        // the edges from a to c and from c to b.
        Farthest,
        Split,
    };
    Kind kind;
    // A test's side: 1 when c lies on the hull's inner side of the line, 0 on it, -1 outside.
    // Eight bytes an event: gift wrapping on a circle of 500 makes 250,000 tests.
    int8_t side = 0;
    int16_t a = 0, b = 0, c = 0;

    bool operator==(const HullEvent&) const = default;
};

struct HullTrace {
    std::vector<HullEvent> events;
    // Where each step's events end: step k's are events[stepEnds[k - 1] .. stepEnds[k]).
    std::vector<int> stepEnds;
    // The hull's corners, counter-clockwise as seen, from the one with the least X (least Y of
    // those).
    std::vector<int16_t> corners;
    // The monotone chain's sort: comparisons of two points' coordinates, apart from the tests.
    long comparisons = 0;

    int stepCount() const { return static_cast<int>(stepEnds.size()); }
    long tests() const;
};

// Each needs three points not on one line among 1..Pointcount.
// The incremental method in the same events, its first triangle a step of its own: points 1, 2
// and 3 counter-clockwise, as START leaves them.
HullTrace incremental(const Modhull& points);
HullTrace giftWrapping(const Modhull& points);
HullTrace monotoneChain(const Modhull& points);
HullTrace quickhull(const Modhull& points);
