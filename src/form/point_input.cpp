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

    increment(mod.Pointcount);
    const int16_t point = mod.Pointcount;
    ui.Lblcount.setCaption(countCaption(point));
    ui.Pichull.dot(X, Y);
    mod.Xcoord(point) = X;
    mod.Ycoord(point) = Y;
    if (point <= 2)
        return;

    if (mod.Orient(1, 2, 3) != 0) {
        ui.Cmdstart.setEnabled(true);
        // The default-button look only: outside a dialog it does not make Enter press START.
        ui.Cmdstart.setDefault(true);
        return;
    }
    if (point <= 3)
        return;

    // Points 1, 2, 3 are collinear: the new point takes the place of one of them, chosen so that
    // the two that stay are distinct whenever possible.
    int16_t givenUp = 2;
    if (mod.Xcoord(1) == mod.Xcoord(2) && mod.Ycoord(1) == mod.Ycoord(2))
        givenUp = 1;
    else if (mod.Xcoord(2) != mod.Xcoord(3) || mod.Ycoord(2) != mod.Ycoord(3))
        givenUp = 3;
    mod.Swappoint(givenUp, point);
    if (mod.Orient(1, 2, 3) != 0)
        ui.Cmdstart.setEnabled(true);
}
