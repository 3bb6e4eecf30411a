// Random point sets, many of them degenerate, entered by clicks as a user would, run to the end
// and checked against an exact hull computed here.

#include "engine/hull_algorithms.h"
#include "exact_hull.h"
#include "fake_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>
#include <string>

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int PixelsWide = 525;
constexpr int PixelsHigh = 469;

struct Pixel {
    int x, y;
};
using PointSet = std::vector<Pixel>;

int setsToRun() {
    const char* wanted = std::getenv("HULL_PROPERTY_SETS");
    return wanted ? std::max(1, std::atoi(wanted)) : 20000;
}

enum class Kind { Uniform, Duplicates, Collinear, OneSpot, Grid, Circle, Mixed };
constexpr int KindCount = 7;

class Generator {
  public:
    explicit Generator(unsigned seed) : random(seed) {}

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }

    // Mostly small sets, now and then up to the full 500.
    int size() {
        const double u = std::uniform_real_distribution<double>(0, 1)(random);
        return 3 + static_cast<int>(497 * std::pow(u, 4));
    }

    Pixel anywhere() { return {between(0, PixelsWide - 1), between(0, PixelsHigh - 1)}; }

    PointSet uniform(int n) {
        PointSet set;
        for (int i = 0; i < n; ++i)
            set.push_back(anywhere());
        return set;
    }

    // A few spots, each clicked many times.
    PointSet duplicates(int n) {
        const PointSet spots = uniform(between(1, 6));
        PointSet set;
        for (int i = 0; i < n; ++i)
            set.push_back(spots[between(0, static_cast<int>(spots.size()) - 1)]);
        return set;
    }

    // Points on one line, then maybe some off it.
    PointSet collinear(int n) {
        const Pixel start = anywhere();
        Pixel step{between(-6, 6), between(-6, 6)};
        if (step.x == 0 && step.y == 0)
            step.x = 1;
        PointSet set;
        const int onLine = chance(0.3) ? n : between(1, n);
        while (static_cast<int>(set.size()) < onLine) {
            const int t = between(-80, 80);
            const Pixel p{start.x + t * step.x, start.y + t * step.y};
            if (p.x >= 0 && p.x < PixelsWide && p.y >= 0 && p.y < PixelsHigh)
                set.push_back(p);
            else if (set.empty())
                set.push_back(start);
        }
        while (static_cast<int>(set.size()) < n)
            set.push_back(anywhere());
        return set;
    }

    // Everything on one spot, then maybe some elsewhere.
    PointSet oneSpot(int n) {
        const Pixel spot = anywhere();
        PointSet set(chance(0.3) ? n : between(1, n), spot);
        while (static_cast<int>(set.size()) < n)
            set.push_back(
                chance(0.5)
                    ? anywhere()
                    : Pixel{std::clamp(spot.x + between(-1, 1), 0, PixelsWide - 1), spot.y});
        return set;
    }

    PointSet grid(int n) {
        const int side = between(2, 6);
        const int spacing = between(1, 40);
        const Pixel corner{between(0, PixelsWide - 1 - 5 * spacing),
                           between(0, PixelsHigh - 1 - 5 * spacing)};
        PointSet set;
        for (int i = 0; i < n; ++i)
            set.push_back({corner.x + spacing * between(0, side - 1),
                           corner.y + spacing * between(0, side - 1)});
        return set;
    }

    // Rounded to whole pixels, so neighbours are often collinear or nearly so.
    PointSet circle(int n) {
        const int radius = between(1, 230);
        const Pixel centre{between(radius, PixelsWide - 1 - radius),
                           between(radius, PixelsHigh - 1 - radius)};
        std::uniform_real_distribution<double> angle(0, 2 * std::numbers::pi);
        PointSet set;
        for (int i = 0; i < n; ++i) {
            const double a = angle(random);
            set.push_back({centre.x + static_cast<int>(std::lround(radius * std::cos(a))),
                           centre.y + static_cast<int>(std::lround(radius * std::sin(a)))});
        }
        return set;
    }

    PointSet mixed(int n) {
        const int first = between(1, n);
        PointSet set = pick(first);
        const PointSet rest = pick(n - first);
        set.insert(set.end(), rest.begin(), rest.end());
        return set;
    }

    PointSet make(Kind kind, int n) {
        switch (kind) {
        case Kind::Uniform:
            return uniform(n);
        case Kind::Duplicates:
            return duplicates(n);
        case Kind::Collinear:
            return collinear(n);
        case Kind::OneSpot:
            return oneSpot(n);
        case Kind::Grid:
            return grid(n);
        case Kind::Circle:
            return circle(n);
        case Kind::Mixed:
            break;
        }
        return mixed(n);
    }

    // Any kind but a mixture.
    PointSet pick(int n) {
        if (n == 0)
            return {};
        return make(static_cast<Kind>(between(0, KindCount - 2)), n);
    }

    std::mt19937 random;
};

