#pragma once

#include "form/layout.h"
#include "form/services.h"
#include "teach/pictures/mark_shapes.h"

#include <QFrame>
#include <QImage>

#include <functional>

// The drawing surface: a sunken frame that owns an image of its inner area. Drawing goes into the
// image and only the touched rectangle is repainted, so the picture survives being covered.
// Positions are twips of the inner area.
class PictureBox : public QFrame, public Surface {
  public:
    using MouseDown = std::function<void(int button, int shift, float x, float y)>;

    static constexpr Color BackColor = *layout::Pichull.color;

    explicit PictureBox(QWidget* parent = nullptr);

    void onMouseDown(MouseDown handler) { mouseDown = std::move(handler); }
    // The picture drawn so far, one pixel of it per device pixel of the inner area.
    QImage& image();
    // Marks shown over the picture, never drawn into it.
    // The step's marks over the picture, placed in its pixels.
    void setMarks(const std::vector<MarkShape>& shapes);
    const std::vector<MarkShape>& marks() const { return shown; }

    void setForeColor(Color color) override;
    Color backColor() const override { return BackColor; }
    void setDrawWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2) override;
    void dot(float x, float y) override;
    void clear() override;
    void setEnabled(bool enabled) override { QWidget::setEnabled(enabled); }
    bool isEnabled() const override { return QWidget::isEnabled(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPointF toPixels(float x, float y) const;
    QPointF pressPosition(const QMouseEvent& event) const;
    void repaintPixels(const QRectF& touched);
    void paintOverlay(QPainter& painter) const;

    QImage picture;
    QColor foreColor;
    int drawWidth = 1;
    MouseDown mouseDown;
    std::vector<MarkShape> shown;
};
