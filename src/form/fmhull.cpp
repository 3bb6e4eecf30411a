#include "form/fmhull.h"

#include <string>

Fmhull::Fmhull(Modhull& points, const Controls& controls) : mod(points), ui(controls) {}

void Fmhull::Form_Load() {
    std::string instructions = "1. Click mouse to input points.";
    for (const char* line :
         {"2. Press START button to start the algorithm.",
          "3. Press RESET button to clear the background and input points again.",
          "4. Press END button to quit this programme.",
          "5. Slide the scrollbar to adjust the speed of the algorithm."}) {
        instructions += '\n';
        instructions += line;
    }

    std::string notes =
        "1. You must input at least 3 non-collinear points before the START button is enabled.";
    notes += '\n';
    notes += "2. You may input at most ";
    notes += std::to_string(Modhull::Maxpoints);
    notes += " points.";

    ui.Lbltext.setCaption(instructions);
    ui.Lblnote.setCaption(notes);
    Cmdreset_Click();
}
