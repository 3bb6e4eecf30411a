// What the page's script calls: plain C functions on the one page. A text returned stays valid
// until the next call that returns one; the script copies it at once.

#include "teach/session/help.h"
#include "web/web_page.h"

#include <emscripten/emscripten.h>

#include <memory>

namespace {

WebPage& page() {
    static const std::unique_ptr<WebPage> thePage = std::make_unique<WebPage>();
    return *thePage;
}

const char* returned(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* hull_layout() {
    return returned(layoutJson());
}
// `open` holds a bit for each part: the sentence, the point list, the code, the cost, the timeline.
EMSCRIPTEN_KEEPALIVE const char* hull_arrange(int width, int height, int leastType, int open,
                                             int sentenceHeight, int codeHeight) {
    const auto has = [open](int bit) { return (open & (1 << bit)) != 0; };
    return returned(arrangementJson({width, height, leastType, has(0), has(1), has(2), has(3), has(4), has(5)},
                                    {sentenceHeight, codeHeight}));
}
EMSCRIPTEN_KEEPALIVE const char* hull_help() {
    return returned(keyboardAndMouseHelp(Face::Page));
}
EMSCRIPTEN_KEEPALIVE const char* hull_about() {
    return returned(aboutText(HULL_VERSION));
}
EMSCRIPTEN_KEEPALIVE const char* hull_marks() {
    return returned(marksJson());
}
EMSCRIPTEN_KEEPALIVE const char* hull_state() {
    return returned(page().state());
}

EMSCRIPTEN_KEEPALIVE void hull_mouse_down(float x, float y) {
    page().mouseDown(x, y);
}
EMSCRIPTEN_KEEPALIVE void hull_press_start() {
    page().pressStart();
}
EMSCRIPTEN_KEEPALIVE void hull_press_reset() {
    page().pressReset();
}
EMSCRIPTEN_KEEPALIVE void hull_press_end() {
    page().pressEnd();
}
EMSCRIPTEN_KEEPALIVE void hull_set_speed(int value) {
    page().setSpeed(value);
}
EMSCRIPTEN_KEEPALIVE void hull_tick() {
    page().tick();
}
EMSCRIPTEN_KEEPALIVE void hull_command(const char* id) {
    page().command(id);
}
EMSCRIPTEN_KEEPALIVE int hull_press(float x, float y) {
    return page().press(x, y) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void hull_drag(float x, float y) {
    page().drag(x, y);
}
EMSCRIPTEN_KEEPALIVE void hull_release(float x, float y) {
    page().release(x, y);
}
EMSCRIPTEN_KEEPALIVE int hull_dot_to_move(float x, float y) {
    return page().dotToMove(x, y);
}
EMSCRIPTEN_KEEPALIVE void hull_scrub_to(int step) {
    page().scrubTo(step);
}
EMSCRIPTEN_KEEPALIVE void hull_scrub_by_test(int direction) {
    page().scrubByTest(direction);
}
EMSCRIPTEN_KEEPALIVE void hull_add_point(const char* x, const char* y) {
    page().addPoint(x, y);
}
EMSCRIPTEN_KEEPALIVE void hull_due() {
    page().due();
}
EMSCRIPTEN_KEEPALIVE void hull_answer(int answer) {
    page().answer(answer);
}

EMSCRIPTEN_KEEPALIVE void hull_open_points(const char* name, const char* text) {
    page().openPoints(name, text);
}
EMSCRIPTEN_KEEPALIVE void hull_random_points(int count, int shape, unsigned seed) {
    page().randomPoints(count, shape, seed);
}
EMSCRIPTEN_KEEPALIVE const char* hull_points_text() {
    return returned(page().pointsText());
}
EMSCRIPTEN_KEEPALIVE const char* hull_svg(int withMarks) {
    return returned(page().svg(withMarks != 0));
}
EMSCRIPTEN_KEEPALIVE const char* hull_side_by_side_svg(int withMarks) {
    return returned(page().sideBySideSvg(withMarks != 0));
}
EMSCRIPTEN_KEEPALIVE const char* hull_cost_svg(int width, int height) {
    return returned(page().costSvg(width, height));
}
EMSCRIPTEN_KEEPALIVE const char* hull_link() {
    return returned(page().link());
}
EMSCRIPTEN_KEEPALIVE void hull_open_link(const char* text) {
    page().openLink(text);
}

// The surface's RGBA bytes when they changed since the last call, otherwise null.
EMSCRIPTEN_KEEPALIVE const uint8_t* hull_pixels() {
    return page().surface().picture.rgba().data();
}

EMSCRIPTEN_KEEPALIVE void hull_show_picture_at(int scale) {
    page().showPictureAt(scale);
}

// View > Compare With's picture at the drawing's own size, as RGBA bytes.
EMSCRIPTEN_KEEPALIVE const uint8_t* hull_compared_picture() {
    return page().comparedPicture().rgba().data();
}
// The picture drawn afresh `scale` times larger, as RGBA bytes; thick lines grow with it.
EMSCRIPTEN_KEEPALIVE const uint8_t* hull_picture(int scale, int thickLines) {
    return page().picture(scale, thickLines != 0).rgba().data();
}

} // extern "C"
