// The status line tells every step of random runs on a coarse grid, where points repeat, fall on
// edges and line up, as an exact hull computed here sees the step; the point list says where each
// point stands as that hull has it.

#include "exact_hull.h"
#include "fake_window.h"
#include "form/area.h"
#include "teach/pictures/cost_plot.h"
#include "teach/pictures/raster.h"
#include "teach/run/point_list.h"
#include "teach/run/run_cost.h"
#include "teach/run/traced_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <string>

namespace {

Twips twipsOf(const Modhull& mod, int16_t i) {
    return {static_cast<int64_t>(mod.Xcoord(i)), static_cast<int64_t>(mod.Ycoord(i))};
}

std::string plural(std::size_t n, const char* word) {
    return std::to_string(n) + ' ' + word + (n == 1 ? "" : "s");
}

// What the step that inserted point p should say, from the exact hull of the points before it.
std::string expectedStep(const FakeWindow& w, int16_t p, const EdgeList& before,
                         std::array<int, 4>& kinds) {
    const std::string name = "point " + std::to_string(p);
    const Twips at = twipsOf(w.mod, p);
    std::vector<Twips> earlier;
    for (int16_t i = 1; i < p; ++i) {
        if (twipsOf(w.mod, i) == at) {
            ++kinds[3];
            return name + " repeats point " + std::to_string(i) + "; nothing changes.";
        }
        earlier.push_back(twipsOf(w.mod, i));
    }
    const std::vector<Twips> hull = strictHull(earlier);
    bool outside = false, onBoundary = false;
    for (std::size_t k = 0; k < hull.size(); ++k) {
        const Twips a = hull[k], b = hull[(k + 1) % hull.size()];
        outside |= turnAsSeen(a, b, at) < 0;
        onBoundary |= onSegment(a, b, at);
    }
    if (outside) {
        ++kinds[0];
        std::size_t seeing = 0;
        for (const Edge& e : before)
            seeing += turnAsSeen(twipsOf(w.mod, e.from), twipsOf(w.mod, e.to), at) < 0;
        // The corners are those of the exact hull of the points so far; the others on the
        // hull lie on its sides.
        earlier.push_back(at);
        const std::size_t corners = strictHull(earlier).size();
        const std::size_t onHull = static_cast<std::size_t>(w.form.Hullcount);
        return name + " lies outside " + plural(seeing, "edge") +
               (seeing == 1 ? "; it is" : "; they are") + " replaced by 2 edges to it." +
               (corners == onHull ? " The hull has " + plural(corners, "corner") + '.'
                                  : " The hull passes through " + std::to_string(onHull) +
                                        " points: " + plural(corners, "corner") + " and " +
                                        std::to_string(onHull - corners) +
                                        (onHull - corners == 1 ? " on a side." : " on its sides."));
    }
    if (onBoundary) {
        ++kinds[2];
        for (const Edge& e : before)
            if (onSegment(twipsOf(w.mod, e.from), twipsOf(w.mod, e.to), at))
                return name + " lies on the edge from point " + std::to_string(e.from) +
                       " to point " + std::to_string(e.to) + "; nothing changes.";
        ADD_FAILURE() << name << " is on the hull but on none of its edges";
    }
    ++kinds[1];
    return name + " lies inside the hull; nothing changes.";
}

// Once the first `inserted` points are in: a corner of the exact hull (the first point there; a
// later one repeats it), on its boundary, inside, or not yet inserted.
std::vector<std::string_view> expectedStanding(const FakeWindow& w, int16_t inserted) {
    std::vector<Twips> in;
    for (int16_t i = 1; i <= inserted; ++i)
        in.push_back(twipsOf(w.mod, i));
    const std::vector<Twips> hull = strictHull(in);
    std::vector<std::string_view> standing;
    for (int16_t i = 1; i <= w.mod.Pointcount; ++i) {
        const Twips at = twipsOf(w.mod, i);
        bool onBoundary = false;
        for (std::size_t k = 0; k < hull.size(); ++k)
            onBoundary |= onSegment(hull[k], hull[(k + 1) % hull.size()], at);
        if (i > inserted) {
            standing.push_back("not yet inserted");
            continue;
        }
        const bool repeats =
            std::find(in.begin(), in.begin() + (i - 1), at) != in.begin() + (i - 1);
        if (!repeats && std::find(hull.begin(), hull.end(), at) != hull.end())
            standing.push_back("corner");
        else
            standing.push_back(onBoundary ? "on a side" : "inside");
    }
    return standing;
}

std::vector<std::string_view> listedStanding(const FakeWindow& w) {
    std::vector<std::string_view> standing;
    for (const PointRow& row : pointList(w.mod, w.form, w.form.Curpoint))
        standing.push_back(row.standing);
    return standing;
}

TEST(StepStatus, TellsEachStepAsAnExactHullSeesIt) {
    std::mt19937 random(12);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::array<int, 4> kinds{}; // outside, inside, on an edge, repeated
    for (int set = 0; set < 400; ++set) {
        FakeWindow w;
        w.Pichull.recording = false;
        w.form.Form_Load();
        w.lesson.showEachStep(true);
        const int n = between(4, 30);
        for (int i = 0; i < n; ++i)
            w.form.Pichull_MouseDown(1, 0, static_cast<float>(between(0, 6) * 300),
                                     static_cast<float>(between(0, 6) * 300));
        if (!w.Cmdstart.enabled)
            continue;
        const std::string steps = " of " + std::to_string(w.mod.Pointcount - 3);
        // START says so, once, when it renumbers a first triangle that turns clockwise.
        const std::string swapped =
            turnAsSeen(twipsOf(w.mod, 1), twipsOf(w.mod, 2), twipsOf(w.mod, 3)) < 0
                ? "Points 2 and 3 swapped places so that the first triangle runs "
                  "counter-clockwise on the screen. "
                : "";
        w.lesson.start();
        const std::string first =
            "Step 0" + steps + ": the first triangle is points 1, 2 and 3. The hull has 3 corners.";
        ASSERT_EQ(w.view.status, swapped + first);
        // What each step said and marked, to be said and marked again on the way back.
        std::vector<std::pair<std::string, Overlay>> shown{{first, w.view.overlay}};
        while (w.Tmrdelay.enabled) {
            const EdgeList before = edgesOf(w.form);
            w.lesson.tick();
            const int16_t p = w.form.Curpoint;
            ASSERT_EQ(w.view.status, "Step " + std::to_string(p - 3) + steps + ": " +
                                         expectedStep(w, p, before, kinds))
                << "set " << set;
            ASSERT_EQ(listedStanding(w), expectedStanding(w, p)) << "set " << set;
            // The edges marked obsolete are those the point sees, exactly, in the hull's order.
            std::vector<Overlay::Segment> seen;
            auto spot = [&](int16_t i) { return Overlay::Spot{w.mod.Xcoord(i), w.mod.Ycoord(i)}; };
            for (const Edge& e : before)
                if (turnAsSeen(twipsOf(w.mod, e.from), twipsOf(w.mod, e.to), twipsOf(w.mod, p)) < 0)
                    seen.push_back({spot(e.from), spot(e.to)});
            ASSERT_EQ(w.view.overlay.obsolete, seen) << "set " << set;
            shown.emplace_back(w.view.status, w.view.overlay);
        }
        for (int step = static_cast<int>(shown.size()) - 2; step >= 0; --step) {
            w.lesson.stepBack();
            // "Step k of n: ..." becomes "Paused at step k of n: ...".
            ASSERT_EQ(w.view.status, "Paused at s" + shown[step].first.substr(1)) << "set " << set;
            ASSERT_EQ(w.view.overlay, shown[step].second) << "set " << set << " step " << step;
        }
    }
    for (int seen : kinds)
        EXPECT_GT(seen, 50) << "every kind of step comes up";
}

std::vector<uint8_t> picture(const std::vector<DrawCall>& calls) {
    return rasterize(calls, area::WidthPixels, area::HeightPixels, area::TwipsPerPixel, 1,
                     RecordingSurface::Background)
        .rgba();
}

// Stepping into each step of random runs, test by test: each test, the last one too, draws the
// straight run's drawing cut there, is told with its count and keeps the step's marks, the next
// press ends the step, and Step Back inside a step shows the test before.
TEST(StepInto, EachTestShowsTheStraightRunCutThere) {
    std::mt19937 random(25);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int set = 0; set < 100; ++set) {
        FakeWindow into, straight;
        for (FakeWindow* w : {&into, &straight})
            w->form.Form_Load();
        const int n = between(4, 20);
        for (int i = 0; i < n; ++i) {
            const float x = static_cast<float>(between(0, 6) * 300);
            const float y = static_cast<float>(between(0, 6) * 300);
            for (FakeWindow* w : {&into, &straight})
                w->form.Pichull_MouseDown(1, 0, x, y);
        }
        if (!into.Cmdstart.enabled)
            continue;
        into.lesson.startPaused(true);
        into.lesson.showEachStep(true);
        into.lesson.start();
        straight.lesson.start();
        // The run's tests, counted here press by press, as the code panel must count them.
        long pressed = 0;
        auto toldRunTests = [&] {
            const std::string told = into.session.code().words.back();
            return told.substr(told.rfind(", ") + 2);
        };
        while (straight.Tmrdelay.enabled) {
            const int edges = into.form.Hullcount;
            straight.lesson.tick();
            const std::vector<DrawCall> whole = straight.drawing.calls();
            std::vector<std::vector<DrawCall>> cut;
            const std::vector<Overlay::Spot> corners = into.view.overlay.corners;
            for (int test = 1; test <= edges + 1; ++test) {
                into.lesson.stepInto();
                ++pressed;
                ASSERT_EQ(toldRunTests(), std::to_string(pressed) + " in the run.");
                const std::vector<DrawCall>& drawn = into.drawing.calls();
                ASSERT_LE(drawn.size(), whole.size()) << "set " << set;
                ASSERT_TRUE(std::equal(drawn.begin(), drawn.end(), whole.begin()))
                    << "set " << set << " test " << test;
                ASSERT_TRUE(into.form.isWalking());
                ASSERT_EQ(into.session.pointRows()[into.form.Curpoint - 1].standing,
                          "not yet inserted");
                ASSERT_EQ(into.view.overlay.corners, corners) << "the hull as it stands";
                const WalkTest made = into.form.lastTest();
                const Overlay::Segment tested{
                    {into.mod.Xcoord(made.from), into.mod.Ycoord(made.from)},
                    {into.mod.Xcoord(made.to), into.mod.Ycoord(made.to)}};
                ASSERT_EQ(into.view.overlay.tested, tested) << "the edge under test marked";
                // The code lights the test, the new edge where the side changes, and the
                // edge kept or erased; the first test only the last edge's side.
                const std::vector<int> lit = into.session.code().lit;
                const std::vector<int> ran = test == 1 ? std::vector<int>{1}
                                             : made.newFrom != 0
                                                 ? std::vector<int>{4, 6, made.kept ? 8 : 10}
                                                 : std::vector<int>{4, made.kept ? 8 : 10};
                ASSERT_EQ(lit, ran) << "set " << set << " test " << test;
                ASSERT_NE(into.view.status.find(", test " + std::to_string(test) + " of " +
                                                std::to_string(edges + 1) + ": "),
                          std::string::npos)
                    << into.view.status;
                cut.push_back(drawn);
            }
            // The edges found obsolete stay marked to the last test, as the step's end marks them.
            const std::vector<Overlay::Segment> obsolete = into.view.overlay.obsolete;
            into.lesson.stepInto();
            ASSERT_FALSE(into.form.isWalking()) << "the press after the last test ends the step";
            ASSERT_EQ(into.view.overlay.obsolete, obsolete) << "set " << set;
            ASSERT_EQ(into.session.code().lit, std::vector<int>{11});
            if (!straight.Tmrdelay.enabled) {
                // The run's cost step by step, as a window of its own counts it.
                std::vector<Overlay::Spot> spots;
                for (int16_t i = 1; i <= into.mod.Pointcount; ++i)
                    spots.push_back({into.mod.Xcoord(i), into.mod.Ycoord(i)});
                ASSERT_EQ(into.session.costs().run, costOfRun(spots)) << "set " << set;
            }
            ASSERT_EQ(into.drawing.calls(), whole) << "set " << set;
            if (!straight.Tmrdelay.enabled) {
                // Back into the last step, to its last test but one, and on to its end again.
                into.lesson.stepBack();
                for (int test = 1; test < edges; ++test)
                    into.lesson.stepInto();
                into.lesson.stepBack();
                ASSERT_EQ(toldRunTests(), std::to_string(pressed - 3) + " in the run.")
                    << "replayed, counted";
                // Drawn afresh, the dots come in the run's numbering: the pictures are compared.
                ASSERT_EQ(picture(into.drawing.calls()),
                          picture(cut[static_cast<std::size_t>(edges - 3)]))
                    << "set " << set;
                into.lesson.stepForward();
                ASSERT_EQ(picture(into.drawing.calls()), picture(whole)) << "set " << set;
                // RESET inside a step gives the run up, walk and all.
                into.lesson.stepBack();
                into.lesson.stepInto();
                into.lesson.reset();
                ASSERT_FALSE(into.form.isWalking());
                ASSERT_EQ(into.view.status, "") << "set " << set;
            }
        }
    }
}

