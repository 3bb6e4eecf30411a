#include "teach/run/lesson.h"

#include "teach/pictures/number_places.h"
#include "teach/words/spoken.h"

#include <algorithm>

Lesson::Lesson(Fmhull& form, Modhull& points, Surface& drawingArea, Button& resetButton,
               TimerHold& timer, MessageWatch& watch, LessonView& view)
    : form(form), points(points), drawingArea(drawingArea), resetButton(resetButton), timer(timer),
      watch(watch), view(view) {}

// The window keeps its phase in its controls; a held timer that the run still wants is a pause,
// and so is the question of a run of three points started paused, kept back until asked for.
Lesson::Phase Lesson::phase() const {
    if (drawingArea.isEnabled())
        return Phase::Input;
    // Inside a step the run is always paused; so is a run whose question waits.
    // Past its own end the run waits with its question held, and goes on or pauses as its timer does.
    if (form.isWalking() || (traced && traced->inside()) || (watch.holdsOne() && beyond < 0))
        return Phase::Paused;
    if (!timer.isEnabled())
        return Phase::Finished;
    return timer.isHeld() ? Phase::Paused : Phase::Running;
}

// Step 0 is the first triangle; step k inserts point k + 3.
int Lesson::step() const {
    return ownStep() + std::max(beyond, 0);
}

int Lesson::ownStep() const {
    if (traced)
        return traced->step();
    return points.Pointcount == 3 ? 0 : form.Curpoint - 3;
}

int Lesson::steps() const {
    return ownSteps() + extraSteps();
}

int Lesson::ownSteps() const {
    return traced ? traced->steps() : points.Pointcount - 3;
}

int Lesson::extraSteps() const {
    const int own = ownSteps();
    if (!comparison || own == 0)
        return 0;
    const TracedRun& other = comparison->standing();
    if (bySteps)
        return std::max(0, other.steps() - own);
    return other.steps() - other.stepsEndedBy(traced ? traced->allTests() : wholeRunTests());
}

RunActions Lesson::actions() const {
    const Phase now = phase();
    const bool going = now == Phase::Running || now == Phase::Paused;
    const bool finished = now == Phase::Finished;
    return {.pause = going,
            .paused = now == Phase::Paused,
            .stepForward = going,
            .stepInto = going && !watch.holdsOne(),
            .stepBack = going ? step() > 0 : finished && steps() > 0,
            .runAgain = now == Phase::Paused || finished};
}

void Lesson::start() {
    beyond = -1;
    timer.release();
    report.reset();
    trace = {};
    traced.reset();
    const float x2 = points.Xcoord(2), y2 = points.Ycoord(2);
    // Another algorithm asks its question at its own end: the window's, for three points, waits.
    watch.holdBack(startsPaused || chosen != Algorithm::Incremental);
    // The first triangle is told once the run stands as it will: paused, and renumbered.
    silent = true;
    follow([this] { form.Cmdstart_Click(); });
    if (hasRun())
        trace = traceRun(points);
    if (hasRun() && chosen != Algorithm::Incremental)
        beginTracedRun();
    comparison.reset();
    if (hasRun() && comparing)
        comparison.emplace(*comparing, points);
    silent = false;
    watch.holdBack(false);
    if (startsPaused && hasRun())
        pause();
    // The first triangle runs counter-clockwise: START may have swapped points 2 and 3.
    const bool swapped = points.Xcoord(3) == x2 && points.Ycoord(3) == y2 &&
                         (points.Xcoord(2) != x2 || points.Ycoord(2) != y2);
    tell(swapped && hasRun() ? "Points 2 and 3 swapped places so that the first triangle runs "
                               "counter-clockwise on the screen."
                             : "");
}

void Lesson::tick() {
    sayAtOnce = false;
    followStep();
    show();
    sayAtOnce = true;
}

void Lesson::reset() {
    beyond = -1;
    note.clear();
    watch.dropHeld();
    traced.reset();
    form.Cmdreset_Click();
    // A paused run is given up: its next tick must never come.
    timer.setEnabled(false);
    timer.release();
    show();
}

