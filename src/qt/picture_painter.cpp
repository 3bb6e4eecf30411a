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

void paintMarks(QPainter& painter, const std::vector<MarkShape>& shapes, const QString& family) {
    painter.save();
    QPen dashes(Qt::black, marks::Pen);
    // Flat ends: square ones would fill the gaps.
    dashes.setCapStyle(Qt::FlatCap);
    dashes.setDashPattern({static_cast<qreal>(marks::DashOn) / marks::Pen,
                           static_cast<qreal>(marks::DashOff) / marks::Pen});
    QFont bold(family);
    bold.setPixelSize(marks::NumberPixels);
    bold.setBold(true);
    painter.setFont(bold);
    for (const MarkShape& shape : shapes) {
        const QColor color = toQColor(shape.color);
        switch (shape.kind) {
        case MarkShape::Dashes:
            dashes.setColor(color);
            painter.setPen(dashes);
            painter.drawLine(QPointF(shape.x, shape.y), QPointF(shape.toX, shape.toY));
            break;
        case MarkShape::Line:
            painter.setPen(QPen(color, marks::Pen));
            painter.drawLine(QPointF(shape.x, shape.y), QPointF(shape.toX, shape.toY));
            break;
        case MarkShape::Square:
            painter.setPen(QPen(color, marks::Pen));
            painter.drawRect(QRectF(shape.x, shape.y, shape.size, shape.size));
            break;
        case MarkShape::Label: {
            const QString text = toQString(shape.text);
            const double width = shape.endsAtX ? painter.fontMetrics().horizontalAdvance(text) : 0;
            painter.setPen(color);
            painter.drawText(QPointF(shape.x - width, shape.y), text);
            break;
        }
        case MarkShape::Ring:
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(color, marks::Pen));
            painter.drawEllipse(QPointF(shape.x, shape.y), shape.size, shape.size);
            painter.setRenderHint(QPainter::Antialiasing, false);
            break;
        }
    }
    painter.restore();
}
