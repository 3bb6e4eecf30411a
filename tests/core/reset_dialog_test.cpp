#include "fake_window.h"

#include "window_texts.h"

#include <gtest/gtest.h>

namespace {

// A finished run of four points, with the completion question answered as given.
void finishRun(FakeWindow& w, int answer) {
    w.form.Form_Load();
    w.desktop.answers.push_back(answer);
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {0, 3000}, {3000, 0}, {3000, 3000}})
        w.form.Pichull_MouseDown(1, 0, x, y);
    w.form.Cmdstart_Click();
    while (w.Tmrdelay.enabled)
        w.form.Tmrdelay_Timer();
}

void expectInputPhase(const FakeWindow& w) {
    EXPECT_TRUE(w.Pichull.enabled);
    EXPECT_EQ(w.mod.Pointcount, 0);
    EXPECT_EQ(w.Lblcount.caption, "\n0");
    EXPECT_FALSE(w.Cmdstart.enabled);
    EXPECT_EQ(w.Pichull.width, 3);
    EXPECT_EQ(w.Pichull.fore, Magenta);
    EXPECT_EQ(w.Pichull.calls.back().kind, DrawCall::Clear);
}

TEST(Showmessage, AsksTheQuestionWithRESETAlreadyEnabled) {
    FakeWindow w;
    bool resetEnabledWhenAsked = false;
    w.desktop.whenShown = [&] { resetEnabledWhenAsked = w.Cmdreset.enabled; };
    finishRun(w, AnswerNo);
    ASSERT_EQ(w.desktop.shown.size(), 1u);
    EXPECT_EQ(w.desktop.shown[0].prompt, "Done! Reset and start again?");
    EXPECT_EQ(w.desktop.shown[0].style, 36);
    EXPECT_EQ(w.desktop.shown[0].title, "Convex Hull");
    EXPECT_TRUE(resetEnabledWhenAsked);
}

TEST(Showmessage, YesResetsForANewPointSet) {
    FakeWindow w;
    finishRun(w, AnswerYes);
    expectInputPhase(w);
    w.form.Pichull_MouseDown(1, 0, 150, 150);
    EXPECT_EQ(w.mod.Pointcount, 1);
    EXPECT_EQ(w.Lblcount.caption, "\n1");
    EXPECT_EQ(w.Pichull.calls.back(), (DrawCall{DrawCall::Dot, Magenta, 3, 150, 150, 150, 150}));
}

TEST(Showmessage, AnyOtherAnswerLeavesTheFinishedPicture) {
    for (int answer : {int{AnswerNo}, int{AnswerOk}, 2, 0}) {
        FakeWindow w;
        finishRun(w, answer);
        const std::size_t drawn = w.Pichull.calls.size();
        EXPECT_FALSE(w.Pichull.enabled);
        EXPECT_FALSE(w.Cmdstart.enabled);
        EXPECT_TRUE(w.Cmdreset.enabled);
        EXPECT_EQ(w.mod.Pointcount, 4);
        EXPECT_EQ(w.Pichull.width, 1);
        EXPECT_EQ(w.Pichull.fore, Blue);
        EXPECT_EQ(w.Pichull.calls.size(), drawn);

        // RESET after No gives the dotting pen again.
        w.form.Cmdreset_Click();
        expectInputPhase(w);
    }
}

// A page's dialog answers after the step has returned. Until then nothing acts, as behind a modal
// box; then Yes resets and No keeps the points for Step Back, as an answer at once does.
TEST(Showmessage, ALaterAnswerActsAsAtOnceAndNothingActsBehindIt) {
    for (int answer : {int{AnswerYes}, int{AnswerNo}}) {
        FakeWindow w;
        w.desktop.deferAnswers = true;
        w.session.load();
        for (std::pair<float, float> p :
             {std::pair{0.0f, 0.0f}, {0, 3000}, {3000, 0}, {3000, 3000}})
            w.session.click(1, 0, p.first, p.second);
        w.session.pressStart();
        while (w.Tmrdelay.enabled)
            w.session.tick();
        ASSERT_EQ(w.desktop.shown.size(), 1u);
        ASSERT_TRUE(w.Cmdreset.enabled);
        const std::size_t drawn = w.Pichull.calls.size();
        w.session.pressReset();
        w.session.perform(Command::StepBack);
        w.session.perform(Command::RunAgain);
        w.session.click(1, 0, 150, 150);
        EXPECT_EQ(w.Pichull.calls.size(), drawn) << "nothing acted behind the question";
        EXPECT_FALSE(w.session.isEnabled(Command::StepBack));

        w.session.answer(answer);
        if (answer == AnswerYes) {
            expectInputPhase(w);
            EXPECT_EQ(w.view.status, "");
        } else {
            EXPECT_EQ(w.mod.Pointcount, 4);
            EXPECT_TRUE(w.session.isEnabled(Command::StepBack));
            EXPECT_EQ(w.view.status, "Step 1 of 1.");
        }
    }
}

TEST(Cmdreset, KeepsTheCoordinatesTheEdgeListAndTheTimer) {
    FakeWindow w;
    finishRun(w, AnswerNo);
    const int hullcount = w.form.Hullcount;
    // The opposite of what a finished run leaves, so that touching either shows.
    w.Tmrdelay.enabled = true;
    w.Cmdreset.enabled = false;
    w.form.Cmdreset_Click();
    EXPECT_EQ(w.mod.Xcoord(4), 3000);
    EXPECT_EQ(w.form.Hullcount, hullcount);
    EXPECT_TRUE(w.Tmrdelay.enabled);
    EXPECT_FALSE(w.Cmdreset.enabled);
}

TEST(Cmdend, EndsTheProgramWithStatusZero) {
    FakeWindow w;
    w.form.Form_Load();
    w.form.Cmdend_Click();
    EXPECT_TRUE(w.desktop.ended);
    EXPECT_EQ(w.desktop.endStatus, 0);
    EXPECT_TRUE(w.desktop.shown.empty());
}

TEST(FormLoad, WritesBothTextsThenResets) {
    FakeWindow w;
    w.form.Form_Load();
    EXPECT_EQ(w.Lbltext.caption, InstructionsText);
    EXPECT_EQ(w.Lblnote.caption, NotesText);
    expectInputPhase(w);
}

} // namespace
