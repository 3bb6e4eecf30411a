#include "qt/lesson_display.h"

#include "qt/picture_box.h"
#include "qt/spoken_notice.h"

#include <QLabel>
#include <QStatusBar>

LessonDisplay::LessonDisplay(QStatusBar& statusLine, QLabel& besideText, PictureBox& surface,
                             SpokenNotice& notice)
    : statusLine(statusLine), besideText(besideText), surface(surface), notice(notice) {
    statusPace.setSingleShot(true);
    statusPace.setInterval(20);
    QObject::connect(&statusPace, &QTimer::timeout, &statusPace, [this] { showPendingStatus(); });
}

void LessonDisplay::show(const ShownScreen& screen) {
    surface.setMarks(screen.marks);
    const QString status = QString::fromStdString(screen.status);
    if (status == pendingStatus)
        return;
    pendingStatus = status;
    if (!statusPace.isActive())
        showPendingStatus();
}

void LessonDisplay::showPendingStatus() {
    if (pendingStatus == statusLine.currentMessage())
        return;
    statusLine.showMessage(pendingStatus);
    besideText.setText(pendingStatus);
    statusPace.start();
}

void LessonDisplay::announce(const std::string& text, bool atOnce) {
    notice.say(text, atOnce);
}
