#pragma once

// Controls that only keep their state, for the faces to show after each event and for tests to
// read.

#include "form/layout.h"
#include "form/services.h"

#include <string>

class KeptButton : public Button {
  public:
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }
    void setDefault(bool on) override { isDefault = on; }

    bool enabled = true;
    bool isDefault = false;
};

class KeptLabel : public Label {
  public:
    void setCaption(const std::string& text) override { caption = text; }

    std::string caption;
};

// The scroll bar's range is the layout's; its position is set from outside.
class KeptScrollBar : public ScrollBar {
  public:
    int16_t value() const override { return position; }
    int16_t max() const override { return maximum; }

    int16_t position = layout::SpeedMinimum;
    int16_t maximum = layout::SpeedMaximum;
};

// Enabled means the step ticks are due, one per interval.
class KeptTimer : public Timer {
  public:
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }
    void setInterval(int32_t milliseconds) override { interval = milliseconds; }

    bool enabled = false;
    int32_t interval = 0;
};

// The window's controls that only keep their state: a session owns them, and both faces show them
// from its description of the screen.
struct KeptControls {
    KeptButton Cmdstart, Cmdreset;
    KeptLabel Lblcount, Lbltext, Lblnote;
    KeptScrollBar Hsbspeed;
};