// A circle's points are all corners, so that each step tests every edge: from 20 points on it
// costs more than a disk or a spread, about n²/2 tests, and the same each time.
TEST(CostOfTheRun, ACircleCostsMostAboutHalfTheSquare) {
    for (int n : {20, 60, 200, 500}) {
        const CostCurves costs = comparedCosts(n);
        ASSERT_EQ(costs.circle.size(), static_cast<std::size_t>(n - 2)) << n;
        const double circle = static_cast<double>(costs.circle.back());
        EXPECT_GT(circle, static_cast<double>(costs.disk.back())) << n;
        EXPECT_GT(circle, static_cast<double>(costs.uniform.back())) << n;
        EXPECT_NEAR(circle / (n * n / 2.0), 1.0, 0.15) << n;
        EXPECT_EQ(comparedCosts(n).uniform, costs.uniform) << "the same sets each time";
    }
}

// A square's fourth corner, inserted test by test: the code tells each test, the side before it,
// the new edges as the walk finds them and the count, as the walk round the triangle makes them. A
// point inside the square and one on its side are not inserted.
TEST(StepInto, TheCodeTellsEachTestOfTheWalk) {
    FakeWindow w;
    w.session.load();
    // Counter-clockwise on the screen, so that START keeps the numbering; point 4 sees only the
    // edge from 3 to 1.
    for (auto [x, y] : {std::pair{1500.0f, 1500.0f},
                        {1500, 4500},
                        {4500, 4500},
                        {4500, 1500},
                        {3000, 3000},
                        {3000, 1500}})
        w.session.click(1, 0, x, y);
    w.session.perform(Command::StartPaused);
    w.session.pressStart();
    EXPECT_EQ(w.session.code().words.back(), "Orientation tests: none yet.");
    const std::vector<std::pair<std::vector<int>, std::vector<std::string>>> told{
        {{1},
         {"Testing the last edge first, from 3 to 1.",
          "Side: point 4 lies on the outer side of the edge from 3 to 1.", "Before: nothing yet.",
          "New edges so far: none.", "Orientation tests: 1 of 4 in this step, 1 in the run."}},
        {{4, 6, 8},
         {"Testing edge 1, from 1 to 2.",
          "Side: point 4 lies on the inner side of the edge from 1 to 2.",
          "Before: point 4 lies on the outer side of the edge from 3 to 1.",
          "New edges so far: 4 to 1.", "Orientation tests: 2 of 4 in this step, 2 in the run."}},
        {{4, 8},
         {"Testing edge 2, from 2 to 3.",
          "Side: point 4 lies on the inner side of the edge from 2 to 3.",
          "Before: point 4 lies on the inner side of the edge from 1 to 2.",
          "New edges so far: 4 to 1.", "Orientation tests: 3 of 4 in this step, 3 in the run."}},
        {{4, 6, 10},
         {"Testing edge 3, from 3 to 1.",
          "Side: point 4 lies on the outer side of the edge from 3 to 1.",
          "Before: point 4 lies on the inner side of the edge from 2 to 3.",
          "New edges so far: 4 to 1, 3 to 4.",
          "Orientation tests: 4 of 4 in this step, 4 in the run."}},
        {{11},
         {"Point 4 is inserted: the walk has ended.", "New edges: 4 to 1, 3 to 4.",
          "Orientation tests: 4 in this step, 4 in the run."}},
    };
    for (const auto& [lit, words] : told) {
        w.session.perform(Command::StepInto);
        const CodeShown code = w.session.code();
        EXPECT_EQ(code.lit, lit);
        EXPECT_EQ(code.words, words);
    }
    w.session.perform(Command::StepForward);
    EXPECT_EQ(w.session.code().words.front(), "Point 5 lies inside the hull: nothing changes.");
    // Edge 1 runs from 4 to 1 now: the new edge comes first.
    for (int test = 1; test <= 2; ++test)
        w.session.perform(Command::StepInto);
    EXPECT_EQ(w.session.code().words[1], "Side: point 6 lies on the line of the edge from 4 to 1.");
    EXPECT_EQ(w.view.status, "Paused at step 3 of 3, test 2 of 5: Point 6 lies on the line of the "
                             "edge from 4 to 1, so it stays.");
    for (int test = 3; test <= 6; ++test)
        w.session.perform(Command::StepInto);
    EXPECT_EQ(w.session.code().words.front(), "Point 6 lies on the hull: nothing changes.");
}

