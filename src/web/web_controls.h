#pragma once

// The drawing surface and the message boxes of a page; its other controls only keep their state
// (form/kept_controls.h). The page shows what they hold after every event.

#include "form/area.h"
#include "form/services.h"
#include "teach/raster.h"

#include <string>

// The drawing surface: a picture in memory, one pixel per layout pixel, that the page copies to
// its canvas once per frame when it has changed.
class WebSurface : public Surface {
  public:
    static constexpr Color BackColor = 0xC0FFFF;

    void setForeColor(Color color) override { fore = color; }
    Color backColor() const override { return BackColor; }
    void setDrawWidth(int pixels) override { width = pixels; }
    void line(float x1, float y1, float x2, float y2) override {
        drawn({DrawCall::Line, fore, width, x1, y1, x2, y2});
    }
    void dot(float x, float y) override { drawn({DrawCall::Dot, fore, width, x, y, x, y}); }
    void clear() override { drawn({DrawCall::Clear, BackColor, width, 0, 0, 0, 0}); }
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }

    Raster picture{area::WidthPixels, area::HeightPixels, BackColor};
    bool changed = true;
    bool enabled = true;

  private:
    // Drawn as a picture drawn afresh at its own size, so that the two agree pixel for pixel.
    void drawn(const DrawCall& call) {
        draw(picture, call, area::TwipsPerPixel, 1);
        changed = true;
    }

    Color fore = 0;
    int width = 1;
};

// A message box the page shows as a dialog; the answer comes back later.
class WebDesktop : public Desktop {
  public:
    struct Question {
        std::string prompt;
        int style = 0;
        std::string title;
        Answered then;
    };

    void messageBox(const std::string& prompt, int style, const std::string& title,
                    Answered then) override {
        open = Question{prompt, style, title, std::move(then)};
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

    Question open;
    bool asking = false;
    bool ended = false;
    int exitStatus = 0;
};
