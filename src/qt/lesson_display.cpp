#include "qt/lesson_display.h"

#include "qt/picture_box.h"

#include <QStatusBar>

LessonDisplay::LessonDisplay(QStatusBar& statusLine, PictureBox& surface)
    : statusLine(statusLine), surface(surface) {
    statusPace.setSingleShot(true);
    statusPace.setInterval(20);
    QObject::connect(&statusPace, &QTimer::timeout, &statusPace, [this] { showPendingStatus(); });
}

void LessonDisplay::showStatus(const std::string& text) {
    pendingStatus = QString::fromStdString(text);
    if (!statusPace.isActive())
        showPendingStatus();
}

void LessonDisplay::showPendingStatus() {
    if (pendingStatus == statusLine.currentMessage())
        return;
    statusLine.showMessage(pendingStatus);
    statusPace.start();
}

void LessonDisplay::showOverlay(const Overlay& overlay) {
    surface.setOverlay(overlay);
}
