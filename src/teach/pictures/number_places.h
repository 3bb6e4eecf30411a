#pragma once

#include "teach/pictures/overlay.h"

#include <vector>

// Where each point's number goes, in the points' order: always inside the area and never over a
// number placed before it. Up and right of its dot where that is free, else on another side, else
// the nearest free place within a few digits of the dot; and where none is free, the nearest place
// inside the area. A place that covers no dot comes before one that does.
std::vector<Overlay::Number> placeNumbers(const std::vector<Overlay::Spot>& points);
