#include "teach/run/traced_run.h"

#include "form/fmhull.h"
#include "teach/words/spoken.h"

#include <algorithm>

using Kind = HullEvent::Kind;

HullTrace traceOf(Algorithm algorithm, const Modhull& points) {
    switch (algorithm) {
    case Algorithm::GiftWrapping:
        return giftWrapping(points);
    case Algorithm::MonotoneChain:
        return monotoneChain(points);
    case Algorithm::Quickhull:
        return quickhull(points);
    case Algorithm::Incremental:
        break;
    }
    return incremental(points);
}

TracedRun::TracedRun(Algorithm algorithm, const Modhull& points)
    : algorithm(algorithm), points(points), trace(traceOf(algorithm, points)), madeBy{0} {
    int begin = 0;
    for (int end : trace.stepEnds) {
        madeBy.push_back(madeBy.back() + std::count_if(trace.events.begin() + begin, trace.events.begin() + end,
                                                       [](const HullEvent& e) { return e.kind == Kind::Test; }));
        begin = end;
    }
}

namespace {

std::string number(int16_t point) {
    return std::to_string(point);
}

std::string sideWords(const HullEvent& test) {
    return test.side > 0 ? "on the inner side of" : test.side == 0 ? "on the line of" : "on the outer side of";
}

} // namespace

int TracedRun::testsOfStep(int step) const {
    if (step < 1 || step > steps())
        return 0;
    return static_cast<int>(madeBy[step] - madeBy[step - 1]);
}

std::vector<long> TracedRun::testsBy() const {
    std::vector<long> by(madeBy.begin(), madeBy.begin() + shownStep + 1);
    by.back() = testsMade();
    return by;
}

long TracedRun::testsMade() const {
    return inside() ? madeBy[shownStep - 1] + testsIn : madeBy[shownStep];
}

// Where the events shown end is worked out once for each place the run stands at: the views ask
// for it many times a tick.
void TracedRun::standAt(int step, int tests) {
    shownStep = step;
    testsIn = tests;
    if (!inside()) {
        shownAt = shownStep > 0 ? trace.stepEnds[shownStep - 1] : 0;
        return;
    }
    shownAt = shownStep > 1 ? trace.stepEnds[shownStep - 2] : 0;
    for (int made = 0; made < testsIn; ++shownAt)
        if (trace.events[shownAt].kind == Kind::Test)
            ++made;
}

void TracedRun::moveTo(int step, int tests) {
    const int at = std::clamp(step, 0, steps());
    standAt(at, std::clamp(tests, 0, testsOfStep(at)));
}

void TracedRun::finishStep() {
    if (inside())
        standAt(shownStep, 0);
    else
        standAt(std::min(shownStep + 1, steps()), 0);
}

void TracedRun::nextTest() {
    if (inside())
        return standAt(shownStep, testsIn < testsOfStep(shownStep) ? testsIn + 1 : 0);
    if (shownStep == steps())
        return;
    standAt(shownStep + 1, testsOfStep(shownStep + 1) > 0 ? 1 : 0);
}

int TracedRun::stepsEndedBy(long tests) const {
    return static_cast<int>(std::upper_bound(madeBy.begin(), madeBy.end(), tests) - madeBy.begin()) - 1;
}

void TracedRun::moveToTests(long tests) {
    const int step = stepsEndedBy(tests);
    if (step < steps() && tests > madeBy[step])
        moveTo(step + 1, static_cast<int>(tests - madeBy[step]));
    else
        moveTo(step);
}

EdgeList TracedRun::edges() const {
    const auto drop = [&](int16_t from, int16_t to) {
        if (const auto found = std::find(held.begin(), held.end(), Edge{from, to}); found != held.end())
            held.erase(found);
    };
    const int end = shownEvents();
    if (end < heldAfter) {
        held.clear();
        heldAfter = 0;
    }
    for (int i = heldAfter; i < end; ++i) {
        const HullEvent& e = trace.events[i];
        switch (e.kind) {
        case Kind::TakeEdge:
            held.push_back({e.a, e.b});
            break;
        case Kind::Push:
            if (e.a != 0)
                held.push_back({e.a, e.b});
            break;
        case Kind::DropEdge:
        case Kind::Pop:
            drop(e.a, e.b);
            break;
        case Kind::Split:
            drop(e.a, e.b);
            held.push_back({e.a, e.c});
            held.push_back({e.c, e.b});
            break;
        default:
            break;
        }
    }
    heldAfter = end;
    return held;
}

