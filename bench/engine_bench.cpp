// A whole run of 500 points in convex position, against the bare orientation tests it makes.

#include "engine_bench.h"

#include "engine/hull_algorithms.h"
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

// So many bare Orient calls on the points, their sum kept so that none is left out.
float orientCalls(const Modhull& points, long calls) {
    float total = 0;
    int16_t a = 1;
    for (long call = 0; call < calls; ++call) {
        total += points.Orient(a, static_cast<int16_t>(a + 1), static_cast<int16_t>(a + 2));
        a = a == Points - 2 ? 1 : static_cast<int16_t>(a + 1);
    }
    return total;
}

volatile float sink = 0;

} // namespace

void benchEngine() {
    FakeWindow w;
    placeOnCircle(w);
    const long orients = wholeRun(w);

    const double runMicroseconds = medianMicroseconds(Repetitions, [&] {
        placeOnCircle(w);
        wholeRun(w);
    });

    report("engine_run_us", runMicroseconds);
    const double orientMicroseconds = medianMicroseconds(Repetitions, [&] {
        placeOnCircle(w);
        sink = orientCalls(w.mod, orients);
    });
    report("engine_ratio", runMicroseconds / orientMicroseconds);
    placeOnCircle(w);
    for (const auto& [name, algorithm] : {std::pair{"gift_ratio", &giftWrapping},
                                          std::pair{"chain_ratio", &monotoneChain},
                                          std::pair{"quickhull_ratio", &quickhull}}) {
        // Runs of a few thousand tests are timed twenty at a time, to stand well above the clock.
        constexpr int Runs = 20;
        const long tests = algorithm(w.mod).tests();
        const double run = medianMicroseconds(Repetitions, [&] {
            for (int r = 0; r < Runs; ++r)
                algorithm(w.mod);
        });
        report(name, run / medianMicroseconds(Repetitions,
                                              [&] { sink = orientCalls(w.mod, Runs * tests); }));
    }
}
