#pragma once

#include "teach/lesson_view.h"

#include <QAction>
#include <QTimer>

class PictureBox;
class QMenuBar;
class QStatusBar;

// How the window shows a lesson: the Run and View menus, the status line and the marks over the
// drawing surface.
class LessonDisplay : public LessonView {
  public:
    LessonDisplay(QObject* owner, QStatusBar& statusLine, PictureBox& surface);

    void addMenus(QMenuBar& menus);

    void showStatus(const std::string& text) override;
    void showOverlay(const Overlay& overlay) override;
    void showActions(const RunActions& actions) override;

    QAction pause, stepForward, stepBack, runAgain, showEachStep;

  private:
    void showPendingStatus();

    QStatusBar& statusLine;
    // A fast run changes the status line every millisecond: it shows at most one change per pace,
    // the latest, which is all a screen or a screen reader can follow.
    QTimer statusPace;
    QString pendingStatus;
    PictureBox& surface;
};
