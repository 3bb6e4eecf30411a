#pragma once

// The commands a front end offers beside the window's own controls, in the order of its menus.

#include <array>
#include <string_view>

enum class Command {
    OpenPoints,
    OpenLessonLink,
    SavePointsAs,
    ExportPicture,
    CopyLink,
    Quit,
    UndoLastPoint,
    RandomPoints,
    AddPoint,
    PauseOrResume,
    StepForward,
    StepInto,
    StepBack,
    RunAgain,
    StartPaused,
    ReadTheHull,
    AlgorithmIncremental,
    AlgorithmGiftWrapping,
    AlgorithmMonotoneChain,
    AlgorithmQuickhull,
    ShowEachStep,
    ShowPointNumbers,
    ShowPointList,
    ShowTheCode,
    ShowCostOfRun,
    ShowTimeline,
    CompareWithNone,
    CompareWithIncremental,
    CompareWithGiftWrapping,
    CompareWithMonotoneChain,
    CompareWithQuickhull,
    CompareBySteps,
    KeyboardAndMouse,
    WhatTheMarksMean,
    About,
};

struct CommandEntry {
    Command command;
    // How a front end that is not built from this table names the command: never changes, so that
    // a command inserted into the table cannot take another's place.
    std::string_view id;
    // The menu it belongs to, with its access key marked by &.
    std::string_view menu;
    // Its text; "…" when the front end asks for something first (a file, a number).
    std::string_view text;
    // Keys as a person types them, "Ctrl+Shift+S"; none are keys that the speed bar or a button
    // takes, so they reach the window whichever control has the focus.
    std::array<std::string_view, 2> keys;
    bool checkable = false;
    bool separatorBefore = false;
    // Carried out by the front end: it asks for what it needs first (a file, a number) and hands
    // it to the session's own member, or it only shows something. The session's perform() leaves
    // these alone.
    bool byFace = false;
    // Items of one named group are radio items: choosing one clears the others.
    std::string_view group = {};
};

// The table's last column, by name.
inline constexpr bool ByFace = true;

