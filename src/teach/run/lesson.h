#pragma once

#include "engine/modhull.h"
#include "engine/run_trace.h"
#include "form/fmhull.h"
#include "teach/run/compared_run.h"
#include "teach/run/lesson_view.h"
#include "teach/run/message_watch.h"
#include "teach/run/point_list.h"
#include "teach/run/run_cost.h"
#include "teach/run/timer_hold.h"
#include "teach/run/traced_run.h"
#include "teach/words/step_code.h"
#include "teach/words/step_report.h"

#include <functional>
#include <optional>
#include <span>

// Which run commands can act now.
struct RunActions {
    bool pause = false;
    // Pause then reads "Resume".
    bool paused = false;
    bool stepForward = false;
    // One orientation test at a time, inside a step.
    bool stepInto = false;
    bool stepBack = false;
    bool runAgain = false;

    bool operator==(const RunActions&) const = default;
};

// Where a run stands among its steps, and inside a step among its tests.
struct RunPosition {
    int step = 0, steps = 0;
    bool inside = false;
    // Inside a step, the tests made so far in it, from 1, and all of its tests.
    int test = 0, tests = 0;
};

// A run that can be paused, stepped forward and back and shown again, with each step told in
// words and marked over the drawing. The run goes forward by the window's own handlers; START
// also works out the whole run as a trace, from which every step is told and counted, and any
// moment of it drawn at once as a straight run leaves it.
class Lesson {
  public:
    Lesson(Fmhull& form, Modhull& points, Surface& drawingArea, Button& resetButton,
           TimerHold& timer, MessageWatch& watch, LessonView& view);

    // The window's events that start, advance and end a run, passed on to its handlers.
    void start();
    void tick();
    void reset();
    // Just before a message box opens: a step that ends the run is shown before the question.
    void beforeMessage();

    // The run commands; each does nothing where actions() says it cannot act.
    void pauseOrResume();
    void stepForward();
    void stepInto();
    void stepBack();
    void runAgain();
    void showEachStep(bool on);
    bool showsEachStep() const { return eachStep; }
    void showPointNumbers(bool on);
    bool showsPointNumbers() const { return numbers; }
    // The algorithm START runs: the incremental method, or another played from its trace while
    // the window's run waits at its first triangle.
    void chooseAlgorithm(Algorithm algorithm) { chosen = algorithm; }
    Algorithm algorithm() const { return chosen; }
    // A second algorithm drawn beside the run on the same points, stepped with it by tests, or
    // by steps; none to show the run alone.
    void compareWith(std::optional<Algorithm> other);
    std::optional<Algorithm> comparedWith() const { return comparing; }
    void compareBySteps(bool on);
    bool comparesBySteps() const { return bySteps; }
    // The compared run as it stands, while a run goes on beside it.
    const ComparedRun* compared() const { return comparison ? &*comparison : nullptr; }
    // START then begins the run paused at its first triangle.
    void startPaused(bool on) { startsPaused = on; }
    bool startsPausedRun() const { return startsPaused; }
    // Says once, before the run's own status, what just happened to the points' numbering; an
    // empty text says nothing.
    void tell(std::string what);
    // Gives a screen reader this to say at once.
    void say(const std::string& text) { view.announce(text, true); }
    // Says this too, after what is already said.
    void tellToo(const std::string& what);
    // Starts the run paused and steps it to the given step, or into it to the given test (from 1;
    // past its last test, the last); at the last step the question waits for Step Forward or
    // Resume, as in a run started paused.
    void openAt(int target, int test = -1);
    // Shows the run as a run paused at that step would be, or inside it at that test (from 1; past
    // its last test, the last); at the last step the question waits for Step Forward. Steps past
    // either end are the ends.
    void showAt(int target, int test = -1);
    // Shows the run as it stands, after a change that came from outside a step: an answer.
    void show();
    // Says the hull as it stands, in order, in the status line and to a screen reader.
    void readTheHull();
    // Where the step shown stands in its walk, and what the run's walks have cost.
    WalkState walkState() const;
    // The run's tests so far, step by step.
    CostCurve runCost() const;
    RunPosition position() const;
    // The incremental method's tests on the whole of the run's points.
    long wholeRunTests() const { return trace.allTests(); }
    // Every point and where it stands in the run now.
    std::vector<PointRow> pointRows() const;
    // The chosen algorithm's code as View > Show the Code shows it now.
    CodeShown code() const;

