#include "teach/run/run_cost.h"

#include "form/kept_controls.h"
#include "teach/run/point_input.h"

#include <memory>
#include <random>

namespace {

class UnseenSurface : public Surface {
  public:
    void setForeColor(Color) override {}
    Color backColor() const override { return 0; }
    void setDrawWidth(int) override {}
    void line(float, float, float, float) override {}
    void dot(float, float) override {}
    void clear() override {}
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }

  private:
    bool enabled = true;
};

class SilentDesktop : public Desktop {
  public:
    void messageBox(const std::string&, int, const std::string&, Answered) override {}
    void end(int) override {}
};

// A window of its own, kept off the stack: its arrays of 500 are large for a page's.
struct UnseenWindow : KeptWindow<UnseenSurface, KeptTimer, SilentDesktop> {
    Modhull points;
    Fmhull form{points, controls()};
};

} // namespace

CostCurve costOfRun(const std::vector<area::Spot>& spots) {
    auto window = std::make_unique<UnseenWindow>();
    Fmhull& form = window->form;
    form.Form_Load();
    for (const area::Spot& spot : spots)
        form.Pichull_MouseDown(1, 0, spot.x, spot.y);
    if (!window->Cmdstart.enabled)
        return {};
    form.Cmdstart_Click();
    CostCurve cost{0};
    while (window->Tmrdelay.enabled) {
        cost.push_back(cost.back() + form.Hullcount + 1);
        form.Tmrdelay_Timer();
    }
    return cost;
}

std::string costInWords(const CostCurves& curves) {
    const std::string run = curves.run.empty()
                                ? "No run yet."
                                : "This run: " + std::to_string(curves.run.back()) +
                                      " orientation tests for " +
                                      std::to_string(curves.run.size() + 2) + " points so far.";
    auto total = [](const CostCurve& curve) {
        return curve.empty() ? std::string("no run") : std::to_string(curve.back());
    };
    return run + " For " + std::to_string(curves.points) +
           " points on a circle: " + total(curves.circle) + "; in a disk: " + total(curves.disk) +
           "; spread over the area: " + total(curves.uniform) + '.';
}

CostCurves comparedCosts(int points) {
    CostCurves curves{.points = points};
    // The same sets each time, whatever the run.
    constexpr unsigned Seed = 2026;
    for (auto [shape, curve] : {std::pair{RandomShape::Uniform, &curves.uniform},
                                {RandomShape::Disk, &curves.disk},
                                {RandomShape::Circle, &curves.circle}}) {
        std::mt19937 random(Seed);
        *curve = costOfRun(randomPoints(points, shape, random));
    }
    return curves;
}
