// How two triangles in space meet.
#include <cmath>

#include "float_rule.h"
#include "intersection.h"

namespace {

void setPoint(Intersection& answer, PointStyle style, Point point) {
  answer.count = 1;
  answer.pointStyle = style;
  answer.corners[0] = point;
}

Intersection pointAnswer(PointStyle style, Point point) {
  Intersection answer;
  setPoint(answer, style, point);
  return answer;
}

using kernel::named;
using kernel::Vector;
using kernel::wide;

float coordinate(Point p, int axis) {
  return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}
float component(Vector v, int axis) {
  return axis == 0 ? v.x : (axis == 1 ? v.y : v.z);
}

// t limited to [0, 1]; -0 becomes +0. Written out rather than with fmin and
// fmax, whose sign for zeros the C library and the compiler may choose
// differently.
float clipToUnit(float t) {
  if (!(t > 0.0f)) return 0.0f;
  return t < 1.0f ? t : 1.0f;
}

// origin + t * direction, each coordinate rounded once; colour 9, like the
// caller's result slots.
Point along(Point origin, float t, Vector direction) {
  Point point;
  point.x = named(wide(origin.x) + wide(t) * wide(direction.x));
  point.y = named(wide(origin.y) + wide(t) * wide(direction.y));
  point.z = named(wide(origin.z) + wide(t) * wide(direction.z));
  return point;
}

// What the cut segments U1-U2 and V1-V2 of two triangles in different planes
// have in common. Both lie on the line where the planes meet, but their ends
// are rounded, so they are compared as intervals along V1 + t (V2 - V1)
// rather than tested for lying exactly on one line. Gaps and stretches
// shorter than the tolerance count as a single point.
Intersection meetCuts(Point U1, Point U2, Point V1, Point V2) {
  // One answer object for every return, built in place in the caller's
  // result: copying it just after its corners are written costs more than
  // all the arithmetic here.
  Intersection common;  // nothing, until found otherwise
  // 1. The second cut is a single point.
  if (sameCoordinates(V1, V2)) {
    if (pointOnSegment(V1, U1, U2)) {
      setPoint(common, PointStyle::Crossing, Point{V1.x, V1.y, V1.z, kDefaultColor});
    }
    return common;
  }
  // 2. Direction of the second cut, measured by its largest coordinate
  //    (x before y before z on a tie).
  const Vector d = kernel::difference(V2, V1);
  int axis = 0;
  if (std::fabs(d.y) > std::fabs(component(d, axis))) axis = 1;
  if (std::fabs(d.z) > std::fabs(component(d, axis))) axis = 2;
  // 3. Parameters of U1 and U2 along the second cut.
  const float w1 = named(wide(coordinate(U1, axis)) - wide(coordinate(V1, axis)));
  const float w2 = named(wide(coordinate(U2, axis)) - wide(coordinate(V1, axis)));
  const float t1 = named(wide(w1) / wide(component(d, axis)));
  const float t2 = named(wide(w2) / wide(component(d, axis)));
  if (std::isnan(t1) || std::isnan(t2)) return common;
  float lo = t1, hi = t2;
  if (t2 < t1) lo = t2, hi = t1;
  // 4. Disjoint unless the gap is shorter than the tolerance.
  const double length = wide(kernel::length(d));
  if (lo > 1.0f && (wide(lo) - 1.0) * length >= kTolerance) return common;
  if (hi < 0.0f && -wide(hi) * length >= kTolerance) return common;
  // 5. Clip to the second cut.
  lo = clipToUnit(lo);
  hi = clipToUnit(hi);
  // 6. A single point, or the common stretch in the direction V1 -> V2.
  if ((wide(hi) - wide(lo)) * length < kTolerance) {
    setPoint(common, PointStyle::Crossing, along(V1, lo, d));
    return common;
  }
  common.count = 2;
  common.segmentStyle = SegmentStyle::Transversal;
  common.corners[0] = along(V1, lo, d);
  common.corners[1] = along(V1, hi, d);
  return common;
}

}  // namespace

Intersection findIntersection(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                              const Point& b2, const Point& c2) {
  // 1. Each triangle against the other's plane. If either lies wholly on
  //    one side of the other's plane they do not meet, and no crossing point
  //    need be computed.
  const PlaneSides sides1 = planeSides(a1, b1, c1, a2, b2, c2);
  if (oneSided(sides1)) return Intersection{};
  const PlaneSides sides2 = planeSides(a2, b2, c2, a1, b1, c1);
  if (oneSided(sides2)) return Intersection{};
  // 2.-4. The cut points start as (0, 0, 0) in colour 9.
  Point U1, U2, V1, V2;
  const int cut1 = cutBySides(a1, b1, c1, sides1, U1, U2);
  const int cut2 = cutBySides(a2, b2, c2, sides2, V1, V2);
  // 5. One triangle lies in the other's plane; the two findings need not agree.
  if (cut1 == 1 || cut2 == 1) return findCoplanarIntersection(a1, b1, c1, a2, b2, c2);
  // 6. Different planes: U1(-U2) and V1(-V2) lie on the line where they meet.
  if (cut1 == 2 && cut2 == 2) {
    if (sameCoordinates(U1, V1)) return pointAnswer(PointStyle::Touching, U1);
    return Intersection{};
  }
  if (cut1 == 2) {
    if (pointOnSegment(U1, V1, V2)) return pointAnswer(PointStyle::OnCut, U1);
    return Intersection{};
  }
  if (cut2 == 2) {
    if (pointOnSegment(V1, U1, U2)) return pointAnswer(PointStyle::OnCut, V1);
    return Intersection{};
  }
  return meetCuts(U1, U2, V1, V2);
}

namespace {

void fillSlots(const Intersection& answer, Point& M, Point& N, Point& P, Point& Q, Point& R,
               Point& S) {
  Point* slots[kMaxCorners] = {&M, &N, &P, &Q, &R, &S};
  for (int i = 0; i < answer.count; ++i) *slots[i] = answer.corners[static_cast<std::size_t>(i)];
}

}  // namespace

int intersectTriangles(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2, Point& M,
                       Point& N, Point& P, Point& Q, Point& R, Point& S) {
  const Intersection answer = findIntersection(a1, b1, c1, a2, b2, c2);
  fillSlots(answer, M, N, P, Q, R, S);
  report(answer);
  return answer.count;
}

int coplanarIntersection(Point& M, Point& N, Point& P, Point& Q, Point& R, Point& S, Point a1,
                         Point b1, Point c1, Point a2, Point b2, Point c2) {
  const Intersection answer = findCoplanarIntersection(a1, b1, c1, a2, b2, c2);
  fillSlots(answer, M, N, P, Q, R, S);
  report(answer);
  return answer.count;
}
