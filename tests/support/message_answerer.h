#pragma once

// Answers every Qt message box once it stands on the screen, after noting what it showed:
// questions from a script (No when the script is empty), every other box with OK.

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
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
        // Where the box stood on the screen, frame included.
        QRect place;
        // How many lines its text took.
        int lines;
    };

    MessageAnswerer() { qApp->installEventFilter(this); }
    ~MessageAnswerer() override { qApp->removeEventFilter(this); }

    std::vector<Shown> shown;
    std::deque<QMessageBox::StandardButton> answers;
    // Closes the next questions another way than by a button, each one once.
    std::deque<std::function<void(QMessageBox&)>> dismissals;
    // Runs while the box is open, before it is answered.
    std::function<void(const Shown&)> whenShown;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (box && event->type() == QEvent::Show)
            QTimer::singleShot(0, box, [this, box] { answer(*box); });
        return false;
    }

  private:
    void answer(QMessageBox& box) {
        shown.push_back({box.icon(), box.windowTitle(), box.text(), box.standardButtons(),
                         box.frameGeometry(), linesShown(box)});
        if (whenShown)
            whenShown(shown.back());
        QMessageBox::StandardButton answer = QMessageBox::Ok;
        if (box.standardButtons().testFlag(QMessageBox::Yes) && !dismissals.empty()) {
            dismissals.front()(box);
            dismissals.pop_front();
            return;
        }
        if (box.standardButtons().testFlag(QMessageBox::Yes)) {
            answer = answers.empty() ? QMessageBox::No : answers.front();
            if (!answers.empty())
                answers.pop_front();
        }
        box.button(answer)->click();
    }

    static int linesShown(const QMessageBox& box) {
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            if (label->text() != box.text())
                continue;
            const QFontMetrics metrics = label->fontMetrics();
            const QRect used = metrics.boundingRect(
                label->contentsRect(), label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
            return qRound(used.height() / static_cast<double>(metrics.lineSpacing()));
        }
        return 0;
    }
};
