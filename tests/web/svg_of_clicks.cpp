// The desktop's core on the clicks the browser test makes: reads one "x y" line in twips per click
// from standard input, runs START to the question, answers No, and prints the picture as SVG, to
// compare with the page's.

#include "fake_window.h"
#include "form/area.h"

#include <iostream>

int main() {
    FakeWindow w;
    w.session.load();
    for (float x, y; std::cin >> x >> y;)
        w.session.click(1, 0, x, y);
    w.session.pressStart();
    while (w.Tmrdelay.enabled)
        w.session.tick();
    std::cout << svgOf(w.drawing.calls(), area::WidthPixels, area::HeightPixels,
                       area::TwipsPerPixel, RecordingSurface::Background);
}
