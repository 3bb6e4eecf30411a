#include "engine/point_entry.h"
#include "form/area.h"
#include "form/count_caption.h"
#include "form/fmhull.h"

void Fmhull::Pichull_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y) {
    if (mod.Pointcount >= Modhull::Maxpoints) {
        std::string prompt = "You are not allowed to input more than ";
        prompt += std::to_string(Modhull::Maxpoints);
        prompt += " points!";
        ui.desktop.messageBox(prompt, Critical, Title, {});
        return;
    }
    if (!area::contains(X, Y))
        return;

    const Entry entry = enterPoint(mod, X, Y);
    ui.Lblcount.setCaption(countCaption(mod.Pointcount));
    ui.Pichull.dot(X, Y);
    if (!entry.canStart)
        return;
    ui.Cmdstart.setEnabled(true);
    // The default-button look only: outside a dialog it does not make Enter press START. A point
    // that took the place of one of three on a line leaves it as it was.
    if (!entry.replaced)
        ui.Cmdstart.setDefault(true);
}
