#include "teach/words/step_code.h"

#include "teach/words/step_report.h"

#include <algorithm>

namespace {

// The lines a test runs that do something, by their place in the code.
enum Line { Wrap = 1, Test = 4, NewEdge = 6, Keep = 8, Erase = 10, Hull = 11 };
static_assert(StepCode[Wrap].ends_with("of the last edge") &&
              StepCode[Test].ends_with("of the edge (a, b)") &&
              StepCode[NewEdge].ends_with("joins a and p") &&
              StepCode[Keep].ends_with("keep (a, b)") && StepCode[Erase].ends_with("p sees it") &&
              StepCode[Hull].ends_with("make the hull"));

std::string newEdges(std::span<const WalkTest> tests) {
    std::string joined;
    for (const WalkTest& test : tests)
        if (test.newFrom != 0)
            joined += (joined.empty() ? "" : ", ") + std::to_string(test.newFrom) + " to " +
                      std::to_string(test.newTo);
    return joined.empty() ? "none" : joined;
}

std::string counts(const WalkState& walk) {
    const std::string run = std::to_string(walk.runTests) + " in the run";
    if (walk.inside)
        return "Orientation tests: " + std::to_string(walk.tests.size()) + " of " +
               std::to_string(walk.stepTests) + " in this step, " + run + '.';
    return "Orientation tests: " + std::to_string(walk.stepTests) + " in this step, " + run + '.';
}

CodeShown testShown(const WalkState& walk) {
    const WalkTest& test = walk.tests.back();
    CodeShown shown;
    if (test.wrapAround) {
        shown.lit = {Wrap};
        shown.words = {"Testing the last edge first, from " + std::to_string(test.from) + " to " +
                           std::to_string(test.to) + '.',
                       "Side: " + sideInWords(test, walk.point) + '.', "Before: nothing yet."};
    } else {
        shown.lit = {Test};
        if (test.newFrom != 0)
            shown.lit.push_back(NewEdge);
        shown.lit.push_back(test.kept ? Keep : Erase);
        const WalkTest& before = walk.tests[walk.tests.size() - 2];
        shown.words = {"Testing edge " + std::to_string(test.edge) + ", from " +
                           std::to_string(test.from) + " to " + std::to_string(test.to) + '.',
                       "Side: " + sideInWords(test, walk.point) + '.',
                       "Before: " + sideInWords(before, walk.point) + '.'};
    }
    shown.words.push_back("New edges so far: " + newEdges(walk.tests) + '.');
    shown.words.push_back(counts(walk));
    return shown;
}

} // namespace

CodeShown codeOf(const WalkState& walk) {
    if (walk.step < 0)
        return {{}, {"START runs this for each point from the fourth on."}};
    if (walk.step == 0)
        return {{},
                {"The first triangle is points 1, 2 and 3; each point after them is inserted so.",
                 "Orientation tests: none yet."}};
    if (walk.inside)
        return testShown(walk);
    const std::string point = "Point " + std::to_string(walk.point);
    const auto goes = [](const WalkTest& test) { return !test.wrapAround && !test.kept; };
    const auto onLine = [](const WalkTest& test) { return test.onLine; };
    // A point that sees no edge is not inserted: it lies inside the hull or on its boundary.
    const std::string ended = std::any_of(walk.tests.begin(), walk.tests.end(), goes)
                                  ? point + " is inserted: the walk has ended."
                              : std::any_of(walk.tests.begin(), walk.tests.end(), onLine)
                                  ? point + " lies on the hull: nothing changes."
                                  : point + " lies inside the hull: nothing changes.";
    return {{Hull}, {ended, "New edges: " + newEdges(walk.tests) + '.', counts(walk)}};
}
