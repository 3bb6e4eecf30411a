#include "teach/pictures/number_places.h"

#include "form/area.h"
#include "teach/pictures/mark_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

struct Box {
    double left, top, right, bottom;

    bool overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool inside(const Box& other) const {
        return left >= other.left && top >= other.top && right <= other.right &&
               bottom <= other.bottom;
    }
    Box moved(double x, double y) const { return {left + x, top + y, right + x, bottom + y}; }
};

// A label's box, from the dot's centre, with its number's anchor there.
struct Place {
    Box box;
    Overlay::Number number;
};

// How far from its dot a number may stand, in pixels, and the step between the places tried.
constexpr int Reach = 24, Stride = 2;

// The places for a label of so many digits, in the order they are tried: the four beside the dot,
// up and right first, then every place within reach, the nearest first.
std::vector<Place> placesFor(std::size_t digits) {
    const int width = static_cast<int>(digits) * marks::DigitWidth, height = marks::DigitHeight;
    const int gap = marks::NumberGap;
    auto at = [&](int left, int bottom) {
        // A label left of the dot is anchored at its right end, so that its gap does not depend
        // on how wide the type draws its digits.
        const bool endsAtX = left + width <= 0;
        return Place{{double(left), double(bottom - height), double(left + width), double(bottom)},
                     {{}, endsAtX ? left + width : left, bottom, endsAtX}};
    };
    std::vector<Place> places{at(gap, -gap), at(-gap - width, -gap), at(gap, gap + height),
                              at(-gap - width, gap + height)};
    std::vector<std::pair<double, Place>> near;
    for (int left = -Reach - width; left <= Reach; left += Stride)
        for (int bottom = -Reach; bottom <= Reach + height; bottom += Stride) {
            const Place place = at(left, bottom);
            const double dx = std::max({place.box.left, 0.0, -place.box.right});
            const double dy = std::max({place.box.top, 0.0, -place.box.bottom});
            const double distance = std::hypot(dx, dy);
            if (distance <= Reach)
                near.emplace_back(distance, place);
        }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [distance, place] : near)
        places.push_back(place);
    return places;
}

// Boxes found by the part of the area they lie in, so that a place is checked against its
// neighbours only.
class BoxGrid {
  public:
    void add(const Box& box) {
        const Cells range = cellsOf(box);
        for (int row = range.top; row <= range.bottom; ++row)
            for (int column = range.left; column <= range.right; ++column)
                cells[index(row, column)].push_back(box);
    }
    bool overlaps(const Box& box) const {
        const Cells range = cellsOf(box);
        for (int row = range.top; row <= range.bottom; ++row)
            for (int column = range.left; column <= range.right; ++column)
                for (const Box& other : cells[index(row, column)])
                    if (other.overlaps(box))
                        return true;
        return false;
    }

  private:
    static constexpr int Cell = 16;
    static constexpr int Columns = area::WidthPixels / Cell + 1;
    static constexpr int Rows = area::HeightPixels / Cell + 1;
    struct Cells {
        int top, bottom, left, right;
    };

    static int cellOf(double pixels, int count) {
        return std::clamp(static_cast<int>(std::floor(pixels / Cell)), 0, count - 1);
    }
    static Cells cellsOf(const Box& box) {
        return {cellOf(box.top, Rows), cellOf(box.bottom, Rows), cellOf(box.left, Columns),
                cellOf(box.right, Columns)};
    }
    static std::size_t index(int row, int column) {
        return static_cast<std::size_t>(row * Columns + column);
    }

    std::array<std::vector<Box>, static_cast<std::size_t>(Columns* Rows)> cells;
};

} // namespace

std::vector<Overlay::Number> placeNumbers(const std::vector<Overlay::Spot>& points) {
    const Box whole{0, 0, area::WidthPixels, area::HeightPixels};
    std::array<std::vector<Place>, 4> places;
    BoxGrid dots, labels;
    for (const Overlay::Spot& dot : points) {
        const double x = pixelCentre(dot.x, area::TwipsPerPixel);
        const double y = pixelCentre(dot.y, area::TwipsPerPixel);
        dots.add({x - 1.5, y - 1.5, x + 1.5, y + 1.5});
    }
    std::vector<Overlay::Number> placed;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::size_t digits = std::to_string(i + 1).size();
        if (places[digits].empty())
            places[digits] = placesFor(digits);
        const double x = pixelCentre(points[i].x, area::TwipsPerPixel);
        const double y = pixelCentre(points[i].y, area::TwipsPerPixel);
        const Box own{x - 1.5, y - 1.5, x + 1.5, y + 1.5};
        const Place* inside = nullptr;
        const Place* free = nullptr;
        const Place* clear = nullptr;
        for (const Place& place : places[digits]) {
            const Box box = place.box.moved(x, y);
            if (!box.inside(whole) || box.overlaps(own))
                continue;
            inside = inside ? inside : &place;
            if (labels.overlaps(box))
                continue;
            free = free ? free : &place;
            if (!dots.overlaps(box)) {
                clear = &place;
                break;
            }
        }
        const Place& chosen = clear    ? *clear
                              : free   ? *free
                              : inside ? *inside
                                       : places[digits].front();
        Overlay::Number number = chosen.number;
        number.at = points[i];
        placed.push_back(number);
        labels.add(chosen.box.moved(x, y));
    }
    return placed;
}
