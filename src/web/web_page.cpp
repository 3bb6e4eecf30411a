#include "web/web_page.h"

#include "form/layout.h"
#include "teach/beside.h"
#include "teach/dialog_choices.h"
#include "teach/drawing_log.h"
#include "teach/help.h"
#include "teach/mark_shapes.h"
#include "teach/numbers.h"
#include "teach/point_file.h"
#include "teach/point_input.h"
#include "web/json.h"

#include <emscripten.h>

#include <cmath>

WebPage::WebPage()
    : session(points,
              Controls{Pichull, Cmdstart, Cmdreset, Lblcount, Lbltext, Lblnote, Hsbspeed, Tmrdelay,
                       desktop},
              *this) {
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
    Hsbspeed.position = static_cast<int16_t>(value);
    session.speedChanged();
}

void WebPage::tick() {
    session.tick();
}

void WebPage::command(const std::string& id) {
    if (const CommandEntry* entry = entryWithId(id))
        session.perform(entry->command);
}

void WebPage::answer(int answer) {
    desktop.answer(answer);
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

std::string WebPage::svg(bool withMarks) const {
    return svgOf(session.drawn(), area::WidthPixels, area::HeightPixels,
                 area::TwipsPerPixel, WebSurface::BackColor, withMarks ? overlay : Overlay{});
}

const Raster& WebPage::picture(int scale, bool thickLines) {
    exported = rasterize(session.drawn(), area::WidthPixels, area::HeightPixels,
                         area::TwipsPerPixel, scale, WebSurface::BackColor, thickLines);
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

namespace {

// Each mark as [kind, colour, x, y, toX, toY, size, text, endsAtX], in pixels of the drawing.
std::string shapesJson(const Overlay& overlay) {
    static constexpr const char* Kinds[] = {"dashes", "square", "ring", "label"};
    std::string json = "[";
    for (const MarkShape& shape : markShapes(overlay, area::TwipsPerPixel)) {
        if (json.size() > 1)
            json += ',';
        json += '[';
        json += jsonString(Kinds[shape.kind]);
        json += ',';
        json += jsonString(hexColour(shape.color));
        for (double value : {shape.x, shape.y, shape.toX, shape.toY, shape.size}) {
            json += ',';
            json += shortestText(static_cast<float>(value));
        }
        json += ',';
        json += jsonString(shape.text);
        json += ',';
        json += jsonBool(shape.endsAtX);
        json += ']';
    }
    return json + ']';
}

std::string commandsJson(const Session& session) {
    std::string json = "[";
    for (const CommandEntry& entry : Commands) {
        std::string keys = "[";
        for (std::string_view key : entry.keys)
            if (!key.empty())
                keys += (keys.size() > 1 ? "," : "") + jsonString(key);
        json += std::string(json.size() > 1 ? "," : "") + "{\"id\":" + jsonString(entry.id) +
                ",\"menu\":" + jsonString(entry.menu) +
                ",\"text\":" + jsonString(session.textOf(entry.command)) + ",\"keys\":" + keys +
                "],\"enabled\":" + jsonBool(session.isEnabled(entry.command)) +
                ",\"checkable\":" + jsonBool(entry.checkable) +
                ",\"checked\":" + jsonBool(session.isChecked(entry.command)) +
                ",\"why\":" + jsonString(session.whyDisabled(entry.command)) +
                ",\"separator\":" + jsonBool(entry.separatorBefore) + '}';
    }
    return json + ']';
}

} // namespace

std::string WebPage::state() const {
    const double now = emscripten_get_now();
    std::string listed = "null";
    if (session.listsThePoints()) {
        listed = "[";
        for (const PointRow& row : session.pointRows())
            listed += (listed.size() > 1 ? ",[" : "[") + std::to_string(row.number) + ',' +
                      jsonString(row.x) + ',' + jsonString(row.y) + ',' + jsonString(row.standing) +
                      ']';
        listed += ']';
    }
    const std::string dialog = desktop.asking
                                   ? "{\"title\":" + jsonString(desktop.open.title) +
                                         ",\"prompt\":" + jsonString(desktop.open.prompt) +
                                         ",\"style\":" + std::to_string(desktop.open.style) + '}'
                                   : "null";
    return "{\"ended\":" + jsonBool(desktop.ended) +
           ",\"surfaceEnabled\":" + jsonBool(Pichull.enabled) +
           ",\"startEnabled\":" + jsonBool(Cmdstart.enabled) +
           ",\"startDefault\":" + jsonBool(Cmdstart.isDefault) +
           ",\"resetEnabled\":" + jsonBool(Cmdreset.enabled) +
           ",\"count\":" + jsonString(Lblcount.caption) +
           ",\"text\":" + jsonString(Lbltext.caption) + ",\"note\":" + jsonString(Lblnote.caption) +
           ",\"status\":" + jsonString(status) +
           ",\"tellsEachStep\":" + jsonBool(session.tellsEachStep()) +
           ",\"step\":" + std::to_string(session.shownStep()) +
           ",\"timer\":" + jsonBool(Tmrdelay.enabled) +
           ",\"interval\":" + std::to_string(Tmrdelay.interval) +
           ",\"points\":" + std::to_string(points.Pointcount) + ",\"marks\":" + shapesJson(overlay) +
           ",\"pointList\":" + listed + ",\"spoken\":{\"text\":" + jsonString(spoken) +
           ",\"serial\":" + std::to_string(spokenSerial) + '}' + ",\"sayIn\":" +
           (std::isinf(pace.dueAt()) ? std::string("null")
                                     : std::to_string(std::max(0.0, pace.dueAt() - now))) +
           ",\"askIn\":" + std::to_string(pace.untilQuestion(now)) +
           ",\"commands\":" + commandsJson(session) + ",\"dialog\":" + dialog + '}';
}

std::string marksJson() {
    std::string json = "{\"legend\":[";
    for (const MarkMeaning& entry : marksLegend())
        json += std::string(json.back() == '[' ? "" : ",") +
                "{\"color\":" + jsonString(hexColour(entry.color)) +
                ",\"mark\":" + jsonString(entry.mark) +
                ",\"meaning\":" + jsonString(entry.meaning) + '}';
    auto number = [](int value) { return std::to_string(value); };
    return json + "],\"idea\":" + jsonString(algorithmIdea()) +
           ",\"shape\":{\"pen\":" + number(marks::Pen) + ",\"dash\":[" + number(marks::DashOn) +
           ',' + number(marks::DashOff) + "],\"numberPixels\":" + number(marks::NumberPixels) + "}}";
}

std::string layoutJson() {
    auto pixels = [](int twips) {
        return std::to_string((twips + area::TwipsPerPixel / 2) / area::TwipsPerPixel);
    };
    auto colour = [](std::optional<Color> color) {
        return color ? jsonString(hexColour(*color)) : std::string("null");
    };
    auto font = [](const FontStyle& style) {
        return "{\"face\":" + jsonString(style.face) +
               ",\"points\":" + shortestText(static_cast<float>(style.points)) +
               ",\"bold\":" + jsonBool(style.bold) + ",\"italic\":" + jsonBool(style.italic) + '}';
    };
    std::string json =
        "{\"title\":" + jsonString(Title) + ",\"color\":" + colour(layout::WindowColor) +
        ",\"font\":" + font(layout::WindowFont) + ",\"speed\":[" +
        std::to_string(layout::SpeedMinimum) + ',' + std::to_string(layout::SpeedMaximum) + ',' +
        std::to_string(layout::SpeedSmallStep) + ',' + std::to_string(layout::SpeedLargeStep) +
        "],\"area\":[" + std::to_string(area::WidthPixels) + ',' +
        std::to_string(area::HeightPixels) + ',' + std::to_string(area::TwipsPerPixel) +
        "],\"beside\":[" + std::to_string(beside::Left) + ',' + std::to_string(beside::Top) + ',' +
        std::to_string(beside::Height) + ',' + std::to_string(beside::MinimumWidth) + ',' +
        std::to_string(beside::Gap) + ',' + std::to_string(beside::FontPixels) +
        "],\"exportKinds\":[";
    for (const ExportKind& kind : ExportKinds)
        json += std::string(json.back() == '[' ? "" : ",") + "{\"name\":" + jsonString(kind.name) +
                ",\"scale\":" + std::to_string(kind.scale) +
                ",\"ending\":" + jsonString(kind.ending) + '}';
    json += "],\"usualExport\":" + std::to_string(UsualExportKind) + ",\"randomShapes\":[";
    for (std::string_view name : RandomShapeNames)
        json += std::string(json.back() == '[' ? "" : ",") + jsonString(name);
    json += "],\"controls\":[";
    for (const ControlLayout* control : layout::Placed) {
        json += std::string(json.back() == '[' ? "" : ",") +
                "{\"name\":" + jsonString(control->name) +
                ",\"caption\":" + jsonString(control->caption) +
                ",\"left\":" + pixels(control->left) + ",\"top\":" + pixels(control->top) +
                ",\"width\":" + pixels(control->width) + ",\"height\":" + pixels(control->height) +
                ",\"font\":" + font(control->font) + ",\"color\":" + colour(control->color) +
                ",\"label\":" + jsonString(control->accessibleName) + '}';
    }
    return json + "]}";
}
