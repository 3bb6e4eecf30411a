#pragma once

#include "teach/lesson_view.h"

#include <QAction>

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
    QStatusBar& statusLine;
    PictureBox& surface;
};