Twips at(const Modhull& mod, int i) {
    return {static_cast<int64_t>(mod.Xcoord(i)), static_cast<int64_t>(mod.Ycoord(i))};
}

// The edge list must be the boundary of the exact hull of points 1..count, run once
// counter-clockwise as seen; every point inside or on it.
::testing::AssertionResult isHullOf(const Fmhull& form, const Modhull& mod, int count) {
    std::vector<Twips> points;
    for (int i = 1; i <= count; ++i)
        points.push_back(at(mod, i));
    const std::vector<Twips> exact = strictHull(points);

    const int edges = form.Hullcount;
    if (edges < 3)
        return ::testing::AssertionFailure() << "only " << edges << " edges";
    std::vector<Twips> chain;
    for (int k = 1; k <= edges; ++k) {
        if (form.Edgeto(k) != form.Edgefrom(k % edges + 1))
            return ::testing::AssertionFailure() << "chain broken after edge " << k;
        chain.push_back(at(mod, form.Edgefrom(k)));
    }
    std::vector<Twips> sortedChain = chain;
    std::sort(sortedChain.begin(), sortedChain.end());
    if (std::adjacent_find(sortedChain.begin(), sortedChain.end()) != sortedChain.end())
        return ::testing::AssertionFailure() << "a hull vertex is visited twice";

    for (int k = 0; k < edges; ++k)
        for (const Twips& p : points)
            if (turnAsSeen(chain[k], chain[(k + 1) % edges], p) < 0)
                return ::testing::AssertionFailure()
                       << "point (" << p.x << ", " << p.y << ") outside edge " << k + 1;

    const std::size_t corners = exact.size();
    for (const Twips& v : chain) {
        bool onBoundary = false;
        for (std::size_t i = 0; i < corners && !onBoundary; ++i)
            onBoundary = onSegment(exact[i], exact[(i + 1) % corners], v);
        if (!onBoundary)
            return ::testing::AssertionFailure()
                   << "vertex (" << v.x << ", " << v.y << ") inside the hull";
    }
    for (const Twips& corner : exact)
        if (!std::binary_search(sortedChain.begin(), sortedChain.end(), corner))
            return ::testing::AssertionFailure()
                   << "corner (" << corner.x << ", " << corner.y << ") missing";
    if (doubledAreaAsSeen(chain) != doubledAreaAsSeen(exact))
        return ::testing::AssertionFailure() << "the chain does not run once round the hull";
    return ::testing::AssertionSuccess();
}

// Each of the other algorithms on the same points: the exact hull's corners in the same order, and
// each test an event whose side is the exact one.
void otherAlgorithmsFindTheSameCorners(const Modhull& mod) {
    std::vector<Twips> points;
    for (int i = 1; i <= mod.Pointcount; ++i)
        points.push_back(at(mod, i));
    const std::vector<Twips> exact = strictHull(points);
    for (const auto& [name, algorithm] :
         {std::pair{"gift wrapping", &giftWrapping}, std::pair{"monotone chain", &monotoneChain},
          std::pair{"quickhull", &quickhull}}) {
        SCOPED_TRACE(name);
        const HullTrace trace = algorithm(mod);
        std::vector<Twips> corners;
        for (int16_t corner : trace.corners)
            corners.push_back(at(mod, corner));
        ASSERT_EQ(corners, exact);
        for (const HullEvent& event : trace.events)
            if (event.kind == HullEvent::Kind::Test) {
                const int64_t turn = turnAsSeen(at(mod, event.a), at(mod, event.b), at(mod, event.c));
                ASSERT_EQ(event.side, (turn > 0) - (turn < 0));
            }
        ASSERT_FALSE(trace.stepEnds.empty());
        ASSERT_EQ(trace.stepEnds.back(), static_cast<int>(trace.events.size()));
    }
}

