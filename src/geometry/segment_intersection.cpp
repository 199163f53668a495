// What two segments in space have in common.
#include <algorithm>
#include <cmath>

#include "float_rule.h"
#include "geometry.h"

using kernel::component;
using kernel::dot;
using kernel::named;
using kernel::Vector;
using kernel::wide;
using kernel::wideCross;

namespace {

// Writes x, y, z of a point found, and the same point in double.
void write(const Point& p, const Wide& exact, FoundPoint& out) {
  out.point.x = p.x;
  out.point.y = p.y;
  out.point.z = p.z;
  out.exact = exact;
}

// The squared distance of p from the segment s.
double squaredDistance(const Wide& p, const ReadySegment& s) {
  return kernel::squaredDistanceToSegment(p, s.start, s.along, s.squared);
}

// A segment shorter than the tolerance is a point: it meets the other
// segment only where it lies within the tolerance of it.
int degenerateIntersection(const ReadySegment& one, const ReadySegment& other, double tolerance,
                           FoundPoint& first) {
  const double limit = tolerance * tolerance;
  const bool oneIsPoint = one.squared < limit;
  double distance;
  if (oneIsPoint && other.squared < limit) {
    const Wide apart = other.start - one.start;
    distance = dot(apart, apart);
  } else {
    distance = oneIsPoint ? squaredDistance(one.start, other) : squaredDistance(other.start, one);
  }
  if (!(distance < limit)) return 0;
  const ReadySegment& point = oneIsPoint ? one : other;
  write(point.from, point.start, first);
  return 1;
}

// True when s lies in [0, 1], or beyond by less than the tolerance along a
// segment of the given length.
bool withinSegment(double s, double length, double tolerance) {
  if (s >= 0.0 && s <= 1.0) return true;
  const double beyond = s < 0.0 ? -s : s - 1.0;
  return beyond * length < tolerance;
}

// p + t v by the float rule, checked against the same point in double,
// exactP + exactT exactV.
void writeAlong(Point p, float t, Vector v, const Wide& exactP, double exactT, const Wide& exactV,
                FoundPoint& out) {
  const Wide exact = kernel::wideAlong(exactP, exactT, exactV);
  write(kernel::keepOrReplace(kernel::along(p, t, v), exact), exact, out);
}

// True when p lies within the tolerance of the line through the segment s:
// |(p - start) x along| < tolerance |along|.
bool nearLine(const Wide& p, const ReadySegment& s, double tolerance) {
  const Wide across = wideCross(s.along, p - s.start);
  return dot(across, across) < tolerance * tolerance * s.squared;
}

// Parallel segments: if they lie on one line, clip one to other along
// p3 + t v (p3, p4 the ends of other).
int parallelIntersection(const ReadySegment& one, const ReadySegment& other, double tolerance,
                         FoundPoint& first, FoundPoint& second) {
  // 1. On one line when both ends of the shorter segment lie within the
  //    tolerance of the longer one's line. Parallel as they are, the longer
  //    can still move away from the other's line by more than the tolerance
  //    over its length: its start alone can lie beyond the tolerance where
  //    the segments meet, or within it where they lie apart.
  const bool oneShorter = one.squared < other.squared;
  const ReadySegment& shorter = oneShorter ? one : other;
  const ReadySegment& longer = oneShorter ? other : one;
  if (!nearLine(shorter.start, longer, tolerance) || !nearLine(shorter.end, longer, tolerance)) {
    return 0;
  }
  const Wide toP1 = one.start - other.start;
  // 2. Parameters of p1 and p2 along p3 + t v, in double.
  const Wide toP2{toP1.x + one.along.x, toP1.y + one.along.y, toP1.z + one.along.z};
  const double exact1 = dot(toP1, other.along) / other.squared;
  const double exact2 = dot(toP2, other.along) / other.squared;
  // 3. The interval of p1-p2 on that line.
  double lo = exact1, hi = exact2;
  if (hi < lo) std::swap(lo, hi);
  // 4. Disjoint from [0, 1], unless the gap is shorter than the tolerance.
  const double length = std::sqrt(other.squared);
  if ((lo - 1.0) * length >= tolerance || -hi * length >= tolerance) return 0;
  // 5. Clip to p3-p4: an end beyond it becomes p3 or p4.
  if (lo < 0.0) lo = 0.0;
  if (lo > 1.0) lo = 1.0;
  if (hi > 1.0) hi = 1.0;
  if (hi < 0.0) hi = 0.0;
  // 6.-7. One point, or a stretch longer than the tolerance. Each end is now
  //    p3, p4, p1 or p2 exactly, and it is the first of them (in that order)
  //    that lies within the tolerance of it, so that an end near p3 or p4
  //    prints as that point.
  auto end = [&](double exact, FoundPoint& out) {
    const Point* corners[4] = {&other.from, &other.to, &one.from, &one.to};
    const Wide* exacts[4] = {&other.start, &other.end, &one.start, &one.end};
    const double at[4] = {0.0, 1.0, exact1, exact2};
    for (int i = 0; i < 4; ++i) {
      if (std::fabs(exact - at[i]) * length < tolerance) return write(*corners[i], *exacts[i], out);
    }
  };
  end(lo, first);
  if ((hi - lo) * length < tolerance) return 1;
  end(hi, second);
  return 2;
}

enum class CoordinatePlane { XY, XZ, YZ };

// Solves p1 + s u = p3 + t v in one coordinate plane: s = k / n in the
// component normal to that plane, where n = u x v and k = v x w. Returns
// false when that component of n is exactly zero.
bool solveInPlane(CoordinatePlane plane, Vector u, Vector v, Vector w, Vector n, float& s) {
  double kc, nc;
  switch (plane) {
    case CoordinatePlane::XY:  // the rounded float z components
      kc = wide(kernel::cross(v, w).z), nc = wide(n.z);
      break;
    case CoordinatePlane::XZ:  // the y components afresh in double
      kc = wide(v.z) * wide(w.x) - wide(v.x) * wide(w.z);
      nc = wide(u.z) * wide(v.x) - wide(u.x) * wide(v.z);
      break;
    default:  // YZ: the x components afresh in double
      kc = wide(v.y) * wide(w.z) - wide(v.z) * wide(w.y);
      nc = wide(u.y) * wide(v.z) - wide(u.z) * wide(v.y);
      break;
  }
  if (nc == 0.0) return false;
  s = named(kc / nc);
  return true;
}

// Segments that are not parallel: they meet when their lines pass within the
// tolerance of each other at a point of both segments (decided in double);
// the point is then computed by the float rule in one coordinate plane.
int crossingIntersection(const ReadySegment& one, const ReadySegment& other, const Wide& N,
                         double NN, double tolerance, FoundPoint& first) {
  // 1. The lines' distance apart is |(p3 - p1).N| / |N|, N = U x V.
  const Wide W = other.start - one.start;
  const double apart = dot(W, N);
  if (!(apart * apart < tolerance * tolerance * NN)) return 0;
  // 2. Where they come closest: p1 + s U and p3 + t V.
  const double s = dot(wideCross(W, other.along), N) / NN;
  const double t = dot(wideCross(W, one.along), N) / NN;
  const double lengthU = std::sqrt(one.squared), lengthV = std::sqrt(other.squared);
  if (!withinSegment(s, lengthU, tolerance) || !withinSegment(t, lengthV, tolerance)) return 0;
  // 3. A meeting within the tolerance of an end of either segment is that end.
  if (std::fabs(s) * lengthU < tolerance) return write(one.from, one.start, first), 1;
  if (std::fabs(s - 1.0) * lengthU < tolerance) {
    return write(one.to, one.end, first), 1;
  }
  if (std::fabs(t) * lengthV < tolerance) return write(other.from, other.start, first), 1;
  if (std::fabs(t - 1.0) * lengthV < tolerance) {
    return write(other.to, other.end, first), 1;
  }
  // 4. The point by the float rule: xy unless a segment runs along z, then
  //    xz unless a segment runs along y, else yz; a plane that the segments'
  //    plane projects to a line (x = 0, y = 0, x = y ...) gives way to the one
  //    onto which it projects the largest.
  const Point &p1 = one.from, &p3 = other.from;
  const Vector u = kernel::difference(one.to, p1);
  const Vector v = kernel::difference(other.to, p3);
  const Vector w = kernel::difference(p1, p3);
  const Vector n = kernel::cross(u, v);
  CoordinatePlane plane = CoordinatePlane::XY;
  if ((u.x == 0.0f && u.y == 0.0f) || (v.x == 0.0f && v.y == 0.0f)) {
    plane = ((u.x == 0.0f && u.z == 0.0f) || (v.x == 0.0f && v.z == 0.0f)) ? CoordinatePlane::YZ
                                                                           : CoordinatePlane::XZ;
  }
  float sFloat = 0.0f;
  if (!solveInPlane(plane, u, v, w, n, sFloat)) {
    const float nz = std::fabs(n.z), ny = std::fabs(n.y), nx = std::fabs(n.x);
    plane = (nz >= ny && nz >= nx) ? CoordinatePlane::XY
            : (ny >= nx)           ? CoordinatePlane::XZ
                                   : CoordinatePlane::YZ;
    solveInPlane(plane, u, v, w, n, sFloat);
  }
  writeAlong(p1, sFloat, u, one.start, s, one.along, first);
  return 1;
}

}  // namespace

