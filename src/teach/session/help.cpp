#include "teach/session/help.h"

#include "teach/pictures/overlay.h"
#include "teach/session/commands.h"

namespace {

// A key as a person calls it: a lone mark by its name, for it is easily overlooked.
std::string keyName(std::string_view key) {
    if (key == ".")
        return "Full stop (.)";
    if (key == ",")
        return "Comma (,)";
    return std::string(key);
}

} // namespace

std::string keyboardAndMouseHelp(Face face) {
    std::string text = "Mouse\n"
                       "Click in the yellow drawing area: add a point (any button, at most 500).\n";
    if (face == Face::Page)
        text += "On a touch screen, tap it: a tap without movement adds a point; a pinch or a "
                "drag moves the view.\n";
    text += "Click START, RESET or END: start a run, clear the drawing, quit.\n"
            "Drag or click the speed bar: a shorter or longer pause between steps.\n"
            "Drag or click the timeline (View > Timeline): show any step at once.\n"
            "\n"
            "Keyboard\n"
            "Tab, Shift+Tab: move the focus between the drawing area, the buttons, the speed bar "
            "and the timeline.\n"
            "Space, Enter, Return: press the button that has the focus.\n"
            "Left, Up, Page Up: faster. Right, Down, Page Down: slower. Home, End: either end.\n"
            "On the timeline: Left, Right, Home, End: a step back or on, the first or the last. "
            "Shift+Left, Shift+Right: one orientation test back or on.\n";
    for (const CommandEntry& entry : Commands) {
        std::string keys;
        for (std::string_view key : entry.keys)
            if (!key.empty())
                keys += (keys.empty() ? "" : " or ") + keyName(key);
        if (keys.empty())
            continue;
        std::string name = entry.group.empty() ? std::string(entry.text)
                                               : std::string(entry.group) + ": " + std::string(entry.text);
        if (name.ends_with("…"))
            name.resize(name.size() - std::string_view("…").size());
        text += keys + ": " + name + '\n';
    }
    if (face == Face::Page)
        return text + "\n"
                      "In a lecture hall, zoom the browser (Ctrl and +) to show the whole page "
                      "larger; it fills the screen as it opens.";
    return text + "\n"
                  "In a lecture hall, start the program with --zoom to show the whole window "
                  "larger and crisp, for instance convex-hull --zoom 1.75 on a 1920 x 1080 "
                  "projector, --zoom 3.5 on a 4K screen.";
}

std::array<MarkMeaning, 5> marksLegend() {
    return {{{marks::Inserted, "Orange ring",
              "the point this step inserts; with another algorithm, the point just tested."},
             {marks::Obsolete, "Red dashes",
              "the edges the new point sees from outside; they "
              "are gone after this step."},
             {marks::Corner, "Dark blue squares",
              "the points on the hull as it stands, or on the edges another algorithm holds."},
             {marks::Number, "Numbers",
              "with View > Show Point Numbers, each point's number, "
              "as the sentences and saved files use it."},
             {marks::Tested, "Green line", "with Run > Step Into, the edge just tested."}}};
}

std::string algorithmIdea() {
    return "The incremental algorithm takes the points one at a time and keeps the hull of those "
           "taken so far. It starts with the triangle of the first three points. A point inside "
           "the hull, or on its boundary, changes nothing. A point outside sees some of the hull's "
           "edges from outside: those edges go, and two new edges join the point to the two ends "
           "of the chain that remains. After the last point the hull is that of all the points. "
           "Run > Algorithm shows three other ways to the same hull: gift wrapping walks round it "
           "an edge at a time, the monotone chain sorts the points and keeps every turn "
           "counter-clockwise, and quickhull splits the points at the one farthest out. "
           "View > Compare With draws a second of them beside the first, after as many tests.";
}

std::string pointFileFormat() {
    return "A point file is plain text, one point a line: X, then Y, in twips of the drawing area "
           "(15 to a pixel; X from 0 to 7860 left to right, Y from 0 to 7020 top to bottom), "
           "separated by spaces, tabs or a comma. Blank lines and lines that start with # are "
           "ignored. Save Points As writes the points in their numbering, with a header line.\n"
           "The format qhull's rbox writes is read as well: the dimension 2 on the first line, "
           "the number of points on the second, then the points. Points that do not all lie in "
           "the drawing area are scaled and moved to fit it, and the program says so.\n"
           "A file that cannot be read is refused with the line and the reason, and the points "
           "in the window stay as they were.";
}

std::string aboutText(const std::string& version) {
    return "Convex Hull " + version +
           "\n\nWatch the incremental convex hull algorithm at work: click up to 500 points, press "
           "START, and follow the hull as it grows one point per step.";
}
