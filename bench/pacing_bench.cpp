// A 500-point run at the fastest speed through the real window, timer and event loop, alone and
// with gift wrapping compared beside it, against a bare self-clocked 1 ms timer loop of the same
// number of ticks.

#include "pacing_bench.h"

#include "measure.h"
#include "message_answerer.h"
#include "shown_window.h"

#include <QEventLoop>
#include <QPushButton>

#include <random>

namespace {

constexpr int Points = 500;
constexpr int Ticks = Points - 3;
constexpr int Repetitions = 5;

// From START to the completion question, in microseconds.
double timedRun(bool compared) {
    ShownWindow shown;
    MainWindow& window = shown.window;
    const Modhull& points = shown.points;

    std::mt19937 random(Points);
    std::uniform_int_distribution<int> x(0, 524), y(0, 468);
    for (QPoint corner : {QPoint(0, 0), QPoint(0, 468), QPoint(524, 0)})
        window.session().click(1, 0, corner.x() * 15.0f, corner.y() * 15.0f);
    while (points.Pointcount < Points)
        window.session().click(1, 0, x(random) * 15.0f, y(random) * 15.0f);

    if (compared)
        window.session().perform(Command::CompareWithGiftWrapping);
    QEventLoop loop;
    MessageAnswerer answerer;
    std::chrono::steady_clock::time_point asked;
    answerer.whenShown = [&](const MessageAnswerer::Shown&) {
        asked = std::chrono::steady_clock::now();
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
    };
    const auto started = std::chrono::steady_clock::now();
    window.findChild<QPushButton*>(QStringLiteral("Cmdstart"))->click();
    loop.exec();
    return std::chrono::duration<double, std::micro>(asked - started).count();
}

// The same number of ticks of a timer that is stopped at each tick and started again.
void bareTimerLoop() {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        timer.stop();
        if (++ticks < Ticks)
            timer.start();
        else
            loop.quit();
    });
    timer.start();
    loop.exec();
}

} // namespace

void benchPacing() {
    std::vector<double> runs, comparedRuns;
    for (int r = 0; r < Repetitions; ++r) {
        runs.push_back(timedRun(false));
        comparedRuns.push_back(timedRun(true));
    }
    const double bareMicroseconds = medianMicroseconds(Repetitions, bareTimerLoop);
    report("pacing_run_ms", median(runs) / 1000);
    report("pacing_ratio", median(runs) / bareMicroseconds);
    report("compare_pacing_ratio", median(comparedRuns) / bareMicroseconds);
}
