#include "qt/speed_bar.h"

#include "qt/focus_mark.h"

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

void SpeedBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusMark(painter, *this, rect());
    }
}
