#pragma once

#include "teach/pictures/drawing_log.h"
#include "teach/session/screen.h"

#include <QLabel>
#include <QWidget>

#include <vector>

// View > Compare With: the second algorithm's drawing of the same points, with its title over it
// and its sentence under it. The drawing is kept as its calls and painted at whatever size the
// panel is given, its marks over it as over the main drawing.
class ComparedPanel : public QWidget {
  public:
    explicit ComparedPanel(QWidget* parent);

    void showCompared(const ComparedShown& shown);
    // The title, the picture and the sentence in the panel's rectangle, the picture where the
    // arrangement has it; apart from the column, a layout places them instead.
    void placeParts(const QRect& picture);

  private:
    class Picture : public QWidget {
      public:
        explicit Picture(QWidget* parent);
        void show(const ComparedShown& shown);
        QSize sizeHint() const override;
        bool hasHeightForWidth() const override { return true; }
        int heightForWidth(int width) const override;

      protected:
        void paintEvent(QPaintEvent* event) override;

      private:
        std::shared_ptr<const std::vector<DrawCall>> calls;
        std::vector<MarkShape> marks;
        int revision = -1;
    };

    QLabel title;
    Picture picture;
    QLabel words;
};
