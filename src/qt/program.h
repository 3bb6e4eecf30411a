#pragma once

#include "engine/modhull.h"
#include "qt/command_line.h"
#include "qt/main_window.h"
#include "qt/qt_desktop.h"

#include <memory>

// The program's life in Qt: the start-up check, then the window until the program ends.
class Program {
  public:
    // Checks the display and opens the window as the command line asks: the speed, the view, the
    // points of the file if one is named. False
    // when the program is already over: the display was refused, or loading the window failed.
    bool start(const CommandLine& line = {});

    // The window, once start() has opened it.
    MainWindow* window() { return mainWindow.get(); }
    QtDesktop& desktop() { return services; }
    const Modhull& pointSet() const { return points; }

  private:
    QtDesktop services;
    QtScreen screen;
    Modhull points;
    std::unique_ptr<MainWindow> mainWindow;
};
