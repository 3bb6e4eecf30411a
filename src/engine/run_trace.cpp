#include "engine/run_trace.h"

const std::vector<WalkTest>& RunTrace::walkOf(int step) const {
    if (step < 1 || step > stepCount()) [[unlikely]]
        raise(RuntimeError::Kind::SubscriptOutOfRange);
    return steps[static_cast<std::size_t>(step - 1)];
}

std::vector<long> RunTrace::testsBy(int step) const {
    if (step < 0 || step > stepCount()) [[unlikely]]
        raise(RuntimeError::Kind::SubscriptOutOfRange);
    return {made.begin(), made.begin() + step + 1};
}

void firstTriangle(BoundedArray<int16_t>& from, BoundedArray<int16_t>& to, int16_t& count) {
    count = 3;
    for (int16_t k = 1; k <= 3; ++k) {
        from(k) = k;
        to(k) = static_cast<int16_t>(k % 3 + 1);
    }
}

RunTrace traceRun(const Modhull& points) {
    BoundedArray<int16_t> from, to, newFrom, newTo;
    int16_t count = 0;
    firstTriangle(from, to, count);
    RunTrace trace;
    for (int16_t point = 4; point <= points.Pointcount; ++point) {
        trace.steps.push_back(walkToInsert(points, {from, to, count}, point));
        trace.made.push_back(trace.made.back() + static_cast<long>(trace.steps.back().size()));
        int16_t kept = 0;
        for (const WalkTest& test : trace.steps.back())
            keepEdges(test, [&](int16_t a, int16_t b, bool) {
                increment(kept);
                newFrom(kept) = a;
                newTo(kept) = b;
            });
        count = kept;
        from.copyFrom(newFrom, count);
        to.copyFrom(newTo, count);
    }
    return trace;
}
