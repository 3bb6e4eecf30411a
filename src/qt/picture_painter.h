#pragma once

#include "teach/drawing_log.h"

#include <QImage>
#include <QLineF>
#include <QPainter>

#include <vector>

// How the drawing surface draws, shared by the surface and the pictures made afresh from its
// drawing calls. Positions are logical pixels of the surface.

// Aliased, so that the same segment drawn in the background colour erases it exactly.
void paintSegment(QPainter& painter, const QLineF& segment, const QColor& color, double width);

// A square as wide as the pen, centred on the pixel that holds the point.
QRectF dotSquare(const QPointF& centre, int width);

// The calls drawn afresh on a picture `scale` times the size of the surface's inner area, lines one
// pixel of it wide (as wide as their pen), dots grown with the picture.
QImage renderPicture(const std::vector<DrawCall>& calls, QSize size, double twipsPerPixel,
                     int scale, Color background);
