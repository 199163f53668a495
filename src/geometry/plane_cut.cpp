// Where a triangle meets the plane of another triangle.
#include <cmath>

#include "float_rule.h"
#include "geometry.h"

using kernel::dot;
using kernel::Wide;
using kernel::wideCross;
using kernel::wideDifference;

PlaneSides planeSides(const Point& a, const Point& b, const Point& c, const Point& d,
                      const Point& e, const Point& f, double tolerance) {
  PlaneSides sides;
  // 1. The normal n = (e - d) x (f - d) of the plane through d, e, f.
  const Wide de = wideDifference(e, d), df = wideDifference(f, d);
  const Wide n = wideCross(de, df);
  // 2. Corner k lies in the plane when its distance n.(k - d) / |n| is below
  //    the tolerance; else on the side into which n points, or the other.
  const double limit = tolerance * tolerance * dot(n, n);
  const Point* corners[3] = {&a, &b, &c};
  int* side[3] = {&sides.a, &sides.b, &sides.c};
  // The float nearest a typed number can be off by one part in 2^24 of its
  // size, which is at most 0.06 tolerance; moving each point that far
  // changes n.(k - d) by less than 4 * 0.06 tolerance (|e-d|^2 + |f-d|^2 +
  // |k-d|^2). A side is sure when the value is larger than that.
  const double moved = 4.0 * 0.06 * tolerance, spread = dot(de, de) + dot(df, df);
  sides.sure = true;
  for (int k = 0; k < 3; ++k) {
    const Wide dk = wideDifference(*corners[k], d);
    const double value = sides.values[k] = dot(n, dk);
    *side[k] = 0;
    if (!(value * value < limit)) *side[k] = value > 0.0 ? 1 : (value < 0.0 ? -1 : 0);
    sides.sure = sides.sure && std::fabs(value) > moved * (spread + dot(dk, dk));
  }  // NaN counts as in the plane, and is not sure
  // 3. When d, e, f are nearly on one line the plane means little. Its third
  //    corner then lies within the tolerance of the line through the farthest
  //    two, whose length is at most |e - d| + |f - d|.
  sides.mayBeFlat = !(dot(n, n) >= tolerance * tolerance * 2.0 * (dot(de, de) + dot(df, df)));
  return sides;
}

Point planeCrossing(const Point& p, const Point& q, const Point& d, const Point& e,
                    const Point& f) {
  // 1. By the float rule, from the plane's rounded coefficients.
  const Point computed = linePlaneIntersection(planeThroughPoints(d, e, f), p, q);
  // 2. The same point in double: p + t (q - p) with t = n.(d - p) / n.(q - p).
  const Wide n = wideCross(wideDifference(e, d), wideDifference(f, d));
  const Wide pq = wideDifference(q, p);
  const double across = dot(n, pq);
  if (!(across != 0.0)) return computed;
  return kernel::keepOrReplace(computed,
                               kernel::wideAlong(p, dot(n, wideDifference(d, p)) / across, pq));
}

bool oneSided(const PlaneSides& sides) {
  return (sides.a > 0 && sides.b > 0 && sides.c > 0) || (sides.a < 0 && sides.b < 0 && sides.c < 0);
}

int trianglePlaneCut(Point a, Point b, Point c, Point d, Point e, Point f, Point& first,
                     Point& second) {
  const PlaneSides sides = planeSides(a, b, c, d, e, f, toleranceFor({a, b, c, d, e, f}));
  return cutBySides(a, b, c, d, e, f, sides, first, second);
}

CutPlan cutPlan(const PlaneSides& sides) {
  const int sa = sides.a, sb = sides.b, sc = sides.c;
  const int zeros = (sa == 0) + (sb == 0) + (sc == 0);
  // Corners are numbered 0 a, 1 b, 2 c; {i, i} is corner i, {i, j} the
  // crossing of edge i-j.
  // 3.1 All corners strictly on one side.
  if (oneSided(sides)) return CutPlan{0, {0, 0}, {0, 0}};
  // 3.2 All corners in the plane.
  if (zeros == 3) return CutPlan{1, {0, 0}, {0, 0}};
  if (zeros == 1) {
    const int onPlane = sa == 0 ? 0 : (sb == 0 ? 1 : 2);
    // The two other signs, in the order a, b, c.
    const int s1 = sa == 0 ? sb : sa;
    const int s2 = sc == 0 ? sb : sc;
    // 3.3 One corner touches the plane, the others lie on one side.
    if (s1 == s2) return CutPlan{2, {onPlane, onPlane}, {0, 0}};
    // 3.5 One corner in the plane, the opposite edge crosses it.
    if (sa == 0) return CutPlan{3, {0, 0}, {1, 2}};
    if (sb == 0) return CutPlan{3, {1, 1}, {0, 2}};
    return CutPlan{3, {2, 2}, {0, 1}};
  }
  // 3.4 An edge lies in the plane.
  if (zeros == 2) {
    if (sa != 0) return CutPlan{3, {1, 1}, {2, 2}};
    if (sb != 0) return CutPlan{3, {0, 0}, {2, 2}};
    return CutPlan{3, {0, 0}, {1, 1}};
  }
  // 3.6 No corner in the plane: the two edges leaving the odd corner cross it.
  if (sb == sc) return CutPlan{3, {0, 1}, {0, 2}};  // a is the odd one
  if (sa == sc) return CutPlan{3, {0, 1}, {1, 2}};  // b
  return CutPlan{3, {0, 2}, {1, 2}};                // c
}

int cutBySides(Point a, Point b, Point c, Point d, Point e, Point f, const PlaneSides& sides,
               Point& first, Point& second) {
  const CutPlan plan = cutPlan(sides);
  const Point* corners[3] = {&a, &b, &c};
  // A corner is copied whole; a crossing by the float rule from the plane's
  // coefficients, colour 9.
  auto point = [&](const int (&which)[2]) {
    if (which[0] == which[1]) return *corners[which[0]];
    return linePlaneIntersection(planeThroughPoints(d, e, f), *corners[which[0]],
                                 *corners[which[1]]);
  };
  if (plan.result >= 2) first = point(plan.first);
  if (plan.result == 3) second = point(plan.second);
  return plan.result;
}
