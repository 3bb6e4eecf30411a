#pragma once

// The drawing surface and the message boxes of a page; its other controls only keep their state
// (form/kept_controls.h). The page shows what they hold after every event.

#include "form/area.h"
#include "form/layout.h"
#include "form/services.h"
#include "teach/pictures/drawing_log.h"
#include "teach/pictures/raster.h"

#include <string>

// The drawing surface: a picture in memory, one pixel per layout pixel, that the page copies to
// its canvas once per frame when it has changed.
class WebSurface : public CallSurface {
  public:
    static constexpr Color BackColor = *layout::Pichull.color;

    Color backColor() const override { return BackColor; }

    Raster picture{area::WidthPixels, area::HeightPixels, BackColor};
    bool changed = true;

  private:
    // Drawn as a picture drawn afresh at its own size, so that the two agree pixel for pixel.
    void take(const DrawCall& call) override {
        draw(picture, call, area::TwipsPerPixel, 1);
        changed = true;
    }
};

// A message box the page shows as a dialog; the answer comes back later.
class WebDesktop : public Desktop {
  public:
    void messageBox(const std::string& prompt, int style, const std::string& title,
                    Answered then) override {
        open = Message{prompt, style, title, std::move(then)};
        asking = true;
    }
    void end(int status) override {
        ended = true;
        exitStatus = status;
    }
    // The page's dialog closed with this answer.
    void answer(int answer) {
        if (!asking)
            return;
        asking = false;
        const Answered then = std::move(open.then);
        open = {};
        if (then)
            then(answer);
    }

    Message open;
    bool asking = false;
    bool ended = false;
    int exitStatus = 0;
};
