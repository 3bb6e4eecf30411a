// Step Back at the last step of a 500-point run in convex position, the longest replay there is,
// against one forward step at the same place, one Step Into in the last step, the longest walk
// there is, with its marks and code shown, and the timeline dragged over the whole run; each
// through the real window up to the repainted surface.

#include "step_back_bench.h"

#include "measure.h"
#include "message_answerer.h"
#include "shown_window.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int Points = 500;
constexpr int Repetitions = 21;

// Points round a circle on whole pixels, far enough apart that every one is a corner.
void clickOnCircle(MainWindow& window) {
    for (int i = 0; i < Points; ++i) {
        const double angle = 2 * std::numbers::pi * i / Points;
        const double x = std::round(262 + 230 * std::cos(angle));
        const double y = std::round(234 + 230 * std::sin(angle));
        window.session().click(1, 0, static_cast<float>(x * 15), static_cast<float>(y * 15));
    }
}

// The median time of an action up to the repainted surface, each time after an untimed set-up.
template <typename Setup, typename Action>
double medianOnScreen(MainWindow& window, Setup&& setup, Action&& action) {
    std::vector<double> times;
    for (int r = 0; r < Repetitions; ++r) {
        setup();
        times.push_back(medianMicroseconds(1, [&] {
            action();
            window.surface().repaint();
        }));
    }
    return median(times);
}

} // namespace

void benchStepBack() {
    ShownWindow shown;
    MainWindow& window = shown.window;
    clickOnCircle(window);

    // Every question answered No, so that the run can be stepped back from its end.
    MessageAnswerer answerer;
    Session& session = window.session();
    session.pressStart();
    session.perform(Command::PauseOrResume);
    while (session.isEnabled(Command::StepForward))
        session.perform(Command::StepForward);

    // From the finished run to the step before its last, and from there the step before it forward.
    const double back = medianOnScreen(
        window,
        [&] {
            if (session.isEnabled(Command::StepForward))
                session.perform(Command::StepForward);
        },
        [&] { session.perform(Command::StepBack); });
    const double forward = medianOnScreen(
        window, [&] { session.perform(Command::StepBack); },
        [&] { session.perform(Command::StepForward); });
    report("step_back_ms", back / 1000);
    report("step_back_ratio", back / forward);

    session.perform(Command::StepBack);
    session.perform(Command::ShowEachStep);
    session.perform(Command::ShowTheCode);
    const double into = medianOnScreen(
        window, [] {}, [&] { session.perform(Command::StepInto); });
    report("step_into_ms", into / 1000);

    // The timeline dragged from the first triangle to the last step and back, each position
    // through the real slider up to the repainted surface.
    session.perform(Command::ShowTimeline);
    Timeline& timeline = window.runTimeline();
    const int steps = Points - 3;
    std::vector<int> positions;
    for (int step = 0; step <= steps; ++step)
        positions.push_back(step);
    for (int step = steps - 1; step >= 0; --step)
        positions.push_back(step);
    const double scrubbed = medianMicroseconds(1, [&] {
        for (int step : positions) {
            timeline.setValue(step);
            window.surface().repaint();
        }
    });
    report("scrub_ms", scrubbed / 1000 / static_cast<double>(positions.size()));

    // A point of the finished run dragged: each position works the whole run out again.
    session.scrubTo(steps);
    session.perform(Command::StepForward);
    const float x = shown.points.Xcoord(1), y = shown.points.Ycoord(1);
    session.press(1, 0, x, y);
    int position = 0;
    const double dragged = medianOnScreen(
        window, [] {},
        [&] {
            ++position;
            session.drag(x - static_cast<float>(15 * (position % 5)), y);
        });
    session.release(x, y);
    report("drag_ms", dragged / 1000);
}
