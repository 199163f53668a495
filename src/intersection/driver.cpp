// How two triangles in space meet.
#include <cmath>

#include "intersection.h"

namespace {

Intersection pointAnswer(PointStyle style, Point point) {
  Intersection answer;
  answer.count = 1;
  answer.pointStyle = style;
  answer.corners[0] = point;
  return answer;
}

double asDouble(float value) {
  return static_cast<double>(value);
}

// V1 + t (V2 - V1), each coordinate rounded once.
Point along(Point origin, float t, const float (&direction)[3]) {
  Point point;  // colour 9, as the caller's result slots
  point.x = static_cast<float>(asDouble(origin.x) + asDouble(t) * asDouble(direction[0]));
  point.y = static_cast<float>(asDouble(origin.y) + asDouble(t) * asDouble(direction[1]));
  point.z = static_cast<float>(asDouble(origin.z) + asDouble(t) * asDouble(direction[2]));
  return point;
}

// What the cut segments U1-U2 and V1-V2 of two triangles in different planes
// have in common. Both lie on the line where the planes meet, but their ends
// are rounded, so they are compared as intervals along V1 + t (V2 - V1)
// rather than tested for lying exactly on one line. Gaps and stretches
// shorter than the tolerance count as a single point.
Intersection meetCuts(Point U1, Point U2, Point V1, Point V2) {
  Intersection none;
  // 1. The second cut is a single point.
  if (sameCoordinates(V1, V2)) {
    if (!pointOnSegment(V1, U1, U2)) return none;
    Point point;
    point.x = V1.x, point.y = V1.y, point.z = V1.z;
    return pointAnswer(PointStyle::Crossing, point);
  }
  // 2. Direction of the second cut and the coordinate in which it is largest.
  const float d[3] = {static_cast<float>(asDouble(V2.x) - asDouble(V1.x)),
                      static_cast<float>(asDouble(V2.y) - asDouble(V1.y)),
                      static_cast<float>(asDouble(V2.z) - asDouble(V1.z))};
  int axis = 0;
  if (std::fabs(d[1]) > std::fabs(d[axis])) axis = 1;
  if (std::fabs(d[2]) > std::fabs(d[axis])) axis = 2;
  const float u1[3] = {U1.x, U1.y, U1.z};
  const float u2[3] = {U2.x, U2.y, U2.z};
  const float v1[3] = {V1.x, V1.y, V1.z};
  // 3. Parameters of U1 and U2 along the second cut.
  const float w1 = static_cast<float>(asDouble(u1[axis]) - asDouble(v1[axis]));
  const float w2 = static_cast<float>(asDouble(u2[axis]) - asDouble(v1[axis]));
  const float t1 = static_cast<float>(asDouble(w1) / asDouble(d[axis]));
  const float t2 = static_cast<float>(asDouble(w2) / asDouble(d[axis]));
  if (std::isnan(t1) || std::isnan(t2)) return none;
  float lo = t1, hi = t2;
  if (t2 < t1) lo = t2, hi = t1;
  // 4. Disjoint unless the gap is shorter than the tolerance.
  const double length =
      std::sqrt((asDouble(d[1]) * asDouble(d[1]) + asDouble(d[0]) * asDouble(d[0])) +
                asDouble(d[2]) * asDouble(d[2]));
  if (lo > 1.0f && (asDouble(lo) - 1.0) * length >= kTolerance) return none;
  if (hi < 0.0f && -asDouble(hi) * length >= kTolerance) return none;
  // 5. Clip to the second cut.
  lo = std::fmin(std::fmax(lo, 0.0f), 1.0f);
  hi = std::fmin(std::fmax(hi, 0.0f), 1.0f);
  // 6. A single point, or the common stretch in the direction V1 -> V2.
  if ((asDouble(hi) - asDouble(lo)) * length < kTolerance) {
    return pointAnswer(PointStyle::Crossing, along(V1, lo, d));
  }
  Intersection stretch;
  stretch.count = 2;
  stretch.segmentStyle = SegmentStyle::Transversal;
  stretch.corners[0] = along(V1, lo, d);
  stretch.corners[1] = along(V1, hi, d);
  return stretch;
}

}  // namespace

Intersection findIntersection(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2) {
  // 1. The cut points start as (0, 0, 0) in colour 9.
  Point U1, U2, V1, V2;
  // 2.-3. Each triangle against the other's plane; both always run.
  const int cut1 = trianglePlaneCut(a1, b1, c1, a2, b2, c2, U1, U2);
  const int cut2 = trianglePlaneCut(a2, b2, c2, a1, b1, c1, V1, V2);
  // 4. One triangle lies wholly on one side of the other's plane.
  if (cut1 == 0 || cut2 == 0) return Intersection{};
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
