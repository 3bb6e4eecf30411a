#pragma once

#include "form/services.h"

#include <array>
#include <string>
#include <string_view>

// What Help > Keyboard and Mouse says: the mouse, the keys of the window's controls and every
// command's keys, as the menus show them, and how to show it all larger: the window's --zoom, or
// the page's browser zoom.
enum class Face { Window, Page };
std::string keyboardAndMouseHelp(Face face = Face::Window);

// What Help > What the Marks Mean says: each mark that Show Each Step draws, in its colour, and
// the idea of the algorithm.
struct MarkMeaning {
    Color color;
    std::string_view mark;
    std::string_view meaning;
};
std::array<MarkMeaning, 5> marksLegend();
std::string algorithmIdea();

// How a point file is written, as the manual page tells it.
std::string pointFileFormat();

// What Help > About Convex Hull says.
std::string aboutText(const std::string& version);
