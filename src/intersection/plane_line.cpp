// The line where the planes of the two triangles meet, for the picture.
#include <cmath>

#include "float_rule.h"
#include "intersection.h"

namespace {

// Worked in double throughout: the line is only drawn, never printed.
using kernel::dot;
using Vector = Wide;

Vector operator-(const Point& p, const Point& q) {
  return toWide(p) - toWide(q);
}
Vector operator+(Vector u, Vector v) {
  return {u.x + v.x, u.y + v.y, u.z + v.z};
}
Vector operator*(double s, Vector v) {
  return {s * v.x, s * v.y, s * v.z};
}
Vector cross(Vector u, Vector v) {
  return kernel::wideCross(u, v);
}

// u x v counts as 0 when the angle between u and v is below about 0.00006
// degrees (its sine below 1e-6): float corners typed as collinear are rarely
// exactly so.
bool nearlyParallel(Vector u, Vector v, Vector uCrossV) {
  constexpr double kSine = 1e-6;
  return dot(uCrossV, uCrossV) <= kSine * kSine * dot(u, u) * dot(v, v);
}

}  // namespace

std::optional<Line> planesMeetingLine(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2,
                                      float halfLength) {
  const Vector u1 = b1 - a1, v1 = c1 - a1, u2 = b2 - a2, v2 = c2 - a2;
  const Vector n1 = cross(u1, v1), n2 = cross(u2, v2);
  if (nearlyParallel(u1, v1, n1) || nearlyParallel(u2, v2, n2)) return std::nullopt;
  const Vector d = cross(n1, n2);
  if (nearlyParallel(n1, n2, d)) return std::nullopt;

  // The point of the line nearest the middle of the six corners: the one
  // point on both planes and on the plane through that middle across d.
  Vector middle{0.0, 0.0, 0.0};
  for (const Point* p : {&a1, &b1, &c1, &a2, &b2, &c2}) middle = middle + (1.0 / 6.0) * toWide(*p);
  const double h1 = dot(n1, toWide(a1)), h2 = dot(n2, toWide(a2)), h3 = dot(d, middle);
  const double dd = dot(d, d);
  const Vector on = (1.0 / dd) * (h1 * cross(n2, d) + h2 * cross(d, n1) + h3 * d);

  Line line;
  line.point = Point{static_cast<float>(on.x), static_cast<float>(on.y), static_cast<float>(on.z)};
  // A Line is drawn a hundred directions each way from its point.
  const Vector direction = (halfLength / 100.0 / std::sqrt(dd)) * d;
  line.direction = Point{static_cast<float>(direction.x), static_cast<float>(direction.y),
                         static_cast<float>(direction.z)};
  return line;
}
