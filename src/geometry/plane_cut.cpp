// Where a triangle meets the plane of another triangle.
#include "float_rule.h"
#include "geometry.h"

using kernel::dot;
using kernel::wideCross;

PlaneSides planeSides(const Wide (&triangle)[3], const Wide (&plane)[3], double tolerance) {
  // 1. The normal n = (e - d) x (f - d) of the plane through d, e, f.
  const Wide& d = plane[0];
  const Wide de = plane[1] - d, df = plane[2] - d;
  const Wide n = wideCross(de, df);
  PlaneSides sides;
  for (int k = 0; k < 3; ++k) sides.values[k] = dot(n, triangle[k] - d);
  // 2. Corner k lies in the plane when its distance n.(k - d) / |n| is below
  //    the tolerance, or its value is 0 (d, e, f on one line give only 0);
  //    else on the side into which n points, or the other. NaN counts as in
  //    the plane.
  const double squared = tolerance * tolerance, limit = squared * dot(n, n);
  auto side = [limit](double value) {
    if (value == 0.0 || !(value * value >= limit)) return 0;
    return value > 0.0 ? 1 : -1;
  };
  sides.a = side(sides.values[0]);
  sides.b = side(sides.values[1]);
  sides.c = side(sides.values[2]);
  // 3. When d, e, f are nearly on one line the plane means little: its third
  //    corner then lies within the tolerance of the line through the farthest
  //    two, whose length is at most |e - d| + |f - d|. Corners typed exactly
  //    on one line leave a normal of rounding alone, and sides that mean
  //    nothing, not even "wholly on one side".
  sides.mayBeFlat = !(dot(n, n) >= squared * 2.0 * (dot(de, de) + dot(df, df)));
  return sides;
}

PlaneSides planeSides(const Point& a, const Point& b, const Point& c, const Point& d,
                      const Point& e, const Point& f, double tolerance) {
  const Wide triangle[3] = {toWide(a), toWide(b), toWide(c)};
  const Wide plane[3] = {toWide(d), toWide(e), toWide(f)};
  return planeSides(triangle, plane, tolerance);
}

Point planeCrossing(const Point& p, const Point& q, const Point& d, const Point& e,
                    const Point& f) {
  const Wide exact[5] = {toWide(p), toWide(q), toWide(d), toWide(e), toWide(f)};
  Wide where;
  return planeCrossing(p, q, d, e, f, exact, where);
}

Point planeCrossing(const Point& p, const Point& q, const Point& d, const Point& e, const Point& f,
                    const Wide (&exact)[5], Wide& where) {
  // 1. By the float rule, from the plane's rounded coefficients.
  const Point computed = linePlaneIntersection(planeThroughPoints(d, e, f), p, q);
  // 2. The same point in double: p + t (q - p) with t = n.(d - p) / n.(q - p).
  const Wide &wp = exact[0], &wd = exact[2];
  const Wide n = wideCross(exact[3] - wd, exact[4] - wd);
  const Wide pq = exact[1] - wp;
  const double across = dot(n, pq);
  if (!(across != 0.0)) {
    where = toWide(computed);
    return computed;
  }
  where = kernel::wideAlong(wp, dot(n, wd - wp) / across, pq);
  return kernel::keepOrReplace(computed, where);
}

bool oneSided(const PlaneSides& sides) {
  return (sides.a > 0 && sides.b > 0 && sides.c > 0) || (sides.a < 0 && sides.b < 0 && sides.c < 0);
}

namespace {

// The plan for the signs sa, sb, sc of the corners a, b, c (each -1, 0 or 1).
constexpr CutPlan planForSigns(int sa, int sb, int sc) {
  const int zeros = (sa == 0) + (sb == 0) + (sc == 0);
  // Corners are numbered 0 a, 1 b, 2 c; {i, i} is corner i, {i, j} the
  // crossing of edge i-j.
  // 3.1 All corners strictly on one side.
  if ((sa > 0 && sb > 0 && sc > 0) || (sa < 0 && sb < 0 && sc < 0)) {
    return CutPlan{0, {0, 0}, {0, 0}};
  }
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

// The 27 plans, at 9 (sa + 1) + 3 (sb + 1) + (sc + 1): the plan is looked
// up for every pair that reaches the cuts, so it is worked out only once.
struct PlanTable {
  CutPlan plans[27];
  constexpr PlanTable() : plans{} {
    for (int i = 0; i < 27; ++i) plans[i] = planForSigns(i / 9 - 1, i / 3 % 3 - 1, i % 3 - 1);
  }
};
constexpr PlanTable kPlans;

}  // namespace

CutPlan cutPlan(const PlaneSides& sides) {
  return kPlans.plans[9 * (sides.a + 1) + 3 * (sides.b + 1) + (sides.c + 1)];
}

int trianglePlaneCut(Point a, Point b, Point c, Point d, Point e, Point f, Point& first,
                     Point& second) {
  const PlaneSides sides = planeSides(a, b, c, d, e, f, toleranceFor({a, b, c, d, e, f}));
  const CutPlan plan = cutPlan(sides);
  const Point* corners[3] = {&a, &b, &c};
  // A corner is copied whole; a crossing computed by the float rule from the
  // plane's coefficients, colour 9.
  const Plane plane = planeThroughPoints(d, e, f);
  auto point = [&](const int(&which)[2]) {
    if (which[0] == which[1]) return *corners[which[0]];
    return linePlaneIntersection(plane, *corners[which[0]], *corners[which[1]]);
  };
  if (plan.result >= 2) first = point(plan.first);
  if (plan.result == 3) second = point(plan.second);
  return plan.result;
}
