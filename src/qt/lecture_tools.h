#pragma once

#include "teach/pictures/raster.h"

#include <QImage>
#include <QString>

#include <string>

class PictureBox;
class QWidget;
class Session;

// What a lecturer prepares a demonstration with and asks the Qt front end for first: files to
// open, save and export to, and how many random points of which shape.
class LectureTools {
  public:
    LectureTools(QWidget& window, Session& session, PictureBox& surface);

    // Each reports a failure in a message box and leaves the points as they were.
    void openPoints(const QString& path);
    void savePoints(const QString& path);
    // A PNG picture drawn as the options say, or an SVG drawing for a name ending .svg.
    void exportPicture(const QString& path, const PictureOptions& options);
    // The drawing and View > Compare With's side by side, as an SVG drawing.
    void exportSideBySide(const QString& path, bool withMarks);
    QImage pictureAt(const PictureOptions& options) const;
    // The plot of View > Cost of the Run: a PNG picture `scale` times its size, or an SVG drawing
    // for a name ending .svg.
    void exportCost(const QString& path, int scale);
    QImage costPicture(int scale) const;

    void chooseFileToOpen();
    void chooseFileToSave();
    void chooseExport();
    void chooseRandomPoints();
    void chooseAddPoint();
    void chooseLinkToOpen();
    // Puts the link to the step shown on the clipboard, as the page copies it: the page's address,
    // when it is known, then the lesson from its '#'.
    void copyLink();
    void linkPagesAt(const QString& address) { pageAddress = address; }

  private:
    void writePicture(const QString& path, const PictureOptions& options);
    bool chooseExportOptions(int& kind, PictureOptions& options);
    void report(const char* what, const QString& path, const std::string& problem);

    QWidget& window;
    Session& session;
    PictureBox& surface;
    QString pageAddress;
};
