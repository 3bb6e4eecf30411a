// The least a Qt program needs to open a main window like the program's: five menus and a status
// line round an empty client area; it reports its first paint.

#include "first_paint.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    for (const char* menu : {"&File", "&Edit", "&Run", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(new QWidget);
    window.resize(769, 545);
    FirstPaint firstPaint(window);
    window.show();
    return application.exec();
}