void TracedRun::draw(Surface& surface) const {
    surface.clear();
    surface.setDrawWidth(3);
    surface.setForeColor(Magenta);
    for (int16_t i = 1; i <= points.Pointcount; ++i)
        surface.dot(points.Xcoord(i), points.Ycoord(i));
    surface.setDrawWidth(1);
    surface.setForeColor(Blue);
    for (const Edge& edge : edges())
        surface.line(points.Xcoord(edge.from), points.Ycoord(edge.from), points.Xcoord(edge.to),
                     points.Ycoord(edge.to));
}

const HullEvent* TracedRun::lastTest() const {
    for (int i = shownEvents() - 1; i >= 0; --i)
        if (trace.events[i].kind == Kind::Test)
            return &trace.events[i];
    return nullptr;
}

Overlay::Spot TracedRun::spot(int16_t point) const {
    return {points.Xcoord(point), points.Ycoord(point)};
}

Overlay TracedRun::overlay() const {
    Overlay shown;
    if (const HullEvent* test = inside() ? lastTest() : nullptr) {
        shown.tested = Overlay::Segment{spot(test->a), spot(test->b)};
        shown.inserted = spot(test->c);
    }
    // Both ends of every edge held: a chain or a path so far ends in a point no edge starts from.
    std::vector<int16_t> ends;
    for (const Edge& edge : edges())
        for (int16_t end : {edge.from, edge.to})
            if (std::find(ends.begin(), ends.end(), end) == ends.end())
                ends.push_back(end);
    for (int16_t end : ends)
        shown.corners.push_back(spot(end));
    return shown;
}

std::string TracedRun::said() const {
    if (inside())
        return testWords(*lastTest());
    return shownStep > 0 ? stepWords() : std::string();
}

std::string TracedRun::testWords(const HullEvent& test) const {
    const std::string lies = "Point " + number(test.c) + " lies " + sideWords(test) + " the ";
    const std::string line = "line from " + number(test.a) + " to " + number(test.b);
    const std::string edge = "edge from " + number(test.a) + " to " + number(test.b);
    const auto next = std::next(trace.events.begin(), shownEvents());
    switch (algorithm) {
    case Algorithm::GiftWrapping: {
        const bool taken = next != trace.events.end() && next->kind == Kind::Candidate && next->b == test.c;
        if (taken)
            return lies + line + (test.side == 0 ? ", beyond " + number(test.b) : std::string()) +
                   ", so it is the new candidate.";
        return lies + line + ", so " + number(test.b) + " stays the candidate.";
    }
    case Algorithm::MonotoneChain:
        return "Points " + number(test.a) + ", " + number(test.b) + " and " + number(test.c) +
               (test.side > 0 ? " turn counter-clockwise, so " + number(test.b) + " stays."
                              : " do not turn counter-clockwise, so " + number(test.b) + " is popped.");
    case Algorithm::Quickhull:
        if (shownStep == 1)
            return lies + line + (test.side == 0 ? ", so it drops out." : ", so it goes to the part on that side.");
        if (test.side < 0)
            return lies + edge + ", so it stays outside, in that edge's part.";
        return lies + edge +
               (next != trace.events.end() && next->kind == Kind::Test && next->c == test.c
                    ? ", so it is tested against the other edge."
                    : ", so it lies inside and drops out.");
    case Algorithm::Incremental:
        if (testsIn == 1)
            return lies + "last edge, from " + number(test.a) + " to " + number(test.b) +
                   ": the walk round the hull begins.";
        return lies + edge + (test.side < 0 ? ", so " + number(test.c) + " sees it and it goes." : ", so it stays.");
    }
    return {};
}

std::string TracedRun::stepWords() const {
    const int begin = shownStep > 1 ? trace.stepEnds[shownStep - 2] : 0;
    const int end = trace.stepEnds[shownStep - 1];
    if (algorithm == Algorithm::Incremental)
        return insertionWords(begin, end);
    std::vector<int16_t> popped;
    int outside = 0, other = 0;
    const HullEvent* line = nullptr;
    for (int i = begin; i < end; ++i) {
        const HullEvent& e = trace.events[i];
        switch (e.kind) {
        case Kind::TakeEdge:
            if (algorithm == Algorithm::GiftWrapping)
                return "The edge from " + number(e.a) + " to " + number(e.b) +
                       " is found: no point lies outside it" +
                       (e.b == trace.corners.front() ? ", and the hull is closed." : ".");
            line = line ? line : &e;
            break;
        case Kind::Pop:
            popped.push_back(e.b);
            break;
        case Kind::Push: {
            std::string words = e.a == 0 ? "Point " + number(e.b) + " begins the chain"
                                         : "Point " + number(e.b) + " joins the chain after " + number(e.a);
            for (std::size_t k = 0; k < popped.size(); ++k)
                words += (k == 0 ? ", once " : k + 1 == popped.size() ? " and " : ", ") + number(popped[k]);
            return words + (popped.empty() ? "." : popped.size() == 1 ? " is popped." : " are popped.");
        }
        case Kind::Test:
            outside += e.side < 0 ? 1 : 0;
            other += e.side > 0 ? 1 : 0;
            break;
        case Kind::Split:
            return "Point " + number(e.c) + ", the farthest outside the edge from " + number(e.a) +
                   " to " + number(e.b) + ", is a corner: the edges from " + number(e.a) + " to " +
                   number(e.c) + " and from " + number(e.c) + " to " + number(e.b) + " replace it.";
        default:
            break;
        }
    }
    // Quickhull's first step: the line from the least point to the greatest.
    return "The line from " + number(line->a) + " to " + number(line->b) + " splits the points: " +
           std::to_string(outside) + " lie outside it one way and " + std::to_string(other) +
           " the other.";
}

