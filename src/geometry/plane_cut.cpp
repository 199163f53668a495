// Where a triangle meets the plane of another triangle.
#include "float_rule.h"
#include "geometry.h"

using kernel::wide;

namespace {

// Sign of the plane value at k, after truncating the value to an integer: a
// corner whose value lies strictly between -1 and 1 counts as in the plane.
// Comparing with +-1 gives the truncated sign without converting, so values
// beyond the integer range keep their sign and NaN counts as in the plane.
int planeSide(Plane plane, Point k) {
  const double value =
      ((wide(plane.A) * wide(k.x) + wide(plane.B) * wide(k.y)) + wide(plane.C) * wide(k.z)) +
      wide(plane.D);
  if (value >= 1.0) return 1;
  if (value <= -1.0) return -1;
  return 0;
}

}  // namespace

PlaneSides planeSides(const Point& a, const Point& b, const Point& c, const Point& d,
                      const Point& e, const Point& f) {
  // 1. The plane of d, e, f.
  const Plane plane = planeThroughPoints(d, e, f);
  // 2. Which side each corner is on.
  return PlaneSides{plane, planeSide(plane, a), planeSide(plane, b), planeSide(plane, c)};
}

bool oneSided(const PlaneSides& sides) {
  return (sides.a > 0 && sides.b > 0 && sides.c > 0) || (sides.a < 0 && sides.b < 0 && sides.c < 0);
}

int trianglePlaneCut(Point a, Point b, Point c, Point d, Point e, Point f, Point& first,
                     Point& second) {
  return cutBySides(a, b, c, planeSides(a, b, c, d, e, f), first, second);
}

int cutBySides(Point a, Point b, Point c, const PlaneSides& sides, Point& first, Point& second) {
  const int sa = sides.a, sb = sides.b, sc = sides.c;
  const int zeros = (sa == 0) + (sb == 0) + (sc == 0);
  auto crossing = [&sides](Point p, Point q) { return linePlaneIntersection(sides.plane, p, q); };

  // 3.1 All corners strictly on one side.
  if (oneSided(sides)) return 0;
  // 3.2 All corners in the plane.
  if (zeros == 3) return 1;
  if (zeros == 1) {
    const Point& onPlane = sa == 0 ? a : (sb == 0 ? b : c);
    // The two other signs, in the order a, b, c.
    const int s1 = sa == 0 ? sb : sa;
    const int s2 = sc == 0 ? sb : sc;
    // 3.3 One corner touches the plane, the others lie on one side.
    if (s1 == s2) {
      first = onPlane;
      return 2;
    }
    // 3.5 One corner in the plane, the opposite edge crosses it.
    first = onPlane;
    if (sa == 0) second = crossing(b, c);
    if (sb == 0) second = crossing(a, c);
    if (sc == 0) second = crossing(a, b);
    return 3;
  }
  // 3.4 An edge lies in the plane.
  if (zeros == 2) {
    if (sa != 0) {
      first = b;
      second = c;
    } else if (sb != 0) {
      first = a;
      second = c;
    } else {
      first = a;
      second = b;
    }
    return 3;
  }
  // 3.6 No corner in the plane: the two edges leaving the odd corner cross it.
  if (sb == sc) {  // a is the odd one
    first = crossing(a, b);
    second = crossing(a, c);
  } else if (sa == sc) {  // b
    first = crossing(a, b);
    second = crossing(b, c);
  } else {  // c
    first = crossing(a, c);
    second = crossing(b, c);
  }
  return 3;
}
