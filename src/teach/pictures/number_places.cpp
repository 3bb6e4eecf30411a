#include "teach/pictures/number_places.h"

#include "form/area.h"
#include "teach/pictures/mark_shapes.h"

namespace {

struct Box {
    double left, top, right, bottom;

    bool overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// Where the label of that value would stand, its digits taken as all alike.
Box labelBox(const Overlay::Number& number, int value) {
    const MarkShape label = numberLabel(number, value, area::TwipsPerPixel);
    const double width = static_cast<double>(label.text.size()) * marks::DigitWidth;
    const double left = label.endsAtX ? label.x - width : label.x;
    return {left, label.y - marks::DigitHeight, left + width, label.y};
}

Box dotBox(const Overlay::Spot& spot) {
    const double x = pixelCentre(spot.x, area::TwipsPerPixel);
    const double y = pixelCentre(spot.y, area::TwipsPerPixel);
    return {x - 1.5, y - 1.5, x + 1.5, y + 1.5};
}

} // namespace

std::vector<Overlay::Number> placeNumbers(const std::vector<Overlay::Spot>& points) {
    const Box whole{0, 0, area::WidthPixels, area::HeightPixels};
    std::vector<Overlay::Number> placed;
    std::vector<Box> taken;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int value = static_cast<int>(i + 1);
        Overlay::Number best{points[i]};
        int bestCost = -1;
        for (bool below : {false, true})
            for (bool left : {false, true}) {
                const Overlay::Number side{points[i], left, below};
                const Box box = labelBox(side, value);
                int cost = 0;
                for (const Box& label : taken)
                    cost += 4 * label.overlaps(box);
                for (const Overlay::Spot& dot : points)
                    cost += dotBox(dot).overlaps(box);
                if (box.left < whole.left || box.top < whole.top || box.right > whole.right ||
                    box.bottom > whole.bottom)
                    cost += 2;
                if (bestCost < 0 || cost < bestCost) {
                    best = side;
                    bestCost = cost;
                }
            }
        placed.push_back(best);
        taken.push_back(labelBox(best, value));
    }
    return placed;
}
