#pragma once

// The drawing surface and the message boxes of a page; its other controls are the session's, which
// only keep their state. The page shows them after every event.

#include "form/area.h"
#include "form/layout.h"
#include "form/services.h"
#include "teach/pictures/drawing_log.h"
#include "teach/pictures/raster.h"

#include <string>

// The drawing surface: a picture in memory, `scale` pixels to a layout pixel, that the page
// copies to its canvas in the frame after its revision has changed. Larger than its own size, its lines
// grow with it, as a zoomed desktop draws them.
class WebSurface : public CallSurface {
  public:
    static constexpr Color BackColor = *layout::Pichull.color;

    Color backColor() const override { return BackColor; }
    // The picture at another scale, drawn afresh from what has been drawn.
    void drawAt(int newScale, const std::vector<DrawCall>& drawn) {
        scale = newScale;
        picture = rasterize(drawn, area::WidthPixels, area::HeightPixels, area::TwipsPerPixel,
                            scale, BackColor, true);
    }

    Raster picture{area::WidthPixels, area::HeightPixels, BackColor};
    int scale = 1;

  private:
    // Drawn as a picture drawn afresh at that size, so that the two agree pixel for pixel.
    void take(const DrawCall& call) override {
        draw(picture, call, area::TwipsPerPixel, scale, true);
    }
};

// The page shows a message box and the end of the program from the session's screen, and hands
// the answer back to the session.
class WebDesktop : public Desktop {
  public:
    void messageBox(const std::string&, int, const std::string&, Answered) override {}
    void end(int) override {}
};
