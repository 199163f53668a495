// The intersection of two triangles that lie in one plane.
#include <cmath>
#include <initializer_list>

#include "intersection.h"

namespace {

// Collects corners into an answer, in the order found.
struct CornerList {
  Intersection& answer;
  double tolerance;

  // Stores candidate unless it repeats a stored corner. Computed crossings
  // can differ from a corner in their last bits, so a repeat is anything
  // closer than the tolerance in each of x, y and z. Beyond six corners (only
  // reachable by near-repeats that slip past that test) candidates are dropped.
  void addIfNew(Point candidate) {
    for (int i = 0; i < answer.count; ++i) {
      if (nearlySame(answer.corners[static_cast<std::size_t>(i)], candidate, tolerance)) return;
    }
    if (answer.count == kMaxCorners) return;
    answer.corners[static_cast<std::size_t>(answer.count++)] = candidate;
  }
};

struct Edge {
  Point from;
  Point to;
};

}  // namespace

Intersection findCoplanarIntersection(const Point& a1, const Point& b1, const Point& c1,
                                      const Point& a2, const Point& b2, const Point& c2) {
  // The answer is built where the caller receives it (see meetCuts).
  Intersection answer;
  answer.pointStyle = PointStyle::OnCut;
  answer.segmentStyle = SegmentStyle::Coplanar;
  const double tolerance = toleranceFor({a1, b1, c1, a2, b2, c2});
  CornerList corners{answer, tolerance};
  // Phase 1: corners of the first triangle inside the second.
  for (const Point& corner : {a1, b1, c1}) {
    if (pointInTriangle(a2, b2, c2, corner, tolerance)) corners.addIfNew(corner);
  }
  // Phase 2: corners of the second triangle inside the first.
  for (const Point& corner : {a2, b2, c2}) {
    if (pointInTriangle(a1, b1, c1, corner, tolerance)) corners.addIfNew(corner);
  }
  // Phase 3: every edge of the first triangle against every edge of the
  // second, edges in the order AB, AC, BC. Crossing points carry colour 9.
  Point first, second;
  const Edge firstEdges[3] = {{a1, b1}, {a1, c1}, {b1, c1}};
  const Edge secondEdges[3] = {{a2, b2}, {a2, c2}, {b2, c2}};
  for (const Edge& outer : firstEdges) {
    for (const Edge& inner : secondEdges) {
      const int common = segmentIntersection(outer.from, outer.to, inner.from, inner.to, tolerance,
                                             first, second);
      if (common == 1 || common == 2) corners.addIfNew(first);
      if (common == 2) corners.addIfNew(second);
    }
  }
  return answer;
}
