#include "qt/lecture_tools.h"

#include "qt/picture_box.h"
#include "qt/units.h"
#include "teach/point_file.h"
#include "teach/raster.h"
#include "teach/session.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>
#include <random>

LectureTools::LectureTools(QWidget& window, Session& session, PictureBox& surface)
    : window(window), session(session), surface(surface) {}

void LectureTools::report(const char* what, const QString& path, const std::string& problem) {
    session.reportFileProblem(what, path.toStdString(), problem);
}

void LectureTools::openPoints(const QString& path) {
    const std::string name = path.toStdString();
    session.handle([&] { session.openPoints(name, readPointFile(name)); });
}

void LectureTools::savePoints(const QString& path) {
    session.handle([&] {
        const std::string problem = writePointFile(path.toStdString(), session.points);
        if (!problem.empty())
            report("Cannot save the points in", path, problem);
    });
}

QImage LectureTools::pictureAt(int scale) const {
    // At the surface's own size the picture is its image, pixel for pixel.
    if (scale == 1)
        return surface.image();
    const QSize size = surface.contentsRect().size();
    const Raster picture = rasterize(session.drawing.calls(), size.width(), size.height(),
                                     twipsPerPixel(surface), scale, PictureBox::BackColor);
    return QImage(picture.rgba().data(), picture.width(), picture.height(), QImage::Format_RGBA8888)
        .convertToFormat(QImage::Format_RGB32);
}

void LectureTools::exportPicture(const QString& path, int scale) {
    session.handle([&] { writePicture(path, scale); });
}

void LectureTools::writePicture(const QString& path, int scale) {
    bool written = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        const QSize size = surface.contentsRect().size();
        QFile file(path);
        written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(QByteArray::fromStdString(svgOf(session.drawing.calls(), size.width(),
                                                             size.height(), twipsPerPixel(surface),
                                                             PictureBox::BackColor))) >= 0;
    } else {
        written = pictureAt(scale).save(path, "PNG");
    }
    if (!written)
        report("Cannot export the picture to", path, "it cannot be written.");
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
    session.handle([&] {
        session.input.replaceAll(
            randomPoints(count.value(), static_cast<RandomShape>(shape.currentIndex()), random));
    });
}
