#include "engine/modhull.h"
#include "engine/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace {

Modhull withPoints(std::initializer_list<std::pair<float, float>> points) {
    Modhull mod;
    int16_t i = 0;
    for (auto [x, y] : points) {
        ++i;
        mod.Xcoord(i) = x;
        mod.Ycoord(i) = y;
    }
    mod.Pointcount = i;
    return mod;
}

TEST(Orient, RightAngleExampleGivesMinusAndPlus10000) {
    const Modhull mod = withPoints({{0, 0}, {100, 0}, {0, 100}});
    EXPECT_EQ(mod.Orient(1, 2, 3), -10000.0f);
    EXPECT_EQ(mod.Orient(1, 3, 2), 10000.0f);
}

TEST(Orient, CollinearOrCoincidentPointsGiveExactlyZero) {
    const Modhull mod = withPoints({{15, 30}, {615, 330}, {7815, 3930}, {615, 330}});
    const int16_t orders[][3] = {{1, 2, 3}, {1, 3, 2}, {2, 1, 3}, {2, 3, 1}, {3, 1, 2}, {3, 2, 1}};
    for (const auto& o : orders)
        EXPECT_EQ(mod.Orient(o[0], o[1], o[2]), 0.0f);
    EXPECT_EQ(mod.Orient(2, 4, 3), 0.0f);
    EXPECT_EQ(mod.Orient(2, 2, 2), 0.0f);
}

TEST(Orient, ExchangeNegatesAndCyclicShiftKeeps) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pixel(0, 524);
    Modhull mod;
    for (int round = 0; round < 2000; ++round) {
        for (int16_t i = 1; i <= 3; ++i) {
            mod.Xcoord(i) = static_cast<float>(pixel(random) * 15);
            mod.Ycoord(i) = static_cast<float>(pixel(random) * 15);
        }
        const float value = mod.Orient(1, 2, 3);
        ASSERT_EQ(mod.Orient(1, 3, 2), -value);
        ASSERT_EQ(mod.Orient(2, 3, 1), value);
        ASSERT_EQ(mod.Orient(3, 1, 2), value);
    }
}

// The value on whole twips is the six-term double sum, in its fixed order, negated and rounded.
TEST(Orient, WholeTwipsGiveTheRoundedDoubleSum) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> twips(0, 7860);
    Modhull mod;
    for (int round = 0; round < 20000; ++round) {
        for (int16_t i = 1; i <= 3; ++i) {
            mod.Xcoord(i) = static_cast<float>(twips(random));
            mod.Ycoord(i) = static_cast<float>(twips(random));
        }
        const double xa = mod.Xcoord(1), ya = mod.Ycoord(1), xb = mod.Xcoord(2), yb = mod.Ycoord(2),
                     xc = mod.Xcoord(3), yc = mod.Ycoord(3);
        const double sum = yb * xa - ya * xb + yc * xb - yb * xc + ya * xc - yc * xa;
        ASSERT_EQ(mod.Orient(1, 2, 3), static_cast<float>(-sum));
    }
}

// Singles in [2^-12, 2^13) are whole multiples of 2^-35, so scaled by 2^35 they are integers and
// the sign of the area can be computed exactly in 128 bits.
bool exactlyScalable(float v) {
    return v >= 0x1p-12f && v < 0x1p13f;
}

int exactSign(const std::array<float, 6>& p) {
    auto scaled = [](float v) {
        return static_cast<__int128>(std::ldexp(static_cast<double>(v), 35));
    };
    const __int128 area = (scaled(p[2]) - scaled(p[0])) * (scaled(p[5]) - scaled(p[1])) -
                          (scaled(p[3]) - scaled(p[1])) * (scaled(p[4]) - scaled(p[0]));
    // Y grows downward, so a positive area turns clockwise as seen.
    return area > 0 ? -1 : area < 0 ? 1 : 0;
}

