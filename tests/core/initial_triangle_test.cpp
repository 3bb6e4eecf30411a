#include "fake_window.h"

#include <gtest/gtest.h>

namespace {

DrawCall blueLine(float x1, float y1, float x2, float y2) {
    return {DrawCall::Line, Blue, 1, x1, y1, x2, y2};
}

void expectTriangleEdges(const Fmhull& form) {
    EXPECT_EQ(form.Hullcount, 3);
    EXPECT_EQ(form.Edgefrom(1), 1);
    EXPECT_EQ(form.Edgeto(1), 2);
    EXPECT_EQ(form.Edgefrom(2), 2);
    EXPECT_EQ(form.Edgeto(2), 3);
    EXPECT_EQ(form.Edgefrom(3), 3);
    EXPECT_EQ(form.Edgeto(3), 1);
}

TEST(Initialize, ClockwiseTriangleIsRenumbered) {
    FakeWindow w;
    w.setPoint(1, 0, 0);
    w.setPoint(2, 100, 0);
    w.setPoint(3, 0, 100);
    w.mod.Pointcount = 3;
    w.form.Initialize();

    // Drawn as entered, before the renumbering.
    EXPECT_EQ(w.Pichull.calls,
              (std::vector<DrawCall>{blueLine(0, 0, 100, 0), blueLine(100, 0, 0, 100),
                                     blueLine(0, 100, 0, 0)}));
    EXPECT_EQ(w.mod.Xcoord(2), 0);
    EXPECT_EQ(w.mod.Ycoord(2), 100);
    EXPECT_EQ(w.mod.Xcoord(3), 100);
    EXPECT_EQ(w.mod.Ycoord(3), 0);
    EXPECT_GT(w.mod.Orient(1, 2, 3), 0);
    expectTriangleEdges(w.form);
    EXPECT_EQ(w.Pichull.fore, Blue);
}

TEST(Initialize, CounterClockwiseTriangleIsLeftAlone) {
    FakeWindow w;
    w.setPoint(1, 0, 0);
    w.setPoint(2, 0, 100);
    w.setPoint(3, 100, 0);
    w.setPoint(4, 50, 50);
    w.mod.Pointcount = 4;
    w.Pichull.width = 1;
    w.form.Initialize();

    EXPECT_EQ(w.Pichull.calls,
              (std::vector<DrawCall>{blueLine(0, 0, 0, 100), blueLine(0, 100, 100, 0),
                                     blueLine(100, 0, 0, 0)}));
    EXPECT_EQ(w.mod.Xcoord(2), 0);
    EXPECT_EQ(w.mod.Ycoord(2), 100);
    EXPECT_EQ(w.mod.Xcoord(4), 50) << "no point beyond the triangle moves";
    expectTriangleEdges(w.form);
}

TEST(Initialize, ReplacesALongerEarlierHullAndKeepsTheWidth) {
    FakeWindow w;
    w.form.Hullcount = 7;
    for (int16_t k = 1; k <= 7; ++k)
        w.form.Edgefrom(k) = w.form.Edgeto(k) = 9;
    w.setPoint(1, 15, 15);
    w.setPoint(2, 15, 150);
    w.setPoint(3, 300, 15);
    w.Pichull.width = 3;
    w.form.Initialize();

    expectTriangleEdges(w.form);
    EXPECT_EQ(w.form.Edgefrom(4), 9) << "entries beyond the hull are left as they were";
    EXPECT_EQ(w.Pichull.width, 3);
}

} // namespace
