#pragma once

#include <QAccessibleWidget>

// A control that a screen reader reads as a value, beside what it reads of any widget.
class ValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
};
