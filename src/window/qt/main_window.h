#pragma once

#include "engine/modhull.h"
#include "window/fmhull.h"
#include "window/layout.h"
#include "window/qt/caption_label.h"
#include "window/qt/command_button.h"
#include "window/qt/picture_box.h"
#include "window/qt/qt_desktop.h"
#include "window/qt/speed_bar.h"
#include "window/qt/step_timer.h"

#include <QWidget>

// The window Fmhull in Qt: its fifteen controls at their fixed places, each event wired to its
// handler.
class MainWindow : public QWidget {
  public:
    MainWindow(Modhull& points, QtDesktop& desktop);

    // Writes the instruction texts and resets, before the window is first shown.
    void load();

    Fmhull& form() { return Form; }
    PictureBox& surface() { return Pichull; }
    StepTimer& timer() { return Tmrdelay; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void place(QWidget& control, const ControlLayout& entry);
    void buildLayout();
    void wireEvents();
    void focusAfterRun();

    QtDesktop& desktop;
    SpeedBar Hsbspeed;
    StepTimer Tmrdelay;
    CommandButton Cmdend, Cmdreset, Cmdstart;
    PictureBox Pichull;
    CaptionLabel Lblslow, Lblfast, Lblspeed, Lblnote, Lblnotes, Lbltext, Lblinstr, Lblcount,
        Lblnumber;
    Fmhull Form;
};
