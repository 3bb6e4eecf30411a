#pragma once

#include <QLineF>
#include <QPainter>

#include "teach/pictures/mark_shapes.h"

// How the drawing surface draws. Positions are logical pixels of the surface.

// Aliased, so that the same segment drawn in the background colour erases it exactly.
void paintSegment(QPainter& painter, const QLineF& segment, const QColor& color, double width);

// A square as wide as the pen, centred on the pixel that holds the point.
QRectF dotSquare(const QPointF& centre, int width);

// The marks of a step over the picture: the obsolete edges in dashed red, the inserted point in an
// orange ring, the hull's corners in dark blue squares, and the points' numbers in bold type of
// the given family. An export drawn larger scales the painter.
void paintMarks(QPainter& painter, const std::vector<MarkShape>& shapes, const QString& family);
