// A whole run of 500 points in convex position, against the bare orientation tests it makes.

#include "engine_bench.h"

#include "fake_window.h"
#include "measure.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int Points = 500;
constexpr int Repetitions = 31;

// Points round a circle, in the order a user would click them, on a surface that draws nothing.
void placeOnCircle(FakeWindow& w) {
    w.Pichull.recording = false;
    // As RESET does before points are entered: the drawing starts afresh.
    w.drawing.clear();
    for (int16_t i = 1; i <= Points; ++i) {
        const double angle = 2 * std::numbers::pi * i / Points;
        w.setPoint(i, static_cast<float>(3900 + 3400 * std::cos(angle)),
                   static_cast<float>(3500 + 3400 * std::sin(angle)));
    }
    w.mod.Pointcount = Points;
}

// The same work as Cmdstart_Click and the ticks, without the timer; returns the Orient calls made.
long wholeRun(FakeWindow& w) {
    w.form.Initialize();
    long orients = 1;
    for (w.form.Curpoint = 4; w.form.Curpoint <= Points; ++w.form.Curpoint) {
        orients += w.form.Hullcount + 1;
        w.form.Extend();
    }
    return orients;
}

} // namespace

void benchEngine() {
    FakeWindow w;
    placeOnCircle(w);
    const long orients = wholeRun(w);

    const double runMicroseconds = medianMicroseconds(Repetitions, [&] {
        placeOnCircle(w);
        wholeRun(w);
    });

    volatile float sink = 0;
    const double orientMicroseconds = medianMicroseconds(Repetitions, [&] {
        placeOnCircle(w);
        float total = 0;
        int16_t a = 1;
        for (long call = 0; call < orients; ++call) {
            total += w.mod.Orient(a, static_cast<int16_t>(a + 1), static_cast<int16_t>(a + 2));
            a = a == Points - 2 ? 1 : static_cast<int16_t>(a + 1);
        }
        sink = total;
    });

    report("engine_run_us", runMicroseconds);
    report("engine_ratio", runMicroseconds / orientMicroseconds);
}
