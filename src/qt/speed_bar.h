#pragma once

#include "qt/focus_mark.h"
#include "qt/value_accessible.h"

#include <QScrollBar>

// The speed scroll bar: "fast" at its left end, "slow" at its right end. Every key moves the thumb
// towards the end it points at, and the bar shows when it has the focus.
class SpeedBar : public FocusMarked<QScrollBar> {
  public:
    explicit SpeedBar(QWidget* parent) : FocusMarked<QScrollBar>(Qt::Horizontal, parent) {}
    // The pause between steps the thumb stands for, in ms, and the thumb moved to a pause.
    int delay() const;
    void setDelay(int milliseconds);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// What a screen reader hears of the bar: the pause between steps in milliseconds, 1 to 1000, and
// which end is fast. The bar itself keeps its own values.
class SpeedBarAccessible : public ValueAccessible {
  public:
    explicit SpeedBarAccessible(SpeedBar* bar);

    QString text(QAccessible::Text kind) const override;
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& milliseconds) override;
    QVariant maximumValue() const override { return 1000; }
    QVariant minimumValue() const override { return 1; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    SpeedBar& bar;
};
