#pragma once

// Paces what a screen reader is given to say. A screen reader speaks each new sentence at once and
// cuts off the one before, so sentences that come faster than they can be heard are held back:
// only the latest waits, never a queue, until the one before has had its time. What the user asked
// for with a key goes at once. Times are milliseconds on any clock the face keeps.

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

class Announcer {
  public:
    // About how long a screen reader at its default rate takes to say a character, and the least
    // time between two sentences of a run.
    static constexpr double PerCharacter = 60;
    static constexpr double Least = 1000;
    // The time a question leaves a screen reader after the last sentence.
    static constexpr double BeforeQuestion = 1500;

    // What to send now, if anything: `text` itself, or nothing while an earlier one is still heard.
    std::optional<std::string> offer(std::string text, bool atOnce, double now) {
        if (atOnce || now >= heardAt)
            return send(std::move(text), now);
        waiting = std::move(text);
        return std::nullopt;
    }
    // The sentence held back, once its time has come.
    std::optional<std::string> due(double now) {
        if (!waiting || now < heardAt)
            return std::nullopt;
        std::string text = std::move(*waiting);
        waiting.reset();
        return send(std::move(text), now);
    }
    // How long until due() will have something to send; infinity when nothing waits.
    double untilDue(double now) const {
        return waiting ? std::max(heardAt - now, 0.0) : std::numeric_limits<double>::infinity();
    }
    // How long a question should wait now, so that the last sentence is heard before it.
    double untilQuestion(double now) const {
        return std::clamp(sentAt + BeforeQuestion - now, 0.0, BeforeQuestion);
    }

  private:
    std::string send(std::string text, double now) {
        waiting.reset();
        sentAt = now;
        heardAt = now + std::max(Least, PerCharacter * static_cast<double>(text.size()));
        return text;
    }

    std::optional<std::string> waiting;
    double sentAt = -std::numeric_limits<double>::infinity();
    double heardAt = -std::numeric_limits<double>::infinity();
};
