#pragma once

// The commands a front end offers beside the window's own controls, in the order of its menus.

#include <array>
#include <string_view>

enum class Command {
    OpenPoints,
    SavePointsAs,
    ExportPicture,
    Quit,
    UndoLastPoint,
    RandomPoints,
    PauseOrResume,
    StepForward,
    StepBack,
    RunAgain,
    StartPaused,
    ShowEachStep,
    ShowPointNumbers,
    KeyboardAndMouse,
    WhatTheMarksMean,
    About,
};

struct CommandEntry {
    Command command;
    // The menu it belongs to, with its access key marked by &.
    std::string_view menu;
    // Its text; "…" when the front end asks for something first (a file, a number).
    std::string_view text;
    // Keys as a person types them, "Ctrl+Shift+S"; none are keys that the speed bar or a button
    // takes, so they reach the window whichever control has the focus.
    std::array<std::string_view, 2> keys;
    bool checkable = false;
    bool separatorBefore = false;
};

// clang-format off
inline constexpr std::array<CommandEntry, 16> Commands{{
    {Command::OpenPoints,       "&File", "Open Points…",        {"Ctrl+O"}},
    // Not every desktop binds a key to Save As; Ctrl+Shift+S is the common one.
    {Command::SavePointsAs,     "&File", "Save Points As…",     {"Ctrl+Shift+S"}},
    {Command::ExportPicture,    "&File", "Export Picture…",     {}},
    {Command::Quit,             "&File", "Quit",                {"Ctrl+Q"}, false, true},
    // Backspace too, the key a lecturer tries first after a wrong click.
    {Command::UndoLastPoint,    "&Edit", "Undo Last Point",     {"Ctrl+Z", "Backspace"}},
    {Command::RandomPoints,     "&Edit", "Random Points…",      {}},
    {Command::PauseOrResume,    "&Run",  "Pause",               {"P", "Pause"}},
    {Command::StepForward,      "&Run",  "Step Forward",        {"."}},
    {Command::StepBack,         "&Run",  "Step Back",           {","}},
    {Command::RunAgain,         "&Run",  "Run Again",           {"Ctrl+R"}, false, true},
    {Command::StartPaused,      "&Run",  "Start Paused",        {"Ctrl+Shift+P"}, true, true},
    {Command::ShowEachStep,     "&View", "Show Each Step",      {"Ctrl+E"}, true},
    {Command::ShowPointNumbers, "&View", "Show Point Numbers",  {"N"}, true},
    {Command::KeyboardAndMouse, "&Help", "Keyboard and Mouse",  {"F1"}},
    {Command::WhatTheMarksMean, "&Help", "What the Marks Mean", {}},
    {Command::About,            "&Help", "About Convex Hull",   {}},
}};
// clang-format on

inline const CommandEntry& entryOf(Command command) {
    return Commands[static_cast<std::size_t>(command)];
}
