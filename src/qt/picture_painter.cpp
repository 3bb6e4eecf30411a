#include "qt/picture_painter.h"

#include "qt/units.h"

#include <cmath>

void paintSegment(QPainter& painter, const QLineF& segment, const QColor& color, double width) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(segment);
}

QRectF dotSquare(const QPointF& centre, int width) {
    return {std::floor(centre.x()) - (width - 1) / 2, std::floor(centre.y()) - (width - 1) / 2,
            static_cast<qreal>(width), static_cast<qreal>(width)};
}

QImage renderPicture(const std::vector<DrawCall>& calls, QSize size, double twipsPerPixel,
                     int scale, Color background) {
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.fill(toQColor(background));
    QPainter painter(&picture);
    painter.scale(scale, scale);
    auto pixels = [twipsPerPixel](float x, float y) {
        return QPointF(x / twipsPerPixel, y / twipsPerPixel);
    };
    for (const DrawCall& call : calls) {
        if (call.kind == DrawCall::Line)
            paintSegment(painter, QLineF(pixels(call.x1, call.y1), pixels(call.x2, call.y2)),
                         toQColor(call.color), static_cast<double>(call.width) / scale);
        else if (call.kind == DrawCall::Dot)
            painter.fillRect(dotSquare(pixels(call.x1, call.y1), call.width), toQColor(call.color));
    }
    return picture;
}