// The step that ends the run is heard before the question.
void Lesson::beforeMessage() {
    sayAtOnce = true;
    silent = false;
    observe();
}

// Runs what starts a run or inserts a point, then tells the step once it is done.
void Lesson::follow(const std::function<void()>& act) {
    note.clear();
    observing = true;
    act();
    observe();
    // A run that ended while held leaves no hold behind.
    if (!timer.isEnabled())
        timer.release();
}

// A tick's step, or the rest of a step stepped into.
void Lesson::followStep() {
    if (beyond >= 0)
        return stepBeyondEnd();
    if (traced)
        return advanceTraced(&TracedRun::finishStep);
    mayEnd([this] {
        follow([this] {
            if (!form.isWalking())
                form.beginStep();
            while (!walkMade())
                form.testNextEdge();
            form.endStep();
        });
    });
}

void Lesson::mayEnd(const std::function<void()>& act) {
    const bool more = extraSteps() > 0, held = timer.isHeld();
    watch.holdBack(more);
    act();
    watch.holdBack(false);
    if (more && watch.holdsOne())
        goBeyondEnd(held);
}

void Lesson::goBeyondEnd(bool held) {
    beyond = 0;
    form.Hsbspeed_Change();
    timer.setEnabled(true);
    if (held)
        pause();
    else
        resume();
}

// One more of the compared algorithm's steps; after its last, the run's question.
void Lesson::stepBeyondEnd() {
    note.clear();
    beyond = std::min(beyond + 1, extraSteps());
    stepToSay = true;
    if (goesBeyondEnd())
        return;
    show();
    askHeldQuestion();
}

// Whether the step's walk has made all its tests: the step ends at the next Step Into.
bool Lesson::walkMade() const {
    return form.isWalking() && form.Tested == stepTests();
}

std::span<const WalkTest> Lesson::walkShown() const {
    if (!hasRun() || ownStep() == 0)
        return {};
    const std::span<const WalkTest> walk = trace.walkOf(ownStep());
    return form.isWalking() ? walk.first(static_cast<std::size_t>(form.Tested)) : walk;
}

// One more than the hull's edges before the step.
int Lesson::stepTests() const {
    return hasRun() && ownStep() > 0 ? static_cast<int>(trace.walkOf(ownStep()).size()) : 0;
}

void Lesson::stepInto() {
    if (!actions().stepInto)
        return;
    note.clear();
    if (phase() == Phase::Running)
        pause();
    if (traced) {
        advanceTraced(&TracedRun::nextTest);
    } else if (walkMade()) {
        mayEnd([this] { follow([this] { form.endStep(); }); });
    } else {
        if (!form.isWalking())
            form.beginStep();
        form.testNextEdge();
        stepToSay = true;
    }
    show();
}

void Lesson::observe() {
    if (!observing)
        return;
    observing = false;
    reportShown();
    stepToSay = true;
    show();
}

void Lesson::reportShown() {
    const EdgeList after = edgesOf(form);
    report = ownStep() == 0 ? reportFirstTriangle(after)
                         : reportStep(points, form.Curpoint, walkShown(), after);
}

void Lesson::pause() {
    timer.hold();
    // While paused, RESET gives the run up as it would after the question.
    resetButton.setEnabled(true);
}

void Lesson::resume() {
    if (watch.holdsOne() && !goesBeyondEnd()) {
        askHeldQuestion();
        return;
    }
    resetButton.setEnabled(false);
    form.Hsbspeed_Change();
    timer.release();
}

// Carries on where the run would have asked its question; the question left RESET enabled.
void Lesson::askHeldQuestion() {
    note.clear();
    // Past the run's own end the timer ran on for the compared steps: the run now ends, RESET
    // enabled as the question leaves it.
    if (beyond >= 0) {
        timer.setEnabled(false);
        resetButton.setEnabled(true);
    }
    timer.release();
    watch.askHeld();
}

void Lesson::tell(std::string what) {
    note = std::move(what);
    show();
}

void Lesson::tellToo(const std::string& what) {
    tell(note.empty() ? what : note + ' ' + what);
}

