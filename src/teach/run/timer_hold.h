#pragma once

#include "form/services.h"

// Stands between the run and its step timer so that a run can be paused: while held, the timer
// stays off whatever the run asks, and what it asked for last takes effect on release.
class TimerHold : public Timer {
  public:
    explicit TimerHold(Timer& timer) : timer(timer) {}

    void setEnabled(bool enabled) override {
        wanted = enabled;
        timer.setEnabled(enabled && !held);
    }
    // What the run asked for, held or not.
    bool isEnabled() const override { return wanted; }
    void setInterval(int32_t milliseconds) override { timer.setInterval(milliseconds); }

    void hold() {
        held = true;
        timer.setEnabled(false);
    }
    void release() {
        held = false;
        timer.setEnabled(wanted);
    }
    bool isHeld() const { return held; }

  private:
    Timer& timer;
    bool wanted = false;
    bool held = false;
};
