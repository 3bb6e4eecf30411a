#include "teach/pictures/cost_plot.h"

#include "teach/pictures/drawing_log.h"
#include "teach/pictures/svg_element.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

constexpr Color Black = 0x000000, Grey = 0x808080;

// A curve's name, colour and dashes: told apart by their dashes as well as their colours.
struct CurveStyle {
    const CostCurve CostCurves::*curve;
    const char* name;
    Color color;
    double width;
    std::vector<double> dashes;
};

const std::vector<CurveStyle>& curveStyles() {
    static const std::vector<CurveStyle> styles{
        {&CostCurves::circle, "on a circle", 0x0000C0, 1.5, {}},
        {&CostCurves::disk, "in a disk", 0x008000, 1.5, {6, 3}},
        {&CostCurves::uniform, "spread over the area", 0xC00000, 1.5, {2, 3}},
        {&CostCurves::run, "this run", Black, 3, {}},
        {&CostCurves::giftWrapping, "gift wrapping", 0x0080C0, 2, {8, 2, 2, 2}},
        {&CostCurves::monotoneChain, "monotone chain", 0x808000, 2, {1, 2}},
        {&CostCurves::quickhull, "quickhull", 0xC000C0, 2, {10, 4}},
    };
    return styles;
}

// A round step for about five marks along an axis up to `top`, fewer where the axis is too short
// to keep them `apart` pixels apart: 1, 2 or 5 times a power of ten.
long markStep(long top, double length, double apart) {
    const long marks = std::clamp(static_cast<long>(length / apart), 1L, 5L);
    long step = 1;
    for (long power = 1;; power *= 10)
        for (long times : {1, 2, 5})
            if (top <= marks * (step = times * power))
                return step;
}

std::string text(double value) {
    char written[32];
    std::snprintf(written, sizeof written, "%.6g", value);
    return written;
}

bool drawn(const CostCurves& curves, const CurveStyle& style) {
    return !(curves.*style.curve).empty() &&
           (style.curve != &CostCurves::run || curves.runAlgorithm.empty());
}

} // namespace

