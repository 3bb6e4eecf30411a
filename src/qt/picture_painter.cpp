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

void paintMarks(QPainter& painter, const Overlay& overlay, double twipsPerPixel,
                const QString& family) {
    painter.save();
    auto centre = [twipsPerPixel](Overlay::Spot spot) {
        return QPointF(std::floor(spot.x / twipsPerPixel) + 0.5,
                       std::floor(spot.y / twipsPerPixel) + 0.5);
    };
    QPen dashes(toQColor(marks::Obsolete), marks::Pen);
    // Flat ends: square ones would fill the gaps.
    dashes.setCapStyle(Qt::FlatCap);
    dashes.setDashPattern({static_cast<qreal>(marks::DashOn) / marks::Pen,
                           static_cast<qreal>(marks::DashOff) / marks::Pen});
    painter.setPen(dashes);
    for (const Overlay::Segment& edge : overlay.obsolete)
        painter.drawLine(centre(edge.from), centre(edge.to));
    painter.setPen(QPen(toQColor(marks::Corner), marks::Pen));
    const QPointF half(marks::CornerHalf, marks::CornerHalf);
    for (const Overlay::Spot& corner : overlay.corners)
        painter.drawRect(QRectF(centre(corner) - half, centre(corner) + half));
    QFont bold(family);
    bold.setPixelSize(marks::NumberPixels);
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(toQColor(marks::Number));
    for (std::size_t i = 0; i < overlay.numbers.size(); ++i) {
        const Overlay::Number& number = overlay.numbers[i];
        const QString text = QString::number(i + 1);
        const QPointF at = centre(number.at);
        const double width = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText(
            QPointF(number.left ? at.x() - marks::NumberGap - width : at.x() + marks::NumberGap,
                    number.below ? at.y() + marks::NumberGap + marks::DigitHeight
                                 : at.y() - marks::NumberGap),
            text);
    }
    if (overlay.inserted) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(toQColor(marks::Inserted), marks::Pen));
        painter.drawEllipse(centre(*overlay.inserted), marks::RingRadius, marks::RingRadius);
    }
    painter.restore();
}
