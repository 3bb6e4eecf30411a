#include "fake_window.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Edges = std::vector<std::pair<int, int>>;

constexpr Color Background = RecordingSurface::Background;

DrawCall lineIn(Color color, float x1, float y1, float x2, float y2) {
    return {DrawCall::Line, color, 1, x1, y1, x2, y2};
}

Edges edgeList(const Fmhull& form) {
    Edges edges;
    for (int k = 1; k <= form.Hullcount; ++k)
        edges.emplace_back(form.Edgefrom(k), form.Edgeto(k));
    return edges;
}

// The triangle 1 = (0, 0), 2 = (0, 3000), 3 = (3000, 0) runs counter-clockwise as seen; point 4
// is the one inserted. A fifth point keeps the run going after the step.
void insertFourth(FakeWindow& w, float x, float y) {
    w.setPoints({{0, 0}, {0, 3000}, {3000, 0}, {x, y}, {1, 1}});
    w.Pichull.width = 1;
    w.form.Initialize();
    w.Pichull.calls.clear();
    w.form.Curpoint = 4;
    w.form.Extend();
}

class ExtendTest : public ::testing::Test {
  protected:
    void insertFourth(float x, float y) { ::insertFourth(w, x, y); }

    FakeWindow w;
};

TEST_F(ExtendTest, PointOutsideOneEdgeReplacesItWithTwo) {
    insertFourth(3000, 3000);
    EXPECT_EQ(w.Pichull.calls, (std::vector<DrawCall>{lineIn(Blue, 0, 3000, 3000, 3000),
                                                      lineIn(Background, 0, 3000, 3000, 0),
                                                      lineIn(Blue, 3000, 3000, 3000, 0)}));
    EXPECT_EQ(edgeList(w.form), (Edges{{1, 2}, {2, 4}, {4, 3}, {3, 1}}));
    EXPECT_EQ(w.Pichull.fore, Blue);
    EXPECT_TRUE(w.Tmrdelay.enabled);
    EXPECT_TRUE(w.desktop.shown.empty());
}

TEST(Extend, PointsInsideOrOnTheHullChangeNothing) {
    const std::pair<float, float> unchanged[] = {
        {1000, 1000}, // strictly inside
        {0, 3000},    // on a vertex
        {1500, 0},    // on an edge
        {1500, 1500}, // on the long edge
    };
    for (auto [x, y] : unchanged) {
        FakeWindow w;
        insertFourth(w, x, y);
        EXPECT_TRUE(w.Pichull.calls.empty()) << x << ", " << y;
        EXPECT_EQ(edgeList(w.form), (Edges{{1, 2}, {2, 3}, {3, 1}}));
        EXPECT_TRUE(w.Tmrdelay.enabled);
    }
}

TEST_F(ExtendTest, VisibleRunWrappingPastTheLastEdgeStartsTheListAtThePoint) {
    insertFourth(-1000, -1000);
    // Edge 1 is dropped first; the new edges follow the walk.
    EXPECT_EQ(w.Pichull.calls, (std::vector<DrawCall>{lineIn(Background, 0, 0, 0, 3000),
                                                      lineIn(Blue, -1000, -1000, 0, 3000),
                                                      lineIn(Blue, 3000, 0, -1000, -1000),
                                                      lineIn(Background, 3000, 0, 0, 0)}));
    EXPECT_EQ(edgeList(w.form), (Edges{{4, 2}, {2, 3}, {3, 4}}));
}

TEST_F(ExtendTest, PointBeyondAnEdgeOnItsLineKeepsTheCollinearEdge) {
    insertFourth(4500, 0);
    EXPECT_EQ(edgeList(w.form), (Edges{{1, 2}, {2, 4}, {4, 3}, {3, 1}}));
    EXPECT_EQ(w.Pichull.calls.size(), 3u);
}

TEST_F(ExtendTest, LastPointRedrawsBeforeAskingAndLeavesTheTimerOff) {
    w.setPoints({{0, 0}, {0, 3000}, {3000, 0}, {3000, 3000}});
    w.form.Initialize();
    w.Pichull.calls.clear();
    std::size_t drawnWhenAsked = 0;
    w.desktop.whenShown = [&] { drawnWhenAsked = w.Pichull.calls.size(); };
    w.form.Curpoint = 4;
    w.form.Extend();

    ASSERT_EQ(w.desktop.shown.size(), 1u);
    EXPECT_FALSE(w.Tmrdelay.enabled);
    // Three lines of the step, then the finished drawing: four dots and four edges.
    ASSERT_EQ(drawnWhenAsked, 3u + 4u + 4u);
    const DrawCall dot{DrawCall::Dot, Magenta, 3, 0, 3000, 0, 3000};
    EXPECT_EQ(w.Pichull.calls[4], dot);
    const std::vector<DrawCall> finalEdges(w.Pichull.calls.begin() + 7, w.Pichull.calls.end());
    EXPECT_EQ(finalEdges, (std::vector<DrawCall>{
                              lineIn(Blue, 0, 0, 0, 3000), lineIn(Blue, 0, 3000, 3000, 3000),
                              lineIn(Blue, 3000, 3000, 3000, 0), lineIn(Blue, 3000, 0, 0, 0)}));
}

TEST_F(ExtendTest, BrokenEdgeListIsASubscriptErrorNotAStrayRead) {
    w.setPoints({{0, 0}, {0, 3000}, {3000, 0}, {3000, 3000}, {1, 1}});
    w.form.Initialize();
    w.form.Edgeto(2) = 501;
    w.form.Curpoint = 4;
    try {
        w.form.Extend();
        ADD_FAILURE() << "the broken edge was read";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::SubscriptOutOfRange);
    }
}

TEST(Redraw, DrawsAllDotsThenAllEdgesAndLeavesAThinBluePen) {
    FakeWindow w;
    w.setPoints({{0, 0}, {0, 3000}, {3000, 0}, {3000, 3000}, {1000, 1000}});
    w.form.Hullcount = 3;
    w.form.Edgefrom(1) = 1, w.form.Edgeto(1) = 2;
    w.form.Edgefrom(2) = 2, w.form.Edgeto(2) = 4;
    w.form.Edgefrom(3) = 4, w.form.Edgeto(3) = 1;
    w.form.Redraw();

    std::vector<DrawCall> expected;
    for (int i = 1; i <= 5; ++i)
        expected.push_back({DrawCall::Dot, Magenta, 3, w.mod.Xcoord(i), w.mod.Ycoord(i),
                            w.mod.Xcoord(i), w.mod.Ycoord(i)});
    expected.push_back(lineIn(Blue, 0, 0, 0, 3000));
    expected.push_back(lineIn(Blue, 0, 3000, 3000, 3000));
    expected.push_back(lineIn(Blue, 3000, 3000, 0, 0));
    EXPECT_EQ(w.Pichull.calls, expected);
    EXPECT_EQ(w.Pichull.width, 1);
    EXPECT_EQ(w.Pichull.fore, Blue);
}

} // namespace
