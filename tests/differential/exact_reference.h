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

// What the report should say: the message, by the kind of meeting it names,
// and the corners in the order in which it lists them (M, N, P, ...).
enum class Message { None, Touching, OnCut, Crossing, Transversal, Coplanar, Polygon };

struct ExactReport {
  Message message = Message::None;
  std::vector<ExactPoint> corners;
};

// The same fixed sequence of tests as the report's, in exact arithmetic: for
// triangles in different planes each one's cut by the other's plane (one
// touching corner, or two points in the order of the sign table) and their
// common part along the second cut; in one plane, corners of the first
// triangle in the second, of the second in the first, then where edges meet,
// edges in the order a-b, a-c, b-c. A point or a segment (degenerate
// triangle) goes the same way in one plane, with the point where a segment
// passes through a triangle's plane last, and gives the two corners found
// that lie farthest apart, in the order found.
ExactReport exactReport(const ExactTriangle& first, const ExactTriangle& second);

// "(x, y, z)" with each coordinate as a fraction, e.g. "(8/3, 1, 0)".
std::string toString(const ExactPoint& point);
