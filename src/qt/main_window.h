#pragma once

#include "engine/modhull.h"
#include "form/layout.h"
#include "qt/caption_label.h"
#include "qt/command_button.h"
#include "qt/command_menus.h"
#include "qt/lecture_tools.h"
#include "qt/lesson_display.h"
#include "qt/picture_box.h"
#include "qt/qt_desktop.h"
#include "qt/side_panels.h"
#include "qt/speed_bar.h"
#include "qt/spoken_notice.h"
#include "qt/step_timer.h"
#include "qt/timeline.h"
#include "teach/session/session.h"

#include <QMainWindow>

// The window Fmhull in Qt: its fifteen controls at their fixed places in the client area, each
// event wired to its handler; above them the menus, below them the status line of a lesson.
class MainWindow : public QMainWindow {
  public:
    MainWindow(Modhull& points, QtDesktop& desktop);

    // Writes the instruction texts and resets, before the window is first shown.
    void load();
    // Moves the speed bar to the first position with this pause between steps, in ms.
    void setSpeed(int milliseconds);
    // Replaces the points with those of a file, or says why it cannot.
    void openPoints(const QString& path);

    Session& session() { return core; }
    PictureBox& surface() { return drawingArea; }
    StepTimer& timer() { return stepTimer; }
    QWidget& clientArea() { return client; }
    QLabel& sentenceBeside() { return besideText; }
    SidePanels& sidePanels() { return panels; }
    CommandMenus& menus() { return commandMenus; }
    LectureTools& lectureTools() { return tools; }
    Timeline& runTimeline() { return timeline; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place(QWidget& control, const ControlLayout& entry);
    void buildLayout();
    void wireEvents();
    void showControls(const ControlsShown& shown);
    void placePanels(const ShownScreen& shown);
    void command(Command command);
    void carryOut(Command command);
    void focusAfterRun();
    void closePanels();
    void showHelp();
    void showMarks();
    void showAbout();

    QtDesktop& desktop;
    QWidget client;
    SpeedBar speedBar;
    StepTimer stepTimer;
    CommandButton endButton, resetButton, startButton;
    PictureBox drawingArea;
    CaptionLabel slowLabel, fastLabel, speedHeading, notesText, notesHeading, instructionsText,
        instructionsHeading, countBox, countLabel;
    QLabel besideText;
    SpokenNotice notice;
    LessonDisplay display;
    Session core;
    LectureTools tools;
    CommandMenus commandMenus;
    SidePanels panels;
    Timeline timeline;
};
