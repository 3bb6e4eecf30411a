#pragma once

#include "teach/words/announcer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <string>

// What a screen reader is given to say: a widget never shown, with the role of a notification, that
// takes each sentence as its name and says it has appeared. Orca speaks that at once, wherever the
// focus is. Sentences are paced so that each can be heard before the next.
class SpokenNotice : public QWidget {
  public:
    explicit SpokenNotice(QWidget* parent);

    void say(const std::string& text, bool atOnce);
    // How long to wait before a question, so that the last sentence is heard before it.
    int millisecondsUntilQuestion() const;

  private:
    void send(const std::string& text);

    Announcer pace;
    QElapsedTimer clock;
    QTimer due;
};
