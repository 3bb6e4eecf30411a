#pragma once

// Answers every Qt message box the moment it is shown, after noting what it said: questions from
// a script (No when the script is empty), every other box with OK.

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class MessageAnswerer : public QObject {
  public:
    struct Shown {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    MessageAnswerer() { qApp->installEventFilter(this); }
    ~MessageAnswerer() override { qApp->removeEventFilter(this); }

    std::vector<Shown> shown;
    std::deque<QMessageBox::StandardButton> answers;
    // Runs while the box is open, before it is answered.
    std::function<void(const Shown&)> whenShown;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (box && event->type() == QEvent::Show) {
            shown.push_back({box->icon(), box->windowTitle(), box->text(), box->standardButtons()});
            if (whenShown)
                whenShown(shown.back());
            QMessageBox::StandardButton answer = QMessageBox::Ok;
            if (box->standardButtons().testFlag(QMessageBox::Yes)) {
                answer = answers.empty() ? QMessageBox::No : answers.front();
                if (!answers.empty())
                    answers.pop_front();
            }
            QTimer::singleShot(0, box, [box, answer] { box->button(answer)->click(); });
        }
        return false;
    }
};
