#include "form/fmhull.h"

#include <cmath>

void Fmhull::Cmdstart_Click() {
    ui.Pichull.setEnabled(false);
    ui.Cmdstart.setEnabled(false);
    ui.Cmdreset.setEnabled(false);
    ui.Pichull.setDrawWidth(1);
    Initialize();
    if (mod.Pointcount == 3) {
        Showmessage();
        return;
    }
    Curpoint = 3;
    ui.Tmrdelay.setEnabled(true);
    ui.Tmrdelay.setInterval(stepDelay());
}

void Fmhull::Tmrdelay_Timer() {
    // Off during the step: only the end of the step arms the next one, so steps never overlap.
    ui.Tmrdelay.setEnabled(false);
    increment(Curpoint);
    Extend();
}

void Fmhull::Hsbspeed_Change() {
    ui.Tmrdelay.setInterval(stepDelay());
}

// From 1 ms at the left end of the scroll bar to 1000 ms at its maximum.
int32_t Fmhull::stepDelay() const {
    const float maximum = ui.Hsbspeed.max();
    const float value = ui.Hsbspeed.value();
    const double delay = checkedDouble(static_cast<double>(value) / maximum * 999 + 1);
    return static_cast<int32_t>(std::floor(delay));
}
