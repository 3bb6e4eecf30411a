#include "qt/command_line.h"
#include "qt/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    const CommandLine line = readCommandLine(argc, argv);
    if (line.exitStatus)
        return *line.exitStatus;
    QApplication application(argc, argv);
    Program program;
    if (!program.start(line))
        return program.desktop().exitStatus();
    return application.exec();
}
