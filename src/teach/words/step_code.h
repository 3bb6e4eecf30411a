#pragma once

#include "form/fmhull.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The insertion step as a student reads it, in the order the window's walk makes its tests.
// clang-format off
inline constexpr std::array<std::string_view, 12> StepCode{
    "To insert point p:",
    "  side = p's side of the last edge",
    "  for each edge (a, b), in order round the hull:",
    "    before = side",
    "    side = p's side of the edge (a, b)",
    "    if side differs from before:",
    "      a new edge joins a and p",
    "    if p is inside (a, b) or on its line:",
    "      keep (a, b)",
    "    else:",
    "      erase (a, b): p sees it",
    "  the kept edges and the new ones make the hull",
};
// clang-format on

// The background of a lit line, 0xBBGGRR: a pale yellow.
inline constexpr Color LitLine = 0x80FFFF;

// Where a run's insertion step stands.
struct WalkState {
    // -1 before a run, 0 at the first triangle, k once point k + 3 is in or being inserted.
    int step = -1;
    int16_t point = 0;
    // Whether the step's walk has begun and not ended.
    bool inside = false;
    // The step's tests so far; all of them once it has ended.
    std::span<const WalkTest> tests = {};
    // How many tests the step makes: one more than the hull's edges before it.
    int stepTests = 0;
    // The tests of the run so far, from its first insertion.
    long runTests = 0;
};

// The code with the lines that the last test ran lit, and the walk's state in words.
struct CodeShown {
    std::vector<int> lit;
    std::vector<std::string> words;
};

CodeShown codeOf(const WalkState& walk);
