#include "teach/pictures/mark_shapes.h"

#include <cmath>

double pixelCentre(float twips, double twipsPerPixel) {
    return std::floor(twips / twipsPerPixel) + 0.5;
}

MarkShape numberLabel(const Overlay::Number& number, int value, double twipsPerPixel) {
    const double x = pixelCentre(number.at.x, twipsPerPixel);
    const double y = pixelCentre(number.at.y, twipsPerPixel);
    return {.kind = MarkShape::Label,
            .color = marks::Number,
            .x = x + number.dx,
            .y = y + number.dy,
            .text = std::to_string(value),
            .endsAtX = number.endsAtX};
}

std::vector<MarkShape> markShapes(const Overlay& overlay, double twipsPerPixel) {
    auto centre = [twipsPerPixel](float twips) { return pixelCentre(twips, twipsPerPixel); };
    std::vector<MarkShape> shapes;
    for (const Overlay::Segment& edge : overlay.obsolete)
        shapes.push_back({.kind = MarkShape::Dashes,
                          .color = marks::Obsolete,
                          .x = centre(edge.from.x),
                          .y = centre(edge.from.y),
                          .toX = centre(edge.to.x),
                          .toY = centre(edge.to.y)});
    if (overlay.tested)
        shapes.push_back({.kind = MarkShape::Line,
                          .color = marks::Tested,
                          .x = centre(overlay.tested->from.x),
                          .y = centre(overlay.tested->from.y),
                          .toX = centre(overlay.tested->to.x),
                          .toY = centre(overlay.tested->to.y)});
    for (const Overlay::Spot& corner : overlay.corners)
        shapes.push_back({.kind = MarkShape::Square,
                          .color = marks::Corner,
                          .x = centre(corner.x) - marks::CornerHalf,
                          .y = centre(corner.y) - marks::CornerHalf,
                          .size = 2 * marks::CornerHalf});
    for (std::size_t i = 0; i < overlay.numbers.size(); ++i)
        shapes.push_back(numberLabel(overlay.numbers[i], static_cast<int>(i + 1), twipsPerPixel));
    if (overlay.inserted)
        shapes.push_back({.kind = MarkShape::Ring,
                          .color = marks::Inserted,
                          .x = centre(overlay.inserted->x),
                          .y = centre(overlay.inserted->y),
                          .size = marks::RingRadius});
    return shapes;
}
