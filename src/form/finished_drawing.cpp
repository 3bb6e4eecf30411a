#include "form/fmhull.h"

void Fmhull::Redraw() {
    ui.Pichull.setDrawWidth(3);
    ui.Pichull.setForeColor(Magenta);
    const int points = mod.Pointcount;
    for (int i = 1; i <= points; ++i)
        ui.Pichull.dot(mod.Xcoord(i), mod.Ycoord(i));

    ui.Pichull.setDrawWidth(1);
    ui.Pichull.setForeColor(Blue);
    const int edges = Hullcount;
    for (int k = 1; k <= edges; ++k)
        drawEdge(Edgefrom(k), Edgeto(k));
}
