#pragma once

#include "teach/pictures/overlay.h"

#include <string>
#include <vector>

// A step's marks as every picture draws them, placed in pixels of the drawing area at its own
// size: a picture drawn larger scales them. Each is stroked with a pen marks::Pen wide.
struct MarkShape {
    enum Kind { Dashes, Square, Ring, Label, Line };
    Kind kind;
    Color color;
    // Dashes and a line run from (x, y) to (toX, toY). A square's top left corner is (x, y) and its
    // side size; a ring's centre is (x, y) and its radius size. A label's text stands on the
    // baseline at y and begins at x, or ends there when endsAtX.
    double x, y, toX = 0, toY = 0, size = 0;
    std::string text = {};
    bool endsAtX = false;

    bool operator==(const MarkShape&) const = default;
};

// The middle of the pixel that holds a position in twips.
double pixelCentre(float twips, double twipsPerPixel);

// A point's number as it stands beside its dot.
MarkShape numberLabel(const Overlay::Number& number, int value, double twipsPerPixel);

// The overlay's marks in the order they are drawn, later over earlier: the obsolete edges, the
// edge under test, the hull's corners, the points' numbers, the inserted point's ring.
std::vector<MarkShape> markShapes(const Overlay& overlay, double twipsPerPixel);
