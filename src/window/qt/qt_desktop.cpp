#include "window/qt/qt_desktop.h"

#include "engine/checked.h"
#include "window/fmhull.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

int QtDesktop::messageBox(const std::string& prompt, int style, const std::string& title) {
    const bool question = style == QuestionYesNo;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Critical,
                    QString::fromStdString(title), QString::fromStdString(prompt),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int pressed = box.exec();
    if (!question)
        return AnswerOk;
    // Closing the box counts as No.
    return pressed == QMessageBox::Yes ? AnswerYes : AnswerNo;
}

void QtDesktop::end(int exitStatus) {
    ended = true;
    status = exitStatus;
    quitEventLoop(exitStatus);
}

QtDesktop::QuitEventLoop QtDesktop::defaultQuit() {
    return [](int exitStatus) { QCoreApplication::exit(exitStatus); };
}

void QtDesktop::handle(const std::function<void()>& handler) {
    if (ended)
        return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        messageBox(error.what(), Critical, Title);
        end(1);
    }
}

int QtScreen::widthInPixels() const {
    return QGuiApplication::primaryScreen()->geometry().width();
}
