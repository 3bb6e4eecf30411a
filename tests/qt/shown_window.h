#pragma once

// A window of its own, loaded, maximized and active with its whole drawing in view, and the speed
// bar at its slow end, so that the test alone makes the ticks.

#include "qt/main_window.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

struct ShownWindow {
    ShownWindow() {
        window.load();
        window.showMaximized();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_TRUE(QTest::qWaitFor([this] {
            return window.surface().visibleRegion() == QRegion(window.surface().rect());
        }));
        window.findChild<QScrollBar*>("Hsbspeed")->setValue(32767);
    }

    void click(QPoint pixel) {
        QTest::mouseClick(&window.surface(), Qt::LeftButton, Qt::NoModifier, pixel + QPoint(2, 2));
    }
    void press(const char* button) {
        QTest::mouseClick(window.findChild<QWidget*>(button), Qt::LeftButton);
    }
    bool enabled(const char* control) { return window.findChild<QWidget*>(control)->isEnabled(); }

    QtDesktop desktop{[](int) {}};
    Modhull points;
    MainWindow window{points, desktop};
};
