#pragma once

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
    // How long a question waits first, for a screen reader to finish what it says; nothing acts
    // meanwhile.
    void waitBeforeAsking(std::function<int()> milliseconds) { pause = std::move(milliseconds); }

    // A modal box: the answer is given before this returns.
    void messageBox(const std::string& prompt, int style, const std::string& title,
                    Answered then) override;
    void end(int status) override;

    bool hasEnded() const { return ended; }
    int exitStatus() const { return status; }

  private:
    static QuitEventLoop defaultQuit();
    void bringWindowForward();
    QRect drawingOnScreen() const;

    QuitEventLoop quitEventLoop;
    std::function<int()> pause;
    QPointer<QWidget> window;
    QPointer<QWidget> drawingArea;
    bool ended = false;
    int status = 0;
};

class QtScreen : public Screen {
  public:
    int widthInPixels() const override;
};
