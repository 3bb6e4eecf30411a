#include "engine/modhull.h"

#include "engine/orientation.h"

float Modhull::Orient(int16_t a, int16_t b, int16_t c) const {
    const float xa = Xcoord(a), ya = Ycoord(a);
    const float xb = Xcoord(b), yb = Ycoord(b);
    const float xc = Xcoord(c), yc = Ycoord(c);
    return orientation(xa, ya, xb, yb, xc, yc);
}

void Modhull::Swappoint(int16_t a, int16_t b) {
    const float keptX = Xcoord(a);
    const float keptY = Ycoord(a);
    Xcoord(a) = Xcoord(b);
    Ycoord(a) = Ycoord(b);
    Xcoord(b) = keptX;
    Ycoord(b) = keptY;
}
