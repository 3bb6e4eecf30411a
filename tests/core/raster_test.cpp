#include "teach/pictures/drawing_log.h"
#include "teach/pictures/raster.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr Color Background = 0xC0FFFF, Ink = 0xFF0000;

int inked(const Raster& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == Ink;
    return count;
}

// A line lights one pixel per step along its longer axis, both ends included; drawn again
// backwards in the background colour it leaves nothing.
TEST(Raster, LinesAreUnbrokenAndErasedWhicheverWayTheyAreDrawn) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> x(0, 60), y(0, 40);
    Raster picture(61, 41, Background);
    for (int i = 0; i < 2000; ++i) {
        const int x1 = x(random), y1 = y(random), x2 = x(random), y2 = y(random);
        picture.line(x1, y1, x2, y2, Ink);
        ASSERT_EQ(inked(picture), std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1);
        ASSERT_EQ(picture.pixel(x1, y1), Ink);
        ASSERT_EQ(picture.pixel(x2, y2), Ink);
        picture.line(x2, y2, x1, y1, Background);
        ASSERT_EQ(inked(picture), 0) << x1 << ',' << y1 << " to " << x2 << ',' << y2;
    }
}

// At twice the size a 3-pixel dot is 6 pixels square on its pixel's place, a line stays one
// pixel wide, and a clear starts the picture afresh.
TEST(Rasterize, GrowsDotsWithThePictureAndKeepsLinesOnePixelWide) {
    const std::vector<DrawCall> calls = {
        {DrawCall::Dot, Ink, 3, 150, 150, 150, 150},
        {DrawCall::Line, Ink, 1, 0, 600, 300, 600},
    };
    const Raster twice = rasterize(calls, 40, 50, 15, 2, Background);
    ASSERT_EQ(twice.width(), 80);
    ASSERT_EQ(twice.height(), 100);
    EXPECT_EQ(inked(twice), 36 + 41);
    EXPECT_EQ(twice.pixel(18, 18), Ink);
    EXPECT_EQ(twice.pixel(23, 23), Ink);
    EXPECT_EQ(twice.pixel(24, 24), Background);
    EXPECT_EQ(twice.pixel(40, 80), Ink);
    EXPECT_EQ(twice.pixel(40, 81), Background);
    EXPECT_EQ(twice.rgba()[(80 * 80 + 40) * 4 + 2], 0xFF) << "blue is the third byte";

    std::vector<DrawCall> cleared = calls;
    cleared.push_back({DrawCall::Clear, Background, 1, 0, 0, 0, 0});
    EXPECT_EQ(inked(rasterize(cleared, 40, 50, 15, 4, Background)), 0);

    // Thick, a line covers exactly the blocks its surface pixels became: 3 pixels long.
    for (int scale : {2, 4}) {
        const Raster thick = rasterize({{DrawCall::Line, Ink, 1, 15, 30, 45, 30}}, 10, 10, 15,
                                       scale, Background, true);
        EXPECT_EQ(inked(thick), 3 * scale * scale) << scale;
        EXPECT_EQ(thick.pixel(scale, 2 * scale), Ink) << scale;
        EXPECT_EQ(thick.pixel(4 * scale - 1, 3 * scale - 1), Ink) << scale;
    }
}

// A number stands beside its dot on the side chosen for it, in the SVG as on the screen.
TEST(Rasterize, TheSvgPutsEachNumberOnItsSide) {
    Overlay marks;
    marks.numbers = {{{150, 150}, 4, -4, false}, {{150, 150}, -4, 12, true}};
    const std::string svg = svgOf({}, 20, 20, 15, Background, markShapes(marks, 15));
    EXPECT_NE(svg.find("<text x=\"14.5\" y=\"6.5\" text-anchor=\"start\""), std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<text x=\"6.5\" y=\"22.5\" text-anchor=\"end\""), std::string::npos) << svg;
}

} // namespace
