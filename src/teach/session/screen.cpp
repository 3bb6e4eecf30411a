#include "teach/session/screen.h"

#include "form/services.h"
#include "teach/files/json_writer.h"
#include "teach/pictures/drawing_log.h"

namespace {

void writeCommand(JsonWriter& json, const CommandShown& shown) {
    const CommandEntry& entry = *shown.entry;
    json.beginObject().key("id").value(entry.id).key("menu").value(entry.menu);
    json.key("text").value(shown.text).key("keys").beginArray();
    for (std::string_view key : entry.keys)
        if (!key.empty())
            json.value(key);
    json.endArray();
    json.key("enabled").value(shown.enabled).key("checkable").value(entry.checkable);
    json.key("checked").value(shown.checked).key("why").value(shown.why);
    json.key("separator").value(entry.separatorBefore);
    json.key("byFace").value(entry.byFace).key("group").value(entry.group).endObject();
}

// Each mark as [kind, colour, x, y, toX, toY, size, text, endsAtX], in pixels of the drawing.
void writeMark(JsonWriter& json, const MarkShape& shape) {
    static constexpr const char* Kinds[] = {"dashes", "square", "ring", "label", "line"};
    json.beginArray().value(Kinds[shape.kind]).value(hexColour(shape.color));
    for (double value : {shape.x, shape.y, shape.toX, shape.toY, shape.size})
        json.value(value);
    json.value(shape.text).value(shape.endsAtX).endArray();
}

// A critical box is answered OK and opens at once; a question is answered Yes or No, No by Escape.
void writeQuestion(JsonWriter& json, const QuestionShown& question) {
    const bool critical = question.style == Critical;
    json.beginObject().key("title").value(question.title).key("prompt").value(question.prompt);
    json.key("critical").value(critical).key("answers").beginArray();
    if (critical) {
        json.beginArray().value("OK").value(int{AnswerOk}).endArray();
    } else {
        json.beginArray().value("Yes").value(int{AnswerYes}).endArray();
        json.beginArray().value("No").value(int{AnswerNo}).endArray();
    }
    json.endArray().endObject();
}

} // namespace

void writeScreen(JsonWriter& json, const ShownScreen& screen) {
    const ControlsShown& controls = screen.controls;
    json.key("startEnabled").value(controls.startEnabled);
    json.key("startDefault").value(controls.startDefault);
    json.key("resetEnabled").value(controls.resetEnabled);
    json.key("count").value(controls.count).key("text").value(controls.text);
    json.key("note").value(controls.note);
    json.key("status").value(screen.status).key("step").value(screen.step);
    json.key("tellsEachStep").value(screen.tellsEachStep).key("picture").value(screen.picture);
    json.key("marks").beginArray();
    for (const MarkShape& shape : screen.marks)
        writeMark(json, shape);
    json.endArray().key("commands").beginArray();
    for (const CommandShown& shown : screen.commands)
        writeCommand(json, shown);
    json.endArray().key("pointList");
    if (screen.pointList) {
        json.beginArray();
        for (const PointRow& row : *screen.pointList)
            json.beginArray()
                .value(int{row.number})
                .value(row.x)
                .value(row.y)
                .value(row.standing)
                .endArray();
        json.endArray();
    } else {
        json.null();
    }
    json.key("code");
    if (screen.code) {
        json.beginObject().key("algorithm").value(static_cast<int>(screen.code->algorithm));
        json.key("lit").beginArray();
        for (int line : screen.code->lit)
            json.value(line);
        json.endArray().key("words").beginArray();
        for (const std::string& words : screen.code->words)
            json.value(words);
        json.endArray().endObject();
    } else {
        json.null();
    }
    json.key("cost");
    if (screen.cost) {
        const CostCurves& curves = screen.cost->curves;
        json.beginObject().key("points").value(curves.points);
        // What the plot draws of this set, for a face to know when to draw it again.
        for (auto [name, curve] : {std::pair{"run", &curves.run},
                                   std::pair{"giftWrapping", &curves.giftWrapping},
                                   std::pair{"monotoneChain", &curves.monotoneChain},
                                   std::pair{"quickhull", &curves.quickhull}}) {
            json.key(name).beginArray();
            for (long tests : *curve)
                json.value(static_cast<double>(tests));
            json.endArray();
        }
        json.key("words").value(screen.cost->words).endObject();
    } else {
        json.null();
    }
    json.key("timeline");
    if (screen.timeline) {
        const TimelineShown& at = *screen.timeline;
        json.beginObject().key("steps").value(at.steps).key("step").value(at.step);
        json.key("test").value(at.test).key("tests").value(at.tests);
        json.key("words").value(at.words).endObject();
    } else {
        json.null();
    }
    json.key("compared");
    if (screen.compared) {
        const ComparedShown& beside = *screen.compared;
        json.beginObject().key("title").value(beside.title).key("sides").value(beside.sides);
        json.key("sentence").value(beside.sentence).key("picture").value(beside.picture);
        json.key("marks").beginArray();
        for (const MarkShape& shape : beside.marks)
            writeMark(json, shape);
        json.endArray().endObject();
    } else {
        json.null();
    }
    json.key("dialog");
    if (screen.question)
        writeQuestion(json, *screen.question);
    else
        json.null();
    json.key("ended").value(screen.ended);
}