// The plot keeps every stroke and text inside itself at any size and for any number of points,
// its axes reach the largest total, a whole run's curve rises to the right edge, and the key
// names each curve on a line of its own.
TEST(CostOfTheRun, ThePlotFitsItsSize) {
    for (int n : {3, 4, 7, 20, 137, 500}) {
        CostCurves costs = comparedCosts(n);
        costs.run = costs.circle;
        for (auto [width, height] : {std::pair{240, 160}, {300, 110}, {480, 320}, {1000, 600}}) {
            const CostPlot plot = plotOf(costs, width, height);
            long topMark = -1;
            double markLine = height;
            for (const PlotShape& shape : plot.shapes) {
                for (auto [x, y] : shape.points) {
                    ASSERT_TRUE(0 <= x && x <= width && 0 <= y && y <= height)
                        << n << " points at " << width << " x " << height << ": " << x << ", " << y;
                }
                // The marks up the tests' axis are right-aligned numbers.
                if (shape.kind == PlotShape::Text && shape.anchor == PlotShape::End) {
                    const long mark = std::stol(shape.text);
                    EXPECT_GT(mark, topMark) << "marks in order";
                    EXPECT_GE(markLine - shape.points[0].second, PlotTextPixels)
                        << n << " points at " << width << " x " << height << ": " << mark;
                    topMark = mark;
                    markLine = shape.points[0].second;
                }
            }
            EXPECT_GE(topMark, costs.circle.back()) << n;
            // The axes run up the left and along the bottom; the run, thick, ends where they do.
            auto lines = [&](double width, std::size_t corners) {
                return *std::find_if(
                    plot.shapes.begin(), plot.shapes.end(), [&](const PlotShape& shape) {
                        return shape.kind == PlotShape::Lines && shape.width == width &&
                               shape.points.size() == corners;
                    });
            };
            const PlotShape axes = lines(1, 3), run = lines(3, costs.run.size());
            if (n > 3) {
                EXPECT_DOUBLE_EQ(run.points.back().first, axes.points.back().first) << n;
                EXPECT_LT(run.points.back().second, run.points.front().second)
                    << "more tests higher";
            }
            // The key names the curves one a line, each under the one before.
            std::vector<double> keyLines;
            const std::vector<std::string> keyNames{"on a circle", "in a disk",
                                                    "spread over the area", "this run"};
            for (const PlotShape& shape : plot.shapes)
                for (const std::string& name : keyNames)
                    if (shape.kind == PlotShape::Text && shape.text == name)
                        keyLines.push_back(shape.points[0].second);
            ASSERT_EQ(keyLines.size(), 4u);
            for (std::size_t k = 1; k < keyLines.size(); ++k)
                EXPECT_GE(keyLines[k] - keyLines[k - 1], PlotTextPixels) << n;
            // Every name of the key, its box taken as 0.6 of the type's size a letter, clear of
            // the curves' box.
            const double top = axes.points[0].second, right = axes.points[2].first;
            const double titleLine = std::find_if(plot.shapes.begin(), plot.shapes.end(),
                                                  [](const PlotShape& shape) {
                                                      return shape.text == "orientation tests";
                                                  })
                                         ->points[0]
                                         .second;
            for (const PlotShape& shape : plot.shapes)
                if (shape.kind == PlotShape::Text &&
                    std::count(keyNames.begin(), keyNames.end(), shape.text) > 0) {
                    const auto [x, y] = shape.points[0];
                    const double end =
                        x + static_cast<double>(shape.text.size()) * PlotTextPixels * 0.6;
                    EXPECT_TRUE(y <= top || x >= right) << shape.text << " over the curves";
                    EXPECT_GE(std::abs(y - titleLine), PlotTextPixels) << shape.text;
                    EXPECT_LE(end, width) << shape.text << " cut";
                }
        }
    }
}