    RunActions actions() const;
    // Whether a run has begun and not been given up; the step it shows: 0 for the first triangle,
    // k once point k + 3 is in.
    bool hasRun() const { return phase() != Phase::Input; }
    // Whether each step is told now, for the sentence to stand beside the drawing as well.
    bool tellsEachStep() const { return eachStep && hasRun(); }
    int step() const;
    bool isPaused() const { return phase() == Phase::Paused; }
    int steps() const;
    // New points may replace the current ones before a run and after it, not during it.
    bool canReplacePoints() const { return phase() == Phase::Input || phase() == Phase::Finished; }

  private:
    enum class Phase { Input, Running, Paused, Finished };

    Phase phase() const;
    // Runs a handler that changes the run, then tells what it did.
    void follow(const std::function<void()>& act);
    void followStep();
    bool walkMade() const;
    // The tests of the step shown: those made so far inside it, all of them once it has ended.
    std::span<const WalkTest> walkShown() const;
    int stepTests() const;
    void observe();
    void reportShown();
    void replayAt(int target, int test);
    // The run's own steps only.
    void replayOwn(int target, int test);
    void pause();
    void resume();
    void askHeldQuestion();
    void showTest();
    void beginTracedRun();
    // Moves the traced run on, shows where it stands, and at its last step ends the run as the
    // window's own run ends: the finished picture and the question.
    void advanceTraced(void (TracedRun::*move)());
    void replayTraced(int target, int test);
    void finishTraced(bool held);
    void showTraced();
    void followCompared();
    // The run's own steps, and the one it shows, without those of a compared algorithm past them.
    int ownSteps() const;
    int ownStep() const;
    // The compared algorithm's steps after the run's own last one: it may need more, by tests or
    // by steps. None with a run of three points, which ends at its start.
    int extraSteps() const;
    // Whether the run stands past its own end, or at it, with compared steps still to come.
    bool goesBeyondEnd() const { return beyond >= 0 && beyond < extraSteps(); }
    // The run has made its own last step with its question held: the compared algorithm's
    // remaining steps follow, a tick or a Step Forward each, paused if it was.
    void goBeyondEnd(bool held);
    void stepBeyondEnd();
    // Runs what may end the run's own steps: with compared steps to come, its question waits.
    void mayEnd(const std::function<void()>& act);
    void showBeyondEnd(Phase now);
    // What a screen reader hears of a step: while another algorithm is compared, each side's
    // sentence with its name.
    std::string withCompared(const std::string& said) const;
    std::string statusLine(Phase now) const;
    std::string runLine(Phase now) const;
    Overlay overlayOf(const StepReport& step) const;
    const std::vector<Overlay::Number>& numberMarks();

    Fmhull& form;
    Modhull& points;
    Surface& drawingArea;
    Button& resetButton;
    TimerHold& timer;
    MessageWatch& watch;
    LessonView& view;

    bool eachStep = false;
    bool numbers = false;
    bool startsPaused = false;
    std::string note;
    bool observing = false;
    // A step to tell a screen reader, and whether at once: a tick of a running run waits its turn.
    bool stepToSay = false;
    bool sayAtOnce = true;
    bool silent = false;
    // The run begun last, worked out whole at its START.
    RunTrace trace;
    Algorithm chosen = Algorithm::Incremental;
    // The other algorithm's run, while one is under way.
    std::optional<TracedRun> traced;
    std::optional<Algorithm> comparing;
    bool bySteps = false;
    std::optional<ComparedRun> comparison;
    // -1 until the run has made its own last step with compared steps to come; then the compared
    // steps shown past it.
    int beyond = -1;
    std::optional<StepReport> report;
    std::vector<Overlay::Spot> numbered;
    std::vector<Overlay::Number> numberPlaces;
};
