#pragma once

// A window made of recording and scripted stand-ins for the toolkit, so that the engine and the
// event handlers run and can be inspected without a screen.

#include "form/kept_controls.h"
#include "form/layout.h"
#include "session_probe.h"
#include "teach/session/session.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingSurface : public CallSurface {
  public:
    static constexpr Color Background = *layout::Pichull.color;

    Color backColor() const override { return Background; }

    // Long runs only count what would be drawn.
    bool recording = true;
    std::size_t drawn = 0;
    std::vector<DrawCall> calls;

  private:
    void take(const DrawCall& call) override {
        ++drawn;
        if (recording)
            calls.push_back(call);
    }
};

using FakeButton = KeptButton;
using FakeLabel = KeptLabel;
using FakeScrollBar = KeptScrollBar;

class FakeTimer : public KeptTimer {
  public:
    void setInterval(int32_t milliseconds) override {
        KeptTimer::setInterval(milliseconds);
        enabledWhenIntervalSet = enabled;
    }

    bool enabledWhenIntervalSet = false;
};

struct ShownMessage {
    std::string prompt;
    int style;
    std::string title;
};

// Answers message boxes from a script; an unscripted question is answered No. Deferred, a box
// stays open until the test answers it through the session, as in a page whose dialogs do not
// block.
class ScriptedDesktop : public Desktop {
  public:
    void messageBox(const std::string& prompt, int style, const std::string& title,
                    Answered then) override {
        shown.push_back({prompt, style, title});
        if (whenShown)
            whenShown();
        int answer = style == Critical ? AnswerOk : AnswerNo;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (!deferAnswers && then)
            then(answer);
    }
    void end(int status) override {
        ended = true;
        endStatus = status;
    }

    std::deque<int> answers;
    std::vector<ShownMessage> shown;
    // Runs while a message box is open, to look at the window at that moment.
    std::function<void()> whenShown;
    bool deferAnswers = false;
    bool ended = false;
    int endStatus = -1;
};

class RecordingLessonView : public LessonView {
  public:
    void showStatus(const std::string& text) override { status = text; }
    void showOverlay(const Overlay& shown) override { overlay = shown; }
    void announce(const std::string& text, bool atOnce) override {
        heard.push_back({text, atOnce});
    }

    struct Heard {
        std::string text;
        bool atOnce;
    };

    std::string status;
    Overlay overlay;
    // What a screen reader was given to say, in order.
    std::vector<Heard> heard;
};

// The window's controls as fakes, put together by the same session as the real window's; the
// controls that only keep their state are the session's own.
struct FakeWindow {
    RecordingSurface Pichull;
    FakeTimer Tmrdelay;
    ScriptedDesktop desktop;
    Modhull mod;
    RecordingLessonView view;
    Session session{mod, {Pichull, Tmrdelay, desktop}, view};
    KeptControls& kept = SessionProbe::kept(session);
    FakeButton &Cmdstart = kept.Cmdstart, &Cmdreset = kept.Cmdreset;
    FakeLabel &Lblcount = kept.Lblcount, &Lbltext = kept.Lbltext, &Lblnote = kept.Lblnote;
    FakeScrollBar& Hsbspeed = kept.Hsbspeed;
    TimerHold& hold = SessionProbe::hold(session);
    DrawingLog& drawing = SessionProbe::drawing(session);
    Fmhull& form = SessionProbe::form(session);
    Lesson& lesson = SessionProbe::lesson(session);
    PointInput& input = SessionProbe::input(session);
    MessageWatch& watch = SessionProbe::watch(session);

    void setPoint(int16_t i, float x, float y) {
        mod.Xcoord(i) = x;
        mod.Ycoord(i) = y;
    }

    // Points 1..n as given, with no drawing; the surface's record starts empty.
    void setPoints(std::initializer_list<std::pair<float, float>> points) {
        int16_t i = 0;
        for (auto [x, y] : points)
            setPoint(++i, x, y);
        mod.Pointcount = i;
    }
};
