#include "qt/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleEvent>

#include <cmath>

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
        due.start(static_cast<int>(std::ceil(pace.untilDue(static_cast<double>(clock.elapsed())))));
}

void SpokenNotice::send(const std::string& text) {
    setAccessibleName(QString::fromStdString(text));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

int SpokenNotice::millisecondsUntilQuestion() const {
    if (!QAccessible::isActive())
        return 0;
    return static_cast<int>(std::ceil(pace.untilQuestion(static_cast<double>(clock.elapsed()))));
}
