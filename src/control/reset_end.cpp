#include "control/count_caption.h"
#include "window/fmhull.h"

void Fmhull::Cmdreset_Click() {
    Pichull.setEnabled(true);
    mod.Pointcount = 0;
    Lblcount.setCaption(countCaption(0));
    Pichull.clear();
    Cmdstart.setEnabled(false);
    Pichull.setDrawWidth(3);
    Pichull.setForeColor(Magenta);
}

void Fmhull::Cmdend_Click() { desktop.end(0); }

void Fmhull::Showmessage() {
    Cmdreset.setEnabled(true);
    if (desktop.messageBox("Done! Reset and start again?", QuestionYesNo, Title) == AnswerYes)
        Cmdreset_Click();
}