// The incremental method's step: the first triangle, or a point inserted.
std::string TracedRun::insertionWords(int begin, int end) const {
    if (shownStep == 1)
        return "The first triangle: points 1, 2 and 3.";
    const int16_t point = trace.events[begin].c;
    std::vector<const HullEvent*> taken;
    int dropped = 0;
    for (int i = begin; i < end; ++i) {
        dropped += trace.events[i].kind == Kind::DropEdge ? 1 : 0;
        if (trace.events[i].kind == Kind::TakeEdge)
            taken.push_back(&trace.events[i]);
    }
    if (taken.empty())
        return "Point " + number(point) + " lies inside the hull: no edge changes.";
    std::string words = "Point " + number(point) + " joins the hull: the edges";
    for (std::size_t k = 0; k < taken.size(); ++k)
        words += (k == 0 ? " from " : " and from ") + number(taken[k]->a) + " to " + number(taken[k]->b);
    return words + " replace " + std::to_string(dropped) + (dropped == 1 ? " edge." : " edges.");
}

const HullEvent* TracedRun::nextEvent() const {
    const auto next = static_cast<std::size_t>(shownEvents());
    return next < trace.events.size() ? &trace.events[next] : nullptr;
}

// What the last test decides, or what the step did at its end.
std::vector<int> TracedRun::litLines() const {
    const HullEvent* test = inside() ? lastTest() : nullptr;
    const HullEvent* next = nextEvent();
    switch (algorithm) {
    case Algorithm::GiftWrapping:
        if (!test)
            return {7, 8};
        if (next && next->kind == Kind::Candidate)
            return {4, 5, 6};
        return {4};
    case Algorithm::MonotoneChain:
        if (!test)
            return shownStep == steps() ? std::vector<int>{6, 7} : std::vector<int>{6};
        return {3, test->side > 0 ? 4 : 5};
    case Algorithm::Quickhull:
        if (shownStep == 1)
            return test ? std::vector<int>{1} : std::vector<int>{0, 1};
        if (!test)
            return {3, 7};
        if (test->side < 0)
            return {5, 6};
        return {5};
    case Algorithm::Incremental:
        break;
    }
    return {};
}

CodeShown TracedRun::code() const {
    CodeShown shown{{}, {}, algorithm};
    const long run = testsMade();
    if (shownStep == 0) {
        shown.words = {"START has taken the points; no step yet.", "Orientation tests: none yet."};
        return shown;
    }
    shown.lit = litLines();
    shown.words = {said(), inside() ? "Orientation tests: " + std::to_string(testsIn) + " of " +
                                          std::to_string(testsOfStep(shownStep)) +
                                          " in this step, " + std::to_string(run) + " in the run."
                                    : "Orientation tests: " +
                                          std::to_string(testsOfStep(shownStep)) +
                                          " in this step, " + std::to_string(run) + " in the run."};
    return shown;
}

std::string TracedRun::hullWords() const {
    if (ended()) {
        EdgeList hull;
        for (std::size_t k = 0; k < trace.corners.size(); ++k)
            hull.push_back({trace.corners[k], trace.corners[(k + 1) % trace.corners.size()]});
        return hullInWords(hull);
    }
    const EdgeList held = edges();
    if (held.empty())
        return "No edge of the hull is found yet.";
    std::string words = "The edges so far: ";
    for (std::size_t k = 0; k < held.size(); ++k)
        words += (k == 0 ? "" : k + 1 == held.size() ? " and " : ", ") + std::string("from ") +
                 number(held[k].from) + " to " + number(held[k].to);
    return words + '.';
}
