#include "window/fmhull.h"

void Fmhull::Redraw() {
    Pichull.setDrawWidth(3);
    Pichull.setForeColor(Magenta);
    const int points = mod.Pointcount;
    for (int i = 1; i <= points; ++i)
        Pichull.dot(mod.Xcoord(i), mod.Ycoord(i));

    Pichull.setDrawWidth(1);
    Pichull.setForeColor(Blue);
    const int edges = Hullcount;
    for (int k = 1; k <= edges; ++k)
        drawEdge(Edgefrom(k), Edgeto(k));
}
