#include "qt/picture_box.h"

#include "qt/focus_mark.h"
#include "qt/picture_painter.h"
#include "qt/units.h"

#include <QMouseEvent>

#include <QPainter>
#include <QScreen>
#include <utility>

#include <cmath>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent), foreColor(toQColor(BackColor)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    // The image paints every inner pixel, so Qt need not clear the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setEnabled(bool enabled) {
    takesPoints = enabled;
    setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
    // As a disabled control would, it passes the focus on down the chain, or lets it go.
    if (!enabled && hasFocus())
        focusNextChild();
    if (!enabled && hasFocus())
        clearFocus();
}

QPointF PictureBox::toPixels(float x, float y) const {
    const double perPixel = twipsPerPixel(*this);
    return {x / perPixel, y / perPixel};
}

// The image follows the inner area at the device pixel ratio, keeping what is drawn. It is made
// on first use too, since a window is drawn into before it is first shown.
QImage& PictureBox::image() {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = contentsRect().size() * ratio;
    if (picture.size() != wanted || picture.devicePixelRatio() != ratio) {
        QImage resized(wanted, QImage::Format_RGB32);
        resized.setDevicePixelRatio(ratio);
        resized.fill(toQColor(BackColor));
        QPainter(&resized).drawImage(0, 0, picture);
        picture = resized;
    }
    return picture;
}

void PictureBox::setForeColor(Color color) {
    foreColor = toQColor(color);
}

void PictureBox::setDrawWidth(int pixels) {
    drawWidth = pixels;
}

void PictureBox::line(float x1, float y1, float x2, float y2) {
    const QLineF segment(toPixels(x1, y1), toPixels(x2, y2));
    QPainter painter(&image());
    paintSegment(painter, segment, foreColor, drawWidth);
    const double margin = drawWidth + 1;
    repaintPixels(
        QRectF(segment.p1(), segment.p2()).normalized().adjusted(-margin, -margin, margin, margin));
}

void PictureBox::dot(float x, float y) {
    const QRectF square = dotSquare(toPixels(x, y), drawWidth);
    QPainter painter(&image());
    painter.fillRect(square, foreColor);
    repaintPixels(square);
}

void PictureBox::clear() {
    image().fill(toQColor(BackColor));
    update(contentsRect());
}

void PictureBox::repaintPixels(const QRectF& touched) {
    update(touched.toAlignedRect().translated(contentsRect().topLeft()));
}

void PictureBox::setMarks(const std::vector<MarkShape>& shapes) {
    if (shapes == shown)
        return;
    shown = shapes;
    update(contentsRect());
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image());
    paintOverlay(painter);
    // Over the sunken edge, which the picture never covers.
    if (hasFocus())
        drawFocusMark(painter, *this, rect());
}

void PictureBox::paintOverlay(QPainter& painter) const {
    painter.save();
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    paintMarks(painter, shown, font().family());
    painter.restore();
}

// A press delivers the twips of the logical pixel it falls in. On a scaled display the window
// rounds a press to a whole logical pixel on its way here, which puts a press in the last device
// column beyond the area; its position in the window keeps the fraction. A press that did not come
// through the window has no such position, and its own is taken as it is.
QPointF PictureBox::pressPosition(const QMouseEvent& event) const {
    const QPointF throughWindow = mapFrom(window(), event.scenePosition());
    const QPointF rounding = throughWindow - event.position();
    if (std::abs(rounding.x()) <= 0.5 && std::abs(rounding.y()) <= 0.5)
        return throughWindow;
    return event.position();
}

QPointF PictureBox::twipsOf(const QMouseEvent& event) const {
    const QPointF inner = pressPosition(event) - contentsRect().topLeft();
    const double perPixel = twipsPerPixel(*this);
    return {std::floor(inner.x()) * perPixel, std::floor(inner.y()) * perPixel};
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF at = twipsOf(*event);
    if (mouseDown)
        held = mouseDown(static_cast<int>(event->button()), static_cast<int>(event->modifiers()),
                         static_cast<float>(at.x()), static_cast<float>(at.y()));
    if (held)
        setCursor(Qt::ClosedHandCursor);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = twipsOf(*event);
    const float x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
    if (held && mouseMoved)
        mouseMoved(x, y);
    else if (grabbable)
        setCursor(grabbable(x, y) ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = twipsOf(*event);
    const float x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
    if (std::exchange(held, false) && mouseReleased)
        mouseReleased(x, y);
    if (grabbable)
        setCursor(grabbable(x, y) ? Qt::OpenHandCursor : Qt::ArrowCursor);
}
