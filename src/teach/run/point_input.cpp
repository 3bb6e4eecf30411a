#include "teach/run/point_input.h"

#include "form/area.h"
#include "teach/words/spoken.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::vector<Overlay::Spot> randomPoints(int count, RandomShape shape, std::mt19937& random) {
    constexpr float Width = area::MaxX, Height = area::MaxY, PerPixel = area::TwipsPerPixel;
    constexpr double CentreX = Width / 2, CentreY = Height / 2, Radius = 3300;
    std::uniform_real_distribution<double> unit(0, 1);
    // Where a click would put the point: the top left corner of its pixel.
    auto onPixel = [](double twips) {
        return static_cast<float>(std::floor(twips / PerPixel) * PerPixel);
    };
    std::vector<Overlay::Spot> spots;
    const double phase = 2 * std::numbers::pi * unit(random);
    for (int i = 0; i < count; ++i) {
        if (shape == RandomShape::Uniform) {
            spots.push_back({onPixel(unit(random) * Width), onPixel(unit(random) * Height)});
            continue;
        }
        // Evenly over a disk's area; on the circle, evenly round it and not on pixels, so that no
        // three points line up.
        const bool circle = shape == RandomShape::Circle;
        const double angle =
            circle ? phase + 2 * std::numbers::pi * i / count : 2 * std::numbers::pi * unit(random);
        const double r = circle ? Radius : Radius * std::sqrt(unit(random));
        const double x = CentreX + r * std::cos(angle), y = CentreY + r * std::sin(angle);
        spots.push_back(circle ? Overlay::Spot{static_cast<float>(x), static_cast<float>(y)}
                               : Overlay::Spot{onPixel(x), onPixel(y)});
    }
    if (shape == RandomShape::Circle)
        std::shuffle(spots.begin(), spots.end(), random);
    return spots;
}

PointInput::PointInput(Fmhull& form, Modhull& points, Lesson& lesson)
    : form(form), points(points), lesson(lesson) {}

void PointInput::click(int button, int shift, float x, float y) {
    // A reset, whichever way it came, started a new set.
    if (points.Pointcount == 0) {
        entered.clear();
        undoable.clear();
    }
    const int16_t before = points.Pointcount;
    form.Pichull_MouseDown(button, shift, x, y);
    if (points.Pointcount == before) {
        lesson.tell("");
        return;
    }
    entered.push_back({x, y});
    undoable.emplace_back();
    // Points entered together are shown once, when all are in.
    if (quiet)
        return;
    lesson.tell(renumbering(x, y));
    lesson.say(pointInWords(points, points.Pointcount));
}

// A point that would leave the first three on one line takes the place of one of them.
std::string PointInput::renumbering(float x, float y) const {
    const int16_t point = points.Pointcount;
    if (points.Xcoord(point) == x && points.Ycoord(point) == y)
        return {};
    for (int16_t k = 1; k <= 3; ++k)
        if (points.Xcoord(k) == x && points.Ycoord(k) == y)
            return "Points " + std::to_string(k) + " and " + std::to_string(point) +
                   " swapped places so that the first three points do not lie on one line.";
    return {};
}

bool PointInput::canUndo() const {
    return points.Pointcount > 0 && !undoable.empty() &&
           entered.size() == static_cast<std::size_t>(points.Pointcount);
}

void PointInput::undoLast() {
    if (!canUndo())
        return;
    std::optional<std::vector<Overlay::Spot>> before = std::move(undoable.back());
    undoable.pop_back();
    std::string takenBack = "point " + std::to_string(points.Pointcount) + " taken back";
    if (before) {
        takenBack = "the last move taken back";
    } else {
        before = entered;
        before->pop_back();
    }
    reenter(*before);
    lesson.say(takenBack);
}

void PointInput::move(int16_t point, area::Spot to, bool again) {
    std::vector<Overlay::Spot> moved;
    for (int16_t i = 1; i <= points.Pointcount; ++i)
        moved.push_back(i == point ? to : Overlay::Spot{points.Xcoord(i), points.Ycoord(i)});
    std::vector<Overlay::Spot> before = entered;
    reenter(moved);
    if (!again || undoable.empty() || !undoable.back())
        undoable.emplace_back(std::move(before));
}

// Entered again, what Undo can take back stays as it was.
void PointInput::reenter(const std::vector<Overlay::Spot>& spots) {
    auto kept = std::move(undoable);
    enterAgain(spots);
    undoable = std::move(kept);
}

void PointInput::replaceAll(const std::vector<Overlay::Spot>& spots) {
    if (canReplace())
        enterAgain(spots);
}

// The same clicks in the same order repeat every decision the click handler made.
void PointInput::enterAgain(const std::vector<Overlay::Spot>& spots) {
    lesson.reset();
    entered.clear();
    undoable.clear();
    quiet = true;
    for (const Overlay::Spot& spot : spots)
        click(1, 0, spot.x, spot.y);
    quiet = false;
    lesson.tell("");
}