void Lesson::openAt(int target, int test) {
    const bool startedPaused = startsPaused;
    startsPaused = true;
    start();
    startsPaused = startedPaused;
    const std::string renumbered = note;
    if (hasRun())
        replayAt(target, test);
    stepToSay = true;
    tell(renumbered);
}

void Lesson::showAt(int target, int test) {
    if (!hasRun())
        return;
    note.clear();
    replayAt(target, test);
    stepToSay = true;
    show();
}

// Straight to the step without showing the steps on the way: the picture, the hull and the walk
// as a straight run leaves them there, paused, the last step's question held.
void Lesson::replayAt(int target, int test) {
    beyond = -1;
    const int own = ownSteps();
    if (target >= own && extraSteps() > 0 && (target > own || test <= 0)) {
        replayOwn(own, -1);
        beyond = std::min(target - own, extraSteps());
        timer.setEnabled(true);
        pause();
        return;
    }
    replayOwn(target, test);
}

void Lesson::replayOwn(int target, int test) {
    if (traced)
        return replayTraced(target, test);
    target = std::clamp(target, 0, ownSteps());
    if (target == 0)
        test = -1;
    const int tests = test > 0 ? std::min(test, static_cast<int>(trace.walkOf(target).size())) : 0;
    watch.dropHeld();
    watch.holdBack(true);
    timer.hold();
    form.standAt(trace, tests > 0 ? target - 1 : target, tests);
    if (tests == 0)
        reportShown();
    watch.holdBack(false);
    pause();
}

void Lesson::showPointNumbers(bool on) {
    numbers = on;
    show();
}

void Lesson::pauseOrResume() {
    if (!actions().pause)
        return;
    note.clear();
    if (phase() == Phase::Running) {
        pause();
    } else {
        // A step stepped into is finished first; the run may end with it.
        if (position().inside)
            followStep();
        if (phase() == Phase::Paused)
            resume();
    }
    show();
}

void Lesson::stepForward() {
    if (!actions().stepForward)
        return;
    if (watch.holdsOne() && !goesBeyondEnd()) {
        askHeldQuestion();
        show();
        return;
    }
    if (phase() == Phase::Running)
        pause();
    followStep();
    show();
}

// Inside a step, one test back, or from its first test to the end of the step before.
void Lesson::stepBack() {
    if (!actions().stepBack)
        return;
    const RunPosition at = position();
    const int tests = at.inside ? at.test - 1 : 0;
    // The step replayed is said once, where it stops.
    replayAt(tests > 0 ? step() : step() - 1, tests);
    stepToSay = true;
    show();
}

void Lesson::runAgain() {
    if (!actions().runAgain)
        return;
    replayAt(0, -1);
    if (phase() == Phase::Paused)
        resume();
    show();
}

void Lesson::showEachStep(bool on) {
    eachStep = on;
    show();
}

void Lesson::compareWith(std::optional<Algorithm> other) {
    comparing = other;
    comparison.reset();
    if (hasRun() && comparing)
        comparison.emplace(*comparing, points);
    show();
}

void Lesson::compareBySteps(bool on) {
    bySteps = on;
    show();
}

void Lesson::followCompared() {
    if (!hasRun())
        comparison.reset();
    if (!comparison)
        return;
    if (beyond > 0)
        return comparison->moveTo(comparison->standing().steps() - extraSteps() + beyond);
    const RunPosition at = position();
    comparison->follow({runCost().back(), at.inside ? at.step - 1 : at.step, phase() == Phase::Finished},
                       bySteps);
}

// The run stands finished; the compared algorithm's step is told, as each step is.
void Lesson::showBeyondEnd(Phase now) {
    const std::string line = runLine(now) + ": " + capitalized(nameOf(chosen)) + " is done.";
    view.showStatus(note.empty() ? line : note + ' ' + line);
    Overlay overlay;
    if (numbers)
        overlay.numbers = numberMarks();
    view.showOverlay(overlay);
    if (stepToSay && !silent)
        view.announce(withCompared(line), sayAtOnce);
    stepToSay = false;
}

