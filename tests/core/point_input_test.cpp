#include "fake_window.h"
#include "form/area.h"
#include "teach/pictures/mark_shapes.h"
#include "teach/pictures/number_places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace {

class PointInput : public ::testing::Test {
  protected:
    void SetUp() override { w.form.Form_Load(); }

    void click(float x, float y) { w.form.Pichull_MouseDown(1, 0, x, y); }

    void expectPoint(int16_t i, float x, float y) {
        EXPECT_EQ(w.mod.Xcoord(i), x) << "point " << i;
        EXPECT_EQ(w.mod.Ycoord(i), y) << "point " << i;
    }

    FakeWindow w;
};

TEST_F(PointInput, AcceptedClickIsCountedShownPlottedAndStored) {
    click(150, 300);
    EXPECT_EQ(w.mod.Pointcount, 1);
    EXPECT_EQ(w.Lblcount.caption, "\n1");
    EXPECT_EQ(w.Pichull.calls.back(), (DrawCall{DrawCall::Dot, Magenta, 3, 150, 300, 150, 300}));
    expectPoint(1, 150, 300);
    // Stored as delivered, fractions included.
    click(100.5f, 7.25f);
    expectPoint(2, 100.5f, 7.25f);
}

TEST_F(PointInput, AreaIncludesBothEndsAndNothingBeyond) {
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {7860, 0}, {0, 7020}, {7860, 7020}})
        click(x, y);
    EXPECT_EQ(w.mod.Pointcount, 4);
    const std::size_t drawn = w.Pichull.calls.size();
    for (auto [x, y] :
         {std::pair{-1.0f, 10.0f}, {7861, 10}, {10, -1}, {10, 7021}, {-0.01f, 0}, {NAN, 10}})
        click(x, y);
    EXPECT_EQ(w.mod.Pointcount, 4);
    EXPECT_EQ(w.Lblcount.caption, "\n4");
    EXPECT_EQ(w.Pichull.calls.size(), drawn);
    EXPECT_TRUE(w.desktop.shown.empty());
}

TEST_F(PointInput, EveryButtonAndModifierAddsAPoint) {
    int added = 0;
    for (int button : {1, 2, 4})
        for (int shift : {0, 1, 2, 4, 7}) {
            w.form.Pichull_MouseDown(button, shift, 30.0f * ++added, 15);
            EXPECT_EQ(w.mod.Pointcount, added);
        }
}

TEST_F(PointInput, TwoClicksOnOneSpotAreTwoPoints) {
    click(450, 450);
    click(450, 450);
    EXPECT_EQ(w.mod.Pointcount, 2);
    expectPoint(2, 450, 450);
}

TEST_F(PointInput, The500thIsAcceptedAndThe501stRefusedAnywhere) {
    for (int i = 0; i < 500; ++i)
        click(static_cast<float>(15 * (i % 500)), static_cast<float>(15 * (i % 7)));
    EXPECT_EQ(w.mod.Pointcount, 500);
    expectPoint(500, 15 * 499, 15 * (499 % 7));
    EXPECT_TRUE(w.desktop.shown.empty());

    const std::size_t drawn = w.Pichull.calls.size();
    click(1500, 1500);
    click(-100, 99999);
    ASSERT_EQ(w.desktop.shown.size(), 2u);
    for (const ShownMessage& message : w.desktop.shown) {
        EXPECT_EQ(message.prompt, "You are not allowed to input more than 500 points!");
        EXPECT_EQ(message.style, 16);
        EXPECT_EQ(message.title, "Convex Hull");
    }
    EXPECT_EQ(w.mod.Pointcount, 500);
    EXPECT_EQ(w.Lblcount.caption, "\n500");
    EXPECT_EQ(w.Pichull.calls.size(), drawn);
}

TEST_F(PointInput, ProperTriangleEnablesStartAndMarksItDefault) {
    click(0, 0);
    click(0, 300);
    EXPECT_FALSE(w.Cmdstart.enabled);
    click(300, 0);
    EXPECT_TRUE(w.Cmdstart.enabled);
    EXPECT_TRUE(w.Cmdstart.isDefault);
    // Later points leave the triangle alone.
    click(150, 150);
    click(0, 150);
    expectPoint(1, 0, 0);
    expectPoint(2, 0, 300);
    expectPoint(3, 300, 0);
}

TEST_F(PointInput, DistinctCollinearTripleGivesUpSlotThree) {
    click(0, 0);
    click(150, 0);
    click(300, 0);
    EXPECT_FALSE(w.Cmdstart.enabled);
    EXPECT_EQ(w.Lblcount.caption, "\n3");
    click(450, 0); // on the line: slot 3 changes hands, still collinear
    EXPECT_FALSE(w.Cmdstart.enabled);
    expectPoint(3, 450, 0);
    expectPoint(4, 300, 0);
    click(150, 150);
    EXPECT_TRUE(w.Cmdstart.enabled);
    EXPECT_FALSE(w.Cmdstart.isDefault) << "the repair only enables START";
    expectPoint(3, 150, 150);
    expectPoint(5, 450, 0);
}

