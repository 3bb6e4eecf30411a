// Random sequences of every event a user or the timer can cause, and of the run commands, checking
// after each one that the enabled states form one of the program's phases, that the point count,
// the caption and the edge list agree, and that a command the menu shows disabled does nothing.

#include "fake_window.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>
#include <string>

namespace {

enum class Phase { InputUnusable, InputUsable, Running, Paused, Finished, None };

bool pointsUsable(const FakeWindow& w) {
    return w.mod.Pointcount >= 3 && w.mod.Orient(1, 2, 3) != 0;
}

Phase phaseOf(const FakeWindow& w) {
    const bool input = w.Pichull.enabled, start = w.Cmdstart.enabled, reset = w.Cmdreset.enabled,
               timer = w.Tmrdelay.enabled;
    const bool dottingPen = w.Pichull.width == 3 && w.Pichull.fore == Magenta;
    const bool thinPen = w.Pichull.width == 1;
    if (input && !start && reset && !timer && dottingPen && !pointsUsable(w))
        return Phase::InputUnusable;
    if (input && start && reset && !timer && dottingPen && pointsUsable(w))
        return Phase::InputUsable;
    if (!input && !start && !reset && timer && thinPen)
        return Phase::Running;
    // Paused between steps, or, with three points started paused, before the question.
    if (!input && !start && reset && !timer && thinPen &&
        ((w.hold.isHeld() && w.hold.isEnabled()) || w.watch.holdsOne()))
        return Phase::Paused;
    if (!input && !start && reset && !timer && thinPen && w.Pichull.fore == Blue)
        return Phase::Finished;
    return Phase::None;
}

// The hull so far is a closed chain with every inserted point inside or on it.
bool edgeListHolds(const FakeWindow& w, int inserted) {
    const Fmhull& form = w.form;
    if (form.Hullcount < 3 || form.Hullcount > inserted)
        return false;
    for (int k = 1; k <= form.Hullcount; ++k) {
        if (form.Edgeto(k) != form.Edgefrom(k % form.Hullcount + 1))
            return false;
        for (int16_t p = 1; p <= inserted; ++p)
            if (w.mod.Orient(form.Edgefrom(k), form.Edgeto(k), p) < 0)
                return false;
    }
    return true;
}

struct Weights {
    int clickInside, clickOutside, start, reset, scroll, tick, command;
};

// What a command could change: refused, it must leave all of it as it was.
struct Snapshot {
    bool input, start, reset, timer, held;
    int16_t points, curpoint, hullcount;
    std::size_t drawn;
    std::string status;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshotOf(const FakeWindow& w) {
    return {w.Pichull.enabled, w.Cmdstart.enabled, w.Cmdreset.enabled, w.Tmrdelay.enabled,
            w.hold.isHeld(),   w.mod.Pointcount,   w.form.Curpoint,    w.form.Hullcount,
            w.Pichull.drawn,   w.view.status};
}

class Monkey {
  public:
    Monkey(unsigned seed, Weights weights) : random(seed), weights(weights) {
        w.Pichull.recording = false;
        w.desktop.whenShown = [this] { checkDialogOpen(); };
        w.form.Form_Load();
    }

    // Runs events until END or the given count; returns the number of events delivered.
    int run(int events) {
        for (int e = 0; e < events; ++e) {
            if (!deliverOne())
                return e + 1;
            check();
            if (::testing::Test::HasFatalFailure())
                return e + 1;
        }
        return events;
    }

  private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // One event a user or the timer could cause now: disabled controls deliver nothing.
    bool deliverOne() {
        // END is rare, so that most sequences are long.
        if (between(0, 9999) == 0) {
            w.form.Cmdend_Click();
            EXPECT_TRUE(w.desktop.ended);
            return false;
        }
        const int total = weights.clickInside + weights.clickOutside + weights.start +
                          weights.reset + weights.scroll + weights.tick + weights.command;
        int pick = between(0, total - 1);
        if ((pick -= weights.clickInside) < 0) {
            if (w.Pichull.enabled)
                click(between(0, 7860), between(0, 7020));
        } else if ((pick -= weights.clickOutside) < 0) {
            if (w.Pichull.enabled)
                click(between(0, 1) ? between(-3000, -1) : between(7861, 12000),
                      between(-100, 8000));
        } else if ((pick -= weights.start) < 0) {
            if (w.Cmdstart.enabled) {
                answerNextQuestion();
                w.lesson.start();
            }
        } else if ((pick -= weights.reset) < 0) {
            if (w.Cmdreset.enabled)
                w.lesson.reset();
        } else if ((pick -= weights.scroll) < 0) {
            w.Hsbspeed.position = static_cast<int16_t>(between(0, 32767));
            w.form.Hsbspeed_Change();
        } else if ((pick -= weights.tick) < 0) {
            if (w.Tmrdelay.enabled)
                w.lesson.tick();
        } else {
            command();
        }
        return true;
    }

    void answerNextQuestion() {
        w.desktop.answers.clear();
        w.desktop.answers.push_back(between(0, 1) ? AnswerYes : AnswerNo);
    }

