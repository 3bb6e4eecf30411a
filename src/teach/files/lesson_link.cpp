#include "teach/files/lesson_link.h"

#include "engine/modhull.h"
#include "teach/files/numbers.h"
#include "teach/files/point_file.h"

#include <algorithm>
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
template <typename Each>
std::string forEachPiece(std::string_view text, char separator, Each each) {
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

// The fields of a link, in the order they are written. Every face reads and writes links through
// this one table; a field added to it keeps old links opening as they did.
struct LinkField {
    char name;
    enum Kind { Points, Count, Switch } kind;
    // A count: a whole number from `least` to `most`, none (-1) unless given.
    int LessonLink::*count = nullptr;
    int least = 0;
    int most = 0;
    const char* what = "";
    bool LessonLink::*on = nullptr;
};

constexpr LinkField Fields[] = {
    {'p', LinkField::Points},
    // The monotone chain takes each point twice, and quickhull may test one twice in a step.
    {'s', LinkField::Count, &LessonLink::step, 0, 2 * Modhull::Maxpoints, "a step"},
    {'t', LinkField::Count, &LessonLink::test, 1, 2 * Modhull::Maxpoints, "a test of a step"},
    {'e', LinkField::Switch, nullptr, 0, 0, "", &LessonLink::eachStep},
    {'n', LinkField::Switch, nullptr, 0, 0, "", &LessonLink::pointNumbers},
    {'c', LinkField::Switch, nullptr, 0, 0, "", &LessonLink::code},
    {'k', LinkField::Switch, nullptr, 0, 0, "", &LessonLink::cost},
    {'l', LinkField::Switch, nullptr, 0, 0, "", &LessonLink::pointList},
    {'a', LinkField::Count, &LessonLink::algorithm, 0, 3, "an algorithm"},
    {'b', LinkField::Count, &LessonLink::compared, 0, 3, "an algorithm"},
};

std::string readValue(const LinkField& field, std::string_view value, LessonLink& lesson) {
    switch (field.kind) {
    case LinkField::Points:
        return readPoints(value, lesson);
    case LinkField::Count: {
        const std::optional<double> count = parseDecimal(value);
        if (!count || *count < field.least || *count > field.most ||
            *count != std::floor(*count))
            return inQuotes(value) + " is not " + field.what + '.';
        lesson.*field.count = static_cast<int>(*count);
        return {};
    }
    case LinkField::Switch:
        if (value != "0" && value != "1")
            return inQuotes(value) + " is neither 0 nor 1.";
        lesson.*field.on = value == "1";
        return {};
    }
    return {};
}

void writeValue(const LinkField& field, const LessonLink& lesson, std::string& text) {
    const std::string name = std::string(";") + field.name + '=';
    switch (field.kind) {
    case LinkField::Points:
        text += name;
        for (std::size_t i = 0; i < lesson.points.size(); ++i)
            text.append(i ? "," : "")
                .append(shortestText(lesson.points[i].x))
                .append(",")
                .append(shortestText(lesson.points[i].y));
        break;
    case LinkField::Count:
        if (lesson.*field.count >= field.least)
            text += name + std::to_string(lesson.*field.count);
        break;
    case LinkField::Switch:
        if (lesson.*field.on)
            text += name + '1';
        break;
    }
}

std::string readField(std::string_view field, LessonLink& lesson, std::string& seen) {
    if (field.empty())
        return {};
    const std::size_t equals = field.find('=');
    const auto known = std::find_if(std::begin(Fields), std::end(Fields), [&](const LinkField& f) {
        return equals == 1 && field[0] == f.name;
    });
    if (known == std::end(Fields))
        return inQuotes(field) + " is not part of a lesson.";
    if (seen.find(known->name) != std::string::npos)
        return std::string("it gives ") + known->name + "= twice.";
    seen += known->name;
    return readValue(*known, field.substr(2), lesson);
}

std::string readFields(std::string_view text, LessonLink& lesson) {
    if (text.empty())
        return "it holds no lesson.";
    if (text != "v1" && !text.starts_with("v1;"))
        return "it does not begin with v1, as a lesson does.";
    std::string seen;
    std::string problem = forEachPiece(text.substr(2), ';', [&](std::string_view field) {
        return readField(field, lesson, seen);
    });
    if (!problem.empty())
        return problem;
    // The incremental method's steps are known from the points; another algorithm's, once it runs.
    const int steps = static_cast<int>(lesson.points.size()) - 3;
    if (lesson.algorithm <= 0 && lesson.step > std::max(steps, 0))
        return "the step " + std::to_string(lesson.step) + " is past the run's last step, " +
               std::to_string(std::max(steps, 0)) + '.';
    if (lesson.test >= 0 && lesson.step < 1)
        return "a test lies inside a step from step 1 on, and the link gives " +
               (lesson.step < 0 ? std::string("no step.") : std::string("step 0."));
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
    std::string text = "v1";
    for (const LinkField& field : Fields)
        writeValue(field, lesson, text);
    return text;
}
