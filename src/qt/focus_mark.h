#pragma once

#include <QPainter>
#include <QWidget>

// The mark of the control that has the keyboard focus: a frame two pixels wide in the highlight
// colour, just inside the given rectangle. Qt's styles draw a faint one or none at all, and only
// when the focus came from the keyboard.
inline void drawFocusMark(QPainter& painter, const QWidget& control, const QRect& rect) {
    painter.setPen(QPen(control.palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
}