std::string Lesson::withCompared(const std::string& said) const {
    if (!comparison)
        return said;
    return capitalized(nameOf(chosen)) + ": " + said + ' ' + comparison->sentence();
}

void Lesson::show() {
    followCompared();
    if (beyond > 0)
        return showBeyondEnd(phase());
    if (traced)
        return showTraced();
    if (form.isWalking())
        return showTest();
    const Phase now = phase();
    const bool running = now != Phase::Input && report;
    Overlay overlay = running && eachStep ? overlayOf(*report) : Overlay{};
    if (numbers)
        overlay.numbers = numberMarks();
    const std::string status = running ? statusLine(now) : std::string();
    view.showStatus(note.empty() ? status : status.empty() ? note : note + ' ' + status);
    view.showOverlay(overlay);
    // Each step in full, whether or not it is shown: the marks are for the eyes, the words for
    // everyone.
    if (stepToSay && running && !silent) {
        const std::string said = withCompared(runLine(now) + ": " + spokenStep(points, *report));
        view.announce(note.empty() ? said : note + ' ' + said, sayAtOnce);
    }
    stepToSay = stepToSay && silent;
}

// Inside a step: the test just made, in the status line and to a screen reader, the point being
// inserted ringed and the edge just tested marked; with each step shown, the hull's corners as
// they stand and the edges found obsolete so far.
void Lesson::showTest() {
    const std::span<const WalkTest> walk = walkShown();
    const std::string test = describe(walk.back(), form.Curpoint);
    view.showStatus(runLine(Phase::Paused) + ", test " + std::to_string(walk.size()) + " of " +
                    std::to_string(stepTests()) + ": " + test);
    Overlay overlay;
    auto spot = [this](int16_t point) {
        return Overlay::Spot{points.Xcoord(point), points.Ycoord(point)};
    };
    overlay.inserted = spot(form.Curpoint);
    overlay.tested = Overlay::Segment{spot(walk.back().from), spot(walk.back().to)};
    if (eachStep) {
        for (int16_t k = 1; k <= form.Hullcount; ++k)
            overlay.corners.push_back(spot(form.Edgefrom(k)));
        for (const WalkTest& made : walk)
            if (!made.wrapAround && !made.kept)
                overlay.obsolete.push_back({spot(made.from), spot(made.to)});
    }
    if (numbers)
        overlay.numbers = numberMarks();
    view.showOverlay(overlay);
    if (stepToSay && !silent)
        view.announce(withCompared(test), true);
    stepToSay = false;
}

WalkState Lesson::walkState() const {
    if (!hasRun())
        return {};
    return {.step = ownStep(),
            .point = form.Curpoint,
            .inside = form.isWalking(),
            .tests = walkShown(),
            .stepTests = stepTests(),
            .runTests = runCost().back()};
}

// Inside a step, the last total counts the step's tests made so far.
CostCurve Lesson::runCost() const {
    if (!hasRun())
        return {};
    if (traced)
        return traced->testsBy();
    CostCurve cost = trace.testsBy(ownStep());
    cost.back() -= stepTests() - static_cast<long>(walkShown().size());
    return cost;
}

void Lesson::readTheHull() {
    const std::string hull = traced ? traced->hullWords()
                                    : hullInWords(hasRun() ? edgesOf(form) : EdgeList{});
    view.showStatus(hull);
    view.announce(hull, true);
}

// Placing the numbers looks at every pair of points: it is done again only when they change.
const std::vector<Overlay::Number>& Lesson::numberMarks() {
    std::vector<Overlay::Spot> spots;
    for (int16_t i = 1; i <= points.Pointcount; ++i)
        spots.push_back({points.Xcoord(i), points.Ycoord(i)});
    if (spots != numbered) {
        numbered = std::move(spots);
        numberPlaces = placeNumbers(numbered);
    }
    return numberPlaces;
}

std::string Lesson::runLine(Phase now) const {
    return (now == Phase::Paused ? "Paused at step " : "Step ") + std::to_string(step()) + " of " +
           std::to_string(steps());
}

std::string Lesson::statusLine(Phase now) const {
    const std::string line = runLine(now);
    if (!eachStep)
        return line + '.';
    return line + ": " + describe(*report);
}

