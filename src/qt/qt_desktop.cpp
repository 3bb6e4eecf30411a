#include "qt/qt_desktop.h"

#include "qt/message_box.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

void QtDesktop::setWindow(QWidget* owner, QWidget* drawing) {
    window = owner;
    drawingArea = drawing;
}

void QtDesktop::messageBox(const std::string& prompt, int style, const std::string& title,
                           Answered then) {
    const bool question = style == QuestionYesNo;
    if (const int wait = pause ? pause() : 0; wait > 0) {
        QEventLoop waiting;
        QTimer::singleShot(wait, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    bringWindowForward();
    MessageBox box(question ? QMessageBox::Question : QMessageBox::Critical,
                   QString::fromStdString(title), QString::fromStdString(prompt),
                   question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, window,
                   drawingOnScreen());
    const int pressed = box.exec();
    // Closing the box counts as No.
    const int answer = !question ? AnswerOk : pressed == QMessageBox::Yes ? AnswerYes : AnswerNo;
    if (then)
        then(answer);
}

// A box speaks of the window behind it: a minimized window is restored and made active first.
void QtDesktop::bringWindowForward() {
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

// The part of the drawing area that the window shows, in screen coordinates.
QRect QtDesktop::drawingOnScreen() const {
    if (!window || !drawingArea)
        return {};
    const QRect drawing(drawingArea->mapToGlobal(QPoint(0, 0)), drawingArea->size());
    return drawing & QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
}

void QtDesktop::end(int exitStatus) {
    ended = true;
    status = exitStatus;
    quitEventLoop(exitStatus);
}

QtDesktop::QuitEventLoop QtDesktop::defaultQuit() {
    return [](int exitStatus) { QCoreApplication::exit(exitStatus); };
}

int QtScreen::widthInPixels() const {
    return QGuiApplication::primaryScreen()->geometry().width();
}
