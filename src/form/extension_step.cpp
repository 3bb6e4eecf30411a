#include "form/fmhull.h"

void Fmhull::Extend() {
    Newcount = 0;
    walkToInsert(mod, {Edgefrom, Edgeto, Hullcount}, Curpoint,
                 [this](const WalkTest& test) { play(test); });
    endStep();
}

// Stepped, the walk is worked out whole at the first test, the wrap-around test of the last edge,
// which gives the side before edge 1; test j + 1 tests edge j.
bool Fmhull::testNextEdge() {
    if (Tested == 0) {
        walk = walkToInsert(mod, {Edgefrom, Edgeto, Hullcount}, Curpoint);
        Newcount = 0;
    }
    play(madeTest(Tested));
    increment(Tested);
    return static_cast<std::size_t>(Tested) < walk.size();
}

// A new edge where the side changes is drawn before the edge tested is kept or erased.
void Fmhull::play(const WalkTest& test) {
    if (!test.wrapAround)
        Prevside = Curside;
    Curside = test.side;
    keepEdges(test, [this](int16_t from, int16_t to, bool isNew) {
        increment(Newcount);
        Newfrom(Newcount) = from;
        Newto(Newcount) = to;
        if (isNew) {
            ui.Pichull.setForeColor(Blue);
            drawEdge(from, to);
        }
    });
    if (!test.wrapAround && !test.kept) {
        ui.Pichull.setForeColor(ui.Pichull.backColor());
        drawEdge(test.from, test.to);
    }
}

WalkTest Fmhull::lastTest() const {
    return madeTest(static_cast<int16_t>(Tested - 1));
}

const WalkTest& Fmhull::madeTest(int16_t k) const {
    if (k < 0 || static_cast<std::size_t>(k) >= walk.size()) [[unlikely]]
        raise(RuntimeError::Kind::SubscriptOutOfRange);
    return walk[static_cast<std::size_t>(k)];
}

void Fmhull::endStep() {
    Tested = 0;
    Hullcount = Newcount;
    Edgefrom.copyFrom(Newfrom, Newcount);
    Edgeto.copyFrom(Newto, Newcount);
    finishStep();
}

// The first triangle of three points is the whole hull as drawn; a longer run draws it again.
void Fmhull::finishStep() {
    if (Curpoint < mod.Pointcount) {
        ui.Tmrdelay.setEnabled(true);
        return;
    }
    if (Curpoint > 3)
        Redraw();
    Showmessage();
}

void Fmhull::standAt(const RunTrace& trace, int steps, int tests) {
    ui.Tmrdelay.setEnabled(false);
    ui.Pichull.clear();
    ui.Pichull.setDrawWidth(3);
    ui.Pichull.setForeColor(Magenta);
    for (int16_t i = 1; i <= mod.Pointcount; ++i)
        ui.Pichull.dot(mod.Xcoord(i), mod.Ycoord(i));
    ui.Pichull.setDrawWidth(1);
    Initialize();
    Curpoint = 3;
    if (steps == 0 && tests == 0)
        finishStep();
    for (int step = 1; step <= steps; ++step) {
        beginStep();
        Newcount = 0;
        for (const WalkTest& test : trace.walkOf(step))
            play(test);
        endStep();
    }
    if (tests == 0)
        return;
    beginStep();
    walk = trace.walkOf(steps + 1);
    Newcount = 0;
    for (; Tested < tests; increment(Tested))
        play(madeTest(Tested));
}
