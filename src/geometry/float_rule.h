// Internal helpers for the kernel's evaluation rule: operands are widened to
// double, and a quantity is rounded to float exactly where it gets a name.
#pragma once

#include <cmath>

#include "geometry.h"

namespace kernel {

// A float operand taken into double precision.
constexpr double wide(float value) {
  return static_cast<double>(value);
}

// A double result rounded to the nearest float: the moment a quantity is named.
constexpr float named(double value) {
  return static_cast<float>(value);
}

// A vector whose components are named float quantities.
struct Vector {
  float x;
  float y;
  float z;
};

// b - a, each component a float.
inline Vector difference(Point b, Point a) {
  return {named(wide(b.x) - wide(a.x)), named(wide(b.y) - wide(a.y)), named(wide(b.z) - wide(a.z))};
}

// u x v, each component the difference of two double products, rounded.
inline Vector cross(Vector u, Vector v) {
  return {named(wide(u.y) * wide(v.z) - wide(u.z) * wide(v.y)),
          named(wide(u.z) * wide(v.x) - wide(u.x) * wide(v.z)),
          named(wide(u.x) * wide(v.y) - wide(u.y) * wide(v.x))};
}

// float((c.y^2 + c.x^2) + c.z^2); the y term comes first.
inline float sumOfSquares(Vector c) {
  return named((wide(c.y) * wide(c.y) + wide(c.x) * wide(c.x)) + wide(c.z) * wide(c.z));
}

// Component 0 (x), 1 (y) or 2 (z) of v.
inline float component(Vector v, int axis) {
  return axis == 0 ? v.x : (axis == 1 ? v.y : v.z);
}

// p + t d, each coordinate rounded once; colour 9.
inline Point along(Point p, float t, Vector d) {
  Point point;
  point.x = named(wide(p.x) + wide(t) * wide(d.x));
  point.y = named(wide(p.y) + wide(t) * wide(d.y));
  point.z = named(wide(p.z) + wide(t) * wide(d.z));
  return point;
}

// |c|: the square root of the sum of squares, rounded.
inline float length(Vector c) {
  return named(std::sqrt(wide(sumOfSquares(c))));
}

// ---- Decisions ----------------------------------------------------------

// Vectors of differences of float coordinates are kept in double precision
// (Wide): the decisions are made from the corners themselves, not from
// quantities already rounded to float.

inline Wide wideCross(const Wide& u, const Wide& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

inline double dot(const Wide& u, const Wide& v) {
  return u.x * v.x + u.y * v.y + u.z * v.z;
}

// |p - a| + |p - b| - |a - b|: how much longer the way from a to b through p
// is. It grows only slowly with the distance from the line a-b.
inline double detour(const Wide& p, const Wide& a, const Wide& b) {
  const Wide toA = p - a, toB = p - b, straight = a - b;
  return (std::sqrt(dot(toA, toA)) + std::sqrt(dot(toB, toB))) - std::sqrt(dot(straight, straight));
}

// The squared distance of p from the segment start + t along, t in [0, 1]
// (squared = |along|^2; from start when along is zero).
inline double squaredDistanceToSegment(const Wide& p, const Wide& start, const Wide& along,
                                       double squared) {
  const Wide sp = p - start;
  double t = squared > 0.0 ? dot(sp, along) / squared : 0.0;
  t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
  const Wide off{sp.x - t * along.x, sp.y - t * along.y, sp.z - t * along.z};
  return dot(off, off);
}

// The point p + t d in double.
inline Wide wideAlong(const Wide& p, double t, const Wide& d) {
  return {p.x + t * d.x, p.y + t * d.y, p.z + t * d.z};
}

// The printed decimals of a float lie within half a millionth of it.
inline constexpr double kPrinting = 0.5e-6;

// True when computed is so near accurate that both tests of keepOrReplace
// pass: rounding accurate to float moves it by at most |accurate| 2^-24.
inline bool wellWithin(float computed, double accurate) {
  return std::fabs(wide(computed) - accurate) + std::fabs(accurate) * 0x1p-24 <=
         kPrintedAccuracy - kPrinting;
}

// keepOrReplace for points not well within (rarely needed, so not inline).
Point checkedOrReplaced(const Point& computed, const Wide& accurate);

// A point computed by the stated formulas, which round every named quantity
// to float, unless that rounding has moved it more than kPrintedAccuracy from
// the same point computed in double throughout (accurate): where lines meet
// at a shallow angle, or a plane's rounded coefficients are large. Then it is
// the accurate point rounded once. The colour is the computed point's.
inline Point keepOrReplace(const Point& computed, const Wide& accurate) {
  if (wellWithin(computed.x, accurate.x) && wellWithin(computed.y, accurate.y) &&
      wellWithin(computed.z, accurate.z)) {
    return computed;
  }
  return checkedOrReplaced(computed, accurate);
}

}  // namespace kernel
