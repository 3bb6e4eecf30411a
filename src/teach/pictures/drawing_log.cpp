#include "teach/pictures/drawing_log.h"

#include "teach/files/numbers.h"
#include "teach/pictures/mark_shapes.h"
#include "teach/pictures/svg_element.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <tuple>

void DrawingLog::setForeColor(Color color) {
    fore = color;
    surface.setForeColor(color);
}

void DrawingLog::setDrawWidth(int pixels) {
    width = pixels;
    surface.setDrawWidth(pixels);
}

void DrawingLog::line(float x1, float y1, float x2, float y2) {
    drawn.push_back({DrawCall::Line, fore, width, x1, y1, x2, y2});
    ++changes;
    surface.line(x1, y1, x2, y2);
}

void DrawingLog::dot(float x, float y) {
    drawn.push_back({DrawCall::Dot, fore, width, x, y, x, y});
    ++changes;
    surface.dot(x, y);
}

void DrawingLog::clear() {
    drawn.clear();
    ++changes;
    surface.clear();
}

std::string hexColour(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

namespace {

// Pixel positions are whole or halves, exact as singles.
std::string number(double value) {
    return shortestText(static_cast<float>(value));
}

// A line drawn again in the background colour erases it on the surface's pixels; a drawing that
// smooths its edges would keep a ghost of both, so the pair is left out.
std::vector<DrawCall> withoutErasedLines(const std::vector<DrawCall>& calls, Color background) {
    std::vector<DrawCall> kept;
    for (const DrawCall& call : calls) {
        if (call.kind == DrawCall::Line && call.color == background) {
            auto sameSegment = [&call](const DrawCall& drawn) {
                return drawn.kind == DrawCall::Line &&
                       ((drawn.x1 == call.x1 && drawn.y1 == call.y1 && drawn.x2 == call.x2 &&
                         drawn.y2 == call.y2) ||
                        (drawn.x1 == call.x2 && drawn.y1 == call.y2 && drawn.x2 == call.x1 &&
                         drawn.y2 == call.y1));
            };
            auto erased = std::find_if(kept.rbegin(), kept.rend(), sameSegment);
            if (erased != kept.rend() && erased->color != background) {
                kept.erase(std::next(erased).base());
                continue;
            }
        }
        kept.push_back(call);
    }
    return kept;
}

void appendMarks(std::string& svg, const std::vector<MarkShape>& marks) {
    const std::string pen = number(marks::Pen);
    for (const MarkShape& shape : marks) {
        const std::string colour = hexColour(shape.color);
        switch (shape.kind) {
        case MarkShape::Dashes:
        case MarkShape::Line:
            appendElement(
                svg, "line",
                {{"x1", number(shape.x)},
                 {"y1", number(shape.y)},
                 {"x2", number(shape.toX)},
                 {"y2", number(shape.toY)},
                 {"fill", "none"},
                 {"stroke", colour},
                 {"stroke-width", pen},
                 {"stroke-dasharray", shape.kind == MarkShape::Line
                                          ? std::string("none")
                                          : number(marks::DashOn) + ' ' + number(marks::DashOff)}});
            break;
        case MarkShape::Square:
            appendElement(svg, "rect",
                          {{"x", number(shape.x)},
                           {"y", number(shape.y)},
                           {"width", number(shape.size)},
                           {"height", number(shape.size)},
                           {"fill", "none"},
                           {"stroke", colour},
                           {"stroke-width", pen}});
            break;
        case MarkShape::Label:
            appendElement(svg, "text",
                          {{"x", number(shape.x)},
                           {"y", number(shape.y)},
                           {"text-anchor", shape.endsAtX ? "end" : "start"},
                           {"font-family", "Liberation Sans, Arial, sans-serif"},
                           {"font-weight", "bold"},
                           {"font-size", number(marks::NumberPixels)},
                           {"fill", colour}},
                          shape.text);
            break;
        case MarkShape::Ring:
            appendElement(svg, "circle",
                          {{"cx", number(shape.x)},
                           {"cy", number(shape.y)},
                           {"r", number(shape.size)},
                           {"fill", "none"},
                           {"stroke", colour},
                           {"stroke-width", pen},
                           {"shape-rendering", "geometricPrecision"}});
            break;
        }
    }
}

} // namespace

std::string sideBySideSvg(const std::string& left, const std::string& right, int width, int height,
                          const std::string& leftTitle, const std::string& rightTitle) {
    constexpr int Gap = 16, TitleHeight = 22;
    const int wide = 2 * width + Gap, high = height + TitleHeight;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      number(wide) + "\" height=\"" + number(high) + "\" viewBox=\"0 0 " + number(wide) +
                      ' ' + number(high) + "\">\n";
    for (const auto& [drawing, title, x] : {std::tuple{&left, &leftTitle, 0}, std::tuple{&right, &rightTitle, width + Gap}}) {
        appendElement(svg, "text",
                      {{"x", number(x)}, {"y", number(TitleHeight - 6)}, {"font-family", "Liberation Sans, Arial, sans-serif"},
                       {"font-size", "14"}, {"font-weight", "bold"}},
                      *title);
        // Each drawing whole, placed by its own outer element.
        const std::size_t begin = drawing->find("<svg ");
        svg += "<svg x=\"" + number(x) + "\" y=\"" + number(TitleHeight) + "\" " + drawing->substr(begin + 5);
    }
    return svg + "</svg>\n";
}

std::string svgOf(const std::vector<DrawCall>& calls, int width, int height, double twipsPerPixel,
                  Color background, const std::vector<MarkShape>& marks) {
    auto centre = [twipsPerPixel](float twips) {
        return number(std::floor(twips / twipsPerPixel) + 0.5);
    };
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      number(width) + "\" height=\"" + number(height) + "\" viewBox=\"0 0 " +
                      number(width) + ' ' + number(height) +
                      "\" shape-rendering=\"crispEdges\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"" +
                      hexColour(background) + "\"/>\n";
    for (const DrawCall& call : withoutErasedLines(calls, background)) {
        if (call.kind == DrawCall::Line) {
            appendElement(svg, "line",
                          {{"x1", centre(call.x1)},
                           {"y1", centre(call.y1)},
                           {"x2", centre(call.x2)},
                           {"y2", centre(call.y2)},
                           {"stroke", hexColour(call.color)},
                           {"stroke-width", number(call.width)},
                           {"stroke-linecap", "square"}});
        } else if (call.kind == DrawCall::Dot) {
            const double half = call.width / 2.0;
            appendElement(svg, "rect",
                          {{"x", number(std::floor(call.x1 / twipsPerPixel) + 0.5 - half)},
                           {"y", number(std::floor(call.y1 / twipsPerPixel) + 0.5 - half)},
                           {"width", number(call.width)},
                           {"height", number(call.width)},
                           {"fill", hexColour(call.color)},
                           {"stroke", "none"}});
        }
    }
    appendMarks(svg, marks);
    return svg + "</svg>\n";
}
