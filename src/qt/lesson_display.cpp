#include "qt/lesson_display.h"

#include "qt/menu_item.h"
#include "qt/picture_box.h"

#include <QMenuBar>
#include <QStatusBar>

LessonDisplay::LessonDisplay(QObject* owner, QStatusBar& statusLine, PictureBox& surface)
    : pause(owner), stepForward(owner), stepBack(owner), runAgain(owner), showEachStep(owner),
      statusLine(statusLine), surface(surface) {
    prepareMenuItem(pause, QStringLiteral("Pause"), {Qt::Key_P, Qt::Key_Pause});
    prepareMenuItem(stepForward, QStringLiteral("Step Forward"), {Qt::Key_Period});
    prepareMenuItem(stepBack, QStringLiteral("Step Back"), {Qt::Key_Comma});
    prepareMenuItem(runAgain, QStringLiteral("Run Again"), {Qt::CTRL | Qt::Key_R});
    prepareMenuItem(showEachStep, QStringLiteral("Show Each Step"), {Qt::CTRL | Qt::Key_E});
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
