// Prints one "name: value" line per figure. Runs on the offscreen platform unless another is set.

#include "engine_bench.h"
#include "pacing_bench.h"
#include "startup_bench.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchEngine();
    benchPacing();
    benchStartup();
    return 0;
}
