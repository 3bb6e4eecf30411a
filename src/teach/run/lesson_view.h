#pragma once

#include "teach/pictures/overlay.h"

#include <string>

// What the window shows of a run beside its own controls: a status line and the overlay; and what
// it gives a screen reader to say, at once where the user asked for it with a key, otherwise when
// the sentence before has been heard.
// A face that draws the session's description of its screen after each event needs only what is
// to be said.
class LessonView {
  public:
    virtual ~LessonView() = default;
    virtual void showStatus(const std::string& /*text*/) {}
    virtual void showOverlay(const Overlay& /*overlay*/) {}
    virtual void announce(const std::string& /*text*/, bool /*atOnce*/) {}
};
