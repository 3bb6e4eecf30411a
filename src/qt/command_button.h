#pragma once

#include "form/services.h"
#include "qt/focus_mark.h"

#include <QKeyEvent>
#include <QPushButton>

// A command button. Enter and Return press it when it has the focus, as Space does; Qt's button
// takes them only in a dialog.
class CommandButton : public QPushButton, public Button {
  public:
    explicit CommandButton(QWidget* parent) : QPushButton(parent) {}
    void setEnabled(bool enabled) override { QWidget::setEnabled(enabled); }
    bool isEnabled() const override { return QWidget::isEnabled(); }
    // The default-button look only: outside a dialog Qt does not press it on Enter.
    void setDefault(bool isDefault) override { QPushButton::setDefault(isDefault); }

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
