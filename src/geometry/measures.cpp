// Points, planes and the small measures on them.
#include <algorithm>
#include <cmath>

#include "float_rule.h"
#include "geometry.h"

using kernel::difference;
using kernel::dot;
using kernel::named;
using kernel::wide;
using kernel::wideCross;

namespace {

// True when a computed coordinate is within kPrintedAccuracy of the accurate
// one rounded to float, and its printed decimals are within it of the
// accurate one itself (the first test alone lets through a coordinate that
// the rounding of the accurate one and the printing together push just past
// it). Only a coordinate within half a millionth of the limit needs its
// printed decimals: the float times 10^6 is exact in double, and nearbyint
// rounds it as printf does. They keep half a millionth to spare: printed
// exactly 0.0001 from a typed decimal (-31.975100 for -31.975), a coordinate
// is on the limit, and the rounding of the accurate one decides the side.
bool printsClose(float computed, double accurate) {
  if (!(std::fabs(wide(computed) - wide(named(accurate))) <= kPrintedAccuracy)) return false;
  const double off = std::fabs(wide(computed) - accurate);
  if (off <= kPrintedAccuracy - kernel::kPrinting) return true;
  return off <= kPrintedAccuracy + kernel::kPrinting &&
         std::fabs(std::nearbyint(wide(computed) * 1e6) - accurate * 1e6) <=
             (kPrintedAccuracy - kernel::kPrinting) * 1e6;
}

}  // namespace

Point kernel::checkedOrReplaced(const Point& computed, const Wide& accurate) {
  if (printsClose(computed.x, accurate.x) && printsClose(computed.y, accurate.y) &&
      printsClose(computed.z, accurate.z)) {
    return computed;
  }
  return Point{named(accurate.x), named(accurate.y), named(accurate.z), computed.color};
}

float triangleArea(Point a, Point b, Point c) {
  // 1. Edge vectors u = b - a, v = c - a.
  const kernel::Vector u = difference(b, a);
  const kernel::Vector v = difference(c, a);
  // 2.-4. r = |u x v|, with the y component summed first.
  const float r = kernel::length(kernel::cross(u, v));
  // 5. Half of it.
  return named(wide(r) * 0.5);
}

bool nearlySame(Point a, Point b, double tolerance) {
  return nearlySame(toWide(a), toWide(b), tolerance);
}

bool nearlySame(const Wide& a, const Wide& b, double tolerance) {
  return std::fabs(a.x - b.x) < tolerance && std::fabs(a.y - b.y) < tolerance &&
         std::fabs(a.z - b.z) < tolerance;
}

ReadyTriangle readyTriangle(const Wide (&corners)[3]) {
  ReadyTriangle t;
  for (int i = 0; i < 3; ++i) t.corners[i] = corners[i];
  const Wide ab = corners[1] - corners[0], bc = corners[2] - corners[1],
             ca = corners[0] - corners[2];
  t.normal = wideCross(ab, corners[2] - corners[0]);
  t.normalSquared = dot(t.normal, t.normal);
  const Wide edges[3] = {ab, bc, ca};
  for (int i = 0; i < 3; ++i) {
    t.inward[i] = wideCross(t.normal, edges[i]);
    t.inwardSquared[i] = dot(t.inward[i], t.inward[i]);
    t.longestSquared = std::max(t.longestSquared, dot(edges[i], edges[i]));
  }
  return t;
}

int pointInTriangle(const ReadyTriangle& t, const Wide& p, double tolerance) {
  const double limit = tolerance * tolerance;
  // A triangle lower than the tolerance over its longest edge is taken as its
  // edges: its plane and the sides of its edges are only rounding.
  if (t.normalSquared >= limit * t.longestSquared) {
    // 1. Too far from the plane (distance n.(p - a) / |n|)?
    const double height = dot(t.normal, p - t.corners[0]);
    if (!(height * height < limit * t.normalSquared)) return 0;
    // 2. On the inner side of every edge: inside, as far from the triangle as
    //    from its plane. Farther than the tolerance outside one edge's line:
    //    farther from the triangle too.
    bool inside = true;
    for (int i = 0; i < 3; ++i) {
      const double side = dot(t.inward[i], p - t.corners[i]);
      if (side >= 0.0) continue;
      if (!(side * side < limit * t.inwardSquared[i])) return 0;
      inside = false;
    }
    if (inside) return 1;
  }
  // 3. Just outside an edge or a corner (or corners on one line): the
  //    nearest edge decides.
  auto toEdge = [&p](const Wide& a, const Wide& b) {
    const Wide ab = b - a;
    return kernel::squaredDistanceToSegment(p, a, ab, dot(ab, ab));
  };
  const double nearest =
      std::min({toEdge(t.corners[0], t.corners[1]), toEdge(t.corners[1], t.corners[2]),
                toEdge(t.corners[0], t.corners[2])});
  return nearest < limit ? 1 : 0;
}

int pointInTriangle(Point a, Point b, Point c, Point p) {
  return pointInTriangle(a, b, c, p, toleranceFor({a, b, c, p}));
}

int pointInTriangle(Point a, Point b, Point c, Point p, double tolerance) {
  const Wide corners[3] = {toWide(a), toWide(b), toWide(c)};
  return pointInTriangle(readyTriangle(corners), toWide(p), tolerance);
}

Shape shapeOf(const Point& a, const Point& b, const Point& c, double tolerance) {
  const Wide exact[3] = {toWide(a), toWide(b), toWide(c)};
  return shapeOf({&a, &b, &c}, exact, tolerance);
}

Shape shapeOf(const Point* const (&corners)[3], const Wide (&exact)[3], double tolerance) {
  // 1. The two corners farthest apart, in the order a, b, c.
  const int pairs[3][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}};
  int farthest = 0;
  double longest = -1.0;
  for (int i = 0; i < 3; ++i) {
    const Wide d = exact[pairs[i][1]] - exact[pairs[i][0]];
    if (dot(d, d) > longest) longest = dot(d, d), farthest = i;
  }
  const int from = pairs[farthest][0], to = pairs[farthest][1];
  const double limit = tolerance * tolerance;
  // 2. All three corners in one place: a point.
  if (longest < limit) return Shape{1, {*corners[0], *corners[0]}, {0, 0}};
  // 3. The third corner near the line through the other two: a segment.
  const Wide n = wideCross(exact[to] - exact[from], exact[pairs[farthest][2]] - exact[from]);
  if (dot(n, n) < limit * longest) return Shape{2, {*corners[from], *corners[to]}, {from, to}};
  return Shape{3, {*corners[0], *corners[1]}, {0, 1}};
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
  return pointOnSegment(p, a, b, toleranceFor({p, a, b}));
}

int pointOnSegment(Point p, Point a, Point b, double tolerance) {
  // On the segment when the way from a to b through p is (almost) no longer.
  return std::fabs(kernel::detour(toWide(p), toWide(a), toWide(b))) < tolerance ? 1 : 0;
}
