#pragma once

#include "form/services.h"

#include <functional>

// Passes message boxes on to the desktop, letting someone look at the window just before each one
// opens: the question that ends a run comes from inside the step that finishes it.
class MessageWatch : public Desktop {
  public:
    explicit MessageWatch(Desktop& desktop) : desktop(desktop) {}

    void beforeEachMessage(std::function<void()> watcher) { watch = std::move(watcher); }

    int messageBox(const std::string& prompt, int style, const std::string& title) override {
        if (watch)
            watch();
        return desktop.messageBox(prompt, style, title);
    }
    void end(int status) override { desktop.end(status); }

  private:
    Desktop& desktop;
    std::function<void()> watch;
};
