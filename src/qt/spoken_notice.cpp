#include "qt/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleEvent>

#include <algorithm>
#include <cmath>

namespace {

// The time a screen reader has between the last sentence and the question.
constexpr double BeforeQuestion = 1500;

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent) {
    hide();
    clock.start();
    due.setSingleShot(true);
    QObject::connect(&due, &QTimer::timeout, this, [this] {
        if (const std::optional<std::string> text = pace.due(clock.elapsed()))
            send(*text);
    });
}

void SpokenNotice::say(const std::string& text, bool atOnce) {
    if (!QAccessible::isActive())
        return;
    if (const std::optional<std::string> now = pace.offer(text, atOnce, clock.elapsed()))
        send(*now);
    else
        due.start(static_cast<int>(std::ceil(pace.dueAt() - clock.elapsed())));
}

void SpokenNotice::send(const std::string& text) {
    setAccessibleName(QString::fromStdString(text));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

int SpokenNotice::millisecondsUntilQuestion() const {
    if (!QAccessible::isActive())
        return 0;
    const double left = pace.lastSentAt() + BeforeQuestion - static_cast<double>(clock.elapsed());
    return static_cast<int>(std::clamp(std::ceil(left), 0.0, BeforeQuestion));
}
