#include "teach/lesson_link.h"

#include "engine/modhull.h"
#include "teach/numbers.h"
#include "teach/point_file.h"

#include <cmath>
#include <optional>

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The bytes a browser escaped as %XX, back as they were; nothing when an escape is broken.
std::optional<std::string> unescaped(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Calls `each` with every piece of `text` between separators, until it returns an error.
template <typename Each> std::string forEachPiece(std::string_view text, char separator, Each each) {
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        std::string problem = each(text.substr(start, end - start));
        if (!problem.empty() || end == std::string_view::npos)
            return problem;
        start = end + 1;
    }
}

std::string readPoints(std::string_view list, LessonLink& lesson) {
    if (list.empty())
        return {};
    bool haveX = false;
    float x = 0;
    std::string problem = forEachPiece(list, ',', [&](std::string_view number) -> std::string {
        const std::optional<double> value = parseDecimal(number);
        if (!value || !std::isfinite(*value) || std::abs(*value) > 1e30)
            return inQuotes(number) + " is not a number.";
        if (!haveX) {
            if (lesson.points.size() == static_cast<std::size_t>(Modhull::Maxpoints))
                return "point " + std::to_string(Modhull::Maxpoints + 1) +
                       " is one too many: a drawing holds at most " +
                       std::to_string(Modhull::Maxpoints) + " points.";
            x = static_cast<float>(*value);
            haveX = true;
            return {};
        }
        lesson.points.push_back({x, static_cast<float>(*value)});
        haveX = false;
        return {};
    });
    if (problem.empty() && haveX)
        problem = "point " + std::to_string(lesson.points.size() + 1) + " has an X but no Y.";
    return problem;
}

std::string readStep(std::string_view value, LessonLink& lesson) {
    const std::optional<double> step = parseDecimal(value);
    if (!step || *step < 0 || *step > Modhull::Maxpoints || *step != std::floor(*step))
        return inQuotes(value) + " is not a step.";
    lesson.step = static_cast<int>(*step);
    return {};
}

std::string readSwitch(std::string_view value, bool& on) {
    if (value != "0" && value != "1")
        return inQuotes(value) + " is neither 0 nor 1.";
    on = value == "1";
    return {};
}

std::string readField(std::string_view field, LessonLink& lesson, std::string& seen) {
    if (field.empty())
        return {};
    const std::size_t equals = field.find('=');
    const std::string_view name = field.substr(0, equals);
    static constexpr std::string_view Names = "pesn";
    if (equals != 1 || Names.find(name[0]) == std::string_view::npos)
        return inQuotes(field) + " is not part of a lesson.";
    if (seen.find(name[0]) != std::string::npos)
        return std::string("it gives ").append(name).append("= twice.");
    seen += name[0];
    const std::string_view value = field.substr(2);
    switch (name[0]) {
    case 'p':
        return readPoints(value, lesson);
    case 's':
        return readStep(value, lesson);
    case 'e':
        return readSwitch(value, lesson.eachStep);
    default:
        return readSwitch(value, lesson.pointNumbers);
    }
}

std::string readFields(std::string_view text, LessonLink& lesson) {
    if (text.empty())
        return "it holds no lesson.";
    if (text != "v1" && !text.starts_with("v1;"))
        return "it does not begin with v1, as a lesson does.";
    std::string seen;
    std::string problem =
        forEachPiece(text.substr(2), ';', [&](std::string_view field) {
            return readField(field, lesson, seen);
        });
    if (!problem.empty())
        return problem;
    const int steps = static_cast<int>(lesson.points.size()) - 3;
    if (lesson.step > std::max(steps, 0))
        return "the step " + std::to_string(lesson.step) + " is past the run's last step, " +
               std::to_string(std::max(steps, 0)) + '.';
    return {};
}

} // namespace

LessonLink readLink(std::string_view text) {
    text = trimmed(text);
    if (const std::size_t hash = text.find('#'); hash != std::string_view::npos)
        text.remove_prefix(hash + 1);
    LessonLink lesson;
    const std::optional<std::string> bytes = unescaped(text);
    lesson.error = bytes ? readFields(trimmed(*bytes), lesson)
                         : "it has a % that is not followed by two hexadecimal digits.";
    if (!lesson.error.empty()) {
        LessonLink refused;
        refused.error = std::move(lesson.error);
        return refused;
    }
    lesson.fitted = fitIntoArea(lesson.points);
    return lesson;
}

std::string writeLink(const LessonLink& lesson) {
    std::string text = "v1;p=";
    for (std::size_t i = 0; i < lesson.points.size(); ++i)
        text.append(i ? "," : "")
            .append(shortestText(lesson.points[i].x))
            .append(",")
            .append(shortestText(lesson.points[i].y));
    if (lesson.step >= 0)
        text += ";s=" + std::to_string(lesson.step);
    if (lesson.eachStep)
        text += ";e=1";
    if (lesson.pointNumbers)
        text += ";n=1";
    return text;
}
