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

inline constexpr int ControlsRight =
    std::max(
        {layout::Hsbspeed.left + layout::Hsbspeed.width, layout::Cmdend.left + layout::Cmdend.width,
         layout::Pichull.left + layout::Pichull.width, layout::Lblslow.left + layout::Lblslow.width,
         layout::Lblnote.left + layout::Lblnote.width, layout::Lbltext.left + layout::Lbltext.width,
         layout::Lblinstr.left + layout::Lblinstr.width}) /
    area::TwipsPerPixel;
inline constexpr int Left = ControlsRight + Gap;
inline constexpr int Top = layout::Pichull.top / area::TwipsPerPixel;
inline constexpr int Height = layout::Pichull.height / area::TwipsPerPixel;

// The width the sentence has in a client area this wide; none when there is too little room.
inline int widthIn(int clientWidth) {
    const int room = clientWidth - Left - Gap;
    return room >= MinimumWidth ? room : 0;
}

} // namespace beside
