// Points, planes and the small measures on them.
#include <cmath>

#include "float_rule.h"
#include "geometry.h"

using kernel::difference;
using kernel::named;
using kernel::wide;

float triangleArea(Point a, Point b, Point c) {
  // 1. Edge vectors u = b - a, v = c - a.
  const kernel::Vector u = difference(b, a);
  const kernel::Vector v = difference(c, a);
  // 2.-4. r = |u x v|, with the y component summed first.
  const float r = kernel::length(kernel::cross(u, v));
  // 5. Half of it.
  return named(wide(r) * 0.5);
}

int pointInTriangle(Point a, Point b, Point c, Point p) {
  return pointInTriangle(a, b, c, triangleArea(a, b, c), p);
}

int pointInTriangle(Point a, Point b, Point c, float whole, Point p) {
  // 1. The three sub-areas.
  const float a1 = triangleArea(a, b, p);
  const float a2 = triangleArea(b, c, p);
  const float a3 = triangleArea(a, c, p);
  // 2. Their sum stays in double.
  const double sum = (wide(a2) + wide(a1)) + wide(a3);
  // 3. Inside when the sub-areas add up to the whole.
  return std::fabs(sum - wide(whole)) < kTolerance ? 1 : 0;
}

Plane planeThroughPoints(Point p1, Point p2, Point p3) {
  const double x1 = wide(p1.x), y1 = wide(p1.y), z1 = wide(p1.z);
  const double x2 = wide(p2.x), y2 = wide(p2.y), z2 = wide(p2.z);
  const double x3 = wide(p3.x), y3 = wide(p3.y), z3 = wide(p3.z);
  Plane plane;
  // (A, B, C) = (p2 - p1) x (p3 - p1), written out in the corner coordinates;
  // each coefficient is one expression, rounded once.
  plane.A = named(((z3 - z1) * y2 + (z2 - z3) * y1) + (z1 - z2) * y3);
  plane.B = named(((x2 - x3) * z1 + (x3 - x1) * z2) + (x1 - x2) * z3);
  plane.C = named(((y2 - y3) * x1 + (y3 - y1) * x2) + (y1 - y2) * x3);
  // D is minus the determinant of the three points.
  plane.D =
      named(-((x1 * (y2 * z3 - y3 * z2) + x2 * (y3 * z1 - y1 * z3)) + x3 * (y1 * z2 - y2 * z1)));
  plane.point = p1;
  return plane;
}

Point linePlaneIntersection(Plane plane, Point p, Point q) {
  const double A = wide(plane.A), B = wide(plane.B), C = wide(plane.C), D = wide(plane.D);
  // 1. Plane value at p.
  const double numerator = ((A * wide(p.x) + B * wide(p.y)) + C * wide(p.z)) + D;
  // 2. Change of the plane value from p to q; the six products stay separate.
  const double denominator =
      ((((A * wide(q.x) - A * wide(p.x)) + B * wide(q.y)) - B * wide(p.y)) + C * wide(q.z)) -
      C * wide(p.z);
  Point result;  // colour 9
  if (denominator == 0.0) {
    // The line is parallel to the plane, or p equals q: no single point.
    result.x = p.x;
    result.y = p.y;
    result.z = p.z;
    return result;
  }
  // 3. Parameter of the meeting point.
  const float t = named(-(numerator / denominator));
  // 4. p + (q - p) t, the differences unrounded.
  result.x = named(wide(p.x) + (wide(q.x) - wide(p.x)) * wide(t));
  result.y = named(wide(p.y) + (wide(q.y) - wide(p.y)) * wide(t));
  result.z = named(wide(p.z) + (wide(q.z) - wide(p.z)) * wide(t));
  return result;
}

int pointOnSegment(Point p, Point a, Point b) {
  // 1. d1 = p - a, d2 = p - b, d3 = a - b.
  const kernel::Vector d1 = difference(p, a);
  const kernel::Vector d2 = difference(p, b);
  const kernel::Vector d3 = difference(a, b);
  // 2. Their lengths.
  const float toB = kernel::length(d2);
  const float toA = kernel::length(d1);
  const float straight = kernel::length(d3);
  // 3. The detour through p; the first sum stays in double.
  const float detour = named((wide(toA) + wide(toB)) - wide(straight));
  // 4. On the segment when there is (almost) no detour.
  return std::fabs(wide(detour)) < kTolerance ? 1 : 0;
}
