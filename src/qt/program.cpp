#include "qt/program.h"

#include "form/startup.h"

bool Program::start(const QString& pointFile) {
    Main(screen, services, [this] {
        fmhull = std::make_unique<MainWindow>(points, services);
        fmhull->load();
        fmhull->showMaximized();
    });
    if (fmhull && !pointFile.isEmpty())
        fmhull->openPoints(pointFile);
    return fmhull && !services.hasEnded();
}