// The plot follows the run as it is stepped and given up, and the sets follow the points' number.
TEST(CostOfTheRun, FollowsTheRunAndThePoints) {
    FakeWindow w;
    w.session.load();
    auto click = [&](std::initializer_list<std::pair<float, float>> spots) {
        for (auto [x, y] : spots)
            w.session.click(1, 0, x, y);
    };
    click({{1500, 1500}, {1500, 4500}, {4500, 4500}, {4500, 1500}, {3000, 300}});
    EXPECT_EQ(w.session.costs().run, CostCurve{}) << "no run yet";
    EXPECT_EQ(w.session.costs().circle, (CostCurve{0, 4, 9}));
    w.session.perform(Command::StartPaused);
    w.session.pressStart();
    w.session.perform(Command::StepForward);
    EXPECT_EQ(w.session.costs().run, (CostCurve{0, 4}));
    w.session.perform(Command::StepInto);
    EXPECT_EQ(w.session.costs().run, (CostCurve{0, 4, 5})) << "inside a step, its tests so far";
    w.session.pressReset();
    click({{1500, 1500}, {1500, 4500}, {4500, 4500}});
    const CostCurves afterReset = w.session.costs();
    EXPECT_EQ(afterReset.run, CostCurve{});
    EXPECT_EQ(afterReset.points, 3);
    EXPECT_EQ(afterReset.circle, CostCurve{0});
}

} // namespace

