#pragma once

#include "qt/main_window.h"

#include <QCoreApplication>

// The real window, loaded and shown, with a desktop whose end changes nothing.
struct ShownWindow {
    ShownWindow() {
        window.load();
        window.show();
        QCoreApplication::processEvents();
    }

    QtDesktop desktop{[](int) {}};
    Modhull points;
    MainWindow window{points, desktop};
};
