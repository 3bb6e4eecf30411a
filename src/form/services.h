#pragma once

// What the engine and the event handlers need from the window toolkit. Everything outside the Qt
// binding reaches the screen only through these interfaces, so it can be built and tested alone.

#include <cstdint>
#include <functional>
#include <string>

// Colours are 0xBBGGRR values.
using Color = uint32_t;

class Surface {
  public:
    virtual ~Surface() = default;
    virtual void setForeColor(Color color) = 0;
    virtual Color backColor() const = 0;
    // Pen width in pixels for the lines and dots drawn afterwards.
    virtual void setDrawWidth(int pixels) = 0;
    // Coordinates are twips of the inner area, origin top-left, Y down.
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    virtual void dot(float x, float y) = 0;
    virtual void clear() = 0;
    // A disabled surface delivers no mouse events.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

class Button {
  public:
    virtual ~Button() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // Marks the button as the window's default one; it only changes the button's look.
    virtual void setDefault(bool isDefault) = 0;
};

class Label {
  public:
    virtual ~Label() = default;
    // A line feed in the caption starts a new line.
    virtual void setCaption(const std::string& caption) = 0;
};

class ScrollBar {
  public:
    virtual ~ScrollBar() = default;
    virtual int16_t value() const = 0;
    virtual int16_t max() const = 0;
};

class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setInterval(int32_t milliseconds) = 0;
};

// Message box styles and answers.
enum MessageStyle : int { Critical = 16, QuestionYesNo = 36 };
enum MessageAnswer : int { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

// What follows a message box, given the answer once the user has given it.
using Answered = std::function<void(int answer)>;

// A message box as the program asks for it, for those that show it later.
struct Message {
    std::string prompt;
    int style = 0;
    std::string title;
    Answered then;
};

// The services of the desktop that are not controls: modal message boxes and the end of the
// program.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Shows a modal message box. The answer goes to `then`, if any, once the box is closed: on the
    // desktop before this returns, in a page whose dialogs do not block only later.
    virtual void messageBox(const std::string& prompt, int style, const std::string& title,
                            Answered then) = 0;
    // Ends the program at once; no further handler runs.
    virtual void end(int status) = 0;
};
