#pragma once

// Every point with its place and where it stands in the run, for a table that a screen reader
// reads row by row.

#include "engine/modhull.h"
#include "form/fmhull.h"
#include "teach/words/step_report.h"

#include <string>
#include <string_view>
#include <vector>

struct PointRow {
    int16_t number;
    // In twips, as a point file writes them.
    std::string x, y;
    // "corner", "on a side", "inside" or "not yet inserted".
    std::string_view standing;
};

// The hull is the form's edge list over the first `inserted` points; the others are not yet in.
std::vector<PointRow> pointList(const Modhull& points, const Fmhull& form, int inserted);

// Another algorithm's run: the points its edges join so far stand "on the hull so far", the
// others are "not yet decided"; once it has found all its corners, each point stands as on the
// incremental method's hull.
std::vector<PointRow> pointList(const Modhull& points, const EdgeList& held,
                                const std::vector<int16_t>& corners, bool ended);
