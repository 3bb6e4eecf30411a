#include "engine/point_entry.h"
#include "engine/run_trace.h"
#include "form/fmhull.h"

void Fmhull::drawEdge(int16_t from, int16_t to) {
    ui.Pichull.line(mod.Xcoord(from), mod.Ycoord(from), mod.Xcoord(to), mod.Ycoord(to));
}

void Fmhull::Initialize() {
    ui.Pichull.setForeColor(Blue);
    drawEdge(1, 2);
    drawEdge(2, 3);
    drawEdge(3, 1);

    orderFirstTriangle(mod);

    Tested = 0;
    firstTriangle(Edgefrom, Edgeto, Hullcount);
}
