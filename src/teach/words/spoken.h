#pragma once

// The run in words for a listener: where each point lies, which edges go and which come, and the
// hull in order, so that the picture can be rebuilt without seeing it.

#include "engine/modhull.h"
#include "teach/words/step_report.h"

#include <string>

// Where a point lies in the drawing area, by thirds: "upper left", "near the centre", ...
std::string placeOf(float x, float y);
// "point 12, upper left"
std::string pointInWords(const Modhull& points, int16_t point);
// What a step did, naming its points: "point 9, upper right, lies outside 2 edges: the edges
// from 3 to 5 and from 5 to 2 go; 9 joins 3 and 2. The hull has 6 corners."
std::string spokenStep(const Modhull& points, const StepReport& report);
// "The hull: points 1, 4, 7 and 2, counter-clockwise from point 1." Every point of the edge list
// is named, from its lowest-numbered one.
std::string hullInWords(const EdgeList& hull);
