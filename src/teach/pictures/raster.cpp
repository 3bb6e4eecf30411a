#include "teach/pictures/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

Raster::Raster(int width, int height, Color background)
    : wide(width), high(height), bytes(static_cast<std::size_t>(width) * height * 4) {
    fill(background);
}

void Raster::fill(Color color) {
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        bytes[i] = color & 0xFF;
        bytes[i + 1] = (color >> 8) & 0xFF;
        bytes[i + 2] = (color >> 16) & 0xFF;
        bytes[i + 3] = 0xFF;
    }
}

void Raster::set(int x, int y, Color color) {
    if (x < 0 || y < 0 || x >= wide || y >= high)
        return;
    uint8_t* p = &bytes[(static_cast<std::size_t>(y) * wide + x) * 4];
    p[0] = color & 0xFF;
    p[1] = (color >> 8) & 0xFF;
    p[2] = (color >> 16) & 0xFF;
}

Color Raster::pixel(int x, int y) const {
    const uint8_t* p = &bytes[(static_cast<std::size_t>(y) * wide + x) * 4];
    return p[0] | p[1] << 8 | p[2] << 16;
}

void Raster::square(int left, int top, int size, Color color) {
    for (int y = top; y < top + size; ++y)
        for (int x = left; x < left + size; ++x)
            set(x, y, color);
}

namespace {

long floorDivide(long a, long b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace

// Along the longer axis one pixel per step; across it the nearest pixel to the true line, a tie
// going to the lower coordinate. The ends are put in one order first, so that both directions
// light the same pixels.
void Raster::line(int x1, int y1, int x2, int y2, Color color, int pen) {
    if (std::pair(x2, y2) < std::pair(x1, y1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const bool steep = std::abs(y2 - y1) > std::abs(x2 - x1);
    const int steps = steep ? std::abs(y2 - y1) : x2 - x1;
    const long along = steep ? (y2 > y1 ? 1 : -1) : 1;
    const long across = steep ? x2 - x1 : y2 - y1;
    const int offset = (pen - 1) / 2;
    for (int i = 0; i <= steps; ++i) {
        // The nearest whole pixel to i * across / steps, ties down.
        const long shift = steps == 0 ? 0 : -floorDivide(steps - 2L * i * across, 2L * steps);
        const int x = steep ? x1 + static_cast<int>(shift) : x1 + i;
        const int y = steep ? y1 + static_cast<int>(along * i) : y1 + static_cast<int>(shift);
        square(x - offset, y - offset, pen, color);
    }
}

void draw(Raster& picture, const DrawCall& call, double twipsPerPixel, int scale, bool thick) {
    auto pixel = [&](float twips) { return static_cast<int>(std::floor(twips / twipsPerPixel)); };
    auto scaled = [&](float twips) {
        return static_cast<int>(std::floor(twips / twipsPerPixel * scale));
    };
    if (call.kind == DrawCall::Line) {
        // A thick line covers the whole block of picture pixels that a surface pixel became.
        const int shift = thick ? (scale - 1) / 2 : 0;
        picture.line(scaled(call.x1) + shift, scaled(call.y1) + shift, scaled(call.x2) + shift,
                     scaled(call.y2) + shift, call.color, thick ? call.width * scale : call.width);
    } else if (call.kind == DrawCall::Dot) {
        const int half = (call.width - 1) / 2;
        picture.square((pixel(call.x1) - half) * scale, (pixel(call.y1) - half) * scale,
                       call.width * scale, call.color);
    } else {
        picture.fill(call.color);
    }
}

Raster rasterize(const std::vector<DrawCall>& calls, int width, int height, double twipsPerPixel,
                 int scale, Color background, bool thickLines) {
    Raster picture(width * scale, height * scale, background);
    for (DrawCall call : calls) {
        if (call.kind == DrawCall::Clear)
            call.color = background;
        draw(picture, call, twipsPerPixel, scale, thickLines);
    }
    return picture;
}
