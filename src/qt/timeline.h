#pragma once

#include "qt/focus_mark.h"
#include "qt/value_accessible.h"
#include "teach/session/screen.h"

#include <QSlider>

#include <functional>
#include <optional>

// View > Timeline: a slider over the run's steps under the drawing, a mark for each step. Moving
// it shows that step at once; the arrows, Home and End move by steps, and Shift with an arrow by
// orientation tests.
class Timeline : public FocusMarked<QSlider> {
  public:
    // `toStep` is given the step the slider was moved to; `byTest` 1 or -1.
    Timeline(QWidget* parent, std::function<void(int)> toStep, std::function<void(int)> byTest);

    // Shows where the run stands, or hides the slider when the timeline is off.
    void follow(const std::optional<TimelineShown>& at);
    // "step 5 of 12, test 3 of 6", what a screen reader says of its value.
    const QString& words() const { return told; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void(int)> byTest;
    QString told;
};

// What a screen reader hears of the timeline: a slider whose name carries the step and the test,
// since Qt 6.4 cannot give a value a text of its own.
class TimelineAccessible : public ValueAccessible {
  public:
    explicit TimelineAccessible(Timeline* timeline);

    QString text(QAccessible::Text kind) const override;
    QVariant currentValue() const override { return timeline.value(); }
    void setCurrentValue(const QVariant& step) override { timeline.setValue(step.toInt()); }
    QVariant maximumValue() const override { return timeline.maximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    Timeline& timeline;
};
