#pragma once

// A window made of recording and scripted stand-ins for the toolkit, so that the engine and the
// event handlers run and can be inspected without a screen.

#include "teach/drawing_log.h"
#include "teach/lesson.h"
#include "teach/message_watch.h"
#include "teach/point_input.h"
#include "teach/timer_hold.h"
#include "form/fmhull.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingSurface : public Surface {
  public:
    static constexpr Color Background = 0xC0FFFF;

    void setForeColor(Color color) override { fore = color; }
    Color backColor() const override { return Background; }
    void setDrawWidth(int pixels) override { width = pixels; }
    void line(float x1, float y1, float x2, float y2) override {
        record({DrawCall::Line, fore, width, x1, y1, x2, y2});
    }
    void dot(float x, float y) override { record({DrawCall::Dot, fore, width, x, y, x, y}); }
    void clear() override { record({DrawCall::Clear, Background, width, 0, 0, 0, 0}); }
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }

    // Long runs only count what would be drawn.
    bool recording = true;
    std::size_t drawn = 0;
    std::vector<DrawCall> calls;
    Color fore = 0;
    int width = 1;
    bool enabled = true;

  private:
    void record(const DrawCall& call) {
        ++drawn;
        if (recording)
            calls.push_back(call);
    }
};

class FakeButton : public Button {
  public:
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }
    void setDefault(bool on) override { isDefault = on; }

    bool enabled = true;
    bool isDefault = false;
};

class FakeLabel : public Label {
  public:
    void setCaption(const std::string& text) override { caption = text; }

    std::string caption;
};

class FakeScrollBar : public ScrollBar {
  public:
    int16_t value() const override { return position; }
    int16_t max() const override { return maximum; }

    int16_t position = 0;
    int16_t maximum = 32767;
};

class FakeTimer : public Timer {
  public:
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }
    void setInterval(int32_t milliseconds) override {
        interval = milliseconds;
        enabledWhenIntervalSet = enabled;
    }

    bool enabled = false;
    int32_t interval = 0;
    bool enabledWhenIntervalSet = false;
};

struct ShownMessage {
    std::string prompt;
    int style;
    std::string title;
};

// Answers message boxes from a script; an unscripted question is answered No.
class ScriptedDesktop : public Desktop {
  public:
    int messageBox(const std::string& prompt, int style, const std::string& title) override {
        shown.push_back({prompt, style, title});
        if (whenShown)
            whenShown();
        if (answers.empty())
            return style == Critical ? AnswerOk : AnswerNo;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void end(int status) override {
        ended = true;
        endStatus = status;
    }

    std::deque<int> answers;
    std::vector<ShownMessage> shown;
    // Runs while a message box is open, to look at the window at that moment.
    std::function<void()> whenShown;
    bool ended = false;
    int endStatus = -1;
};

class RecordingLessonView : public LessonView {
  public:
    void showStatus(const std::string& text) override { status = text; }
    void showOverlay(const Overlay& shown) override { overlay = shown; }
    void showActions(const RunActions& shown) override { actions = shown; }

    std::string status;
    Overlay overlay;
    RunActions actions;
};

// The window's controls, with the step timer, the message boxes and the surface seen through the
// lesson's hold, watch and drawing log as the real window has them.
struct FakeWindow {
    Modhull mod;
    RecordingSurface Pichull;
    FakeButton Cmdstart, Cmdreset;
    FakeLabel Lblcount, Lbltext, Lblnote;
    FakeScrollBar Hsbspeed;
    FakeTimer Tmrdelay;
    ScriptedDesktop desktop;
    TimerHold hold{Tmrdelay};
    MessageWatch watch{desktop};
    DrawingLog drawing{Pichull};
    Fmhull form{mod, Controls{drawing, Cmdstart, Cmdreset, Lblcount, Lbltext, Lblnote, Hsbspeed,
                              hold, watch}};
    RecordingLessonView view;
    Lesson lesson{form, mod, drawing, Cmdreset, hold, view};
    PointInput input{form, mod, drawing, lesson};

    FakeWindow() {
        watch.beforeEachMessage([this] { lesson.beforeMessage(); });
    }

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
