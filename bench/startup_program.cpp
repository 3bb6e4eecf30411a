// The real program, reporting its first paint.

#include "first_paint.h"
#include "qt/program.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Program program;
    if (!program.start())
        return 1;
    FirstPaint firstPaint(*program.window());
    return application.exec();
}
