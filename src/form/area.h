#pragma once

// The drawing area inside the surface's sunken border, as the layout makes it at 96 DPI. Points
// are twips of this area, origin top left, Y down.

#include "form/layout.h"

namespace area {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int BorderPixels = 2;
inline constexpr int WidthPixels = layout::Pichull.width / TwipsPerPixel - 2 * BorderPixels;
inline constexpr int HeightPixels = layout::Pichull.height / TwipsPerPixel - 2 * BorderPixels;

// A point lies in the area up to the top left corner of its last pixel column and row.
inline constexpr float MaxX = (WidthPixels - 1) * TwipsPerPixel;
inline constexpr float MaxY = (HeightPixels - 1) * TwipsPerPixel;
static_assert(MaxX == 7860 && MaxY == 7020);

// A place in the area, in twips.
struct Spot {
    float x, y;
    bool operator==(const Spot&) const = default;
};

// Written as "inside" so that a position that is not a number is refused as well.
inline bool contains(float x, float y) {
    return x >= 0 && x <= MaxX && y >= 0 && y <= MaxY;
}

} // namespace area
