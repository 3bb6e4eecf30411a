// Point sets saved and read back: the same points in the same numbering give the same run.

#include "fake_window.h"
#include "teach/files/numbers.h"
#include "teach/files/point_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <random>

namespace {

// Clicks on a coarse grid, often starting on one line, so that the first three are repaired; or
// random points on a circle, off the pixels.
std::vector<Overlay::Spot> clicksOf(std::mt19937& random) {
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    if (between(0, 3) == 0)
        return randomPoints(between(3, 60), RandomShape::Circle, random);
    std::vector<Overlay::Spot> clicks;
    const bool lined = between(0, 1) == 0;
    const int n = between(3, 60);
    for (int i = 0; i < n; ++i) {
        if (lined && i < 5)
            clicks.push_back({150.0f * i, 300.0f + 75 * i});
        else
            clicks.push_back({15.0f * between(0, 524), 15.0f * between(0, 468)});
    }
    return clicks;
}

// Runs the set from START to the question; the hull and every call drawn after START.
std::pair<EdgeList, std::vector<DrawCall>> runOf(FakeWindow& w) {
    const std::size_t before = w.Pichull.calls.size();
    w.lesson.start();
    while (w.Tmrdelay.enabled)
        w.lesson.tick();
    return {edgesOf(w.form), {w.Pichull.calls.begin() + before, w.Pichull.calls.end()}};
}

TEST(PointFile, SavedSetsReadBackInTheirNumberingAndRunAlike) {
    std::mt19937 random(3);
    int runs = 0;
    for (int set = 0; set < 300; ++set) {
        FakeWindow clicked, loaded;
        clicked.form.Form_Load();
        loaded.form.Form_Load();
        for (const Overlay::Spot& p : clicksOf(random))
            clicked.input.click(1, 0, p.x, p.y);
        const PointFile file = parsePoints(formatPoints(clicked.mod));
        ASSERT_TRUE(file.error.empty()) << file.error;
        EXPECT_FALSE(file.fitted);
        loaded.input.replaceAll(file.points);
        ASSERT_EQ(loaded.mod.Pointcount, clicked.mod.Pointcount);
        ASSERT_EQ(loaded.Cmdstart.enabled, clicked.Cmdstart.enabled);
        // A set still on one line is repaired again as it is read, in another numbering; it has
        // no run.
        if (!clicked.Cmdstart.enabled)
            continue;
        for (int i = 1; i <= clicked.mod.Pointcount; ++i) {
            ASSERT_EQ(loaded.mod.Xcoord(i), clicked.mod.Xcoord(i)) << "point " << i;
            ASSERT_EQ(loaded.mod.Ycoord(i), clicked.mod.Ycoord(i)) << "point " << i;
        }
        ASSERT_EQ(runOf(loaded), runOf(clicked));
        ++runs;
    }
    EXPECT_GT(runs, 200);
}

// The geometry format, as qhull's rbox writes it, is fitted into the drawing area, keeping its
// shape; points in the area are taken as they are, in any of the separators.
TEST(PointFile, ReadsTheGeometryFormatAndFitsWhatLiesOutside) {
    const PointFile rbox = parsePoints("2 rbox 4 D2\n4\n-0.5 -0.25\n0.5 -0.25\n0.5 0.25\n"
                                       "-0.5 0.25\n");
    ASSERT_TRUE(rbox.error.empty()) << rbox.error;
    EXPECT_TRUE(rbox.fitted);
    ASSERT_EQ(rbox.points.size(), 4u);
    const Overlay::Spot a = rbox.points[0], c = rbox.points[2];
    // The wider side spans the area but for a margin on each side; the other is centred.
    EXPECT_EQ(a.x, 300);
    EXPECT_EQ(c.x, 7860 - 300);
    EXPECT_FLOAT_EQ(a.y + c.y, 7020);
    EXPECT_FLOAT_EQ((c.x - a.x) / (c.y - a.y), 2) << "scaled alike both ways";

    const PointFile plain = parsePoints("# a header\n\n10 20\n30,40\n  50\t60  \n");
    EXPECT_EQ(plain.points, (std::vector<Overlay::Spot>{{10, 20}, {30, 40}, {50, 60}}));
    EXPECT_FALSE(plain.fitted);
    EXPECT_EQ(parsePoints("2 5\n10 20\n").points, (std::vector<Overlay::Spot>{{2, 5}, {10, 20}}))
        << "two numbers are a point, not the geometry format's header";

    std::string full = "2\n500\n";
    for (int i = 0; i < 500; ++i)
        full += std::to_string(i) + " .5\n";
    EXPECT_EQ(parsePoints(full).points.size(), 500u) << "as many as a drawing holds";
    EXPECT_EQ(parsePoints("10 20\n\x01\x7f\xff\n").error, "it is not a text file of points.");
    EXPECT_EQ(parsePoints("10 20\n30 4\xff\xfe\n").error, "line 2: \"4??\" is not a number.");
}

// The browser's C library knows no other locale, and its C++ library no floating-point to_chars
// to compare with: this test is native only.
#ifndef __EMSCRIPTEN__
// Files read and write numbers alike in any locale and with any C++ library: the shortest text
// that reads back as the same single, as the library's own conversions write and read it.
TEST(PointFile, NumbersAreWrittenAndReadAlikeInAnyLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "./test.sh generates the locale";
    std::mt19937 random(11);
    std::vector<float> values;
    for (int i = 0; i < 20000; ++i)
        values.push_back(std::bit_cast<float>(static_cast<uint32_t>(random())));
    for (int i = -100; i <= 16000; ++i)
        values.push_back(i / 2.0f);
    for (float value : values) {
        if (!std::isfinite(value))
            continue;
        char text[32];
        char* end = std::to_chars(text, text + sizeof text, value).ptr;
        ASSERT_EQ(shortestText(value), std::string(text, end));
        double read = 0;
        std::from_chars(text, end, read);
        ASSERT_EQ(parseDecimal(std::string(text, end)), read) << std::string(text, end);
    }
    const std::string svg = svgOf({{DrawCall::Line, Blue, 1, 667.5f, 0, 667.5f, 150}}, 10, 10, 15,
                                  RecordingSurface::Background);
    EXPECT_NE(svg.find("x1=\"44.5\" y1=\"0.5\" x2=\"44.5\" y2=\"10.5\""), std::string::npos) << svg;
    std::setlocale(LC_ALL, "C");
}
#endif

} // namespace
