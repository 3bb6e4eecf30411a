#pragma once

#include "engine/hull_algorithms.h"
#include "engine/modhull.h"
#include "teach/pictures/drawing_log.h"
#include "teach/pictures/overlay.h"
#include "teach/run/traced_run.h"

#include <memory>
#include <string>
#include <vector>

// A picture kept as its drawing calls since the last clear, for a face to draw at its own size.
// The calls are shared with the screens that show them: a clear starts a new list while one of
// them still holds the old.
class RecordedPicture : public CallSurface {
  public:
    Color backColor() const override;
    const std::vector<DrawCall>& calls() const { return *drawn; }
    std::shared_ptr<const std::vector<DrawCall>> shared() const { return drawn; }
    // Grows with every drawing: a face that has shown this revision need not draw it again.
    int revision() const { return changes; }

  private:
    void take(const DrawCall& call) override;

    std::shared_ptr<std::vector<DrawCall>> drawn = std::make_shared<std::vector<DrawCall>>();
    int changes = 0;
};

// Where the run beside it stands: the tests it has made, the steps it has ended, whether it is done.
struct LeadingRun {
    long tests = 0;
    int stepsEnded = 0;
    bool ended = false;
};

// A second algorithm on the same points, drawn apart, standing where the first run stands: after
// as many orientation tests, or as many steps. The one that finishes first holds its last picture.
class ComparedRun {
  public:
    ComparedRun(Algorithm algorithm, const Modhull& points);

    void follow(const LeadingRun& leading, bool bySteps);
    // Stands at the end of that step: past the end of the run beside it.
    void moveTo(int step);
    Algorithm algorithm() const { return run.algorithmRun(); }
    const RecordedPicture& picture() const { return drawn; }
    // The test just made and the corners held, with each step shown.
    Overlay overlay() const { return run.overlay(); }
    // Where it stands and what it has just done, its name first: a screen reader hears it so.
    std::string sentence() const;
    // Where it stands, for a view that needs more than the sentence.
    const TracedRun& standing() const { return run; }

  private:
    TracedRun run;
    RecordedPicture drawn;
};

// "Gift wrapping", to begin a sentence.
std::string capitalized(std::string_view name);
