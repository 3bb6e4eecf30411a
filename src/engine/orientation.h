#pragma once

// The orientation predicate on single-precision coordinates, kept apart from the point set so
// that the arithmetic can be read and tested on its own.

// Returns the negated doubled signed area of the triangle a, b, c as a single: positive when the
// three turn counter-clockwise on a screen whose Y axis points down, negative when clockwise, and
// exactly 0 only when they are collinear. The sign is exact for any finite singles; a non-finite
// input or a result too large for a single raises the floating-point run-time error.
float orientation(float xa, float ya, float xb, float yb, float xc, float yc);

// Compares how far c1 and c2 stand from the line through p and q, on the side where the
// orientation of p, q and a point is positive: 1 when c2 stands farther that way than c1, -1 when
// nearer, 0 when as far; exact for any finite singles.
int compareDistanceToLine(float xp, float yp, float xq, float yq, float x1, float y1, float x2,
                          float y2);
