// What two segments in space have in common.
#include <cmath>
#include <initializer_list>

#include "float_rule.h"
#include "geometry.h"

using kernel::named;
using kernel::Vector;
using kernel::wide;

namespace {

// Writes p + t * d into out's coordinates, leaving out's colour alone.
void writeAlong(Point p, float t, Vector d, Point& out) {
  out.x = named(wide(p.x) + wide(t) * wide(d.x));
  out.y = named(wide(p.y) + wide(t) * wide(d.y));
  out.z = named(wide(p.z) + wide(t) * wide(d.z));
}

void writeCoordinates(Point p, Point& out) {
  out.x = p.x;
  out.y = p.y;
  out.z = p.z;
}

// A segment that is a single point meets the other segment only where that
// point lies on it.
int degenerateIntersection(Point p1, Point p2, Point p3, Point p4, Point& first) {
  const bool firstIsPoint = sameCoordinates(p1, p2);
  const bool secondIsPoint = sameCoordinates(p3, p4);
  if (firstIsPoint && secondIsPoint) {
    if (!sameCoordinates(p1, p3)) return 0;
    writeCoordinates(p1, first);
    return 1;
  }
  if (firstIsPoint) {
    if (!pointOnSegment(p1, p3, p4)) return 0;
    writeCoordinates(p1, first);
    return 1;
  }
  if (!pointOnSegment(p3, p1, p2)) return 0;
  writeCoordinates(p3, first);
  return 1;
}

// Parallel segments: if they lie on one line, clip p1-p2 to p3-p4 along
// p3 + t v.
int parallelIntersection(Point p2, Point p3, Vector u, Vector v, Vector w, Point& first,
                         Point& second) {
  // 1. On one line only when a further cross product vanishes exactly.
  const Vector m = kernel::cross(u, w);
  const Vector k = kernel::cross(v, w);
  if (!(kernel::length(m) == 0.0f || kernel::length(k) == 0.0f)) return 0;
  const Vector e = kernel::difference(p2, p3);
  // 2. Parameters of p1 and p2 by the first usable coordinate of v; a segment
  //    along the z axis is measured by z.
  float t1, t2;
  if (v.x != 0.0f) {
    t1 = named(wide(w.x) / wide(v.x));
    t2 = named(wide(e.x) / wide(v.x));
  } else if (v.y != 0.0f) {
    t1 = named(wide(w.y) / wide(v.y));
    t2 = named(wide(e.y) / wide(v.y));
  } else {
    t1 = named(wide(w.z) / wide(v.z));
    t2 = named(wide(e.z) / wide(v.z));
  }
  // 3. The interval of p1-p2 on that line.
  float lo = t1, hi = t2;
  if (t2 < t1) {
    lo = t2;
    hi = t1;
  }
  // 4. Disjoint from [0, 1]?
  if (lo > 1.0f) return 0;
  if (hi < 0.0f) return 0;
  // 5. Clip to p3-p4.
  if (lo < 0.0f) lo = 0.0f;
  if (hi > 1.0f) hi = 1.0f;
  // 6.-7. One point or a stretch.
  writeAlong(p3, lo, v, first);
  if (hi == lo) return 1;
  writeAlong(p3, hi, v, second);
  return 2;
}

enum class CoordinatePlane { XY, XZ, YZ };

// Solves p1 + s u = p3 + t v in one coordinate plane: s = k / n and t = m / n
// in the component normal to that plane, where n = u x v, m = u x w and
// k = v x w. Returns false when that component of n is exactly zero.
bool solveInPlane(CoordinatePlane plane, Vector u, Vector v, Vector w, Vector n, float& s,
                  float& t) {
  double kc, mc, nc;
  switch (plane) {
    case CoordinatePlane::XY:  // the rounded float z components
      kc = wide(kernel::cross(v, w).z), mc = wide(kernel::cross(u, w).z), nc = wide(n.z);
      break;
    case CoordinatePlane::XZ:  // the y components afresh in double
      kc = wide(v.z) * wide(w.x) - wide(v.x) * wide(w.z);
      mc = wide(u.z) * wide(w.x) - wide(u.x) * wide(w.z);
      nc = wide(u.z) * wide(v.x) - wide(u.x) * wide(v.z);
      break;
    default:  // YZ: the x components afresh in double
      kc = wide(v.y) * wide(w.z) - wide(v.z) * wide(w.y);
      mc = wide(u.y) * wide(w.z) - wide(u.z) * wide(w.y);
      nc = wide(u.y) * wide(v.z) - wide(u.z) * wide(v.y);
      break;
  }
  if (nc == 0.0) return false;
  s = named(kc / nc);
  t = named(mc / nc);
  return true;
}

// Crossing segments: solve for s and t, then check that both segments
// really pass through the point.
int crossingIntersection(Point p1, Point p3, Vector u, Vector v, Vector w, Vector n, Point& first) {
  // 1. The coordinate plane: xy unless a segment runs along z, then xz unless
  //    a segment runs along y, else yz.
  CoordinatePlane plane = CoordinatePlane::XY;
  if ((u.x == 0.0f && u.y == 0.0f) || (v.x == 0.0f && v.y == 0.0f)) {
    plane = ((u.x == 0.0f && u.z == 0.0f) || (v.x == 0.0f && v.z == 0.0f)) ? CoordinatePlane::YZ
                                                                           : CoordinatePlane::XZ;
  }
  // 2. s and t. Both segments may lie in a plane that projects to a line in
  //    the chosen coordinate plane (x = 0, y = 0, x = y ...); then use the
  //    coordinate plane onto which the segments' plane projects the largest.
  float s = 0.0f, t = 0.0f;
  if (!solveInPlane(plane, u, v, w, n, s, t)) {
    const float nz = std::fabs(n.z), ny = std::fabs(n.y), nx = std::fabs(n.x);
    plane = (nz >= ny && nz >= nx) ? CoordinatePlane::XY
            : (ny >= nx)           ? CoordinatePlane::XZ
                                   : CoordinatePlane::YZ;
    if (!solveInPlane(plane, u, v, w, n, s, t)) return 0;
  }
  // 3. Both parameters within their segments (NaN fails in step 4).
  if (s < 0.0f || s > 1.0f) return 0;
  if (t < 0.0f || t > 1.0f) return 0;
  // 4. The two parametric points agree in every coordinate.
  const float dx = named((wide(p1.x) + wide(s) * wide(u.x)) - (wide(p3.x) + wide(t) * wide(v.x)));
  const float dy = named((wide(p1.y) + wide(s) * wide(u.y)) - (wide(p3.y) + wide(t) * wide(v.y)));
  const float dz = named((wide(p1.z) + wide(s) * wide(u.z)) - (wide(p3.z) + wide(t) * wide(v.z)));
  for (float d : {dx, dy, dz}) {
    if (!(std::fabs(wide(d)) < kTolerance)) return 0;
  }
  // 5. The common point.
  writeAlong(p1, s, u, first);
  return 1;
}

}  // namespace

int segmentIntersection(Point p1, Point p2, Point p3, Point p4, Point& first, Point& second) {
  // 0. A segment of zero length is a point.
  if (sameCoordinates(p1, p2) || sameCoordinates(p3, p4)) {
    return degenerateIntersection(p1, p2, p3, p4, first);
  }
  // 1. Direction vectors and the normal n = u x v. The cross products
  //    m = u x w and k = v x w are formed where they are needed.
  const Vector u = kernel::difference(p2, p1);
  const Vector v = kernel::difference(p4, p3);
  const Vector w = kernel::difference(p1, p3);
  const Vector n = kernel::cross(u, v);
  // 2. Parallel or crossing.
  if (kernel::shorterThanTolerance(n)) return parallelIntersection(p2, p3, u, v, w, first, second);
  return crossingIntersection(p1, p3, u, v, w, n, first);
}
