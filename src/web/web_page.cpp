#include "web/web_page.h"

#include "form/layout.h"
#include "teach/files/json_writer.h"
#include "teach/files/numbers.h"
#include "teach/files/point_file.h"
#include "teach/session/arrangement.h"
#include "teach/pictures/cost_plot.h"
#include "teach/pictures/drawing_log.h"
#include "teach/pictures/mark_shapes.h"
#include "teach/run/point_input.h"
#include "teach/session/dialog_choices.h"
#include "teach/session/help.h"
#include "teach/words/step_code.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

WebPage::WebPage() : session(points, {drawing, timer, desktop}, *this) {
    session.load();
}

void WebPage::mouseDown(float x, float y) {
    session.click(1, 0, x, y);
}

void WebPage::pressStart() {
    session.pressStart();
}

void WebPage::pressReset() {
    session.pressReset();
}

void WebPage::pressEnd() {
    session.pressEnd();
}

void WebPage::setSpeed(int value) {
    session.setSpeed(value);
}

void WebPage::tick() {
    session.tick();
}

void WebPage::command(const std::string& id) {
    if (const CommandEntry* entry = entryWithId(id))
        session.perform(entry->command);
}

void WebPage::answer(int answer) {
    session.answer(answer);
}

bool WebPage::press(float x, float y) {
    return session.press(1, 0, x, y);
}

void WebPage::drag(float x, float y) {
    session.drag(x, y);
}

void WebPage::release(float x, float y) {
    session.release(x, y);
}

int WebPage::dotToMove(float x, float y) const {
    return session.dotToMove(x, y);
}

void WebPage::scrubTo(int step) {
    session.scrubTo(step);
}

void WebPage::scrubByTest(int direction) {
    session.scrubByTest(direction);
}

void WebPage::openPoints(const std::string& name, const std::string& text) {
    session.openPoints(name, parsePoints(text));
}

void WebPage::addPoint(const std::string& x, const std::string& y) {
    session.addPoint(x, y);
}

void WebPage::randomPoints(int count, int shape, unsigned seed) {
    session.randomPoints(count, static_cast<RandomShape>(shape), seed);
}

std::string WebPage::pointsText() const {
    return session.pointsText();
}

std::string WebPage::sideBySideSvg(bool withMarks) const {
    return session.sideBySide(area::WidthPixels, area::HeightPixels, area::TwipsPerPixel, WebSurface::BackColor,
                              withMarks ? std::optional(session.screen().marks) : std::nullopt);
}

std::string WebPage::svg(bool withMarks) const {
    return svgOf(session.drawn(), area::WidthPixels, area::HeightPixels, area::TwipsPerPixel,
                 WebSurface::BackColor,
                 withMarks ? session.screen().marks : std::vector<MarkShape>{});
}

std::string WebPage::costSvg(int width, int height) const {
    return svgOf(plotOf(session.costs(), width, height));
}

void WebPage::showPictureAt(int scale) {
    if (scale != drawing.scale)
        drawing.drawAt(std::clamp(scale, 1, 4), session.drawn());
}

const Raster& WebPage::picture(int scale, bool thickLines) {
    exported = rasterize(session.drawn(), area::WidthPixels, area::HeightPixels,
                         area::TwipsPerPixel, scale, WebSurface::BackColor, thickLines);
    return exported;
}

const Raster& WebPage::comparedPicture() {
    const ComparedRun* compared = session.comparedRun();
    exported = rasterize(compared ? compared->picture().calls() : std::vector<DrawCall>{}, area::WidthPixels,
                         area::HeightPixels, area::TwipsPerPixel, 1, WebSurface::BackColor, false);
    return exported;
}

void WebPage::announce(const std::string& text, bool atOnce) {
    send(pace.offer(text, atOnce, emscripten_get_now()));
}

void WebPage::due() {
    send(pace.due(emscripten_get_now()));
}

// The page puts each sentence sent into its live region, told apart by its number.
void WebPage::send(std::optional<std::string> sentence) {
    if (!sentence)
        return;
    spoken = std::move(*sentence);
    ++spokenSerial;
}

std::string WebPage::link() const {
    return session.link();
}

void WebPage::openLink(const std::string& text) {
    session.openLink(text);
}

// The page's own controls and pacing, then the screen both faces show.
std::string WebPage::state() const {
    const double now = emscripten_get_now();
    JsonWriter json;
    json.beginObject();
    json.key("surfaceEnabled").value(drawing.enabled);
    json.key("timer").value(timer.enabled).key("interval").value(int{timer.interval});
    json.key("points").value(int{points.Pointcount});
    json.key("spoken").beginObject().key("text").value(spoken);
    json.key("serial").value(spokenSerial).endObject();
    json.key("sayIn");
    if (const double wait = pace.untilDue(now); std::isinf(wait))
        json.null();
    else
        json.value(wait);
    json.key("askIn").value(pace.untilQuestion(now));
    writeScreen(json, session.screen());
    return json.endObject().text();
}

