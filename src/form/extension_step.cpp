#include "form/fmhull.h"

// Orientation of the current point against edge k, with "on the line" counted as inside.
float Fmhull::sideValue(int16_t edge) const {
    const float side = mod.Orient(Edgefrom(edge), Edgeto(edge), Curpoint);
    return side == 0.0f ? 1.0f : side;
}

void Fmhull::Extend() {
    Newcount = 0;
    const int walked = Hullcount;
    for (int j = 1; j <= walked; ++j) {
        Prevside = j == 1 ? sideValue(Hullcount) : Curside;
        Curside = sideValue(static_cast<int16_t>(j));

        // The product of two singles is exact in double: its sign is tested there, so that two
        // tiny side values of opposite sign cannot round to a product of 0.
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
    }

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
