#pragma once

#include "form/services.h"
#include "form/startup.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// Modal message boxes, the end of the program, and the report of a run-time error.
class QtDesktop : public Desktop {
  public:
    // How the end of the program leaves the event loop; tests that share one application replace
    // it.
    using QuitEventLoop = std::function<void(int status)>;

    explicit QtDesktop(QuitEventLoop quit = defaultQuit()) : quitEventLoop(std::move(quit)) {}

    // The window the message boxes belong to, and its drawing area, which they leave in view.
    void setWindow(QWidget* owner, QWidget* drawing);

    int messageBox(const std::string& prompt, int style, const std::string& title) override;
    void end(int status) override;

    // Runs an event handler; a run-time error it raises is shown to the user and ends the
    // program. Once the program has ended, no handler runs.
    void handle(const std::function<void()>& handler);

    bool hasEnded() const { return ended; }
    int exitStatus() const { return status; }

  private:
    static QuitEventLoop defaultQuit();
    void bringWindowForward();
    QRect drawingOnScreen() const;

    QuitEventLoop quitEventLoop;
    QPointer<QWidget> window;
    QPointer<QWidget> drawingArea;
    bool ended = false;
    int status = 0;
};

class QtScreen : public Screen {
  public:
    int widthInPixels() const override;
};
