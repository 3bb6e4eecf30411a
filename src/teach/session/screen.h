#pragma once

#include "teach/pictures/drawing_log.h"
#include "teach/pictures/mark_shapes.h"
#include "teach/run/point_list.h"
#include "teach/run/run_cost.h"
#include "teach/session/commands.h"
#include "teach/words/step_code.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class JsonWriter;

// A command as the menus show it now.
struct CommandShown {
    const CommandEntry* entry;
    // Pause reads Resume while paused.
    std::string_view text;
    bool enabled = false;
    bool checked = false;
    // Why it cannot act yet, where that needs saying.
    std::string_view why;
};

struct CostShown {
    // The run's cost and those of the random sets of its size.
    CostCurves curves;
    // The totals, for those who cannot see the plot.
    std::string words;
};

// Where the run stands among its steps, and inside a step among its tests; 0 steps before a run.
struct TimelineShown {
    int steps = 0, step = 0;
    // Inside a step, the test it stands at, from 1, and the step's tests; 0 and 0 at a step's end.
    int test = 0, tests = 0;
    // "step 5 of 12", "step 5 of 12, test 3 of 6"; a screen reader says the slider's value so.
    std::string words;
};

// View > Compare With: the second drawing, of the same points by another algorithm.
struct ComparedShown {
    std::string title;
    // Which run it stands beside, and how they are stepped together.
    std::string sides;
    std::string sentence;
    // The picture's revision, as the main picture's, and its drawing calls.
    int picture = 0;
    std::shared_ptr<const std::vector<DrawCall>> calls;
    std::vector<MarkShape> marks;
};

// A message box waiting for its answer.
struct QuestionShown {
    std::string title, prompt;
    int style = 0;
};

// The window's controls that only keep their state, as they stand.
struct ControlsShown {
    bool startEnabled = false, startDefault = false, resetEnabled = false;
    // The count of points, the instructions and the note.
    std::string count, text, note;
};

// What both faces show of the program beside its picture, its timer and its speed bar, as it
// stands.
struct ShownScreen {
    ControlsShown controls;
    std::string status;
    // The step the picture shows: 0 for the first triangle, -1 before a run.
    int step = -1;
    // Whether the step's sentence also stands beside the drawing.
    bool tellsEachStep = false;
    // Whether a run is going on, neither paused nor over.
    bool running = false;
    // The picture's revision: it has changed since a face showed it when this has.
    int picture = 0;
    std::vector<MarkShape> marks;
    std::vector<CommandShown> commands = {};
    // The rows of View > Point List, when it is on.
    std::optional<std::vector<PointRow>> pointList = {};
    // The insertion step's code as View > Show the Code shows it, when it is on.
    std::optional<CodeShown> code = {};
    // View > Cost of the Run, when it is on: the size of the sets, and the run's cost so far,
    // whose plot a face draws when they change.
    std::optional<CostShown> cost = {};
    // View > Timeline, when it is on.
    std::optional<TimelineShown> timeline = {};
    std::optional<ComparedShown> compared = {};
    std::optional<QuestionShown> question = {};
    bool ended = false;
};

// The screen's fields, written into the object the writer has open.
void writeScreen(JsonWriter& json, const ShownScreen& screen);
