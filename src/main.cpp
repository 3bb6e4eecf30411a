#include "window/qt/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Program program;
    if (!program.start())
        return program.desktop().exitStatus();
    return application.exec();
}
