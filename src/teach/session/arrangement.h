#pragma once

#include "form/area.h"
#include "form/layout.h"

#include <algorithm>

// Where the parts that follow a run stand in a client area larger than the window's fixed layout
// (maximized, or on a projector): the step's sentence in large type right of the controls, next
// to the drawing, and under it the panels, down to the foot of the client. Worked out once for
// both faces, in pixels of the layout, from the client's size, the panels open and the height
// their text takes as each face sets it.
namespace beside {

inline constexpr int Gap = 16;
inline constexpr int MinimumWidth = 240;
inline constexpr int FontPixels = 24;
// Between two panels of the column.
inline constexpr int PanelGap = 6;
inline constexpr int TimelineHeight = 28;
inline constexpr int TimelineGap = 6;
// The code's own type, and the least a reader can read from a seat, in screen pixels.
inline constexpr int CodePixels = 13;
inline constexpr int LeastPixels = 12;
// The least height of a panel that shares the column: a few rows of the list, a readable plot
// with its words.
inline constexpr int LeastListHeight = 90;
inline constexpr int LeastCostHeight = 220;
// The compared drawing's title over it and its sentence under it.
inline constexpr int ComparedTitleHeight = 22;
inline constexpr int ComparedWordsHeight = 64;
// The least height of its picture: smaller, the panels give way and scroll.
inline constexpr int LeastComparedHeight = 120;

inline constexpr int ControlsRight = [] {
    int right = 0;
    for (const ControlLayout* control : layout::Placed)
        right = std::max(right, control->left + control->width);
    return right / area::TwipsPerPixel;
}();
inline constexpr int ControlsBottom = [] {
    int bottom = 0;
    for (const ControlLayout* control : layout::Placed)
        bottom = std::max(bottom, control->top + control->height);
    return bottom / area::TwipsPerPixel;
}();
inline constexpr int Left = ControlsRight + Gap;
// From the top of the drawing down.
inline constexpr int Top = layout::Pichull.top / area::TwipsPerPixel;

// The width the column has in a client area this wide; none when there is too little room.
inline int widthIn(int clientWidth) {
    const int room = clientWidth - Left - Gap;
    return room >= MinimumWidth ? room : 0;
}

} // namespace beside

struct Box {
    int left = 0, top = 0, width = 0, height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
};

// The client area and what stands in it besides the fixed controls.
struct Room {
    int width = 0, height = 0;
    // The fewest pixels of the layout that still show type at least 12 pixels high on the screen.
    int leastType = beside::LeastPixels;
    bool told = false, pointList = false, code = false, cost = false, timeline = false;
    bool compared = false;
};

// The heights the text takes at the column's width, in the type the arrangement gives, as a face
// measured them; 0 before it has.
struct TextHeights {
    int sentence = 0, code = 0;
};

struct Arrangement {
    // Whether the sentence and the panels stand right of the controls; where the client is too
    // narrow, a face shows the panels apart.
    bool beside = false;
    // Each empty where it is not shown.
    Box sentence, pointList, code, cost, timeline;
    // View > Compare With at the top of the column, beside the drawing: its title, its picture in
    // the drawing's proportions, and its sentence under it; the picture's place within the client.
    Box compared, comparedPicture;
    int sentencePixels = beside::FontPixels;
    // The code's type: its own size, or smaller so that its lines stand whole in the column,
    // never under the least type; narrower still, it keeps that type and scrolls sideways.
    int codePixels = beside::CodePixels;
    bool codeScrollsSideways = false;
};

Arrangement arrange(const Room& room, const TextHeights& text = {});

// How wide the code's lines stand at this type, with their panel's padding.
int codeWidthAt(int pixels);
