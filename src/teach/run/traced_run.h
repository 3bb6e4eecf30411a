#pragma once

// A run of one of the other algorithms, kept whole as its trace, standing at a step or inside one
// at a test: what it has drawn so far, what it has just done and the words for it.

#include "engine/hull_algorithms.h"
#include "engine/modhull.h"
#include "form/services.h"
#include "teach/pictures/overlay.h"
#include "teach/words/step_code.h"
#include "teach/words/step_report.h"

#include <array>
#include <string>
#include <string_view>

HullTrace traceOf(Algorithm algorithm, const Modhull& points);

class TracedRun {
  public:
    TracedRun(Algorithm algorithm, const Modhull& points);

    int steps() const { return trace.stepCount(); }
    // 0 before the first step; k once step k has ended or is under way.
    int step() const { return shownStep; }
    // Inside a step, the tests made so far in it and all of its tests; 0 at a step's end.
    bool inside() const { return testsIn > 0; }
    int testsInStep() const { return testsIn; }
    int testsOfStep(int step) const;
    // The tests made by the end of each step, from step 0 to the one shown, the last counting
    // only those made so far inside it.
    std::vector<long> testsBy() const;
    long testsMade() const;
    long allTests() const { return madeBy.back(); }
    Algorithm algorithmRun() const { return algorithm; }

    // Stands at the end of a step, or inside the next one after so many tests (from 1; past its
    // last, the last).
    void moveTo(int step, int tests = 0);
    // The rest of the step under way, or the next step whole.
    void finishStep();
    // One more test inside the next step; past the step's last test, the step's end.
    void nextTest();
    // Stands where the run has made so many tests: at the last step ended by then, or inside the
    // step under way.
    void moveToTests(long tests);
    // The steps ended once the run has made so many tests, steps without a test of their own
    // after the last of them counted too.
    int stepsEndedBy(long tests) const;

    // The points as dots and the edges the run holds now, drawn afresh.
    void draw(Surface& surface) const;
    // The edges the run holds now, in the order it took them.
    EdgeList edges() const;
    // The hull's corners as the run finds them, from the least point.
    const std::vector<int16_t>& corners() const { return trace.corners; }
    bool ended() const { return shownStep == steps() && !inside(); }
    // The step just ended, or the test just made, in words.
    std::string said() const;
    // Run > Read the Hull: the hull once found, the edges held so far before.
    std::string hullWords() const;
    // The test just made and the point it is about, or the corners so far at a step's end.
    Overlay overlay() const;
    // The algorithm's code with the lines the last event ran lit, and where the run stands.
    CodeShown code() const;

  private:
    // Where the events shown end.
    int shownEvents() const { return shownAt; }
    void standAt(int step, int tests);
    const HullEvent* lastTest() const;
    // The event after the last one shown, if any.
    const HullEvent* nextEvent() const;
    std::vector<int> litLines() const;
    std::string stepWords() const;
    std::string insertionWords(int begin, int end) const;
    std::string testWords(const HullEvent& test) const;
    Overlay::Spot spot(int16_t point) const;

    Algorithm algorithm;
    const Modhull& points;
    HullTrace trace;
    // The tests made by the end of each step, from step 0.
    std::vector<long> madeBy;
    int shownStep = 0;
    int testsIn = 0;
    int shownAt = 0;
    // The edges held after the first so many events: a run moved on replays only the events since.
    mutable EdgeList held;
    mutable int heldAfter = 0;
};