// The first point, counting from 1, that makes the points entered so far not collinear; 0 when
// they all are.
int firstOffTheLine(const PointSet& set) {
    std::vector<Twips> entered;
    for (std::size_t i = 0; i < set.size(); ++i) {
        entered.push_back({set[i].x, set[i].y});
        if (strictHull(entered).size() >= 3)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// Why START comes on exactly at that point: while the points entered are collinear, the new point
// gives up slot 1 when points 1 and 2 coincide, else slot 3 when points 2 and 3 differ, else
// slot 2. In each case the two points left in slots 1 to 3 are distinct whenever the triple had two
// distinct points, and a triple of one spot only changes when the new point lands elsewhere. So
// slots 1 to 3 hold two distinct points as soon as the set does, and the first point off their
// common line makes a proper triangle with them; no point on the line can.
void enterAndRun(Generator& generator, const PointSet& set) {
    FakeWindow w;
    w.Pichull.recording = false;
    w.form.Form_Load();

    const int startFrom = firstOffTheLine(set);
    for (std::size_t i = 0; i < set.size(); ++i) {
        w.form.Pichull_MouseDown(generator.between(1, 4), generator.between(0, 7),
                                 static_cast<float>(set[i].x * TwipsPerPixel),
                                 static_cast<float>(set[i].y * TwipsPerPixel));
        const int entered = static_cast<int>(i) + 1;
        ASSERT_EQ(w.mod.Pointcount, entered);
        ASSERT_EQ(w.Cmdstart.enabled, startFrom != 0 && entered >= startFrom)
            << "after point " << entered;
    }
    if (startFrom == 0)
        return;

    const bool everyStep = set.size() <= 60;
    w.desktop.answers.push_back(AnswerNo);
    w.form.Cmdstart_Click();
    ASSERT_TRUE(isHullOf(w.form, w.mod, 3));
    while (w.Tmrdelay.enabled) {
        if (!everyStep) {
            w.form.Tmrdelay_Timer();
            continue;
        }
        // Test by test: the last edge first, then each edge in order, its side exact, "on the
        // line" counted as inside.
        const int16_t edges = w.form.Hullcount;
        w.form.beginStep();
        int tests = 0;
        for (bool more = true; more; ++tests) {
            more = w.form.testNextEdge();
            const WalkTest test = w.form.lastTest();
            ASSERT_EQ(test.edge, tests == 0 ? edges : tests);
            ASSERT_EQ(test.wrapAround, tests == 0);
            const int64_t turn =
                turnAsSeen(at(w.mod, test.from), at(w.mod, test.to), at(w.mod, w.form.Curpoint));
            ASSERT_EQ(test.side > 0, turn >= 0) << "point " << w.form.Curpoint;
        }
        ASSERT_EQ(tests, edges + 1);
        w.form.endStep();
        ASSERT_TRUE(isHullOf(w.form, w.mod, w.form.Curpoint)) << "after point " << w.form.Curpoint;
    }
    ASSERT_EQ(w.desktop.shown.size(), 1u);
    ASSERT_EQ(w.mod.Pointcount, static_cast<int>(set.size()));
    ASSERT_TRUE(isHullOf(w.form, w.mod, w.mod.Pointcount));
    ASSERT_NO_FATAL_FAILURE(otherAlgorithmsFindTheSameCorners(w.mod));
}

class HullProperty : public ::testing::TestWithParam<Kind> {};

TEST_P(HullProperty, EveryRunEndsOnTheExactHull) {
    const int kind = static_cast<int>(GetParam());
    const int sets = (setsToRun() + KindCount - 1) / KindCount;
    Generator generator(1000 + kind);
    for (int s = 0; s < sets; ++s) {
        const int n = generator.size();
        PointSet set = generator.make(GetParam(), n);
        if (generator.chance(0.3))
            std::shuffle(set.begin(), set.end(), generator.random);
        SCOPED_TRACE("set " + std::to_string(s) + " of " + std::to_string(n) + " points");
        ASSERT_NO_FATAL_FAILURE(enterAndRun(generator, set));
    }
}

std::string kindName(const ::testing::TestParamInfo<Kind>& info) {
    static const char* const names[] = {"Uniform", "Duplicates", "Collinear", "OneSpot",
                                        "Grid",    "Circle",     "Mixed"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Sets, HullProperty,
                         ::testing::Values(Kind::Uniform, Kind::Duplicates, Kind::Collinear,
                                           Kind::OneSpot, Kind::Grid, Kind::Circle, Kind::Mixed),
                         kindName);

} // namespace
