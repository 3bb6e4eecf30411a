#pragma once

#include <QString>

#include <optional>

struct CommandLine {
    // A point file to open once the window is there; empty for none.
    QString file;
    // The pause between steps the speed bar starts at, in ms; the fast end when none.
    std::optional<int> speed;
    bool startPaused = false;
    bool showEachStep = false;
    bool showPointNumbers = false;
    // Where the page is put, for the links the window copies; empty for none.
    QString pageAddress;
    // Set when the program ends here: after --help or --version (0), or a mistake (2).
    std::optional<int> exitStatus;
};

// Reads the command line before the application starts, so that --help, --version and mistakes
// are answered without a display. --zoom sets Qt's scale factor, which must be known before then.
// Qt's own options (-platform, -style, ...) are left for the application.
CommandLine readCommandLine(int argc, char** argv);