Overlay Lesson::overlayOf(const StepReport& step) const {
    auto spot = [this](int16_t point) {
        return Overlay::Spot{points.Xcoord(point), points.Ycoord(point)};
    };
    Overlay overlay;
    for (const Edge& edge : step.hull)
        overlay.corners.push_back(spot(edge.from));
    if (step.point != 0)
        overlay.inserted = spot(step.point);
    for (const Edge& edge : step.removed)
        overlay.obsolete.push_back({spot(edge.from), spot(edge.to)});
    return overlay;
}

RunPosition Lesson::position() const {
    if (!hasRun())
        return {};
    if (traced)
        return {step(), steps(), traced->inside(), traced->testsInStep(), traced->testsOfStep(ownStep())};
    const WalkState walk = walkState();
    return {step(), steps(), walk.inside, static_cast<int>(walk.tests.size()), walk.stepTests};
}

// START has left the window's run at its first triangle with its timer armed; the ticks now move
// the other algorithm's run, drawn from its trace.
void Lesson::beginTracedRun() {
    traced.emplace(chosen, points);
    // Three points: the window's run asked at once, and its question waits for the other's end.
    watch.dropHeld();
    form.Hsbspeed_Change();
    timer.setEnabled(true);
    traced->draw(drawingArea);
    stepToSay = true;
}

void Lesson::advanceTraced(void (TracedRun::*move)()) {
    note.clear();
    ((*traced).*move)();
    traced->draw(drawingArea);
    stepToSay = true;
    if (!traced->inside() && traced->step() == traced->steps()) {
        show();
        const bool more = extraSteps() > 0, held = timer.isHeld();
        finishTraced(more);
        if (more)
            goBeyondEnd(held);
    }
}

// The window's own run at its end: the finished hull, the same corners by any algorithm, and the
// question, held where a straight run paused there would hold it.
void Lesson::finishTraced(bool held) {
    watch.holdBack(held);
    form.standAt(trace, trace.stepCount(), 0);
    watch.holdBack(false);
}

void Lesson::replayTraced(int target, int test) {
    watch.dropHeld();
    watch.holdBack(true);
    timer.hold();
    form.standAt(trace, 0, 0);
    watch.dropHeld();
    watch.holdBack(false);
    timer.setEnabled(true);
    traced->moveTo(target, std::max(test, 0));
    traced->draw(drawingArea);
    if (!traced->inside() && traced->step() == traced->steps())
        finishTraced(true);
    pause();
}

void Lesson::showTraced() {
    const Phase now = phase();
    const std::string words = traced->said();
    const RunPosition at = position();
    const std::string line =
        at.inside ? runLine(Phase::Paused) + ", test " + std::to_string(at.test) + " of " +
                        std::to_string(at.tests) + ": " + words
                  : runLine(now) + (eachStep && !words.empty() ? ": " + words : ".");
    view.showStatus(note.empty() ? line : note + ' ' + line);
    Overlay overlay = at.inside || eachStep ? traced->overlay() : Overlay{};
    if (!eachStep)
        overlay.corners.clear();
    if (numbers)
        overlay.numbers = numberMarks();
    view.showOverlay(overlay);
    if (stepToSay && !silent) {
        const std::string said =
            withCompared(at.inside ? words : runLine(now) + (words.empty() ? "." : ": " + words));
        view.announce(note.empty() ? said : note + ' ' + said, sayAtOnce || at.inside);
    }
    stepToSay = stepToSay && silent;
}

CodeShown Lesson::code() const {
    if (traced)
        return traced->code();
    if (chosen == Algorithm::Incremental || hasRun())
        return codeOf(walkState());
    return {{}, {"START runs this on the points."}, chosen};
}

std::vector<PointRow> Lesson::pointRows() const {
    if (traced)
        return pointList(points, traced->edges(), traced->corners(), traced->ended());
    // Inside a step, the point being inserted is not in the hull yet.
    const int inserted = hasRun() ? ownStep() + 3 : 0;
    return pointList(points, form, form.isWalking() ? inserted - 1 : inserted);
}
