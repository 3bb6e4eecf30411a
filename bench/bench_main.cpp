// Prints one "name: value" line per figure and nothing else. Runs on the offscreen platform unless
// another is set.

#include "engine_bench.h"
#include "pacing_bench.h"
#include "startup_bench.h"
#include "step_back_bench.h"

#include <QApplication>

// The platform's warnings (the offscreen one cannot pass size hints on, for one) are no figures.
void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

int main(int argc, char** argv) {
    qInstallMessageHandler(discardMessage);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchEngine();
    benchPacing();
    benchStartup();
    benchStepBack();
    return 0;
}
