#include "window/qt/main_window.h"
#include "window/qt/qt_desktop.h"
#include "window/startup.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QtDesktop desktop;
    QtScreen screen;
    Modhull points;
    std::unique_ptr<MainWindow> window;
    Main(screen, desktop, [&] {
        window = std::make_unique<MainWindow>(points, desktop);
        window->load();
        window->showMaximized();
    });
    // Refused at start-up, or ended by an error while loading.
    if (!window || desktop.hasEnded())
        return desktop.exitStatus();
    return application.exec();
}
