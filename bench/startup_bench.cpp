// From process start to the first paint of the window, for the program and for a bare Qt main
// window with the same menus and status line, launched alternately in the same run.

#include "startup_bench.h"

#include "measure.h"

#include <QCoreApplication>
#include <QProcess>

#include <ctime>

namespace {

constexpr int Launches = 9;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Milliseconds from launch to the first paint the program reports.
double launch(const QString& program) {
    QProcess process;
    const long long started = monotonicNanoseconds();
    process.start(QCoreApplication::applicationDirPath() + '/' + program, {});
    process.waitForFinished(30000);
    const long long painted = process.readAllStandardOutput().trimmed().toLongLong();
    return (painted - started) / 1e6;
}

} // namespace

void benchStartup() {
    std::vector<double> program, minimal;
    for (int i = 0; i < Launches; ++i) {
        program.push_back(launch(QStringLiteral("startup-program")));
        minimal.push_back(launch(QStringLiteral("minimal-window")));
    }
    report("startup_ms", median(program));
    report("startup_minimal_ms", median(minimal));
    report("startup_ratio", median(program) / median(minimal));
}
