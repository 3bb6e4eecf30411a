#pragma once

#include "form/services.h"
#include "teach/pictures/drawing_log.h"

#include <cstdint>
#include <vector>

// A picture in memory, drawn as the drawing surface draws: lines one pixel wide with both end
// pixels, the same pixels whichever way a line is drawn, so that drawing it again in the
// background colour erases it; filled squares for dots. No smoothing, so nothing leaves a ghost.
class Raster {
  public:
    Raster(int width, int height, Color background);

    int width() const { return wide; }
    int height() const { return high; }
    // Red, green, blue and alpha bytes, row by row from the top left.
    const std::vector<uint8_t>& rgba() const { return bytes; }
    Color pixel(int x, int y) const;

    void fill(Color color);
    // A line through the pixels from (x1, y1) to (x2, y2), both included, in a pen `pen` pixels
    // wide; what falls outside the picture is left out.
    void line(int x1, int y1, int x2, int y2, Color color, int pen = 1);
    void square(int left, int top, int size, Color color);

  private:
    void set(int x, int y, Color color);

    int wide, high;
    std::vector<uint8_t> bytes;
};

// One drawing call on a picture `scale` times the surface's size; a clear fills it in the call's
// colour. Lines are as many pixels of the picture wide as their pen, or, when thick, grown with
// the picture as dots always are.
void draw(Raster& picture, const DrawCall& call, double twipsPerPixel, int scale,
          bool thick = false);

// How an exported picture is drawn: its size as a multiple of the surface's, with the step's marks
// over it or without, its lines grown with it ("thick lines for slides") or one pixel wide.
struct PictureOptions {
    int scale = 1;
    bool marks = false;
    bool thickLines = false;
};

// The drawing calls drawn afresh at `scale` times a surface of width × height pixels.
Raster rasterize(const std::vector<DrawCall>& calls, int width, int height, double twipsPerPixel,
                 int scale, Color background, bool thickLines = false);
