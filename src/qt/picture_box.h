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
    // A press says whether it waits for its release, to be told a drag or a click; while it does,
    // the moves and the release are handed on.
    using MouseDown = std::function<bool(int button, int shift, float x, float y)>;
    using MouseHeld = std::function<void(float x, float y)>;

    static constexpr Color BackColor = *layout::Pichull.color;

    explicit PictureBox(QWidget* parent = nullptr);

    void onMouseDown(MouseDown handler) { mouseDown = std::move(handler); }
    void onMouseHeld(MouseHeld moved, MouseHeld released) {
        mouseMoved = std::move(moved);
        mouseReleased = std::move(released);
    }
    // Whether a press there would take hold of a dot: the pointer then shows an open hand.
    void onHover(std::function<bool(float x, float y)> grabs) {
        grabbable = std::move(grabs);
        setMouseTracking(true);
    }
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
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return takesPoints; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPointF toPixels(float x, float y) const;
    QPointF pressPosition(const QMouseEvent& event) const;
    // The twips of the logical pixel a press, a move or a release falls in.
    QPointF twipsOf(const QMouseEvent& event) const;
    void repaintPixels(const QRectF& touched);
    void paintOverlay(QPainter& painter) const;

    QImage picture;
    QColor foreColor;
    int drawWidth = 1;
    MouseDown mouseDown;
    MouseHeld mouseMoved, mouseReleased;
    std::function<bool(float x, float y)> grabbable;
    bool held = false;
    // Whether a click adds a point. The widget itself stays enabled, for a press on a dot of a
    // paused run still drags it; it only leaves the keyboard's way while it takes no points.
    bool takesPoints = true;
    std::vector<MarkShape> shown;
};