std::string marksJson() {
    JsonWriter json;
    json.beginObject().key("legend").beginArray();
    for (const MarkMeaning& entry : marksLegend())
        json.beginObject()
            .key("color")
            .value(hexColour(entry.color))
            .key("mark")
            .value(entry.mark)
            .key("meaning")
            .value(entry.meaning)
            .endObject();
    json.endArray().key("idea").value(algorithmIdea());
    json.key("shape").beginObject().key("pen").value(marks::Pen);
    json.key("dash").beginArray().value(marks::DashOn).value(marks::DashOff).endArray();
    json.key("numberPixels").value(marks::NumberPixels).endObject();
    return json.endObject().text();
}

namespace {

// Named numbers, as an object.
void writeNumbers(JsonWriter& json,
                  std::initializer_list<std::pair<std::string_view, int>> numbers) {
    json.beginObject();
    for (auto [name, number] : numbers)
        json.key(name).value(number);
    json.endObject();
}

void writeFont(JsonWriter& json, const FontStyle& style) {
    json.beginObject().key("face").value(style.face).key("points").value(style.points);
    json.key("bold").value(style.bold).key("italic").value(style.italic).endObject();
}

void writeColour(JsonWriter& json, std::optional<Color> color) {
    if (color)
        json.value(hexColour(*color));
    else
        json.null();
}

void writeControl(JsonWriter& json, const ControlLayout& control) {
    auto pixels = [](int twips) { return (twips + area::TwipsPerPixel / 2) / area::TwipsPerPixel; };
    json.beginObject().key("name").value(control.name).key("caption").value(control.caption);
    json.key("left").value(pixels(control.left)).key("top").value(pixels(control.top));
    json.key("width").value(pixels(control.width)).key("height").value(pixels(control.height));
    json.key("font");
    writeFont(json, control.font);
    json.key("color");
    writeColour(json, control.color);
    json.key("label").value(control.accessibleName).endObject();
}

} // namespace

std::string layoutJson() {
    JsonWriter json;
    json.beginObject().key("title").value(Title).key("color");
    writeColour(json, layout::WindowColor);
    json.key("font");
    writeFont(json, layout::WindowFont);
    json.key("speed");
    writeNumbers(json, {{"minimum", layout::SpeedMinimum},
                        {"maximum", layout::SpeedMaximum},
                        {"smallStep", layout::SpeedSmallStep},
                        {"largeStep", layout::SpeedLargeStep}});
    json.key("area");
    writeNumbers(json, {{"width", area::WidthPixels},
                        {"height", area::HeightPixels},
                        {"twipsPerPixel", area::TwipsPerPixel}});
    json.key("beside");
    writeNumbers(json, {{"left", beside::Left},
                        {"minimumWidth", beside::MinimumWidth},
                        {"codeWidth", codeWidthAt(beside::CodePixels)},
                        {"gap", beside::Gap}});
    json.key("exportKinds").beginArray();
    for (const ExportKind& kind : ExportKinds)
        json.beginObject()
            .key("name")
            .value(kind.name)
            .key("scale")
            .value(kind.scale)
            .key("ending")
            .value(kind.ending)
            .key("cost")
            .value(kind.cost)
            .key("sideBySide")
            .value(kind.sideBySide)
            .endObject();
    // Each algorithm's code, in the order of the algorithms.
    json.endArray().key("code").beginArray();
    for (int algorithm = 0; algorithm < static_cast<int>(AlgorithmNames.size()); ++algorithm) {
        json.beginArray();
        for (std::string_view line : codeLinesOf(static_cast<Algorithm>(algorithm)))
            json.value(line);
        json.endArray();
    }
    json.endArray().key("litLine").value(hexColour(LitLine));
    json.key("plot");
    writeNumbers(json, {{"width", PlotWidth}, {"height", PlotHeight}});
    json.key("usualExport").value(UsualExportKind).key("randomShapes").beginArray();
    for (std::string_view name : RandomShapeNames)
        json.value(name);
    json.endArray().key("controls").beginArray();
    for (const ControlLayout* control : layout::Placed)
        writeControl(json, *control);
    return json.endArray().endObject().text();
}

namespace {

void writeBox(JsonWriter& json, std::string_view name, const Box& box) {
    if (box.empty())
        return;
    json.key(name);
    writeNumbers(json, {{"left", box.left}, {"top", box.top}, {"width", box.width}, {"height", box.height}});
}

} // namespace

std::string arrangementJson(const Room& room, const TextHeights& text) {
    const Arrangement arranged = arrange(room, text);
    JsonWriter json;
    json.beginObject().key("beside").value(arranged.beside);
    writeBox(json, "sentence", arranged.sentence);
    writeBox(json, "pointList", arranged.pointList);
    writeBox(json, "code", arranged.code);
    writeBox(json, "cost", arranged.cost);
    writeBox(json, "timeline", arranged.timeline);
    writeBox(json, "compared", arranged.compared);
    writeBox(json, "comparedPicture", arranged.comparedPicture);
    json.key("sentencePixels").value(arranged.sentencePixels);
    json.key("codePixels").value(arranged.codePixels);
    return json.key("codeScrollsSideways").value(arranged.codeScrollsSideways).endObject().text();
}
