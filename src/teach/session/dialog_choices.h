#pragma once

// What the lecturer's dialogs offer, named once for every face.

#include <array>
#include <string_view>

struct ExportKind {
    std::string_view name;
    // Times the window's size; a drawing has no size of its own.
    int scale;
    std::string_view ending;
    // The plot of View > Cost of the Run rather than the drawing.
    bool cost = false;
    // The drawing and View > Compare With's side by side.
    bool sideBySide = false;
};

inline constexpr std::array<ExportKind, 7> ExportKinds{{
    {"PNG picture, the window's size", 1, ".png"},
    {"PNG picture, twice the size", 2, ".png"},
    {"PNG picture, four times the size", 4, ".png"},
    {"SVG drawing", 1, ".svg"},
    {"SVG drawing, both algorithms side by side", 1, ".svg", false, true},
    {"Cost of the Run, PNG picture", 2, ".png", true},
    {"Cost of the Run, SVG drawing", 1, ".svg", true},
}};
// Twice the size, what a slide most often wants.
inline constexpr int UsualExportKind = 1;

// Random Points' shapes, in the order of RandomShape.
inline constexpr std::array<std::string_view, 3> RandomShapeNames{
    "Spread over the drawing area", "In a disk", "On a circle: every point a corner"};
