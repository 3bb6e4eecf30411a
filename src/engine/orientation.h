#pragma once

// The orientation predicate on single-precision coordinates, kept apart from the point set so
// that the arithmetic can be read and tested on its own.

// Returns the negated doubled signed area of the triangle a, b, c as a single: positive when the
// three turn counter-clockwise on a screen whose Y axis points down, negative when clockwise, and
// exactly 0 only when they are collinear. The sign is exact for any finite singles; a non-finite
// input or a result too large for a single raises the floating-point run-time error.
float orientation(float xa, float ya, float xb, float yb, float xc, float yc);
