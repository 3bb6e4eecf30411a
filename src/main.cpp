#include "window/qt/picture_box.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PictureBox surface;
    surface.resize(529, 473);
    surface.show();
    surface.clear();
    return application.exec();
}
