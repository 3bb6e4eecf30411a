#pragma once

// A lesson as the part of a page's address after the '#': the points in their numbering, the step
// a run stands at, the test inside it, and the views shown, e.g.
// v1;p=900,900,6900,1200,3000,5000;s=2;t=3;e=1;n=1;c=1;k=1;l=1;a=3;b=0.

#include "form/area.h"

#include <string>
#include <string_view>
#include <vector>

struct LessonLink {
    // In twips, fitted into the drawing area when they did not all lie in it.
    std::vector<area::Spot> points;
    bool fitted = false;
    // The step to open paused at, or none: the points only.
    int step = -1;
    // Inside that step, the test to stop at, from 1, or none: the step's end.
    int test = -1;
    bool eachStep = false;
    bool pointNumbers = false;
    // View > Show the Code, Cost of the Run and Point List.
    bool code = false;
    bool cost = false;
    bool pointList = false;
    // Run > Algorithm, in the order of its items; none for the incremental method.
    int algorithm = -1;
    // View > Compare With, in the order of Run > Algorithm's items; none for no comparison.
    int compared = -1;
    // Empty when the link was read; otherwise why not, in words about a link.
    std::string error;
};

// Reads a whole address or just its fragment, with or without the '#', its bytes escaped with %
// or not. Any text is either read or refused; a link of any length is read in one pass.
LessonLink readLink(std::string_view text);
std::string writeLink(const LessonLink& lesson);
