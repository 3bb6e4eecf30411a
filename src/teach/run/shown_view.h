#pragma once

#include "teach/run/lesson_view.h"

// Keeps what the lesson last showed, its status and its marks, and passes all on to a face.
class ShownView : public LessonView {
  public:
    explicit ShownView(LessonView& face) : face(face) {}

    void showStatus(const std::string& text) override {
        status = text;
        face.showStatus(text);
    }
    void showOverlay(const Overlay& overlay) override {
        marks = overlay;
        face.showOverlay(overlay);
    }
    void announce(const std::string& text, bool atOnce) override {
        if (!muted)
            face.announce(text, atOnce);
    }

    std::string status;
    Overlay marks;
    // Nothing is said meanwhile.
    bool muted = false;

  private:
    LessonView& face;
};
