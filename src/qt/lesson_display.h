#pragma once

#include "teach/lesson_view.h"

#include <QString>
#include <QTimer>

class PictureBox;
class QStatusBar;

// How the window shows a lesson: the status line and the marks over the drawing surface.
class LessonDisplay : public LessonView {
  public:
    LessonDisplay(QStatusBar& statusLine, PictureBox& surface);

    void showStatus(const std::string& text) override;
    void showOverlay(const Overlay& overlay) override;

  private:
    void showPendingStatus();

    QStatusBar& statusLine;
    // A fast run changes the status line every millisecond: it shows at most one change per pace,
    // the latest, which is all a screen or a screen reader can follow.
    QTimer statusPace;
    QString pendingStatus;
    PictureBox& surface;
};
