#pragma once

#include "teach/run/lesson_view.h"
#include "teach/session/screen.h"

#include <QString>
#include <QTimer>

class PictureBox;
class SpokenNotice;
class QLabel;
class QStatusBar;

// How the window shows a lesson as the session describes it: the status line, the same sentence in
// large type beside the drawing where the window has room, and the marks over the drawing
// surface; and what it says to a screen reader.
class LessonDisplay : public LessonView {
  public:
    LessonDisplay(QStatusBar& statusLine, QLabel& besideText, PictureBox& surface,
                  SpokenNotice& notice);

    void show(const ShownScreen& screen);
    void announce(const std::string& text, bool atOnce) override;

  private:
    void showPendingStatus();

    QStatusBar& statusLine;
    QLabel& besideText;
    // A fast run changes the status line every millisecond: it shows at most one change per pace,
    // the latest, which is all a screen or a screen reader can follow.
    QTimer statusPace;
    QString pendingStatus;
    PictureBox& surface;
    SpokenNotice& notice;
};
