#include "qt/lecture_tools.h"

#include "teach/point_file.h"
#include "form/fmhull.h"
#include "qt/lesson_display.h"
#include "qt/menu_item.h"
#include "qt/picture_box.h"
#include "qt/picture_painter.h"
#include "qt/qt_desktop.h"
#include "qt/units.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QMenuBar>
#include <QSpinBox>

#include <algorithm>
#include <random>

LectureTools::Actions::Actions(QObject* owner)
    : open(owner), saveAs(owner), exportPicture(owner), quit(owner), undo(owner), random(owner) {}

LectureTools::LectureTools(QWidget& window, QtDesktop& desktop, Modhull& points, PointInput& input,
                           DrawingLog& drawing, PictureBox& surface, LessonDisplay& display)
    : actions(&window), window(window), desktop(desktop), points(points), input(input),
      drawing(drawing), surface(surface), display(display) {
    prepareMenuItem(actions.open, QStringLiteral("Open Points…"), {QKeySequence::Open});
    // Not every desktop binds a key to Save As; Ctrl+Shift+S is the common one.
    prepareMenuItem(actions.saveAs, QStringLiteral("Save Points As…"),
                    {Qt::CTRL | Qt::SHIFT | Qt::Key_S});
    prepareMenuItem(actions.exportPicture, QStringLiteral("Export Picture…"));
    prepareMenuItem(actions.quit, QStringLiteral("Quit"), {QKeySequence::Quit});
    // Backspace too, the key a lecturer tries first after a wrong click.
    prepareMenuItem(actions.undo, QStringLiteral("Undo Last Point"),
                    {QKeySequence::Undo, Qt::Key_Backspace});
    prepareMenuItem(actions.random, QStringLiteral("Random Points…"));

    auto handled = [this](void (LectureTools::*command)()) {
        return [this, command] {
            this->desktop.handle([this, command] { (this->*command)(); });
            refresh();
        };
    };
    QObject::connect(&actions.open, &QAction::triggered, &window,
                     handled(&LectureTools::chooseFileToOpen));
    QObject::connect(&actions.saveAs, &QAction::triggered, &window,
                     handled(&LectureTools::chooseFileToSave));
    QObject::connect(&actions.exportPicture, &QAction::triggered, &window,
                     handled(&LectureTools::chooseExport));
    QObject::connect(&actions.random, &QAction::triggered, &window,
                     handled(&LectureTools::chooseRandomPoints));
    QObject::connect(&actions.undo, &QAction::triggered, &window, handled(&LectureTools::undoLast));
}

void LectureTools::addMenus(QMenuBar& menus) {
    QMenu* file = menus.addMenu(QStringLiteral("&File"));
    file->addActions({&actions.open, &actions.saveAs, &actions.exportPicture});
    file->addSeparator();
    file->addAction(&actions.quit);
    menus.addMenu(QStringLiteral("&Edit"))->addActions({&actions.undo, &actions.random});
}

void LectureTools::refresh() {
    actions.open.setEnabled(input.canReplace());
    actions.random.setEnabled(input.canReplace());
    actions.undo.setEnabled(input.canUndo());
    actions.saveAs.setEnabled(points.Pointcount > 0);
}

void LectureTools::report(const QString& what, const QString& path, const std::string& problem) {
    desktop.messageBox((what + ' ' + path + QStringLiteral(":\n")).toStdString() + problem,
                       Critical, Title);
}

void LectureTools::openPoints(const QString& path) {
    if (!input.canReplace())
        return;
    const PointFile file = readPointFile(path.toStdString());
    if (!file.error.empty()) {
        report(QStringLiteral("Cannot open the points in"), path, file.error);
        return;
    }
    input.replaceAll(file.points);
    if (file.fitted)
        display.showStatus("The points of " + path.toStdString() +
                           " did not all lie in the drawing area: they were scaled and moved to "
                           "fit it.");
}

void LectureTools::savePoints(const QString& path) {
    const std::string problem = writePointFile(path.toStdString(), points);
    if (!problem.empty())
        report(QStringLiteral("Cannot save the points in"), path, problem);
}

QImage LectureTools::pictureAt(int scale) const {
    return renderPicture(drawing.calls(), surface.contentsRect().size(), twipsPerPixel(surface),
                         scale, PictureBox::BackColor);
}

void LectureTools::exportPicture(const QString& path, int scale) {
    bool written = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        const QSize size = surface.contentsRect().size();
        QFile file(path);
        written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(QByteArray::fromStdString(svgOf(drawing.calls(), size.width(),
                                                             size.height(), twipsPerPixel(surface),
                                                             PictureBox::BackColor))) >= 0;
    } else {
        // At the surface's own size the picture is its image, pixel for pixel.
        written = (scale == 1 ? surface.image() : pictureAt(scale)).save(path, "PNG");
    }
    if (!written)
        report(QStringLiteral("Cannot export the picture to"), path, "it cannot be written.");
}

void LectureTools::undoLast() {
    input.undoLast();
}

void LectureTools::chooseFileToOpen() {
    const QString path = QFileDialog::getOpenFileName(
        &window, QStringLiteral("Open Points"), QString(),
        QStringLiteral("Point files (*.txt *.pts *.dat);;All files (*)"));
    if (!path.isEmpty())
        openPoints(path);
}

void LectureTools::chooseFileToSave() {
    const QString path = QFileDialog::getSaveFileName(&window, QStringLiteral("Save Points As"),
                                                      QStringLiteral("points.txt"),
                                                      QStringLiteral("Point files (*.txt)"));
    if (!path.isEmpty())
        savePoints(path);
}

void LectureTools::chooseExport() {
    struct Kind {
        QString filter;
        int scale;
        QString ending;
    };
    const Kind kinds[] = {
        {QStringLiteral("PNG picture, the window's size (*.png)"), 1, QStringLiteral(".png")},
        {QStringLiteral("PNG picture, twice the size (*.png)"), 2, QStringLiteral(".png")},
        {QStringLiteral("PNG picture, four times the size (*.png)"), 4, QStringLiteral(".png")},
        {QStringLiteral("SVG drawing (*.svg)"), 1, QStringLiteral(".svg")}};
    QStringList filters;
    for (const Kind& kind : kinds)
        filters << kind.filter;
    QString chosen = kinds[1].filter;
    QString path = QFileDialog::getSaveFileName(&window, QStringLiteral("Export Picture"),
                                                QStringLiteral("hull.png"),
                                                filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    const Kind& kind = kinds[std::max<qsizetype>(0, filters.indexOf(chosen))];
    // A name typed with its own ending says what to make; otherwise the kind chosen does.
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        path += kind.ending;
    exportPicture(path, kind.scale);
}

void LectureTools::chooseRandomPoints() {
    QDialog dialog(&window);
    dialog.setWindowTitle(QStringLiteral("Random Points"));
    QSpinBox count;
    count.setRange(3, Modhull::Maxpoints);
    count.setValue(20);
    QComboBox shape;
    shape.addItems({QStringLiteral("Spread over the drawing area"), QStringLiteral("In a disk"),
                    QStringLiteral("On a circle: every point a corner")});
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QFormLayout form(&dialog);
    form.addRow(QStringLiteral("Number of points:"), &count);
    form.addRow(QStringLiteral("Shape:"), &shape);
    form.addRow(&buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::mt19937 random(std::random_device{}());
    input.replaceAll(
        randomPoints(count.value(), static_cast<RandomShape>(shape.currentIndex()), random));
}
