#pragma once

#include "engine/hull_algorithms.h"
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

// The other algorithms as a student reads them, each line where its trace's events are made.
// clang-format off
inline constexpr std::array<std::string_view, 9> GiftWrappingCode{
    "To wrap the hull from its least point p:",
    "  repeat until p is the least point again:",
    "    candidate = the first other point",
    "    for each other point q:",
    "      side = q's side of (p, candidate)",
    "      if q lies outside or further along:",
    "        candidate = q",
    "    take the edge (p, candidate)",
    "    p = candidate",
};
inline constexpr std::array<std::string_view, 8> MonotoneChainCode{
    "Sort the points by x, then by y.",
    "For each point p, along them and back:",
    "  while the chain ends in an edge (a, b):",
    "    side = p's side of (a, b)",
    "    if p is inside (a, b): stop",
    "    pop b: the edge (a, b) goes",
    "  push p: an edge from the last point to p",
    "The closed chain is the hull.",
};
inline constexpr std::array<std::string_view, 9> QuickhullCode{
    "l, g = the least and the greatest points",
    "split the others by the line (l, g)",
    "for each part outside an edge (a, b):",
    "  c = the point farthest outside (a, b)",
    "  for each other point q of the part:",
    "    side = q's side of (a, c), else (c, b)",
    "    if outside either: q joins that part",
    "  (a, c) and (c, b) replace the edge (a, b)",
    "a part with no points is a hull edge",
};
// clang-format on

inline std::span<const std::string_view> codeLinesOf(Algorithm algorithm) {
    switch (algorithm) {
    case Algorithm::GiftWrapping:
        return GiftWrappingCode;
    case Algorithm::MonotoneChain:
        return MonotoneChainCode;
    case Algorithm::Quickhull:
        return QuickhullCode;
    case Algorithm::Incremental:
        break;
    }
    return StepCode;
}

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
    // Whose code it is.
    Algorithm algorithm = Algorithm::Incremental;

    std::span<const std::string_view> lines() const { return codeLinesOf(algorithm); }
};

CodeShown codeOf(const WalkState& walk);
