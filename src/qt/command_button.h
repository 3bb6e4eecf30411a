#pragma once

#include "qt/focus_mark.h"

#include <QKeyEvent>
#include <QPushButton>

// A command button. Enter and Return press it when it has the focus, as Space does; Qt's button
// takes them only in a dialog.
class CommandButton : public QPushButton {
  public:
    explicit CommandButton(QWidget* parent) : QPushButton(parent) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            // Inside the button's two-pixel edge, on its coloured face.
            drawFocusMark(painter, *this, rect().adjusted(2, 2, -2, -2));
        }
    }
};
