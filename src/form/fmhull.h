#pragma once

#include "engine/checked.h"
#include "engine/insertion_walk.h"
#include "engine/modhull.h"
#include "engine/run_trace.h"
#include "form/services.h"

#include <cstdint>
#include <string>
#include <vector>

// The one window's title, also the title of every message box.
inline const std::string Title = "Convex Hull";

inline constexpr Color Blue = 0xFF0000;
inline constexpr Color Magenta = 0xFF00FF;

// The controls of the window that the program drives.
struct Controls {
    Surface& Pichull;
    Button& Cmdstart;
    Button& Cmdreset;
    Label& Lblcount;
    Label& Lbltext;
    Label& Lblnote;
    ScrollBar& Hsbspeed;
    Timer& Tmrdelay;
    Desktop& desktop;
};

// The main window: the hull engine's operations and the event handlers over the point set, the
// hull's edge list and the step state.
class Fmhull {
  public:
    Fmhull(Modhull& points, const Controls& controls);

    // Hull engine.
    void Initialize();
    void Extend();
    void Redraw();

    // A tick's step as a walk that can stop after any orientation test: beginStep() does what the
    // tick does before the walk, each testNextEdge() plays the walk's next test, drawing what it
    // decides, and says whether another follows, and endStep() keeps the new edge list and arms
    // the timer or ends the run. Tmrdelay_Timer does all of them at once.
    void beginStep();
    bool testNextEdge();
    void endStep();
    // The test just made.
    WalkTest lastTest() const;
    // The picture, the hull and the controls as a straight run leaves them after `steps` steps of
    // the trace and `tests` tests into the next: drawn from the trace, by the same drawing calls
    // in the same order, the points drawn afresh in the run's numbering.
    void standAt(const RunTrace& trace, int steps, int tests);
    // Whether a step's walk has begun its tests and not ended.
    bool isWalking() const { return Tested > 0; }

    // Event handlers.
    void Form_Load();
    void Pichull_MouseDown(int Button, int Shift, float X, float Y);
    void Cmdstart_Click();
    void Tmrdelay_Timer();
    void Hsbspeed_Change();
    void Cmdreset_Click();
    void Cmdend_Click();
    void Showmessage();

    // The pause between steps at a position of the speed bar, and the first position that gives
    // a pause.
    static int32_t delayAt(int16_t position, int16_t maximum);
    static int16_t positionFor(int32_t milliseconds, int16_t maximum);

    // The current hull: edge k runs from point Edgefrom(k) to point Edgeto(k), k = 1..Hullcount,
    // counter-clockwise as seen on the screen.
    int16_t Hullcount = 0;
    BoundedArray<int16_t> Edgefrom;
    BoundedArray<int16_t> Edgeto;

    // The step in progress: the point being inserted and the new edge list being collected.
    int16_t Curpoint = 0;
    int16_t Newcount = 0;
    BoundedArray<int16_t> Newfrom;
    BoundedArray<int16_t> Newto;
    float Prevside = 0;
    float Curside = 0;
    // The tests made so far in this step's walk; 0 once it has ended.
    int16_t Tested = 0;

  private:
    void play(const WalkTest& test);
    // Arms the timer for the next step, or ends the run with the question.
    void finishStep();
    // Test k of the walk, from 0.
    const WalkTest& madeTest(int16_t k) const;
    void drawEdge(int16_t from, int16_t to);
    int32_t stepDelay() const;

    Modhull& mod;
    Controls ui;
    // A stepped walk, worked out at its first test.
    std::vector<WalkTest> walk;
};
