#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

// What the screen shows of a rectangle of a widget, once the repaints asked for are done. Unlike
// QWidget::grab, which paints the widget afresh, it shows a repaint that was never asked for.
inline QImage shownOnScreen(QWidget& widget, const QRect& rect) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QWidget* window = widget.window();
    const QPoint corner = widget.mapTo(window, rect.topLeft());
    return window->screen()
        ->grabWindow(window->winId(), corner.x(), corner.y(), rect.width(), rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
