#include "window/qt/program.h"

#include "window/startup.h"

bool Program::start() {
    Main(screen, services, [this] {
        fmhull = std::make_unique<MainWindow>(points, services);
        fmhull->load();
        fmhull->showMaximized();
    });
    return fmhull && !services.hasEnded();
}
