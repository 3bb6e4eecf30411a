#include "qt/picture_painter.h"

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
