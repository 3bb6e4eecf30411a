#pragma once

#include "form/services.h"

#include <QScrollBar>

// The speed scroll bar: "fast" at its left end, "slow" at its right end. Every key moves the thumb
// towards the end it points at, and the bar shows when it has the focus.
class SpeedBar : public QScrollBar, public ScrollBar {
  public:
    explicit SpeedBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}
    int16_t value() const override { return static_cast<int16_t>(QScrollBar::value()); }
    int16_t max() const override { return static_cast<int16_t>(maximum()); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