CostPlot plotOf(const CostCurves& curves, int width, int height) {
    CostPlot plot{width, height, {}};
    // The key stands outside the curves: right of them where they keep half the width, else above.
    std::size_t keys = 0, longest = 0;
    for (const CurveStyle& style : curveStyles())
        if (drawn(curves, style)) {
            ++keys;
            longest = std::max(longest, std::string_view(style.name).size());
        }
    // The margins round the curves, for the axes' marks and names.
    constexpr double Left = 56, Right = 12, Top = 28, Bottom = 36, Line = PlotTextPixels + 4;
    const double keyWidth = 38 + static_cast<double>(longest) * PlotTextPixels * 0.6;
    const double keyLines = static_cast<double>(keys) * Line;
    // Above them only where they keep three lines of height under it.
    const bool keyBeside = width - keyWidth - Left - Right >= width / 2.0 ||
                           height - Bottom - Top - keyLines - 4 < 3 * Line;
    const double left = Left, right = width - Right - (keyBeside ? keyWidth : 0);
    const double top = Top + (keyBeside ? 0 : keyLines + 4), bottom = height - Bottom;
    const long pointsTop = std::max(curves.points, 4);
    long testsTop = 1;
    for (const CurveStyle& style : curveStyles())
        if (drawn(curves, style))
            for (long tests : curves.*style.curve)
                testsTop = std::max(testsTop, tests);
    const long xStep = markStep(pointsTop, right - left, 4.0 * PlotTextPixels);
    const long yStep = markStep(testsTop, bottom - top, Line);
    const double xEnd = static_cast<double>(pointsTop);
    const double yEnd = static_cast<double>((testsTop + yStep - 1) / yStep * yStep);
    auto at = [&](double points, double tests) {
        return std::pair{left + (right - left) * points / xEnd,
                         bottom - (bottom - top) * tests / yEnd};
    };
    auto say = [&](double x, double y, std::string words, PlotShape::Anchor anchor,
                   Color color = Black) {
        plot.shapes.push_back({PlotShape::Text, color, {{x, y}}, 1, {}, std::move(words), anchor});
    };
    for (long x = 0; x <= xEnd; x += xStep) {
        const double across = at(static_cast<double>(x), 0).first;
        plot.shapes.push_back({PlotShape::Lines, Grey, {{across, bottom}, {across, bottom + 4}}});
        say(across, bottom + 16, text(static_cast<double>(x)), PlotShape::Middle);
    }
    // An axis too short for two marks a line apart shows its top one alone.
    const long yFirst = bottom - top < Line ? static_cast<long>(yEnd) : 0;
    for (long y = yFirst; y <= yEnd; y += yStep) {
        const double up = at(0, static_cast<double>(y)).second;
        plot.shapes.push_back({PlotShape::Lines, Grey, {{left - 4, up}, {left, up}}});
        say(left - 6, up + 4, text(static_cast<double>(y)), PlotShape::End);
    }
    plot.shapes.push_back(
        {PlotShape::Lines, Black, {{left, top}, {left, bottom}, {right, bottom}}});
    say((left + right) / 2, height - 6.0, "points inserted", PlotShape::Middle);
    say(left - 6, top - 12, "orientation tests", PlotShape::Start);
    // Each curve from the first triangle, its three points, on; named in the key, one a line.
    const double keyLeft = keyBeside ? right + 8 : left;
    double keyLine = keyBeside ? top + 14 : PlotTextPixels + 2;
    for (const CurveStyle& style : curveStyles()) {
        const CostCurve& curve = curves.*style.curve;
        if (!drawn(curves, style))
            continue;
        PlotShape line{PlotShape::Lines, style.color, {}, style.width, style.dashes};
        for (std::size_t step = 0; step < curve.size(); ++step)
            if (curve[step] >= 0)
                line.points.push_back(
                    at(static_cast<double>(step + 3), static_cast<double>(curve[step])));
        plot.shapes.push_back(std::move(line));
        plot.shapes.push_back({PlotShape::Lines,
                               style.color,
                               {{keyLeft + 8, keyLine - 4}, {keyLeft + 32, keyLine - 4}},
                               style.width,
                               style.dashes});
        say(keyLeft + 38, keyLine, style.name, PlotShape::Start, style.color);
        keyLine += Line;
    }
    return plot;
}

std::string svgOf(const CostPlot& plot) {
    static constexpr const char* Anchors[] = {"start", "middle", "end"};
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + text(plot.width) +
                      "\" height=\"" + text(plot.height) + "\" viewBox=\"0 0 " + text(plot.width) +
                      ' ' + text(plot.height) +
                      "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"" +
                      text(PlotTextPixels) + "\">\n<rect width=\"100%\" height=\"100%\" fill=\"" +
                      hexColour(PlotBackground) + "\"/>\n";
    // Values written and joined by spaces; "none" for none.
    auto joined = [](const auto& values, auto write) {
        std::string list;
        for (const auto& value : values)
            list += (list.empty() ? "" : " ") + write(value);
        return list.empty() ? std::string("none") : list;
    };
    for (const PlotShape& shape : plot.shapes) {
        // The plot's texts are its own names and numbers: nothing in them needs escaping.
        if (shape.kind == PlotShape::Text) {
            appendElement(svg, "text",
                          {{"x", text(shape.points[0].first)},
                           {"y", text(shape.points[0].second)},
                           {"fill", hexColour(shape.color)},
                           {"text-anchor", Anchors[shape.anchor]}},
                          shape.text);
            continue;
        }
        appendElement(
            svg, "polyline",
            {{"fill", "none"},
             {"stroke", hexColour(shape.color)},
             {"stroke-width", text(shape.width)},
             {"stroke-dasharray", joined(shape.dashes, [](double dash) { return text(dash); })},
             {"points", joined(shape.points, [](const std::pair<double, double>& at) {
                  return text(at.first) + ',' + text(at.second);
              })}});
    }
    return svg + "</svg>\n";
}
