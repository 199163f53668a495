// The intersection of two triangles that lie in one plane.
#include <cmath>
#include <initializer_list>

#include "intersection.h"

namespace {

// Collects corners into an answer, in the order found.
struct CornerList {
  Intersection& answer;
  double tolerance;
  Wide exact[kMaxCorners];  // where each stored corner really is, in double

  // Stores candidate unless it repeats a stored corner: unless it lies
  // closer than the tolerance, in each of x, y and z, to one of them. That
  // is decided by where the points really are (exact), not by their printed
  // digits: a crossing found twice, along two edges that meet at a shallow
  // angle, can differ by more than the tolerance after rounding. Beyond six
  // corners (only reachable by near-repeats that slip past that test)
  // candidates are dropped.
  void addIfNew(const Point& candidate, const Wide& where) {
    for (int i = 0; i < answer.count; ++i) {
      if (nearlySame(exact[i], where, tolerance)) return;
    }
    if (answer.count == kMaxCorners) return;
    exact[answer.count] = where;
    answer.corners[static_cast<std::size_t>(answer.count++)] = candidate;
  }
};

}  // namespace

Intersection findCoplanarIntersection(const Point& a1, const Point& b1, const Point& c1,
                                      const Point& a2, const Point& b2, const Point& c2) {
  const Wide one[3] = {toWide(a1), toWide(b1), toWide(c1)};
  const Wide two[3] = {toWide(a2), toWide(b2), toWide(c2)};
  return findCoplanarIntersection({&a1, &b1, &c1}, {&a2, &b2, &c2}, one, two);
}

Intersection findCoplanarIntersection(const Point* const (&first)[3],
                                      const Point* const (&second)[3], const Wide (&one)[3],
                                      const Wide (&two)[3]) {
  // The answer is built where the caller receives it (see meetCuts).
  Intersection answer;
  answer.pointStyle = PointStyle::OnCut;
  answer.segmentStyle = SegmentStyle::Coplanar;
  const double tolerance =
      toleranceFor({*first[0], *first[1], *first[2], *second[0], *second[1], *second[2]});
  CornerList corners{answer, tolerance, {}};
  // Phase 1: corners of the first triangle inside the second.
  const ReadyTriangle triangle2 = readyTriangle(two);
  for (int k = 0; k < 3; ++k) {
    if (pointInTriangle(triangle2, one[k], tolerance)) corners.addIfNew(*first[k], one[k]);
  }
  // Phase 2: corners of the second triangle inside the first.
  const ReadyTriangle triangle1 = readyTriangle(one);
  for (int k = 0; k < 3; ++k) {
    if (pointInTriangle(triangle1, two[k], tolerance)) corners.addIfNew(*second[k], two[k]);
  }
  // Phase 3: every edge of the first triangle against every edge of the
  // second, edges in the order AB, AC, BC. Crossing points carry colour 9.
  static constexpr int kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  ReadySegment edges1[3], edges2[3];
  for (int i = 0; i < 3; ++i) {
    const int from = kEdges[i][0], to = kEdges[i][1];
    edges1[i] = readySegment(*first[from], *first[to], one[from], one[to]);
    edges2[i] = readySegment(*second[from], *second[to], two[from], two[to]);
  }
  FoundPoint crossing, end;
  for (const ReadySegment& outer : edges1) {
    for (const ReadySegment& inner : edges2) {
      const int common = segmentIntersection(outer, inner, tolerance, crossing, end);
      if (common == 1 || common == 2) corners.addIfNew(crossing.point, crossing.exact);
      if (common == 2) corners.addIfNew(end.point, end.exact);
    }
  }
  return answer;
}
