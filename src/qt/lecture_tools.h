#pragma once

#include "teach/drawing_log.h"
#include "teach/point_input.h"

#include <QAction>
#include <QString>

class LessonDisplay;
class PictureBox;
class QMenuBar;
class QtDesktop;
class QWidget;

// What a lecturer prepares a demonstration with: point files, random points, taking the last point
// back, and pictures for slides, in the File and Edit menus.
class LectureTools {
  public:
    LectureTools(QWidget& window, QtDesktop& desktop, Modhull& points, PointInput& input,
                 DrawingLog& drawing, PictureBox& surface, LessonDisplay& display);

    void addMenus(QMenuBar& menus);
    // Enables what can act now.
    void refresh();

    // Each reports a failure in a message box and leaves the points as they were.
    void openPoints(const QString& path);
    void savePoints(const QString& path);
    // A PNG picture `scale` times the surface's pixels, or an SVG drawing for a name ending .svg.
    void exportPicture(const QString& path, int scale);
    QImage pictureAt(int scale) const;

    struct Actions {
        explicit Actions(QObject* owner);
        QAction open, saveAs, exportPicture, quit, undo, random;
    } actions;

  private:
    void undoLast();
    void chooseFileToOpen();
    void chooseFileToSave();
    void chooseExport();
    void chooseRandomPoints();
    void report(const QString& what, const QString& path, const std::string& problem);

    QWidget& window;
    QtDesktop& desktop;
    Modhull& points;
    PointInput& input;
    DrawingLog& drawing;
    PictureBox& surface;
    LessonDisplay& display;
};
