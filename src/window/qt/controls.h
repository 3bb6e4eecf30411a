#pragma once

// The window's controls as Qt widgets that offer the window services the program drives.

#include "window/services.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

class CommandButton : public QPushButton, public Button {
  public:
    explicit CommandButton(QWidget* parent) : QPushButton(parent) {}
    void setEnabled(bool enabled) override { QWidget::setEnabled(enabled); }
    bool isEnabled() const override { return QWidget::isEnabled(); }
    // The default-button look only: outside a dialog Qt does not press it on Enter.
    void setDefault(bool isDefault) override { QPushButton::setDefault(isDefault); }
};

class CaptionLabel : public QLabel, public Label {
  public:
    explicit CaptionLabel(QWidget* parent) : QLabel(parent) {}
    void setCaption(const std::string& caption) override {
        setText(QString::fromStdString(caption));
    }
};

class SpeedBar : public QScrollBar, public ScrollBar {
  public:
    explicit SpeedBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}
    int16_t value() const override { return static_cast<int16_t>(QScrollBar::value()); }
    int16_t max() const override { return static_cast<int16_t>(maximum()); }
};

// Enabled means running; Qt's precise timer keeps short pauses close to what was asked.
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
