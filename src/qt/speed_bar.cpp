#include "qt/speed_bar.h"

#include "form/fmhull.h"

#include <QKeyEvent>

// Qt's scroll bar turns Left and Right round, and keeping its inverted controls for the wheel's
// sake leaves no setting that is right for every key, so the keys are mapped here.
void SpeedBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    default:
        // Home and End already go to "fast" and "slow".
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

SpeedBarAccessible::SpeedBarAccessible(SpeedBar* bar)
    : ValueAccessible(bar, QAccessible::ScrollBar), bar(*bar) {}

// Qt 6.4 cannot give a value a text of its own, which a screen reader would read instead: the name
// says what the number is.
QString SpeedBarAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name)
        return QStringLiteral("Speed, milliseconds a step, fast at the left");
    return QAccessibleWidget::text(kind);
}

int SpeedBar::delay() const {
    return Fmhull::delayAt(static_cast<int16_t>(value()), static_cast<int16_t>(maximum()));
}

void SpeedBar::setDelay(int milliseconds) {
    setValue(Fmhull::positionFor(milliseconds, static_cast<int16_t>(maximum())));
}

QVariant SpeedBarAccessible::currentValue() const {
    return bar.delay();
}

void SpeedBarAccessible::setCurrentValue(const QVariant& milliseconds) {
    bar.setDelay(milliseconds.toInt());
}
