#pragma once

#include "form/services.h"

#include <functional>

class Screen {
  public:
    virtual ~Screen() = default;
    virtual int widthInPixels() const = 0;
};

// Refuses a display narrower than 800 pixels with a message; otherwise shows the main window.
void Main(const Screen& screen, Desktop& desktop, const std::function<void()>& showFmhull);
