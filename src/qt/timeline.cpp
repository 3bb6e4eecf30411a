#include "qt/timeline.h"

#include <QKeyEvent>

Timeline::Timeline(QWidget* parent, std::function<void(int)> toStep,
                   std::function<void(int)> byTest)
    : FocusMarked<QSlider>(Qt::Horizontal, parent), byTest(std::move(byTest)) {
    setObjectName(QStringLiteral("Timeline"));
    setTickPosition(QSlider::TicksBelow);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    // Every position passed while dragging is shown: a step costs well under a frame.
    connect(this, &QSlider::valueChanged, this,
            [toStep = std::move(toStep)](int step) { toStep(step); });
}

void Timeline::follow(const std::optional<TimelineShown>& at) {
    setVisible(at.has_value());
    if (!at)
        return;
    const QSignalBlocker quiet(this);
    setRange(0, at->steps);
    setValue(at->step);
    setEnabled(!at->words.empty());
    told = QString::fromStdString(at->words.empty() ? "no run yet" : at->words);
}

void Timeline::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ShiftModifier) {
        const int key = event->key();
        const int direction = key == Qt::Key_Right || key == Qt::Key_Up    ? 1
                              : key == Qt::Key_Left || key == Qt::Key_Down ? -1
                                                                           : 0;
        if (direction != 0) {
            byTest(direction);
            event->accept();
            return;
        }
    }
    QSlider::keyPressEvent(event);
}

TimelineAccessible::TimelineAccessible(Timeline* timeline)
    : ValueAccessible(timeline, QAccessible::Slider), timeline(*timeline) {}

QString TimelineAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name)
        return QStringLiteral("Timeline, ") + timeline.words();
    return QAccessibleWidget::text(kind);
}
