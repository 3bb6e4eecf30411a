#include "form/fmhull.h"

// Orientation of the current point against edge k, with "on the line" counted as inside.
float Fmhull::sideValue(int16_t edge) const {
    const float side = mod.Orient(Edgefrom(edge), Edgeto(edge), Curpoint);
    return side == 0.0f ? 1.0f : side;
}

void Fmhull::Extend() {
    Tested = 0;
    while (testNextEdge()) {
    }
    endStep();
}

// The first test gives the side of the last edge, the side before edge 1; test j tests edge j.
bool Fmhull::testNextEdge() {
    if (Tested == 0) {
        Newcount = 0;
        Curside = sideValue(Hullcount);
        Tested = 1;
        return true;
    }
    const int16_t j = Tested;
    Prevside = Curside;
    Curside = sideValue(j);

    // The product of two singles is exact in double: its sign is tested there, so that two tiny
    // side values of opposite sign cannot round to a product of 0.
    const double product = checkedDouble(static_cast<double>(Prevside) * Curside);
    if (product < 0) {
        increment(Newcount);
        if (Prevside < 0) {
            Newfrom(Newcount) = Curpoint;
            Newto(Newcount) = Edgefrom(j);
        } else {
            Newfrom(Newcount) = Edgefrom(j);
            Newto(Newcount) = Curpoint;
        }
        ui.Pichull.setForeColor(Blue);
        drawEdge(Newfrom(Newcount), Newto(Newcount));
    }

    if (Curside > 0) {
        increment(Newcount);
        Newfrom(Newcount) = Edgefrom(j);
        Newto(Newcount) = Edgeto(j);
    } else {
        ui.Pichull.setForeColor(ui.Pichull.backColor());
        drawEdge(Edgefrom(j), Edgeto(j));
    }
    Tested = static_cast<int16_t>(j + 1);
    return j < Hullcount;
}

WalkTest Fmhull::lastTest() const {
    const bool wrapAround = Tested == 1;
    const int16_t edge = wrapAround ? Hullcount : static_cast<int16_t>(Tested - 1);
    WalkTest test{edge, Edgefrom(edge), Edgeto(edge), wrapAround, Curside, 0, 0, Curside > 0};
    if (!wrapAround && static_cast<double>(Prevside) * Curside < 0) {
        const int16_t added = static_cast<int16_t>(Newcount - (test.kept ? 1 : 0));
        test.newFrom = Newfrom(added);
        test.newTo = Newto(added);
    }
    return test;
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