int signOf(double v) {
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

// Three points on a line through the origin with a small whole direction: two far out with whole
// coordinates, one close to the origin with fine fractional ones, which the plain double sum of
// the six products cannot represent. One coordinate is then moved by a few units in the last place.
std::array<float, 6> nearCollinearTriple(std::mt19937& random) {
    std::uniform_int_distribution<int> direction(64, 100), far(1, 70), fine(131073, 167771);
    std::uniform_int_distribution<int> nudge(-2, 2), which(0, 5);
    const int p = direction(random), q = direction(random), m = far(random), n = far(random);
    const int fineStep = fine(random);
    std::array<float, 6> points = {std::ldexp(float(fineStep * p), -35),
                                   std::ldexp(float(fineStep * q), -35),
                                   float(m * p),
                                   float(m * q),
                                   float(n * p),
                                   float(n * q)};
    float& moved = points[which(random)];
    for (int k = nudge(random); k != 0; k += k > 0 ? -1 : 1)
        moved = std::nextafter(moved, k > 0 ? 8192.0f : 0.0f);
    // Any of the three may come first.
    std::uniform_int_distribution<int> shift(0, 2);
    std::rotate(points.begin(), points.begin() + 2 * shift(random), points.end());
    return points;
}

TEST(Orient, SignIsExactOnNearCollinearFractionalPoints) {
    std::mt19937 random(3);
    int naiveWrong = 0;
    int zeros = 0;
    for (int round = 0; round < 200000; ++round) {
        const std::array<float, 6> p = nearCollinearTriple(random);
        if (!std::all_of(p.begin(), p.end(), exactlyScalable))
            continue;
        const int expected = exactSign(p);
        ASSERT_EQ(signOf(orientation(p[0], p[1], p[2], p[3], p[4], p[5])), expected)
            << p[0] << ' ' << p[1] << ' ' << p[2] << ' ' << p[3] << ' ' << p[4] << ' ' << p[5];

        const double naive = -(double(p[3]) * p[0] - double(p[1]) * p[2] + double(p[5]) * p[2] -
                               double(p[3]) * p[4] + double(p[1]) * p[4] - double(p[5]) * p[0]);
        naiveWrong += signOf(naive) != expected;
        zeros += expected == 0;
    }
    // The cases must be hard enough that the plain double sum gets some of them wrong.
    EXPECT_GT(naiveWrong, 100);
    EXPECT_GT(zeros, 100);
}

TEST(Orient, TinyTurnIsNotRoundedToZero) {
    const float tiny = 1e-30f;
    EXPECT_LT(orientation(0, 0, tiny, 0, 0, tiny), 0.0f);
    EXPECT_GT(orientation(0, 0, 0, tiny, tiny, 0), 0.0f);
}

TEST(Orient, NonFiniteValueIsAFloatingPointFault) {
    const float infinity = std::numeric_limits<float>::infinity();
    const float huge = 3e38f;
    Modhull mod = withPoints({{0, 0}, {huge, 0}, {0, huge}});
    EXPECT_THROW(mod.Orient(1, 2, 3), RuntimeError);
    mod.Xcoord(2) = infinity;
    EXPECT_THROW(mod.Orient(1, 2, 3), RuntimeError);
    mod.Xcoord(2) = std::nanf("");
    try {
        mod.Orient(1, 2, 3);
        ADD_FAILURE() << "a NaN coordinate gave a value";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FloatingPointFault);
    }
}

TEST(Orient, IndexOutsideTheBoundsIsSubscriptOutOfRange) {
    const Modhull mod;
    for (auto [a, b, c] :
         {std::tuple<int16_t, int16_t, int16_t>{501, 1, 2}, {1, -1, 2}, {1, 2, 501}}) {
        try {
            mod.Orient(a, b, c);
            ADD_FAILURE() << "index accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), RuntimeError::Kind::SubscriptOutOfRange);
        }
    }
    EXPECT_EQ(mod.Orient(0, 500, 0), 0.0f);
}

TEST(Swappoint, ExchangesBothCoordinatesAndUndoesItself) {
    Modhull mod = withPoints({{1, 2}, {3, 4}, {5, 6}});
    mod.Swappoint(2, 3);
    EXPECT_EQ(mod.Xcoord(2), 5);
    EXPECT_EQ(mod.Ycoord(2), 6);
    EXPECT_EQ(mod.Xcoord(3), 3);
    EXPECT_EQ(mod.Ycoord(3), 4);
    mod.Swappoint(2, 3);
    EXPECT_EQ(mod.Xcoord(2), 3);
    EXPECT_EQ(mod.Ycoord(3), 6);
    mod.Swappoint(1, 1);
    EXPECT_EQ(mod.Xcoord(1), 1);
    EXPECT_EQ(mod.Ycoord(1), 2);
    EXPECT_THROW(mod.Swappoint(1, 501), RuntimeError);
    EXPECT_EQ(mod.Xcoord(1), 1) << "a refused exchange must leave the points as they were";
}

} // namespace
