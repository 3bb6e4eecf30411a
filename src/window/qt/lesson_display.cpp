#include "window/qt/lesson_display.h"

#include "window/qt/picture_box.h"

#include <QMenuBar>
#include <QStatusBar>

namespace {

// Shortcuts reach the window whichever control has the focus; none is a key that the speed bar or
// a button takes.
void prepare(QAction& action, const char* text, std::initializer_list<QKeySequence> keys) {
    action.setText(QString::fromUtf8(text));
    action.setShortcuts(QList<QKeySequence>(keys));
}

} // namespace

LessonDisplay::LessonDisplay(QObject* owner, QStatusBar& statusLine, PictureBox& surface)
    : pause(owner), stepForward(owner), stepBack(owner), runAgain(owner), showEachStep(owner),
      statusLine(statusLine), surface(surface) {
    prepare(pause, "Pause", {Qt::Key_P, Qt::Key_Pause});
    prepare(stepForward, "Step Forward", {Qt::Key_Period});
    prepare(stepBack, "Step Back", {Qt::Key_Comma});
    prepare(runAgain, "Run Again", {Qt::CTRL | Qt::Key_R});
    prepare(showEachStep, "Show Each Step", {Qt::CTRL | Qt::Key_E});
    showEachStep.setCheckable(true);
    showActions({});
    statusPace.setSingleShot(true);
    statusPace.setInterval(20);
    QObject::connect(&statusPace, &QTimer::timeout, &statusPace, [this] { showPendingStatus(); });
}

void LessonDisplay::addMenus(QMenuBar& menus) {
    QMenu* run = menus.addMenu(QStringLiteral("&Run"));
    run->addActions({&pause, &stepForward, &stepBack});
    run->addSeparator();
    run->addAction(&runAgain);
    menus.addMenu(QStringLiteral("&View"))->addAction(&showEachStep);
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

void LessonDisplay::showActions(const RunActions& actions) {
    pause.setEnabled(actions.pause);
    pause.setText(actions.paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
    stepForward.setEnabled(actions.stepForward);
    stepBack.setEnabled(actions.stepBack);
    runAgain.setEnabled(actions.runAgain);
}
