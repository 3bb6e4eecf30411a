#include "qt/program.h"

#include "form/startup.h"

bool Program::start(const CommandLine& line) {
    Main(screen, services, [this, &line] {
        fmhull = std::make_unique<MainWindow>(points, services);
        fmhull->load();
        if (line.speed)
            fmhull->setSpeed(*line.speed);
        if (line.startPaused)
            fmhull->session().perform(Command::StartPaused);
        if (line.showEachStep)
            fmhull->session().perform(Command::ShowEachStep);
        if (line.showPointNumbers)
            fmhull->session().perform(Command::ShowPointNumbers);
        fmhull->showMaximized();
    });
    if (fmhull && !line.file.isEmpty())
        fmhull->openPoints(line.file);
    return fmhull && !services.hasEnded();
}
