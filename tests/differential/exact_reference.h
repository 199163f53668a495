// The true intersection of two triangles, in exact rational arithmetic.
//
// Written from first principles and independently of the program's code, so
// that the two do not share mistakes: exact plane sides, clipping to the line
// where two planes meet, and for triangles in one plane the clipping of one
// triangle by the other's three half-planes.
#pragma once

#include <gmpxx.h>

#include <array>
#include <string>
#include <vector>

struct ExactPoint {
  mpq_class x;
  mpq_class y;
  mpq_class z;
};

using ExactTriangle = std::array<ExactPoint, 3>;

// True when the three corners lie on one line (or two of them coincide).
bool isDegenerate(const ExactTriangle& triangle);

// The corners of the intersection of two triangles: none, one point, the two
// ends of a segment, or the 3 to 6 corners of a convex polygon (in no
// particular order). Every corner appears once, and no corner lies between
// two others on a straight stretch of the outline. A degenerate triangle is
// what it really is: a point when its corners coincide, else the segment
// between its two farthest corners when they lie on one line.
std::vector<ExactPoint> exactIntersection(const ExactTriangle& first, const ExactTriangle& second);

// "(x, y, z)" with each coordinate as a fraction, e.g. "(8/3, 1, 0)".
std::string toString(const ExactPoint& point);
