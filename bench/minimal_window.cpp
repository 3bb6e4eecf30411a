// The least a Qt program needs to open a window, reporting its first paint.

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(769, 545);
    FirstPaint firstPaint(window);
    window.show();
    return application.exec();
}