// A window that has taken these clicks and START, its questions left waiting, the run begun
// paused or not, by the incremental method or the algorithm chosen.
std::unique_ptr<FakeWindow> startedOn(const std::vector<std::pair<float, float>>& clicks, bool paused,
                                      Command algorithm = Command::AlgorithmIncremental) {
    auto w = std::make_unique<FakeWindow>();
    w->session.load();
    w->desktop.deferAnswers = true;
    for (auto [x, y] : clicks)
        w->session.click(1, 0, x, y);
    w->session.perform(algorithm);
    if (paused)
        w->session.perform(Command::StartPaused);
    w->session.pressStart();
    return w;
}

// The timeline on random runs: any step at once, as a run paused there shows it, however the run
// stood; the last step keeps its question for Step Forward; and test by test, forward as Step Into
// goes and back through the same places.
TEST(Timeline, ShowsAnyStepAsARunPausedThere) {
    std::mt19937 random(31);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int set = 0; set < 60; ++set) {
        std::vector<std::pair<float, float>> clicks(static_cast<std::size_t>(between(4, 16)));
        for (auto& [x, y] : clicks)
            std::tie(x, y) = std::pair{between(0, 6) * 300.0f, between(0, 6) * 300.0f};
        auto made = [&](bool paused) { return startedOn(clicks, paused); };
        const std::unique_ptr<FakeWindow> scrubbed = made(false);
        if (!scrubbed->session.isRunning())
            continue;
        scrubbed->session.perform(Command::ShowTimeline);
        const int steps = scrubbed->mod.Pointcount - 3;
        for (int move = 0; move < 6; ++move) {
            const int asked = between(-1, steps + 1), at = std::clamp(asked, 0, steps);
            scrubbed->session.scrubTo(asked);
            const std::unique_ptr<FakeWindow> straight = made(true);
            for (int k = 0; k < at; ++k)
                straight->session.perform(Command::StepForward);
            ASSERT_EQ(picture(scrubbed->drawing.calls()), picture(straight->drawing.calls()))
                << "set " << set << " step " << at;
            ASSERT_TRUE(scrubbed->session.isPaused());
            ASSERT_EQ(scrubbed->view.status, "Paused at step " + std::to_string(at) + " of " +
                                                 std::to_string(steps) + '.');
            const std::optional<TimelineShown> shown = scrubbed->session.screen().timeline;
            ASSERT_TRUE(shown && shown->step == at && shown->steps == steps && shown->test == 0);
            ASSERT_TRUE(scrubbed->desktop.shown.empty()) << "the question waits";
        }
        scrubbed->session.scrubTo(0);
        const std::unique_ptr<FakeWindow> into = made(true);
        std::vector<std::string> forward;
        while (scrubbed->session.isEnabled(Command::StepInto)) {
            scrubbed->session.scrubByTest(1);
            into->session.perform(Command::StepInto);
            forward.push_back(scrubbed->session.timeline().words);
            if (into->desktop.shown.empty()) {
                ASSERT_EQ(scrubbed->view.status, into->view.status) << "set " << set;
                // Drawn from the run's trace at once, as the straight run draws it test by test.
                if (set % 3 == 0) {
                    ASSERT_EQ(picture(scrubbed->drawing.calls()), picture(into->drawing.calls()))
                        << "set " << set << ' ' << forward.back();
                }
            }
        }
        ASSERT_TRUE(scrubbed->desktop.shown.empty()) << "the question waits for Step Forward";
        ASSERT_EQ(forward.back(), "step " + std::to_string(steps) + " of " + std::to_string(steps));
        for (std::size_t k = forward.size() - 1; k-- > 0;) {
            scrubbed->session.scrubByTest(-1);
            ASSERT_EQ(scrubbed->session.timeline().words, forward[k]) << "set " << set;
        }
    }
}

