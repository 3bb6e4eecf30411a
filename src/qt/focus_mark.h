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

// One of Qt's controls with the mark over what it paints itself, while it has the focus.
template <typename Control> class FocusMarked : public Control {
  public:
    using Control::Control;

  protected:
    void paintEvent(QPaintEvent* event) override {
        Control::paintEvent(event);
        if (this->hasFocus()) {
            QPainter painter(this);
            drawFocusMark(painter, *this, this->rect());
        }
    }
};
