#include "qt/lecture_tools.h"

#include "qt/cost_panel.h"
#include "qt/picture_box.h"
#include "qt/picture_painter.h"
#include "qt/units.h"
#include "teach/files/point_file.h"
#include "teach/pictures/raster.h"
#include "teach/session/dialog_choices.h"
#include "teach/session/session.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <random>

LectureTools::LectureTools(QWidget& window, Session& session, PictureBox& surface)
    : window(window), session(session), surface(surface) {}

namespace {

// Whether the text was written whole, in place of what the file held.
bool writeText(const QString& path, const std::string& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(QByteArray::fromStdString(text)) >= 0;
}

} // namespace

void LectureTools::report(const char* what, const QString& path, const std::string& problem) {
    session.reportFileProblem(what, path.toStdString(), problem);
}

void LectureTools::openPoints(const QString& path) {
    const std::string name = path.toStdString();
    session.openPoints(name, readPointFile(name));
}

void LectureTools::savePoints(const QString& path) {
    session.savePoints(path.toStdString());
}

QImage LectureTools::pictureAt(const PictureOptions& options) const {
    QImage picture;
    // At the surface's own size the plain picture is its image, pixel for pixel.
    if (options.scale == 1 && !options.thickLines) {
        picture = surface.image();
    } else {
        const QSize size = surface.contentsRect().size();
        const Raster drawn =
            rasterize(session.drawn(), size.width(), size.height(), twipsPerPixel(surface),
                      options.scale, PictureBox::BackColor, options.thickLines);
        picture =
            QImage(drawn.rgba().data(), drawn.width(), drawn.height(), QImage::Format_RGBA8888)
                .convertToFormat(QImage::Format_RGB32);
    }
    if (options.marks) {
        QPainter painter(&picture);
        // The surface's image carries its device pixel ratio; a picture drawn afresh is scaled.
        if (picture.devicePixelRatio() == 1)
            painter.scale(options.scale, options.scale);
        paintMarks(painter, surface.marks(), surface.font().family());
    }
    return picture;
}

void LectureTools::exportPicture(const QString& path, const PictureOptions& options) {
    session.handle([&] { writePicture(path, options); });
}

void LectureTools::exportSideBySide(const QString& path, bool withMarks) {
    session.handle([&] {
        const QSize size = surface.contentsRect().size();
        if (!writeText(path, session.sideBySide(size.width(), size.height(), twipsPerPixel(surface),
                                                PictureBox::BackColor,
                                                withMarks ? std::optional(surface.marks()) : std::nullopt)))
            report("Cannot export the picture to", path, "it cannot be written.");
    });
}

void LectureTools::writePicture(const QString& path, const PictureOptions& options) {
    bool written = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        const QSize size = surface.contentsRect().size();
        written = writeText(path, svgOf(session.drawn(), size.width(), size.height(), twipsPerPixel(surface),
                                        PictureBox::BackColor,
                                        options.marks ? surface.marks() : std::vector<MarkShape>{}));
    } else {
        written = pictureAt(options).save(path, "PNG");
    }
    if (!written)
        report("Cannot export the picture to", path, "it cannot be written.");
}

