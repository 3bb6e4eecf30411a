#include "teach/number_places.h"

#include "form/area.h"

#include <cmath>
#include <string>

namespace {

struct Box {
    double left, top, right, bottom;

    bool overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

double centre(float twips) {
    return std::floor(twips / area::TwipsPerPixel) + 0.5;
}

Box labelBox(const Overlay::Number& number, int digits) {
    const double x = centre(number.at.x), y = centre(number.at.y);
    const double width = digits * marks::DigitWidth;
    const double left = number.left ? x - marks::NumberGap - width : x + marks::NumberGap;
    const double top =
        number.below ? y + marks::NumberGap : y - marks::NumberGap - marks::DigitHeight;
    return {left, top, left + width, top + marks::DigitHeight};
}

Box dotBox(const Overlay::Spot& spot) {
    const double x = centre(spot.x), y = centre(spot.y);
    return {x - 1.5, y - 1.5, x + 1.5, y + 1.5};
}

} // namespace

std::vector<Overlay::Number> placeNumbers(const std::vector<Overlay::Spot>& points) {
    const Box whole{0, 0, area::WidthPixels, area::HeightPixels};
    std::vector<Overlay::Number> placed;
    std::vector<Box> taken;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int digits = static_cast<int>(std::to_string(i + 1).size());
        Overlay::Number best{points[i]};
        int bestCost = -1;
        for (bool below : {false, true})
            for (bool left : {false, true}) {
                const Overlay::Number side{points[i], left, below};
                const Box box = labelBox(side, digits);
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
        taken.push_back(labelBox(best, digits));
    }
    return placed;
}
