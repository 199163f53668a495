// The geometry kernel: points, planes and the measures and constructions on
// them that the triangle intersection is built from.
//
// Arithmetic rule used throughout: every formula is evaluated in double
// precision from its float operands, and every quantity that the code names
// is a float, rounded once when it is formed. Sums are bracketed exactly as
// written; the bracketing decides the last bit, and the last bit can decide
// which case is found. Tolerances are absolute, never relative to the size of
// the figures.
#pragma once

#include <cstdint>

// A drawing colour, 0 to 9 (0 red ... 9 black); see the scene's colour table.
using ColorIndex = std::int32_t;

inline constexpr ColorIndex kDefaultColor = 9;

// Absolute tolerance for areas, lengths, cross-product lengths and coordinate
// differences.
inline constexpr double kTolerance = 0.00001;

// A point in space with a drawing colour. The geometry reads only x, y, z.
struct Point {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  ColorIndex color = kDefaultColor;
};

// The plane A*x + B*y + C*z + D = 0 (not normalised: |(A, B, C)| is twice the
// area of the triangle it was made from) and the first point it was made from.
struct Plane {
  float A = 0.0f;
  float B = 0.0f;
  float C = 0.0f;
  float D = 0.0f;
  Point point;
};

// True when a and b agree exactly in x, y and z (colour is not compared;
// +0 equals -0, NaN equals nothing).
inline bool sameCoordinates(Point a, Point b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Area of the triangle a, b, c: half the length of (b - a) x (c - a).
//
//   float area = triangleArea(a, b, c);
float triangleArea(Point a, Point b, Point c);

// 1 when p lies in the triangle a, b, c (edges and corners included), else 0.
// The three triangles p forms with the edges must add up to the triangle's
// area within kTolerance, so the test works in space, not in the plane.
//
//   if (pointInTriangle(a, b, c, p)) ...
int pointInTriangle(Point a, Point b, Point c, Point p);

// The same test with the triangle's area already known, for testing several
// points against one triangle.
//
//   const float area = triangleArea(a, b, c);
//   if (pointInTriangle(a, b, c, area, p)) ...
int pointInTriangle(Point a, Point b, Point c, float area, Point p);

// The plane through p1, p2, p3; (A, B, C) = (p2 - p1) x (p3 - p1) and
// point = p1. Collinear points give all four coefficients 0.
//
//   Plane plane = planeThroughPoints(d, e, f);
Plane planeThroughPoints(Point p1, Point p2, Point p3);

// The point where the line through p and q meets the plane, colour 9.
// A line parallel to the plane (or p equal to q) gives p's coordinates.
//
//   Point x = linePlaneIntersection(plane, p, q);
Point linePlaneIntersection(Plane plane, Point p, Point q);

// 1 when p lies on the segment a-b: |p - a| + |p - b| - |a - b| is below
// kTolerance. Else 0.
//
//   if (pointOnSegment(p, a, b)) ...
int pointOnSegment(Point p, Point a, Point b);

// Where the triangle a, b, c meets the plane through d, e, f. A corner counts
// as lying in the plane when its plane value, truncated to an integer, is 0.
//
//   int cut = trianglePlaneCut(a, b, c, d, e, f, first, second);
//
// Returns
//   0  no contact (all corners strictly on one side); nothing written
//   1  the triangle lies in the plane; nothing written
//   2  it touches the plane in one corner, copied whole into first
//   3  it meets the plane along the segment first-second (corners copied
//      whole, crossing points of edges with colour 9)
int trianglePlaneCut(Point a, Point b, Point c, Point d, Point e, Point f, Point& first,
                     Point& second);

// The first half of trianglePlaneCut: the plane through d, e, f and the side
// of it on which each of a, b, c lies (-1, 0 in the plane, +1). Lets a caller
// give up before any crossing point is computed. It runs for every pair of
// triangles, so the corners are passed by reference rather than copied.
//
//   PlaneSides sides = planeSides(a, b, c, d, e, f);
//   if (!oneSided(sides)) cut = cutBySides(a, b, c, sides, first, second);
struct PlaneSides {
  Plane plane;
  int a;
  int b;
  int c;
};
PlaneSides planeSides(const Point& a, const Point& b, const Point& c, const Point& d,
                      const Point& e, const Point& f);

// True when all three corners lie strictly on one side (trianglePlaneCut 0).
bool oneSided(const PlaneSides& sides);

// The second half: trianglePlaneCut from sides found by planeSides.
int cutBySides(Point a, Point b, Point c, const PlaneSides& sides, Point& first, Point& second);

// What the segments p1-p2 and p3-p4 have in common. Writes only x, y, z of
// the outputs it names; their colour is the caller's.
//
//   int r = segmentIntersection(p1, p2, p3, p4, first, second);
//
// Returns
//   0  nothing (also parallel segments on different lines)
//   1  one common point, in first
//   2  a common stretch, its ends in first and second in the direction p3->p4
int segmentIntersection(Point p1, Point p2, Point p3, Point p4, Point& first, Point& second);