// Points dragged on random runs paused at random steps: the run is worked out again to the same
// step, as a straight run of the moved points paused there shows it; Undo takes the whole drag
// back; a press on a dot that does not move adds a point there, as a click; and a move that leaves
// the first three on one line returns to entering points and says why.
TEST(MovingPoints, TheRunIsWorkedOutAgainToTheSameStep) {
    std::mt19937 random(47);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto pausedAt = [](const std::vector<area::Spot>& spots, int step) {
        auto w = std::make_unique<FakeWindow>();
        w->session.load();
        for (auto [x, y] : spots)
            w->session.click(1, 0, x, y);
        w->session.perform(Command::StartPaused);
        w->session.pressStart();
        for (int k = 0; k < step; ++k)
            w->session.perform(Command::StepForward);
        return w;
    };
    auto spotsOf = [](const FakeWindow& w) {
        std::vector<area::Spot> spots;
        for (int16_t i = 1; i <= w.mod.Pointcount; ++i)
            spots.push_back({w.mod.Xcoord(i), w.mod.Ycoord(i)});
        return spots;
    };
    for (int set = 0; set < 60; ++set) {
        std::vector<area::Spot> clicks(static_cast<std::size_t>(between(5, 14)));
        for (auto& [x, y] : clicks)
            std::tie(x, y) = std::pair{between(1, 25) * 300.0f, between(1, 22) * 300.0f};
        const int step = between(0, static_cast<int>(clicks.size()) - 4);
        const std::unique_ptr<FakeWindow> moved = pausedAt(clicks, step);
        if (!moved->session.isPaused())
            continue;
        const std::vector<area::Spot> before = spotsOf(*moved);
        const int16_t point = static_cast<int16_t>(between(1, moved->mod.Pointcount));
        const area::Spot from = before[static_cast<std::size_t>(point - 1)];
        const area::Spot to{between(0, 26) * 300.0f, between(0, 23) * 300.0f};
        ASSERT_TRUE(moved->session.press(1, 0, from.x + 40, from.y - 40)) << "on the dot";
        moved->session.drag(from.x + 200, from.y);
        moved->session.drag(to.x, to.y);
        moved->session.release(to.x, to.y);
        std::vector<area::Spot> after = before;
        after[static_cast<std::size_t>(point - 1)] = to;
        const std::unique_ptr<FakeWindow> straight = pausedAt(after, step);
        if (straight->session.isPaused()) {
            ASSERT_EQ(picture(moved->drawing.calls()), picture(straight->drawing.calls()))
                << "set " << set;
            ASSERT_EQ(moved->lesson.step(), step);
            // Named by its number now, START may have renumbered it: a point where it was put.
            const std::string& told = moved->view.status;
            ASSERT_TRUE(told.starts_with("Point ") && told.find(" moved, ") != std::string::npos)
                << told;
            const auto named = static_cast<int16_t>(std::stoi(told.substr(6)));
            ASSERT_EQ((area::Spot{moved->mod.Xcoord(named), moved->mod.Ycoord(named)}), to) << told;
        } else {
            ASSERT_TRUE(moved->session.isEnabled(Command::AddPoint)) << "entering points again";
            ASSERT_NE(moved->view.status.find("lie on one line"), std::string::npos);
        }
        moved->session.perform(Command::UndoLastPoint);
        ASSERT_EQ(spotsOf(*moved), before) << "the whole drag taken back";
        ASSERT_EQ(picture(moved->drawing.calls()), picture(pausedAt(clicks, step)->drawing.calls()))
            << "set " << set;
        ASSERT_EQ(moved->lesson.step(), step);
    }

    // Before START: a drag moves the point, a press on a dot that stays adds one on it, a press
    // elsewhere adds one at once.
    FakeWindow w;
    w.session.load();
    for (auto [x, y] : {std::pair{900.0f, 900.0f}, {4500, 900}, {2700, 4500}})
        w.session.click(1, 0, x, y);
    ASSERT_TRUE(w.session.press(1, 0, 4500, 900));
    w.session.drag(4600, 1000);
    EXPECT_EQ(w.mod.Xcoord(2), 4600) << "the point follows the drag";
    w.session.release(5000, 1200);
    EXPECT_EQ(w.mod.Pointcount, 3);
    EXPECT_EQ(std::pair(w.mod.Xcoord(2), w.mod.Ycoord(2)), std::pair(5000.0f, 1200.0f));
    ASSERT_FALSE(w.view.heard.empty());
    EXPECT_EQ(w.view.heard.back().text, "Point 2 moved, near the top.");
    ASSERT_TRUE(w.session.press(1, 0, 900, 900));
    w.session.release(900, 900);
    EXPECT_EQ(w.mod.Pointcount, 4) << "a click on a dot";
    EXPECT_FALSE(w.session.press(1, 0, 6000, 6000));
    EXPECT_EQ(w.mod.Pointcount, 5);
    w.session.pressStart();
    EXPECT_FALSE(w.session.press(1, 0, 900, 900)) << "during a run no point moves";
    EXPECT_EQ(w.mod.Xcoord(1), 900);
}

