// What a student meets who does not see the drawing: every sentence a screen reader is given,
// whole, for clicks, undo, steps, views and the hull; the pacing of sentences that come faster
// than speech; and what the screen description and the typed point give the faces.

#include "fake_window.h"
#include "teach/files/json_writer.h"
#include "teach/session/screen.h"
#include "teach/words/announcer.h"

#include <gtest/gtest.h>

namespace {

std::string lastHeard(const FakeWindow& w) {
    return w.view.heard.empty() ? std::string("(nothing)") : w.view.heard.back().text;
}

// Nine clicks, one in each third of the area across and down, near the thirds' borders, an undo,
// and a paused run stepped forward and back with the views turned on and off.
TEST(WhatIsHeard, EachClickStepAndViewInWholeSentences) {
    FakeWindow w;
    w.session.load();
    const std::vector<std::tuple<float, float, std::string>> clicks{
        {1000, 6000, "point 1, lower left"},      {5000, 1000, "point 2, near the top"},
        {7000, 1000, "point 3, upper right"},     {1000, 3500, "point 4, near the left side"},
        {3900, 3000, "point 5, near the centre"}, {5300, 2400, "point 6, near the right side"},
        {500, 2000, "point 7, upper left"},       {3900, 4700, "point 8, near the bottom"},
        {7000, 6000, "point 9, lower right"},
    };
    for (const auto& [x, y, said] : clicks) {
        w.session.click(1, 0, x, y);
        EXPECT_EQ(lastHeard(w), said);
    }
    w.session.perform(Command::UndoLastPoint);
    EXPECT_EQ(lastHeard(w), "point 9 taken back");
    w.session.perform(Command::UndoLastPoint);
    EXPECT_EQ(lastHeard(w), "point 8 taken back");

    w.session.perform(Command::StartPaused);
    EXPECT_EQ(lastHeard(w), "Start Paused on");
    w.session.pressStart();
    EXPECT_EQ(lastHeard(w), "Points 2 and 3 swapped places so that the first triangle runs "
                            "counter-clockwise on the screen. Paused at step 0 of 4: the first "
                            "triangle is point 1, lower left, point 2, upper right and point 3, "
                            "near the top. The hull has 3 corners.");
    const std::vector<std::string> steps{
        // Point 4 sees the edge from 3 to 1 alone.
        "Paused at step 1 of 4: point 4, near the left side, lies outside 1 edge; it is replaced "
        "by "
        "2 edges to it: the edge from 3 to 1 goes; 4 joins 3 and 1. The hull has 4 corners.",
        "Paused at step 2 of 4: point 5, near the centre, lies inside the hull; nothing changes.",
        "Paused at step 3 of 4: point 6, near the right side, lies inside the hull; nothing "
        "changes.",
        // Point 7 sees two edges, the chain from 3 round to 1; the last step is said before the
        // question, as a step of the run.
        "Step 4 of 4: point 7, upper left, lies outside 2 edges; they are replaced by 2 edges to "
        "it: the edges from 3 to 4 and from 4 to 1 go; 7 joins 3 and 1. The hull has 4 corners.",
    };
    for (const std::string& step : steps) {
        w.session.perform(Command::StepForward);
        EXPECT_EQ(lastHeard(w), step);
    }
    const std::size_t before = w.view.heard.size();
    w.session.perform(Command::StepBack);
    EXPECT_EQ(w.view.heard.size(), before + 1) << "one sentence for one Step Back";
    EXPECT_EQ(lastHeard(w), steps[2]);
    EXPECT_TRUE(w.view.heard.back().atOnce) << "asked for with a key";

    w.session.perform(Command::ReadTheHull);
    EXPECT_EQ(lastHeard(w), "The hull: points 1, 2, 3 and 4, counter-clockwise from point 1.");
    w.session.perform(Command::ShowEachStep);
    EXPECT_EQ(lastHeard(w), "Show Each Step on");
    w.session.perform(Command::ShowCostOfRun);
    EXPECT_EQ(lastHeard(w).substr(0, 71),
              "Cost of the Run on. This run: 14 orientation tests for 6 points so far.");
    w.session.perform(Command::ShowCostOfRun);
    EXPECT_EQ(lastHeard(w), "Cost of the Run off");
    w.session.perform(Command::ShowPointNumbers);
    EXPECT_EQ(lastHeard(w), "Show Point Numbers on");
}

// A run faster than speech, on a clock of the test's own: each sentence has its time, longer for a
// longer one, while only the latest waits; a key's sentence goes at once.
TEST(WhatIsHeard, SentencesFasterThanSpeechWaitTheirTurnOnlyTheLatest) {
    Announcer pace;
    const std::string longer(50, 'x');
    EXPECT_EQ(pace.offer(longer, false, 0), longer);
    EXPECT_EQ(pace.offer("step 2", false, 100), std::nullopt);
    EXPECT_EQ(pace.untilDue(100), Announcer::PerCharacter * 50 - 100) << "as long as it is said";
    EXPECT_EQ(pace.offer("step 3", false, 2000), std::nullopt);
    EXPECT_EQ(pace.due(2999), std::nullopt);
    EXPECT_EQ(pace.due(3000), "step 3") << "the latest, once the one before is heard";
    EXPECT_EQ(pace.due(5000), std::nullopt) << "step 2 was passed over";
    EXPECT_EQ(pace.untilDue(3100), std::numeric_limits<double>::infinity());
    EXPECT_EQ(pace.offer("step 4", false, 3500), std::nullopt);
    EXPECT_EQ(pace.untilDue(3500), Announcer::Least - 500) << "at least a second between two";
    EXPECT_EQ(pace.offer("Pause on", true, 3600), "Pause on");
    EXPECT_EQ(pace.due(10000), std::nullopt) << "the key's sentence took the waiting one's place";
}

// The typed point takes both ends of each axis and nothing past them, and says which coordinate
// is wrong.
TEST(WhatIsHeard, AddPointTakesTheWholeAreaAndNamesTheWrongCoordinate) {
    FakeWindow w;
    w.session.load();
    for (auto [x, y] : {std::pair{"0", "0"}, {"7860", "0"}, {"0", "7020"}, {"7860", "7020"}})
        w.session.addPoint(x, y);
    EXPECT_EQ(w.mod.Pointcount, 4);
    EXPECT_TRUE(w.desktop.shown.empty());
    EXPECT_EQ(w.mod.Xcoord(4), 7860);
    EXPECT_EQ(w.mod.Ycoord(4), 7020);
    w.session.addPoint("7860.5", "10");
    w.session.addPoint("10", "-1");
    ASSERT_EQ(w.desktop.shown.size(), 2u);
    EXPECT_EQ(w.desktop.shown[0].prompt,
              "Cannot add the point:\nX must be a number from 0 to 7860 twips, not \"7860.5\".");
    EXPECT_EQ(w.desktop.shown[1].prompt,
              "Cannot add the point:\nY must be a number from 0 to 7020 twips, not \"-1\".");
    EXPECT_EQ(w.mod.Pointcount, 4);
}

// Step Into during a run pauses it inside the next step, and at that step's end; the screen both
// faces draw carries the code's lit lines and the point list's X and Y as the core has them.
TEST(WhatIsHeard, StepIntoDuringARunAndTheScreenTheFacesDraw) {
    FakeWindow w;
    w.session.load();
    for (auto [x, y] :
         {std::pair{1500.0f, 1500.0f}, {1500, 4500}, {4500, 4500}, {4500, 1500}, {3000, 300}})
        w.session.click(1, 0, x, y);
    w.session.pressStart();
    ASSERT_TRUE(w.session.isRunning());
    w.session.perform(Command::StepInto);
    EXPECT_TRUE(w.session.isPaused());
    EXPECT_EQ(lastHeard(w), "The walk begins with the last edge: point 4 lies on the outer side "
                            "of the edge from 3 to 1.");
    w.session.perform(Command::ShowTheCode);
    w.session.perform(Command::ShowPointList);
    w.session.perform(Command::StepInto);
    JsonWriter json;
    json.beginObject();
    writeScreen(json, w.session.screen());
    const std::string screen = json.endObject().text();
    EXPECT_NE(screen.find("\"code\":{\"algorithm\":0,\"lit\":[4,6,8],"), std::string::npos) << screen;
    EXPECT_NE(screen.find("\"pointList\":[[1,\"1500\",\"1500\",\"corner\"],[2,\"1500\",\"4500\","),
              std::string::npos)
        << screen;
    for (int press = 3; press <= 5; ++press)
        w.session.perform(Command::StepInto);
    EXPECT_FALSE(w.form.isWalking());
    EXPECT_TRUE(w.session.isPaused()) << "paused at the step's end until Resume";
    EXPECT_FALSE(w.Tmrdelay.enabled);
}

} // namespace
