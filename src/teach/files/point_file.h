#pragma once

#include "engine/modhull.h"
#include "form/area.h"

#include <string>
#include <string_view>
#include <vector>

// Points as plain text: one point a line, X then Y in twips of the drawing area (origin top left,
// Y down), separated by spaces, tabs or a comma; blank lines and lines that start with # are
// ignored. The common geometry format is read too: the dimension 2 on the first line, the number
// of points on the second, then the points (what qhull's rbox writes).
struct PointFile {
    std::vector<area::Spot> points;
    // The points did not all lie in the drawing area and were scaled and moved to fit it.
    bool fitted = false;
    // Empty when the file was read; otherwise what is wrong, and on which line.
    std::string error;
};

PointFile parsePoints(const std::string& text);

// Scales the points alike in both directions and moves them into the drawing area, keeping a
// margin, unless they all lie in it already; whether it moved them.
bool fitIntoArea(std::vector<area::Spot>& points);
// A piece of what the user gave, in quotes for a message: shortened when long, and any byte that
// is not printable ASCII shown as '?', so that a message never carries raw bytes.
std::string inQuotes(std::string_view text);
PointFile readPointFile(const std::string& path);

// The points in their numbering, in the first form, with a header line.
std::string formatPoints(const Modhull& points);
// An empty string when the file was written, otherwise why not.
std::string writePointFile(const std::string& path, const Modhull& points);