ReadySegment readySegment(const Point& from, const Point& to, const Wide& start, const Wide& end) {
  ReadySegment segment;
  segment.from = from;
  segment.to = to;
  segment.start = start;
  segment.end = end;
  segment.along = end - start;
  segment.squared = dot(segment.along, segment.along);
  return segment;
}

int segmentIntersection(Point p1, Point p2, Point p3, Point p4, Point& first, Point& second) {
  return segmentIntersection(p1, p2, p3, p4, toleranceFor({p1, p2, p3, p4}), first, second);
}

int segmentIntersection(Point p1, Point p2, Point p3, Point p4, double tolerance, Point& first,
                        Point& second) {
  FoundPoint found[2];
  const int common = segmentIntersection(readySegment(p1, p2, toWide(p1), toWide(p2)),
                                         readySegment(p3, p4, toWide(p3), toWide(p4)), tolerance,
                                         found[0], found[1]);
  // Only x, y and z are written: the colour stays the caller's.
  Point* const out[2] = {&first, &second};
  for (int i = 0; i < common && i < 2; ++i) {
    out[i]->x = found[i].point.x;
    out[i]->y = found[i].point.y;
    out[i]->z = found[i].point.z;
  }
  return common;
}

int segmentIntersection(const ReadySegment& one, const ReadySegment& other, double tolerance,
                        FoundPoint& first, FoundPoint& second) {
  // 0. A segment shorter than the tolerance is a point.
  const double limit = tolerance * tolerance;
  if (one.squared < limit || other.squared < limit) {
    return degenerateIntersection(one, other, tolerance, first);
  }
  // 1. Parallel when the shorter segment turns away from the other's
  //    direction by less than the tolerance over its length:
  //    |U x V| < tolerance * max(|U|, |V|). (A fixed bound on |U x V| would
  //    take short segments that cross as parallel.)
  const Wide N = wideCross(one.along, other.along);
  const double NN = dot(N, N);
  const double longer = std::max(one.squared, other.squared);
  if (NN < limit * longer) {
    return parallelIntersection(one, other, tolerance, first, second);
  }
  // 2. Otherwise they cross, or miss each other.
  return crossingIntersection(one, other, N, NN, tolerance, first);
}
