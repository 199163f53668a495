// Exact measures on points in space for the tasks room: squared distances (never a root, so
// every comparison stays exact) and whether a point lies in a triangle. Used inside src/tasks.
#pragma once

#include <array>

#include "exact.h"

namespace measures {

using exact::Rational;
using exact::Vec;

inline Rational squaredLength(const Vec& v) {
  return exact::dot(v, v);
}

// n = (b - a) x (c - a): twice the area's vector.
inline Vec normalOf(const Vec& a, const Vec& b, const Vec& c) {
  return exact::cross(b - a, c - a);
}

// n . (p - a): the plane value of p, |n| times its signed distance from the plane.
inline Rational planeValue(const Vec& p, const Vec& a, const Vec& n) {
  return exact::dot(n, p - a);
}

// From p to the line through a and b (a != b).
inline Rational squaredDistanceToLine(const Vec& p, const Vec& a, const Vec& b) {
  return squaredLength(exact::cross(p - a, b - a)) / squaredLength(b - a);
}

// From p to the segment a-b: to its nearest point, the foot of p clamped to the ends.
inline Rational squaredDistanceToSegment(const Vec& p, const Vec& a, const Vec& b) {
  const Vec ab = b - a;
  const Rational length = squaredLength(ab);
  if (length == 0) return squaredLength(p - a);
  Rational t = exact::dot(p - a, ab) / length;
  if (t < 0) t = 0;
  if (t > 1) t = 1;
  return squaredLength(p - (a + t * ab));
}

// True when p lies in the triangle a, b, c, edges included. Corners on one line make the segment
// between the two farthest of them; corners at one point, that point.
bool inTriangle(const Vec& p, const Vec& a, const Vec& b, const Vec& c);

// From p, a point in the plane of the proper triangle a, b, c, to the triangle.
Rational squaredDistanceInPlane(const Vec& p, const Vec& a, const Vec& b, const Vec& c);

}  // namespace measures
