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
    if (test.wrapAround) {
        Curside = test.side;
        return;
    }
    Prevside = Curside;
    Curside = test.side;
    if (test.newFrom != 0) {
        increment(Newcount);
        Newfrom(Newcount) = test.newFrom;
        Newto(Newcount) = test.newTo;
        ui.Pichull.setForeColor(Blue);
        drawEdge(test.newFrom, test.newTo);
    }
    if (test.kept) {
        increment(Newcount);
        Newfrom(Newcount) = test.from;
        Newto(Newcount) = test.to;
    } else {
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
    for (int k = 1; k <= Newcount; ++k) {
        Edgefrom(k) = Newfrom(k);
        Edgeto(k) = Newto(k);
    }

    if (Curpoint == mod.Pointcount) {
        Redraw();
        Showmessage();
    } else {
        ui.Tmrdelay.setEnabled(true);
    }
}
