#pragma once

#include "form/services.h"

#include <QTimer>

// The step timer. Enabled means running; Qt's precise timer keeps short pauses close to what was
// asked.
class StepTimer : public QTimer, public Timer {
  public:
    explicit StepTimer(QObject* parent) : QTimer(parent) { setTimerType(Qt::PreciseTimer); }
    void setEnabled(bool enabled) override {
        if (enabled)
            start();
        else
            stop();
    }
    bool isEnabled() const override { return isActive(); }
    void setInterval(int32_t milliseconds) override { QTimer::setInterval(milliseconds); }
};
