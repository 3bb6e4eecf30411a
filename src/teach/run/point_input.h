#pragma once

#include "engine/modhull.h"
#include "teach/run/lesson.h"
#include "teach/run/lesson_view.h"

#include <optional>
#include <random>
#include <string>
#include <vector>

enum class RandomShape { Uniform, Disk, Circle };

// Random points in the drawing area: spread over it, in a disk, or on a circle, where every point
// is a corner of the hull.
std::vector<Overlay::Spot> randomPoints(int count, RandomShape shape, std::mt19937& random);

// Points as the user enters them: every point, clicked, loaded or generated, goes through the
// window's click handler, and the points entered since the last reset are kept so that the last
// one can be taken back.
class PointInput {
  public:
    PointInput(Fmhull& form, Modhull& points, Lesson& lesson);

    void click(int button, int shift, float x, float y);
    // Starts again with these points, as if they had been clicked in this order.
    void replaceAll(const std::vector<Overlay::Spot>& spots);
    // Point k, from 1, at another place: the points entered again in their numbering, so that every
    // rule about points holds for the moved one. Undo takes it back; `again` moves it on within the
    // same move, which Undo takes back whole.
    void move(int16_t point, area::Spot to, bool again = false);
    // Back to the moment before the last point was entered or moved: the points, their numbering,
    // the count, the dots and START as they were. Says what it took back.
    void undoLast();

    // Whether there is an add or a move to take back.
    bool canUndo() const;
    // During a run and while paused the points stay as they are.
    bool canReplace() const { return lesson.canReplacePoints(); }

  private:
    std::string renumbering(float x, float y) const;
    void enterAgain(const std::vector<Overlay::Spot>& spots);
    void reenter(const std::vector<Overlay::Spot>& spots);

    Fmhull& form;
    Modhull& points;
    Lesson& lesson;
    std::vector<Overlay::Spot> entered;
    // What Undo takes back, the last last: an add (none), or a move, with the points as they were
    // entered before it.
    std::vector<std::optional<std::vector<Overlay::Spot>>> undoable;
    // Points entered together are told together, not one by one.
    bool quiet = false;
};
