#pragma once

#include "engine/modhull.h"
#include "teach/run/lesson.h"
#include "teach/run/lesson_view.h"

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
    PointInput(Fmhull& form, Modhull& points, Surface& drawingArea, Lesson& lesson);

    void click(int button, int shift, float x, float y);
    // Starts again with these points, as if they had been clicked in this order.
    void replaceAll(const std::vector<Overlay::Spot>& spots);
    // Back to the moment before the last point was entered: the points, their numbering, the
    // count, the dots and START as they were.
    void undoLast();

    bool canUndo() const;
    // During a run and while paused the points stay as they are.
    bool canReplace() const { return lesson.canReplacePoints(); }

  private:
    std::string renumbering(float x, float y) const;
    void enterAgain(const std::vector<Overlay::Spot>& spots);

    Fmhull& form;
    Modhull& points;
    Surface& drawingArea;
    Lesson& lesson;
    std::vector<Overlay::Spot> entered;
    // Points entered together are told together, not one by one.
    bool quiet = false;
};
