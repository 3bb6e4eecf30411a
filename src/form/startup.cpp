#include "form/startup.h"

#include "form/fmhull.h"

#include <string>

void Main(const Screen& screen, Desktop& desktop, const std::function<void()>& showFmhull) {
    if (screen.widthInPixels() < 800) {
        std::string prompt = "This programme must be run at 800 x 600 resolution or higher.";
        prompt += '\n';
        prompt += "The current display is not correct.";
        prompt += '\n';
        prompt += "Please change the resolution before running the programme again.";
        desktop.messageBox(prompt, Critical, Title, {});
        return;
    }
    showFmhull();
}
