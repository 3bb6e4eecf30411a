#include "fake_window.h"

#include <gtest/gtest.h>

namespace {

class RunControl : public ::testing::Test {
  protected:
    void SetUp() override { w.form.Form_Load(); }

    void clickPoints(int count) {
        const std::pair<float, float> points[] = {
            {0, 0}, {0, 3000}, {3000, 0}, {3000, 3000}, {6000, 6000}};
        for (int i = 0; i < count; ++i)
            w.form.Pichull_MouseDown(1, 0, points[i].first, points[i].second);
    }

    FakeWindow w;
};

TEST_F(RunControl, StartLocksInputAndPreparesAThinPen) {
    clickPoints(4);
    w.Pichull.calls.clear();
    w.form.Cmdstart_Click();
    EXPECT_FALSE(w.Pichull.enabled);
    EXPECT_FALSE(w.Cmdstart.enabled);
    EXPECT_FALSE(w.Cmdreset.enabled);
    ASSERT_EQ(w.Pichull.calls.size(), 3u);
    EXPECT_EQ(w.Pichull.calls[0].width, 1);
    EXPECT_EQ(w.Pichull.calls[0].color, Blue);
    EXPECT_EQ(w.form.Curpoint, 3);
    EXPECT_TRUE(w.Tmrdelay.enabled);
    EXPECT_EQ(w.Tmrdelay.interval, 1);
    EXPECT_TRUE(w.Tmrdelay.enabledWhenIntervalSet) << "armed first, then paced";
}

TEST_F(RunControl, StartWithThreePointsAsksAtOnceAndNeverTicks) {
    clickPoints(3);
    w.form.Curpoint = 77;
    w.Hsbspeed.maximum = 0; // would fault if the scroll bar were read
    w.Pichull.calls.clear();
    w.form.Cmdstart_Click();
    EXPECT_EQ(w.desktop.shown.size(), 1u);
    EXPECT_FALSE(w.Tmrdelay.enabled);
    EXPECT_EQ(w.Tmrdelay.interval, 0);
    EXPECT_EQ(w.form.Curpoint, 77);
    EXPECT_EQ(w.Pichull.calls.size(), 3u) << "the triangle is the finished picture";
    EXPECT_EQ(w.form.Hullcount, 3);
}

TEST_F(RunControl, StartWithFourPointsTakesOneTick) {
    clickPoints(4);
    w.form.Cmdstart_Click();
    EXPECT_TRUE(w.desktop.shown.empty());
    int ticks = 0;
    while (w.Tmrdelay.enabled) {
        w.form.Tmrdelay_Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(w.form.Curpoint, 4);
    EXPECT_EQ(w.desktop.shown.size(), 1u);
    EXPECT_EQ(w.form.Hullcount, 4);
}

TEST_F(RunControl, TickDisarmsTheTimerBeforeTheStep) {
    clickPoints(5);
    w.form.Cmdstart_Click();
    bool armedDuringDialog = true;
    w.desktop.whenShown = [&] { armedDuringDialog = w.Tmrdelay.enabled; };
    w.form.Tmrdelay_Timer();
    EXPECT_TRUE(w.Tmrdelay.enabled) << "a step with points left re-arms the timer";
    w.form.Tmrdelay_Timer();
    EXPECT_FALSE(armedDuringDialog);
    EXPECT_FALSE(w.Tmrdelay.enabled);
}

TEST_F(RunControl, StepDelayFollowsTheScrollBar) {
    const std::pair<int16_t, int32_t> delays[] = {
        {0, 1}, {1000, 31}, {16384, 500}, {32767, 1000}, {5000, 153}};
    for (auto [position, milliseconds] : delays) {
        w.Hsbspeed.position = position;
        w.form.Hsbspeed_Change();
        EXPECT_EQ(w.Tmrdelay.interval, milliseconds) << "at " << position;
        EXPECT_FALSE(w.Tmrdelay.enabled) << "moving the scroll bar while idle starts nothing";
    }
}

TEST_F(RunControl, ScrollBarDuringARunChangesTheNextPause) {
    clickPoints(5);
    w.Hsbspeed.position = 32767;
    w.form.Cmdstart_Click();
    EXPECT_EQ(w.Tmrdelay.interval, 1000);
    w.Hsbspeed.position = 0;
    w.form.Hsbspeed_Change();
    EXPECT_EQ(w.Tmrdelay.interval, 1);
    EXPECT_TRUE(w.Tmrdelay.enabled);
}

TEST_F(RunControl, ZeroMaximumIsAFloatingPointFaultAndKeepsTheInterval) {
    w.Tmrdelay.interval = 42;
    w.Hsbspeed.maximum = 0;
    for (int16_t position : {0, 5}) {
        w.Hsbspeed.position = position;
        try {
            w.form.Hsbspeed_Change();
            ADD_FAILURE() << "no fault";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), RuntimeError::Kind::FloatingPointFault);
        }
        EXPECT_EQ(w.Tmrdelay.interval, 42);
    }
}

// A pause asked for at launch: the speed bar's first position with that pause, for each of them.
TEST_F(RunControl, EveryPauseHasAFirstPositionOnTheBar) {
    for (int32_t pause = 1; pause <= 1000; ++pause) {
        w.Hsbspeed.position = Fmhull::positionFor(pause, w.Hsbspeed.maximum);
        w.form.Hsbspeed_Change();
        ASSERT_EQ(w.Tmrdelay.interval, pause);
        if (w.Hsbspeed.position > 0) {
            --w.Hsbspeed.position;
            w.form.Hsbspeed_Change();
            ASSERT_LT(w.Tmrdelay.interval, pause) << "the first position";
        }
    }
}

} // namespace
