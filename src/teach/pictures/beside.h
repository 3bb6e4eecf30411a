#pragma once

#include "form/area.h"
#include "form/layout.h"

#include <algorithm>

// On a window wider than its fixed layout (maximized on a projector) the step's sentence also
// stands right of the controls, next to the drawing, in large wrapped type, while each step is
// shown. Pixels of the layout.
namespace beside {

inline constexpr int Gap = 16;
inline constexpr int MinimumWidth = 240;
inline constexpr int FontPixels = 24;

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
// From the top of the drawing to the bottom of the controls under it.
inline constexpr int Top = layout::Pichull.top / area::TwipsPerPixel;
inline constexpr int Height = ControlsBottom - Top;

// The width the sentence has in a client area this wide; none when there is too little room.
inline int widthIn(int clientWidth) {
    const int room = clientWidth - Left - Gap;
    return room >= MinimumWidth ? room : 0;
}

} // namespace beside