// clang-format off
inline constexpr std::array<CommandEntry, 35> Commands{{
    {Command::OpenPoints,       "open-points",        "&File", "Open Points…",        {"Ctrl+O"}, false, false, ByFace},
    // A whole address or its part from #v1 on, pasted in.
    {Command::OpenLessonLink,   "open-lesson-link",   "&File", "Open Lesson Link…",   {}, false, false, ByFace},
    // Not every desktop binds a key to Save As; Ctrl+Shift+S is the common one.
    {Command::SavePointsAs,     "save-points-as",     "&File", "Save Points As…",     {"Ctrl+Shift+S"}, false, false, ByFace},
    {Command::ExportPicture,    "export-picture",     "&File", "Export Picture…",     {}, false, false, ByFace},
    // The points, the step and the views, to open on another screen: a lecturer's notes, a student's phone.
    {Command::CopyLink,         "copy-link",          "&File", "Copy Link to This Step", {}, false, false, ByFace},
    {Command::Quit,             "quit",               "&File", "Quit",                {"Ctrl+Q"}, false, true},
    // Backspace too, the key a lecturer tries first after a wrong click.
    {Command::UndoLastPoint,    "undo-last-point",    "&Edit", "Undo Last Point",     {"Ctrl+Z", "Backspace"}},
    {Command::RandomPoints,     "random-points",      "&Edit", "Random Points…",      {}, false, false, ByFace},
    // A point by its coordinates, for those who cannot aim a mouse.
    {Command::AddPoint,         "add-point",          "&Edit", "Add Point…",          {"A"}, false, false, ByFace},
    {Command::PauseOrResume,    "pause-or-resume",    "&Run",  "Pause",               {"P", "Pause"}},
    {Command::StepForward,      "step-forward",       "&Run",  "Step Forward",        {"."}},
    // Inside a step, one orientation test at a time.
    {Command::StepInto,         "step-into",          "&Run",  "Step Into",           {"I"}},
    {Command::StepBack,         "step-back",          "&Run",  "Step Back",           {","}},
    {Command::RunAgain,         "run-again",          "&Run",  "Run Again",           {"Ctrl+R"}, false, true},
    {Command::StartPaused,      "start-paused",       "&Run",  "Start Paused",        {"Ctrl+Shift+P"}, true, true},
    {Command::ReadTheHull,      "read-the-hull",      "&Run",  "Read the Hull",       {"H"}, false, true},
    // What START runs: the same points, the same exact tests, another way round the hull.
    {Command::AlgorithmIncremental,   "algorithm-incremental",    "&Run", "Incremental",    {"1"}, true, true, false, "Algorithm"},
    {Command::AlgorithmGiftWrapping,  "algorithm-gift-wrapping",  "&Run", "Gift Wrapping",  {"2"}, true, false, false, "Algorithm"},
    {Command::AlgorithmMonotoneChain, "algorithm-monotone-chain", "&Run", "Monotone Chain", {"3"}, true, false, false, "Algorithm"},
    {Command::AlgorithmQuickhull,     "algorithm-quickhull",      "&Run", "Quickhull",      {"4"}, true, false, false, "Algorithm"},
    {Command::ShowEachStep,     "show-each-step",     "&View", "Show Each Step",      {"Ctrl+E"}, true},
    {Command::ShowPointNumbers, "show-point-numbers", "&View", "Show Point Numbers",  {"N"}, true},
    // Every point, where it lies and where it stands in the run, as a table to read row by row.
    {Command::ShowPointList,    "show-point-list",    "&View", "Point List",          {"L"}, true},
    // The insertion step as code, its running line lit, and the walk's state in words.
    {Command::ShowTheCode,      "show-the-code",      "&View", "Show the Code",       {"C"}, true},
    // The run's orientation tests against random sets of its size: why a circle costs most.
    {Command::ShowCostOfRun,    "cost-of-the-run",    "&View", "Cost of the Run",     {"K"}, true},
    // Under the drawing, a scrubber over the run's steps: any step at once.
    {Command::ShowTimeline,     "timeline",           "&View", "Timeline",            {"T"}, true},
    // A second drawing of the same points run by another algorithm, stepped with the first.
    {Command::CompareWithNone,          "compare-with-none",           "&View", "None",           {"0"}, true, true, false, "Compare With"},
    {Command::CompareWithIncremental,   "compare-with-incremental",    "&View", "Incremental",    {}, true, false, false, "Compare With"},
    {Command::CompareWithGiftWrapping,  "compare-with-gift-wrapping",  "&View", "Gift Wrapping",  {}, true, false, false, "Compare With"},
    {Command::CompareWithMonotoneChain, "compare-with-monotone-chain", "&View", "Monotone Chain", {}, true, false, false, "Compare With"},
    {Command::CompareWithQuickhull,     "compare-with-quickhull",      "&View", "Quickhull",      {}, true, false, false, "Compare With"},
    // Off, the two stand after as many orientation tests; on, after as many of their own steps.
    {Command::CompareBySteps,   "compare-by-steps",   "&View", "Compare by Steps",    {"B"}, true},
    {Command::KeyboardAndMouse, "keyboard-and-mouse", "&Help", "Keyboard and Mouse",  {"F1"}, false, false, ByFace},
    {Command::WhatTheMarksMean, "what-the-marks-mean","&Help", "What the Marks Mean", {}, false, false, ByFace},
    {Command::About,            "about",              "&Help", "About Convex Hull",   {}, false, false, ByFace},
}};
// clang-format on

// The command of that id, or none.
inline const CommandEntry* entryWithId(std::string_view id) {
    for (const CommandEntry& entry : Commands)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

inline const CommandEntry& entryOf(Command command) {
    return Commands[static_cast<std::size_t>(command)];
}

// The algorithm a Run > Algorithm item chooses, from 0 in the table's order.
inline int algorithmChosenBy(Command command) {
    return static_cast<int>(command) - static_cast<int>(Command::AlgorithmIncremental);
}
inline bool choosesAlgorithm(Command command) {
    const int chosen = algorithmChosenBy(command);
    return chosen >= 0 && chosen < 4;
}
// The algorithm a View > Compare With item compares with, from 0 in the table's order; -1 for none.
inline int algorithmComparedBy(Command command) {
    return static_cast<int>(command) - static_cast<int>(Command::CompareWithIncremental);
}
inline bool choosesCompared(Command command) {
    const int compared = algorithmComparedBy(command);
    return compared >= -1 && compared < 4;
}
