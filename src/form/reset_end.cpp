#include "form/count_caption.h"
#include "form/fmhull.h"

void Fmhull::Cmdreset_Click() {
    Tested = 0;
    ui.Pichull.setEnabled(true);
    mod.Pointcount = 0;
    ui.Lblcount.setCaption(countCaption(0));
    ui.Pichull.clear();
    ui.Cmdstart.setEnabled(false);
    ui.Pichull.setDrawWidth(3);
    ui.Pichull.setForeColor(Magenta);
}

void Fmhull::Cmdend_Click() {
    ui.desktop.end(0);
}

void Fmhull::Showmessage() {
    ui.Cmdreset.setEnabled(true);
    ui.desktop.messageBox("Done! Reset and start again?", QuestionYesNo, Title, [this](int answer) {
        if (answer == AnswerYes)
            Cmdreset_Click();
    });
}
