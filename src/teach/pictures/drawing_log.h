#pragma once

#include "form/services.h"
#include "teach/pictures/mark_shapes.h"

#include <string>
#include <vector>

// One drawing call as the surface received it, with the colour and width it was drawn in.
struct DrawCall {
    enum Kind { Line, Dot, Clear };
    Kind kind;
    Color color;
    int width;
    float x1, y1, x2, y2;

    bool operator==(const DrawCall&) const = default;
};

// A surface that takes each drawing call whole, in the colour and width set before it: a picture
// in memory, or a record of the calls.
class CallSurface : public Surface {
  public:
    void setForeColor(Color color) override { fore = color; }
    void setDrawWidth(int pixels) override { width = pixels; }
    void line(float x1, float y1, float x2, float y2) override {
        take({DrawCall::Line, fore, width, x1, y1, x2, y2});
    }
    void dot(float x, float y) override { take({DrawCall::Dot, fore, width, x, y, x, y}); }
    void clear() override { take({DrawCall::Clear, backColor(), width, 0, 0, 0, 0}); }
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }

    Color fore = 0;
    int width = 1;
    bool enabled = true;

  private:
    virtual void take(const DrawCall& call) = 0;
};

// Passes drawing on to a surface and keeps the calls since the last clear: the picture as it was
// drawn, which can be drawn afresh at any scale.
class DrawingLog : public Surface {
  public:
    explicit DrawingLog(Surface& surface) : surface(surface) {}

    void setForeColor(Color color) override;
    Color backColor() const override { return surface.backColor(); }
    void setDrawWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2) override;
    void dot(float x, float y) override;
    void clear() override;
    void setEnabled(bool enabled) override { surface.setEnabled(enabled); }
    bool isEnabled() const override { return surface.isEnabled(); }

    const std::vector<DrawCall>& calls() const { return drawn; }
    // Grows with every call that changes the picture: a face that has shown this revision need
    // not copy the picture again.
    int revision() const { return changes; }

  private:
    Surface& surface;
    Color fore = 0;
    int width = 1;
    std::vector<DrawCall> drawn;
    int changes = 0;
};

// A colour as the web writes it: #rrggbb.
std::string hexColour(Color color);

// The picture as an SVG drawing of the given size in pixels: lines one pixel wide and dots as
// squares, on pixel centres as the surface draws them; a line erased by drawing it again in the
// background colour is left out with its eraser. The marks, if any, go over it as the window
// shows them.
std::string svgOf(const std::vector<DrawCall>& calls, int width, int height, double twipsPerPixel,
                  Color background, const std::vector<MarkShape>& marks = {});

// Two SVG drawings of one size side by side, each under its title, as one drawing.
std::string sideBySideSvg(const std::string& left, const std::string& right, int width, int height,
                          const std::string& leftTitle, const std::string& rightTitle);
