#pragma once

#include "teach/pictures/overlay.h"

#include <vector>

// Where each point's number goes: up and right of its dot, or on another side of it where that
// covers fewer of the numbers placed before it, of the dots, and of the area's edge.
std::vector<Overlay::Number> placeNumbers(const std::vector<Overlay::Spot>& points);
