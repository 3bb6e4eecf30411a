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
    beginStep();
    Extend();
}

void Fmhull::beginStep() {
    // Off during the step: only the end of the step arms the next one, so steps never overlap.
    ui.Tmrdelay.setEnabled(false);
    increment(Curpoint);
    Tested = 0;
}

void Fmhull::Hsbspeed_Change() {
    ui.Tmrdelay.setInterval(stepDelay());
}

int32_t Fmhull::stepDelay() const {
    return delayAt(ui.Hsbspeed.value(), ui.Hsbspeed.max());
}

// From 1 ms at the left end of the scroll bar to 1000 ms at its maximum.
int32_t Fmhull::delayAt(int16_t position, int16_t maximum) {
    const float top = maximum;
    const float value = position;
    const double delay = checkedDouble(static_cast<double>(value) / top * 999 + 1);
    return static_cast<int32_t>(std::floor(delay));
}

// Every delay from 1 to 1000 ms has a position; the first one is taken.
int16_t Fmhull::positionFor(int32_t milliseconds, int16_t maximum) {
    int16_t low = 0, high = maximum;
    while (low < high) {
        const auto middle = static_cast<int16_t>(low + (high - low) / 2);
        if (delayAt(middle, maximum) < milliseconds)
            low = static_cast<int16_t>(middle + 1);
        else
            high = middle;
    }
    return low;
}