// The numbers on the drawing are the points' own: a repair that renumbers them says so, once.
TEST_F(PointInput, NumbersFollowTheRepairThatSaysSoOnce) {
    w.session.perform(Command::ShowPointNumbers);
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {150, 0}, {300, 0}, {150, 150}})
        w.input.click(1, 0, x, y);
    EXPECT_EQ(w.view.status, "Points 3 and 4 swapped places so that the first three points do "
                             "not lie on one line.");
    std::vector<Overlay::Spot> shown;
    for (const Overlay::Number& number : w.view.overlay.numbers)
        shown.push_back(number.at);
    EXPECT_EQ(shown, (std::vector<Overlay::Spot>{{0, 0}, {150, 0}, {150, 150}, {300, 0}}));
    w.input.click(1, 0, 450, 450);
    EXPECT_EQ(w.view.status, "") << "said once";
    EXPECT_EQ(w.view.overlay.numbers.size(), 5u);
    EXPECT_GT(w.view.overlay.numbers[0].dy, 0) << "not above the top edge";
}

// Numbers stand inside the area, never over each other and near their dots, in a crowd as on the
// area's corners and edges; up and right of a dot where that is free.
TEST(NumberPlaces, NumbersKeepClearOfEachOtherAndInsideTheArea) {
    auto boxes = [](const std::vector<Overlay::Spot>& spots) {
        const std::vector<Overlay::Number> placed = placeNumbers(spots);
        std::vector<std::array<double, 4>> shown;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const MarkShape label =
                numberLabel(placed[i], static_cast<int>(i + 1), area::TwipsPerPixel);
            const double width = static_cast<double>(label.text.size()) * marks::DigitWidth;
            const double left = label.endsAtX ? label.x - width : label.x;
            shown.push_back({left, label.y - marks::DigitHeight, left + width, label.y});
        }
        return shown;
    };
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(0, area::MaxX), y(0, area::MaxY);
    for (int set = 0; set < 20; ++set) {
        std::vector<Overlay::Spot> spots{
            {0, 0}, {area::MaxX, 0}, {0, area::MaxY}, {area::MaxX, area::MaxY}};
        while (spots.size() < 200)
            spots.push_back({std::round(x(random)), std::round(y(random))});
        std::shuffle(spots.begin(), spots.end(), random);
        const std::vector<std::array<double, 4>> shown = boxes(spots);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const auto [left, top, right, bottom] = shown[i];
            ASSERT_TRUE(left >= 0 && top >= 0 && right <= area::WidthPixels &&
                        bottom <= area::HeightPixels)
                << "number " << i + 1 << " of set " << set << " cut by the area's edge";
            for (std::size_t j = 0; j < i; ++j)
                ASSERT_FALSE(left < shown[j][2] && shown[j][0] < right && top < shown[j][3] &&
                             shown[j][1] < bottom)
                    << "numbers " << j + 1 << " and " << i + 1 << " of set " << set;
            const double dotX = pixelCentre(spots[i].x, area::TwipsPerPixel);
            const double dotY = pixelCentre(spots[i].y, area::TwipsPerPixel);
            ASSERT_LE(std::hypot(std::max({left - dotX, 0.0, dotX - right}),
                                 std::max({top - dotY, 0.0, dotY - bottom})),
                      24)
                << "number " << i + 1 << " of set " << set << " far from its dot";
        }
    }
    const std::vector<std::array<double, 4>> alone = boxes({{3000, 3000}});
    const double dotX = pixelCentre(3000, area::TwipsPerPixel);
    EXPECT_EQ(alone[0][0], dotX + marks::NumberGap) << "up and right";
    EXPECT_LT(alone[0][3], pixelCentre(3000, area::TwipsPerPixel));
}

TEST_F(PointInput, CoincidingFirstTwoGiveUpSlotOne) {
    click(0, 0);
    click(0, 0);
    click(300, 0);
    click(150, 150);
    EXPECT_TRUE(w.Cmdstart.enabled);
    expectPoint(1, 150, 150);
    expectPoint(4, 0, 0);
}

TEST_F(PointInput, ThreeOnOneSpotNeedTwoMorePoints) {
    for (int i = 0; i < 3; ++i)
        click(90, 90);
    click(300, 90);
    EXPECT_FALSE(w.Cmdstart.enabled);
    expectPoint(1, 300, 90);
    expectPoint(4, 90, 90);
    click(300, 300);
    EXPECT_TRUE(w.Cmdstart.enabled);
    expectPoint(2, 300, 300);
    expectPoint(5, 90, 90);
    EXPECT_EQ(w.mod.Pointcount, 5);
}

TEST_F(PointInput, AfterResetTheNextClickIsPointOne) {
    click(15, 15);
    click(30, 30);
    w.form.Cmdreset_Click();
    click(45, 60);
    EXPECT_EQ(w.mod.Pointcount, 1);
    EXPECT_EQ(w.Lblcount.caption, "\n1");
    expectPoint(1, 45, 60);
}

// Random points: as many as asked for, all in the drawing area, and on a circle no two alike.
TEST(RandomPoints, AreAsManyAsAskedForAndLieInTheArea) {
    std::mt19937 random(4);
    for (RandomShape shape : {RandomShape::Uniform, RandomShape::Disk, RandomShape::Circle}) {
        for (int count : {3, 40, 500}) {
            std::vector<Overlay::Spot> spots = randomPoints(count, shape, random);
            ASSERT_EQ(spots.size(), static_cast<std::size_t>(count));
            for (const Overlay::Spot& spot : spots)
                ASSERT_TRUE(area::contains(spot.x, spot.y)) << spot.x << ", " << spot.y;
            if (shape != RandomShape::Circle)
                continue;
            std::sort(spots.begin(), spots.end(),
                      [](auto a, auto b) { return std::pair(a.x, a.y) < std::pair(b.x, b.y); });
            EXPECT_EQ(std::adjacent_find(spots.begin(), spots.end()), spots.end());
        }
    }
}

} // namespace