    // A run command as the menu offers it: one that the menu shows disabled must change nothing.
    void command() {
        const std::pair<Command, void (Lesson::*)()> commands[] = {
            {Command::PauseOrResume, &Lesson::pauseOrResume},
            {Command::StepForward, &Lesson::stepForward},
            {Command::StepBack, &Lesson::stepBack},
            {Command::RunAgain, &Lesson::runAgain}};
        const int which = between(0, static_cast<int>(std::size(commands)));
        if (which == static_cast<int>(std::size(commands))) {
            w.lesson.showEachStep(between(0, 1) == 1);
            w.lesson.startPaused(between(0, 1) == 1);
            return;
        }
        auto [shown, run] = commands[which];
        const bool enabled = w.session.isEnabled(shown);
        const Snapshot before = snapshotOf(w);
        answerNextQuestion();
        (w.lesson.*run)();
        if (!enabled)
            EXPECT_EQ(snapshotOf(w), before) << "command " << which << " acted while disabled";
        else
            ++commands_[which];
    }

    void click(int x, int y) {
        // Whole pixels mostly, and now and then a spot already taken.
        if (w.mod.Pointcount > 0 && between(0, 9) == 0) {
            const int16_t again = static_cast<int16_t>(between(1, w.mod.Pointcount));
            w.form.Pichull_MouseDown(1, 0, w.mod.Xcoord(again), w.mod.Ycoord(again));
        } else {
            w.form.Pichull_MouseDown(between(1, 4), between(0, 7), static_cast<float>(x / 15 * 15),
                                     static_cast<float>(y / 15 * 15));
        }
    }

    void checkDialogOpen() {
        if (w.desktop.shown.back().style != QuestionYesNo) {
            EXPECT_EQ(w.mod.Pointcount, Modhull::Maxpoints)
                << "the only other message is the refusal";
            ++refusals;
            return;
        }
        ++questions;
        EXPECT_FALSE(w.Pichull.enabled);
        EXPECT_FALSE(w.Cmdstart.enabled);
        EXPECT_TRUE(w.Cmdreset.enabled);
        EXPECT_FALSE(w.Tmrdelay.enabled);
        EXPECT_EQ(w.Pichull.width, 1);
        EXPECT_EQ(w.Pichull.fore, Blue);
        EXPECT_TRUE(edgeListHolds(w, w.mod.Pointcount));
    }

    void check() {
        const Phase phase = phaseOf(w);
        ASSERT_NE(phase, Phase::None);
        const bool going = phase == Phase::Running || phase == Phase::Paused;
        const bool finished = phase == Phase::Finished;
        ASSERT_EQ(w.session.isEnabled(Command::PauseOrResume), going);
        ASSERT_EQ(w.session.isEnabled(Command::StepForward), going);
        // Back from any step after the first triangle, and from the end of a run that had one.
        ASSERT_EQ(w.session.isEnabled(Command::StepBack),
                  going ? w.mod.Pointcount > 3 && w.form.Curpoint > 3
                        : finished && w.mod.Pointcount > 3);
        ASSERT_EQ(w.session.isEnabled(Command::RunAgain), phase == Phase::Paused || finished);
        ASSERT_EQ(w.view.status.empty(),
                  phase == Phase::InputUnusable || phase == Phase::InputUsable)
            << w.view.status;
        ASSERT_GE(w.mod.Pointcount, 0);
        ASSERT_LE(w.mod.Pointcount, Modhull::Maxpoints);
        std::string caption = "\n";
        caption += std::to_string(w.mod.Pointcount);
        ASSERT_EQ(w.Lblcount.caption, caption);
        if (w.watch.holdsOne()) {
            // Three points started paused: the first triangle, its question kept back.
            ASSERT_EQ(w.mod.Pointcount, 3);
            ASSERT_TRUE(edgeListHolds(w, 3));
        } else if (phase == Phase::Running || phase == Phase::Paused) {
            ASSERT_GE(w.form.Curpoint, 3);
            ASSERT_LT(w.form.Curpoint, w.mod.Pointcount);
            ASSERT_TRUE(edgeListHolds(w, w.form.Curpoint));
        } else if (phase == Phase::Finished) {
            ASSERT_TRUE(edgeListHolds(w, w.mod.Pointcount));
        }
    }

  public:
    int questions = 0;
    int refusals = 0;
    // How often each command acted.
    std::array<int, 4> commands_{};

  private:
    std::mt19937 random;
    Weights weights;
    FakeWindow w;
};

TEST(PhaseMonkey, EveryEventLeavesTheWindowInOnePhase) {
    // Busy clicking with rare resets, so that the set fills up; and a balanced mix.
    const Weights mixes[] = {
        {60, 5, 3, 3, 5, 40, 10}, {600, 20, 1, 1, 2, 20, 2}, {30, 10, 10, 10, 10, 60, 30}};
    long delivered = 0;
    int questions = 0;
    int refusals = 0;
    std::array<int, 4> commands{};
    for (unsigned seed = 1; seed <= 24; ++seed) {
        Monkey monkey(seed, mixes[seed % 3]);
        delivered += monkey.run(8000);
        questions += monkey.questions;
        refusals += monkey.refusals;
        for (std::size_t c = 0; c < commands.size(); ++c)
            commands[c] += monkey.commands_[c];
        ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << seed;
    }
    std::printf("events delivered: %ld, runs finished: %d, clicks refused: %d, pauses or resumes: "
                "%d, steps forward: %d, steps back: %d, runs again: %d\n",
                delivered, questions, refusals, commands[0], commands[1], commands[2], commands[3]);
    EXPECT_GT(delivered, 100000);
    EXPECT_GT(questions, 100);
    EXPECT_GT(refusals, 0);
    for (int acted : commands)
        EXPECT_GT(acted, 100) << "every run command acted often";
}

} // namespace
