#include "qt/program.h"

#include "form/startup.h"

bool Program::start(const CommandLine& line) {
    Main(screen, services, [this, &line] {
        mainWindow = std::make_unique<MainWindow>(points, services);
        mainWindow->load();
        mainWindow->lectureTools().linkPagesAt(line.pageAddress);
        if (line.speed)
            mainWindow->setSpeed(*line.speed);
        if (line.startPaused)
            mainWindow->session().perform(Command::StartPaused);
        if (line.showEachStep)
            mainWindow->session().perform(Command::ShowEachStep);
        if (line.showPointNumbers)
            mainWindow->session().perform(Command::ShowPointNumbers);
        mainWindow->showMaximized();
    });
    if (mainWindow && !line.file.isEmpty())
        mainWindow->openPoints(line.file);
    return mainWindow && !services.hasEnded();
}