QImage LectureTools::costPicture(int scale) const {
    QImage picture(PlotWidth * scale, PlotHeight * scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    paintPlot(painter, plotOf(session.costs(), PlotWidth, PlotHeight));
    return picture;
}

void LectureTools::exportCost(const QString& path, int scale) {
    session.handle([&] {
        bool written = false;
        if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            written = writeText(path, svgOf(plotOf(session.costs(), PlotWidth, PlotHeight)));
        } else {
            written = costPicture(scale).save(path, "PNG");
        }
        if (!written)
            report("Cannot export the cost of the run to", path, "it cannot be written.");
    });
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

// What to export: the kind, and whether with the step's marks and with thick lines, which only a
// larger picture can have.
bool LectureTools::chooseExportOptions(int& kind, PictureOptions& options) {
    QDialog dialog(&window);
    dialog.setWindowTitle(QStringLiteral("Export Picture"));
    QComboBox kinds;
    for (const ExportKind& each : ExportKinds)
        kinds.addItem(toQString(each.name));
    kinds.setCurrentIndex(UsualExportKind);
    QCheckBox marks(QStringLiteral("With the step's &marks and the point numbers, as shown"));
    QCheckBox thick(QStringLiteral("&Thick lines for slides"));
    // Only a larger picture has lines to grow; the plot has neither marks nor thick lines.
    auto allowThick = [&] {
        const ExportKind& chosen = ExportKinds[static_cast<std::size_t>(kinds.currentIndex())];
        thick.setEnabled(chosen.scale > 1 && !chosen.cost);
        marks.setEnabled(!chosen.cost);
    };
    QObject::connect(&kinds, &QComboBox::currentIndexChanged, &dialog, allowThick);
    allowThick();
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons.button(QDialogButtonBox::Ok)->setText(QStringLiteral("Export…"));
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QFormLayout form(&dialog);
    form.addRow(QStringLiteral("&Kind:"), &kinds);
    form.addRow(&marks);
    form.addRow(&thick);
    form.addRow(&buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    kind = kinds.currentIndex();
    options = {ExportKinds[static_cast<std::size_t>(kind)].scale, marks.isChecked(),
               thick.isEnabled() && thick.isChecked()};
    return true;
}

void LectureTools::chooseExport() {
    int kind = 0;
    PictureOptions options;
    if (!chooseExportOptions(kind, options))
        return;
    const ExportKind& chosen = ExportKinds[static_cast<std::size_t>(kind)];
    const QString ending = toQString(chosen.ending);
    QString path = QFileDialog::getSaveFileName(
        &window, QStringLiteral("Export Picture"),
        (chosen.cost ? QStringLiteral("cost-of-the-run") : QStringLiteral("hull")) + ending,
        QStringLiteral("%1 (*%2)").arg(toQString(chosen.name), ending));
    if (path.isEmpty())
        return;
    // A name typed with its own ending says what to make; otherwise the kind chosen does.
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        path += ending;
    if (chosen.cost)
        exportCost(path, chosen.scale);
    else if (chosen.sideBySide)
        exportSideBySide(path, options.marks);
    else
        exportPicture(path, options);
}

namespace {

// A small dialog of labelled fields with OK and Cancel; whether it was accepted.
bool askFor(QWidget& window, const QString& title,
            std::initializer_list<std::pair<QString, QWidget*>> fields) {
    QDialog dialog(&window);
    dialog.setWindowTitle(title);
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QFormLayout form(&dialog);
    for (const auto& [label, field] : fields)
        form.addRow(label, field);
    form.addRow(&buttons);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The fields belong to the caller, which reads them afterwards.
    for (const auto& field : fields)
        field.second->setParent(nullptr);
    return accepted;
}

} // namespace

void LectureTools::chooseRandomPoints() {
    QSpinBox count;
    count.setRange(3, Modhull::Maxpoints);
    count.setValue(20);
    QComboBox shape;
    for (std::string_view name : RandomShapeNames)
        shape.addItem(toQString(name));
    if (!askFor(
            window, QStringLiteral("Random Points"),
            {{QStringLiteral("Number of points:"), &count}, {QStringLiteral("Shape:"), &shape}}))
        return;
    const unsigned seed = std::random_device{}();
    session.randomPoints(count.value(), static_cast<RandomShape>(shape.currentIndex()), seed);
}

// X and Y in twips, typed as a point file holds them; the session enters the point as a click.
void LectureTools::chooseAddPoint() {
    QLineEdit x, y;
    if (!askFor(window, QStringLiteral("Add Point"),
                {{QStringLiteral("&X, 0 to 7860 twips from the left:"), &x},
                 {QStringLiteral("&Y, 0 to 7020 twips from the top:"), &y}}))
        return;
    session.addPoint(x.text().trimmed().toStdString(), y.text().trimmed().toStdString());
}

void LectureTools::chooseLinkToOpen() {
    QLineEdit link;
    if (!askFor(window, QStringLiteral("Open Lesson Link"),
                {{QStringLiteral("&Link, or its part from #v1 on:"), &link}}))
        return;
    session.openLink(link.text().toStdString());
}

void LectureTools::copyLink() {
    const QString lesson = QLatin1Char('#') + QString::fromStdString(session.link());
    QGuiApplication::clipboard()->setText(pageAddress.section(QLatin1Char('#'), 0, 0) + lesson);
    session.tellAndSay(pageAddress.isEmpty()
                           ? "The lesson's part of the link is on the clipboard: put it after "
                             "the page's address."
                           : "The link to this step is on the clipboard.");
}