// Each other algorithm chosen before START, on random sets with repeats and points on lines: the
// timed run ends with the question at its last step; any step scrubbed to shows what a run started
// paused and stepped there shows; test by test its status and picture are those of Step Into; the
// run's cost is its trace's tests.
TEST(OtherAlgorithms, RunStepAndScrubAsTheIncrementalDoes) {
    std::mt19937 random(32);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    constexpr std::array algorithms{Command::AlgorithmGiftWrapping, Command::AlgorithmMonotoneChain,
                                    Command::AlgorithmQuickhull};
    for (int set = 0; set < 45; ++set) {
        const Command chosen = algorithms[static_cast<std::size_t>(set % 3)];
        std::vector<std::pair<float, float>> clicks(static_cast<std::size_t>(between(3, 14)));
        for (auto& [x, y] : clicks)
            std::tie(x, y) = std::pair{between(0, 6) * 300.0f, between(0, 6) * 300.0f};
        auto made = [&](bool paused) { return startedOn(clicks, paused, chosen); };
        const std::unique_ptr<FakeWindow> timed = made(false);
        if (!timed->session.isRunning())
            continue;
        SCOPED_TRACE("set " + std::to_string(set) + ", " + std::string(entryOf(chosen).text));
        ASSERT_TRUE(timed->session.isChecked(chosen));
        const HullTrace trace = traceOf(timed->lesson.algorithm(), timed->mod);
        const int steps = trace.stepCount();
        for (int k = 0; k < steps && timed->desktop.shown.empty(); ++k)
            timed->session.tick();
        ASSERT_EQ(timed->desktop.shown.size(), 1u) << "the question at the run's last step";
        ASSERT_EQ(timed->lesson.runCost().back(), trace.tests());
        // At the end the point list names the exact hull's corners, one point each.
        std::vector<Twips> listedCorners, points;
        for (const PointRow& row : timed->session.pointRows()) {
            points.push_back(twipsOf(timed->mod, row.number));
            if (row.standing == "corner")
                listedCorners.push_back(points.back());
        }
        std::vector<Twips> exact = strictHull(points);
        std::sort(exact.begin(), exact.end());
        std::sort(listedCorners.begin(), listedCorners.end());
        ASSERT_EQ(listedCorners, exact);
        // The cost of each algorithm on the first m points of the set, and on all of them.
        const CostCurves costs = timed->session.costs();
        const std::size_t m = static_cast<std::size_t>(between(3, timed->mod.Pointcount));
        Modhull first = timed->mod;
        first.Pointcount = static_cast<int16_t>(m);
        ASSERT_EQ(costs.quickhull[m - 3], quickhull(first).tests()) << m << " points";
        ASSERT_EQ(costs.monotoneChain.back(), monotoneChain(timed->mod).tests());
        ASSERT_TRUE(costInWords(costs).starts_with(
            "This run, " + std::string(nameOf(timed->lesson.algorithm())) + ": " +
            std::to_string(trace.tests()) + " orientation tests so far."))
            << costInWords(costs);
        ASSERT_TRUE(costInWords(costs).ends_with(
            "On these " + std::to_string(timed->mod.Pointcount) + " points: incremental " +
            std::to_string(timed->lesson.wholeRunTests()) + " tests, gift wrapping " +
            std::to_string(giftWrapping(timed->mod).tests()) + " tests, monotone chain " +
            std::to_string(costs.monotoneChain.back()) + " tests and " +
            std::to_string(monotoneChain(timed->mod).comparisons) + " comparisons, quickhull " +
            std::to_string(quickhull(timed->mod).tests()) + " tests."))
            << costInWords(costs);
        // Read the Hull says the edges held so far, and the hull once the run has found it.
        timed->lesson.readTheHull();
        ASSERT_TRUE(timed->view.status.starts_with("The hull: points ")) << timed->view.status;
        // Its last step holds the hull's edges, corner to corner.
        TracedRun whole(timed->lesson.algorithm(), timed->mod);
        whole.moveTo(steps);
        EdgeList held = whole.edges(), hull;
        for (std::size_t k = 0; k < trace.corners.size(); ++k)
            hull.push_back({trace.corners[k], trace.corners[(k + 1) % trace.corners.size()]});
        std::sort(held.begin(), held.end());
        std::sort(hull.begin(), hull.end());
        ASSERT_EQ(held, hull);
        const std::unique_ptr<FakeWindow> scrubbed = made(false);
        scrubbed->session.perform(Command::ShowTimeline);
        for (int move = 0; move < 4; ++move) {
            const int asked = between(-1, steps + 1), at = std::clamp(asked, 0, steps);
            scrubbed->session.scrubTo(asked);
            const std::unique_ptr<FakeWindow> straight = made(true);
            for (int k = 0; k < at && straight->desktop.shown.empty(); ++k)
                straight->session.perform(Command::StepForward);
            ASSERT_EQ(picture(scrubbed->drawing.calls()), picture(straight->drawing.calls()))
                << "step " << at;
            ASSERT_EQ(scrubbed->session.timeline().step, at);
            ASSERT_EQ(scrubbed->session.timeline().steps, steps);
            ASSERT_TRUE(scrubbed->desktop.shown.empty()) << "the question waits";
        }
        // Read the Hull, before the run has found it, says the edges held so far; each step shown
        // marks both ends of every edge held.
        scrubbed->session.scrubTo(1);
        scrubbed->session.perform(Command::ShowEachStep);
        std::set<std::pair<float, float>> ends, marked;
        for (const Overlay::Spot& corner : scrubbed->view.overlay.corners)
            marked.insert({corner.x, corner.y});
        whole.moveTo(1);
        for (const Edge& edge : whole.edges())
            for (int16_t end : {edge.from, edge.to})
                ends.insert({timed->mod.Xcoord(end), timed->mod.Ycoord(end)});
        ASSERT_EQ(marked, ends);
        scrubbed->session.perform(Command::ShowEachStep);
        scrubbed->session.perform(Command::ReadTheHull);
        ASSERT_TRUE(scrubbed->view.status.starts_with("The edges so far: from ") ||
                    scrubbed->view.status == "No edge of the hull is found yet.")
            << scrubbed->view.status;
        scrubbed->session.scrubTo(0);
        const std::unique_ptr<FakeWindow> into = made(true);
        int tests = 0;
        while (into->desktop.shown.empty()) {
            scrubbed->session.scrubByTest(1);
            into->session.perform(Command::StepInto);
            tests += into->session.timeline().test > 0 || into->lesson.position().inside;
            if (!into->desktop.shown.empty())
                break;
            ASSERT_EQ(scrubbed->view.status, into->view.status);
            ASSERT_EQ(picture(scrubbed->drawing.calls()), picture(into->drawing.calls()))
                << into->view.status;
            // The algorithm's own code, a line lit, its words those of the status line.
            const CodeShown code = into->session.code();
            ASSERT_EQ(code.algorithm, into->lesson.algorithm());
            ASSERT_FALSE(code.lit.empty()) << into->view.status;
            if (into->lesson.position().inside) {
                ASSERT_TRUE(into->view.status.ends_with(code.words.front())) << into->view.status;
            }
        }
        ASSERT_EQ(tests, trace.tests()) << "one Step Into a test";
        // Another choice begins again on the same points, paused at the start.
        scrubbed->session.perform(Command::AlgorithmIncremental);
        ASSERT_TRUE(scrubbed->session.isPaused());
        ASSERT_EQ(scrubbed->lesson.position().step, 0);
        ASSERT_EQ(scrubbed->lesson.position().steps, scrubbed->mod.Pointcount - 3);
    }
}

