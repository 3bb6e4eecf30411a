#include "form/fmhull.h"

void Fmhull::drawEdge(int16_t from, int16_t to) {
    ui.Pichull.line(mod.Xcoord(from), mod.Ycoord(from), mod.Xcoord(to), mod.Ycoord(to));
}

void Fmhull::Initialize() {
    ui.Pichull.setForeColor(Blue);
    drawEdge(1, 2);
    drawEdge(2, 3);
    drawEdge(3, 1);

    // The chain is always 1 -> 2 -> 3 -> 1; a clockwise triangle is mended by renumbering.
    if (mod.Orient(1, 2, 3) < 0)
        mod.Swappoint(2, 3);

    Hullcount = 3;
    Tested = 0;
    for (int16_t k = 1; k <= 2; ++k) {
        Edgefrom(k) = k;
        Edgeto(k) = static_cast<int16_t>(k + 1);
    }
    Edgefrom(3) = 3;
    Edgeto(3) = 1;
}
