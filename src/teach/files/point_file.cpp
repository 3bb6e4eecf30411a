#include "teach/files/point_file.h"

#include "form/area.h"
#include "teach/files/numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

constexpr float AreaWidth = area::MaxX;
constexpr float AreaHeight = area::MaxY;
// Fitted points keep this far from the edges of the area.
constexpr float Margin = 300;

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : line + ' ') {
        if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
            if (!field.empty())
                fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    return fields;
}

std::optional<double> numberOf(const std::string& field) {
    return parseDecimal(field);
}

// Control characters other than white space, as no text file of numbers holds them.
bool isText(const std::string& text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && !std::isspace(byte)) || byte == 0x7F)
            return false;
    }
    return true;
}

// Reads the numbers of one line, or says why they are not two finite numbers.
std::string pointOf(const std::vector<std::string>& fields, area::Spot& point) {
    std::vector<double> values;
    for (const std::string& field : fields) {
        const std::optional<double> value = numberOf(field);
        if (!value)
            return inQuotes(field) + " is not a number";
        if (!std::isfinite(*value) || std::abs(*value) > 1e30)
            return inQuotes(field) + " is not a finite number";
        values.push_back(*value);
    }
    if (values.size() == 1)
        return "one number where a point needs two, X and Y";
    if (values.size() != 2)
        return std::to_string(values.size()) + " numbers where a point needs two, X and Y";
    point = {static_cast<float>(values[0]), static_cast<float>(values[1])};
    return {};
}

bool insideArea(const area::Spot& p) {
    return area::contains(p.x, p.y);
}

void fitPoints(std::vector<area::Spot>& points) {
    auto [left, right] =
        std::minmax_element(points.begin(), points.end(), [](auto a, auto b) { return a.x < b.x; });
    auto [top, bottom] =
        std::minmax_element(points.begin(), points.end(), [](auto a, auto b) { return a.y < b.y; });
    const double x0 = left->x, y0 = top->y;
    const double wide = right->x - x0, high = bottom->y - y0;
    double scale = 1;
    if (wide > 0 || high > 0)
        scale = std::min(wide > 0 ? (AreaWidth - 2 * Margin) / wide : HUGE_VAL,
                         high > 0 ? (AreaHeight - 2 * Margin) / high : HUGE_VAL);
    const double xStart = (AreaWidth - wide * scale) / 2;
    const double yStart = (AreaHeight - high * scale) / 2;
    for (area::Spot& p : points)
        p = {static_cast<float>(xStart + (p.x - x0) * scale),
             static_cast<float>(yStart + (p.y - y0) * scale)};
}

struct Line {
    int number;
    std::vector<std::string> fields;
};

std::string atLine(int number, const std::string& problem) {
    return "line " + std::to_string(number) + ": " + problem + '.';
}

} // namespace

std::string inQuotes(std::string_view text) {
    constexpr std::size_t Longest = 24;
    std::string shown = "\"";
    for (std::size_t i = 0; i < std::min(text.size(), Longest); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        shown += byte >= 0x20 && byte < 0x7F ? text[i] : '?';
    }
    return shown + (text.size() > Longest ? "…\"" : "\"");
}

bool fitIntoArea(std::vector<area::Spot>& points) {
    if (std::all_of(points.begin(), points.end(), insideArea))
        return false;
    fitPoints(points);
    return true;
}

PointFile parsePoints(const std::string& text) {
    PointFile file;
    if (!isText(text)) {
        file.error = "it is not a text file of points.";
        return file;
    }
    std::vector<Line> lines;
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::vector<std::string> fields = fieldsOf(text.substr(start, end - start));
        if (!fields.empty() && fields.front().front() != '#')
            lines.push_back({number, std::move(fields)});
        start = end + 1;
    }
    if (lines.empty()) {
        file.error = "it holds no points.";
        return file;
    }

    // The geometry format: "2", perhaps followed by a comment, then the number of points.
    std::size_t first = 0;
    std::optional<std::size_t> announced;
    const std::vector<std::string>& head = lines.front().fields;
    if (head.front() == "2" && (head.size() == 1 || !numberOf(head[1]))) {
        if (lines.size() < 2 || lines[1].fields.size() != 1) {
            file.error = atLine(lines.size() < 2 ? lines[0].number : lines[1].number,
                                "the dimension 2 must be followed by the number of points");
            return file;
        }
        const std::string& field = lines[1].fields[0];
        const std::optional<double> count = numberOf(field);
        if (!count || *count < 0 || *count != std::floor(*count)) {
            file.error = atLine(lines[1].number, inQuotes(field) + " is not a number of points");
            return file;
        }
        if (*count > Modhull::Maxpoints) {
            file.error = atLine(lines[1].number,
                                "the file announces " + field + " points, more than the " +
                                    std::to_string(Modhull::Maxpoints) + " a drawing can hold");
            return file;
        }
        announced = static_cast<std::size_t>(*count);
        first = 2;
    }

    for (std::size_t i = first; i < lines.size(); ++i) {
        if (file.points.size() == static_cast<std::size_t>(Modhull::Maxpoints) ||
            (announced && file.points.size() == *announced)) {
            file.error = atLine(
                lines[i].number,
                announced && file.points.size() == *announced
                    ? "more points than the " + std::to_string(*announced) + " the file announces"
                    : "more than " + std::to_string(Modhull::Maxpoints) + " points");
            return file;
        }
        area::Spot point{};
        const std::string problem = pointOf(lines[i].fields, point);
        if (!problem.empty()) {
            file.error = atLine(lines[i].number, problem);
            return file;
        }
        file.points.push_back(point);
    }
    if (announced && file.points.size() != *announced) {
        file.error = atLine(lines.back().number,
                            "the file announces " + std::to_string(*announced) +
                                " points but holds " + std::to_string(file.points.size()));
        return file;
    }
    if (file.points.empty()) {
        file.error = "it holds no points.";
        return file;
    }
    file.fitted = fitIntoArea(file.points);
    return file;
}

PointFile readPointFile(const std::string& path) {
    PointFile file;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        file.error = "it is a folder, not a file of points.";
        return file;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        // An empty file reads nothing but is there to read.
        if (in && std::filesystem::file_size(path, error) == 0 && !error)
            file.error = "it holds no points.";
        else
            file.error = "it cannot be read.";
        return file;
    }
    return parsePoints(text.str());
}

std::string formatPoints(const Modhull& points) {
    std::string text = "# Convex Hull points: X then Y in twips of the drawing area, "
                       "origin top left, Y down\n";
    for (int i = 1; i <= points.Pointcount; ++i) {
        text += shortestText(points.Xcoord(i)) + ' ' + shortestText(points.Ycoord(i)) + '\n';
    }
    return text;
}

std::string writePointFile(const std::string& path, const Modhull& points) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !(out << formatPoints(points)) || !out.flush())
        return "it cannot be written.";
    return {};
}
