#include "teach/run/compared_run.h"

#include "form/layout.h"

#include <algorithm>
#include <cctype>

Color RecordedPicture::backColor() const {
    return *layout::Pichull.color;
}

void RecordedPicture::take(const DrawCall& call) {
    if (call.kind != DrawCall::Clear)
        drawn->push_back(call);
    else if (drawn.use_count() > 1)
        drawn = std::make_shared<std::vector<DrawCall>>();
    else
        drawn->clear();
    ++changes;
}

std::string capitalized(std::string_view name) {
    std::string words(name);
    if (!words.empty())
        words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
    return words;
}

ComparedRun::ComparedRun(Algorithm algorithm, const Modhull& points) : run(algorithm, points) {
    run.draw(drawn);
}

void ComparedRun::follow(const LeadingRun& leading, bool bySteps) {
    const long testsBefore = run.testsMade();
    const int stepBefore = run.step();
    if (leading.ended)
        run.moveTo(run.steps());
    else if (bySteps)
        run.moveTo(std::min(leading.stepsEnded, run.steps()));
    else
        run.moveToTests(leading.tests);
    if (run.testsMade() != testsBefore || run.step() != stepBefore)
        run.draw(drawn);
}

void ComparedRun::moveTo(int step) {
    if (step == run.step() && !run.inside())
        return;
    run.moveTo(step);
    run.draw(drawn);
}

std::string ComparedRun::sentence() const {
    const std::string name = capitalized(nameOf(algorithm()));
    const std::string tests = std::to_string(run.testsMade());
    if (run.ended())
        return name + ", done in " + std::to_string(run.steps()) + " steps and " +
               std::to_string(run.allTests()) + " tests: " + run.said();
    if (run.step() == 0)
        return name + " has not begun: no test yet.";
    std::string where = name + ", step " + std::to_string(run.step()) + " of " + std::to_string(run.steps());
    if (run.inside())
        where += ", test " + std::to_string(run.testsInStep()) + " of " +
                 std::to_string(run.testsOfStep(run.step()));
    return where + ", " + tests + (tests == "1" ? " test: " : " tests: ") + run.said();
}
