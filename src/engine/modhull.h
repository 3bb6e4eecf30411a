#pragma once

#include "engine/checked.h"

#include <cstdint>

// The points the user has entered, in twips of the drawing surface (Y grows downward). Points are
// numbered from 1; slot 0 exists and is never written.
class Modhull {
  public:
    static constexpr int16_t Maxpoints = 500;

    BoundedArray<float> Xcoord;
    BoundedArray<float> Ycoord;
    int16_t Pointcount = 0;

    // Positive when points a, b, c turn counter-clockwise as seen on the screen, negative when
    // clockwise, exactly 0 when they are collinear or two of them coincide.
    float Orient(int16_t a, int16_t b, int16_t c) const;

    // Exchanges the coordinates of points a and b.
    void Swappoint(int16_t a, int16_t b);
};
