#pragma once

#include "form/services.h"

#include <functional>
#include <optional>

// Stands between the program and the desktop's message boxes. It lets someone look at the window
// just before each box opens (the question that ends a run comes from inside the step that
// finishes it), knows while a box waits for its answer, and hands the answer on through the
// given guard, as any other event.
class MessageWatch : public Desktop {
  public:
    using Guard = std::function<void(const std::function<void()>&)>;

    explicit MessageWatch(Desktop& desktop) : desktop(desktop) {}

    void beforeEachMessage(std::function<void()> watcher) { watch = std::move(watcher); }
    void answerThrough(Guard guard) { answerGuard = std::move(guard); }

    void messageBox(const std::string& prompt, int style, const std::string& title,
                    Answered then) override {
        if (holdingBack) {
            held = Message{prompt, style, title, std::move(then)};
            return;
        }
        if (watch)
            watch();
        ask(prompt, style, title, std::move(then));
    }
    // While on, a box the program opens is kept back instead, to be asked later or dropped: a
    // run started paused asks its last question only when stepped to it.
    void holdBack(bool on) { holdingBack = on; }
    bool holdsOne() const { return held.has_value(); }
    void askHeld() {
        if (!held)
            return;
        Message message = std::move(*held);
        held.reset();
        messageBox(message.prompt, message.style, message.title, std::move(message.then));
    }
    void dropHeld() { held.reset(); }
    // A run-time error, reported as it is, without a look at a window that may be in pieces; the
    // program ends once the report is closed.
    void reportError(const std::string& prompt, const std::string& title) {
        ask(prompt, Critical, title, [this](int) { end(1); });
    }
    void end(int status) override {
        ended = true;
        desktop.end(status);
    }

    bool isAsking() const { return asking; }
    // The box waiting for its answer: its prompt, style and title.
    const Message& asked() const { return openBox; }
    bool hasEnded() const { return ended; }

    // The box open has been answered: its answer is handed on through the guard. A box that is
    // not open takes no answer.
    void answer(int answer) {
        if (!asking)
            return;
        asking = false;
        openBox = {};
        const Answered then = std::move(pending);
        pending = nullptr;
        const auto answered = [&] {
            if (then)
                then(answer);
        };
        if (answerGuard)
            answerGuard(answered);
        else
            answered();
    }

  private:
    void ask(const std::string& prompt, int style, const std::string& title, Answered then) {
        asking = true;
        openBox = Message{prompt, style, title, nullptr};
        pending = std::move(then);
        desktop.messageBox(prompt, style, title, [this](int given) { answer(given); });
    }

    Desktop& desktop;
    std::function<void()> watch;
    Guard answerGuard;
    bool asking = false;
    bool ended = false;
    bool holdingBack = false;
    std::optional<Message> held;
    Message openBox;
    Answered pending;
};