// Two algorithms on the same random points, stepped by Step Into, Step Forward and Step Back in a
// random mix: the compared one stands after as many tests as the run, or as many steps, each side
// heard with its name, and both are done at the run's end. The incremental method compared with
// itself holds the window's own edges at every step's end.
TEST(Comparison, TheSecondAlgorithmStandsWhereTheFirstDoes) {
    std::mt19937 random(33);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int pastTheEnd = 0;
    for (int set = 0; set < 64; ++set) {
        const auto left = static_cast<Command>(static_cast<int>(Command::AlgorithmIncremental) + set % 4);
        const auto right = static_cast<Command>(static_cast<int>(Command::CompareWithIncremental) + set / 4 % 4);
        const bool bySteps = set / 16 % 2 == 1;
        std::vector<std::pair<float, float>> clicks(static_cast<std::size_t>(between(3, 14)));
        for (auto& [x, y] : clicks)
            std::tie(x, y) = std::pair{between(0, 6) * 300.0f, between(0, 6) * 300.0f};
        const std::unique_ptr<FakeWindow> w = startedOn(clicks, true, left);
        if (!w->lesson.hasRun())
            continue;
        SCOPED_TRACE("set " + std::to_string(set));
        w->session.perform(right);
        w->session.perform(Command::CompareWithNone);
        ASSERT_FALSE(w->session.screen().compared);
        w->session.perform(right);
        if (bySteps)
            w->session.perform(Command::CompareBySteps);
        const Algorithm compared = static_cast<Algorithm>(algorithmComparedBy(right));
        const long all = TracedRun(compared, w->mod).allTests();
        for (int action = 0; action < 400 && w->desktop.shown.empty(); ++action) {
            const int pick = between(0, 9);
            const std::size_t heard = w->view.heard.size();
            w->session.perform(pick < 6 ? Command::StepInto : pick < 9 ? Command::StepForward : Command::StepBack);
            if (!w->desktop.shown.empty())
                break;
            const ComparedRun* beside = w->lesson.compared();
            ASSERT_TRUE(beside && w->session.screen().compared);
            const TracedRun& there = beside->standing();
            const RunPosition at = w->lesson.position();
            const long made = w->lesson.runCost().back();
            // Past the run's own end, the compared algorithm takes the steps it still needs.
            const int own = left == Command::AlgorithmIncremental ? w->mod.Pointcount - 3
                                                                   : traceOf(w->lesson.algorithm(), w->mod).stepCount();
            if (at.step > own && !at.inside) {
                ++pastTheEnd;
                ASSERT_FALSE(there.inside());
                ASSERT_EQ(there.step(), there.steps() - (at.steps - own) + (at.step - own));
                if (!bySteps) {
                    ASSERT_GE(there.testsMade(), made) << "past the run's end";
                }
            } else if (bySteps) {
                ASSERT_EQ(there.step(), std::min(at.inside ? at.step - 1 : at.step, there.steps()));
                ASSERT_FALSE(there.inside());
            } else {
                ASSERT_EQ(there.testsMade(), std::min(made, all)) << w->view.status;
                // Every step its tests have reached is taken, a step with no test of its own too.
                if (!there.inside() && there.step() < there.steps()) {
                    ASSERT_GT(there.testsOfStep(there.step() + 1), 0);
                }
            }
            if (left == Command::AlgorithmIncremental && compared == Algorithm::Incremental && !bySteps &&
                !at.inside && !there.inside()) {
                EdgeList window = edgesOf(w->form), traced = there.edges();
                std::sort(window.begin(), window.end());
                std::sort(traced.begin(), traced.end());
                ASSERT_EQ(window, traced) << w->view.status;
            }
            if (w->view.heard.size() > heard) {
                ASSERT_TRUE(w->view.heard.back().text.starts_with(capitalized(nameOf(w->lesson.algorithm())) + ": "))
                    << w->view.heard.back().text;
                ASSERT_NE(w->view.heard.back().text.find(beside->sentence()), std::string::npos) << w->view.heard.back().text << " / " << beside->sentence() << " / " << w->view.status;
            }
            ASSERT_TRUE(beside->sentence().starts_with(capitalized(nameOf(compared))));
        }
        ASSERT_FALSE(w->desktop.shown.empty()) << "the run ends";
        ASSERT_TRUE(w->lesson.compared()->standing().ended()) << "both are done at the end";
        // Timed, the question comes only once both are done, the compared one's last step heard.
        const std::unique_ptr<FakeWindow> timed = startedOn(clicks, false, left);
        // Three points end at START, before a comparison can begin.
        if (!timed->desktop.shown.empty())
            continue;
        timed->session.perform(right);
        if (bySteps)
            timed->session.perform(Command::CompareBySteps);
        const int steps = timed->lesson.position().steps;
        int ticks = 0;
        for (; ticks < 2000 && timed->desktop.shown.empty(); ++ticks)
            timed->session.tick();
        ASSERT_EQ(ticks, steps);
        ASSERT_TRUE(timed->session.screen().controls.resetEnabled) << "RESET answers the question too";
        ASSERT_TRUE(timed->lesson.compared());
        ASSERT_TRUE(timed->lesson.compared()->standing().ended())
            << timed->view.status;
        ASSERT_FALSE(timed->view.heard.empty());
        ASSERT_NE(timed->view.heard.back().text.find(timed->lesson.compared()->sentence()), std::string::npos);
        ASSERT_EQ(w->lesson.compared()->standing().testsMade(), all);
        if (compared == Algorithm::Incremental) {
            ASSERT_EQ(all, w->lesson.wholeRunTests());
        }
        // Any step scrubbed to, past the run's end too, shows both sides as Step Forward does.
        std::array<std::unique_ptr<FakeWindow>, 2> two{startedOn(clicks, true, left), startedOn(clicks, true, left)};
        for (const std::unique_ptr<FakeWindow>& each : two) {
            each->session.perform(right);
            if (bySteps)
                each->session.perform(Command::CompareBySteps);
        }
        const auto& [scrubbed, stepped] = two;
        const int target = between(0, std::max(0, scrubbed->lesson.position().steps - 1));
        scrubbed->session.scrubTo(target);
        for (int k = 0; k < target; ++k)
            stepped->session.perform(Command::StepForward);
        // Unstepped, the run still tells how START renumbered the points.
        ASSERT_TRUE(stepped->view.status.ends_with(scrubbed->view.status)) << stepped->view.status;
        ASSERT_EQ(picture(scrubbed->drawing.calls()), picture(stepped->drawing.calls()));
        ASSERT_EQ(scrubbed->lesson.compared()->picture().calls(), stepped->lesson.compared()->picture().calls())
            << "step " << target;
    }
    EXPECT_GT(pastTheEnd, 20) << "compared steps past the run's end";
}
