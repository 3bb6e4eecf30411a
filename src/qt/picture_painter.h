#pragma once

#include <QLineF>
#include <QPainter>

// How the drawing surface draws. Positions are logical pixels of the surface.

// Aliased, so that the same segment drawn in the background colour erases it exactly.
void paintSegment(QPainter& painter, const QLineF& segment, const QColor& color, double width);

// A square as wide as the pen, centred on the pixel that holds the point.
QRectF dotSquare(const QPointF& centre, int width);
