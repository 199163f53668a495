// What two segments in space have in common.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>
#include <utility>

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

// A segment shorter than the tolerance is a point: it meets the other
// segment only where it lies on it.
int degenerateIntersection(Point p1, Point p2, Point p3, Point p4, double tolerance,
                           Point& first) {
  const bool firstIsPoint = nearlySame(p1, p2, tolerance);
  const bool secondIsPoint = nearlySame(p3, p4, tolerance);
  if (firstIsPoint && secondIsPoint) {
    if (!nearlySame(p1, p3, tolerance)) return 0;
    writeCoordinates(p1, first);
    return 1;
  }
  // Within the tolerance of the other segment (pointInTriangle takes three
  // corners on one line as the segment between them).
  if (firstIsPoint) {
    if (!pointInTriangle(p3, p4, p4, p1, tolerance)) return 0;
    writeCoordinates(p1, first);
    return 1;
  }
  if (!pointInTriangle(p1, p2, p2, p3, tolerance)) return 0;
  writeCoordinates(p3, first);
  return 1;
}

float component(Vector v, int axis) {
  return axis == 0 ? v.x : (axis == 1 ? v.y : v.z);
}

// True when s lies in [0, 1], or beyond by less than the tolerance along a
// segment of the given length.
bool withinSegment(double s, double length, double tolerance) {
  if (s >= 0.0 && s <= 1.0) return true;
  const double beyond = s < 0.0 ? -s : s - 1.0;
  return beyond * length < tolerance;
}

// p3 + t v by the float rule, checked against the same point in double.
Point alongChecked(Point p3, float t, Vector v, double exactT, const kernel::Wide& exactV) {
  Point computed;
  writeAlong(p3, t, v, computed);
  return kernel::keepOrReplace(computed, kernel::wideAlong(p3, exactT, exactV));
}

// Parallel segments: if they lie on one line, clip p1-p2 to p3-p4 along
// p3 + t v.
int parallelIntersection(Point p1, Point p2, Point p3, Point p4, double tolerance, Point& first,
                         Point& second) {
  // 1. On one line when p1 lies within the tolerance of the line p3-p4:
  //    |(p1 - p3) x (p4 - p3)| < tolerance |p4 - p3|.
  const kernel::Wide along = kernel::wideDifference(p4, p3);
  const kernel::Wide toP1 = kernel::wideDifference(p1, p3), toP2 = kernel::wideDifference(p2, p3);
  const kernel::Wide across = kernel::wideCross(along, toP1);
  const double squaredLength = kernel::dot(along, along);
  if (!(kernel::dot(across, across) < tolerance * tolerance * squaredLength)) return 0;
  // 2. Parameters of p1 and p2 along p3 + t v: decided in double, printed by
  //    the float rule from one coordinate of v (x, else y, else z).
  const double exact1 = kernel::dot(toP1, along) / squaredLength;
  const double exact2 = kernel::dot(toP2, along) / squaredLength;
  const Vector v = kernel::difference(p4, p3);
  const Vector w = kernel::difference(p1, p3);
  const Vector e = kernel::difference(p2, p3);
  const int axis = v.x != 0.0f ? 0 : (v.y != 0.0f ? 1 : 2);
  float t1 = named(wide(component(w, axis)) / wide(component(v, axis)));
  float t2 = named(wide(component(e, axis)) / wide(component(v, axis)));
  // 3. The interval of p1-p2 on that line.
  double lo = exact1, hi = exact2;
  if (hi < lo) std::swap(lo, hi), std::swap(t1, t2);
  // 4. Disjoint from [0, 1], unless the gap is shorter than the tolerance.
  const double length = std::sqrt(squaredLength);
  if ((lo - 1.0) * length >= tolerance || -hi * length >= tolerance) return 0;
  // 5. Clip to p3-p4: an end beyond it becomes p3 or p4.
  if (lo < 0.0) lo = 0.0, t1 = 0.0f;
  if (lo > 1.0) lo = 1.0, t1 = 1.0f;
  if (hi > 1.0) hi = 1.0, t2 = 1.0f;
  if (hi < 0.0) hi = 0.0, t2 = 0.0f;
  // 6.-7. One point, or a stretch longer than the tolerance. An end within
  //    the tolerance of p1, p2, p3 or p4 is that point.
  auto end = [&](float t, double exact) {
    for (const auto& [corner, at] : {std::pair{p3, 0.0}, std::pair{p4, 1.0}, std::pair{p1, exact1},
                                     std::pair{p2, exact2}}) {
      if (std::fabs(exact - at) * length < tolerance) return corner;
    }
    return alongChecked(p3, t, v, exact, along);
  };
  writeCoordinates(end(t1, lo), first);
  if ((hi - lo) * length < tolerance) return 1;
  writeCoordinates(end(t2, hi), second);
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
int crossingIntersection(Point p1, Point p2, Point p3, Point p4, const kernel::Wide& U,
                         const kernel::Wide& V, const kernel::Wide& N, double tolerance,
                         Point& first) {
  // 1. The lines' distance apart is |(p3 - p1).N| / |N|, N = U x V.
  const kernel::Wide W = kernel::wideDifference(p3, p1);
  const double NN = kernel::dot(N, N);
  const double apart = kernel::dot(W, N);
  if (!(apart * apart < tolerance * tolerance * NN)) return 0;
  // 2. Where they come closest: p1 + s U and p3 + t V.
  const double s = kernel::dot(kernel::wideCross(W, V), N) / NN;
  const double t = kernel::dot(kernel::wideCross(W, U), N) / NN;
  if (!withinSegment(s, std::sqrt(kernel::dot(U, U)), tolerance) ||
      !withinSegment(t, std::sqrt(kernel::dot(V, V)), tolerance)) {
    return 0;
  }
  // 3. A meeting within the tolerance of an end of either segment is that end.
  const double lengthU = std::sqrt(kernel::dot(U, U)), lengthV = std::sqrt(kernel::dot(V, V));
  for (const auto& [at, length, start, end] :
       {std::tuple{s, lengthU, p1, p2}, std::tuple{t, lengthV, p3, p4}}) {
    if (std::fabs(at) * length < tolerance) return writeCoordinates(start, first), 1;
    if (std::fabs(at - 1.0) * length < tolerance) return writeCoordinates(end, first), 1;
  }
  // 4. The point by the float rule: xy unless a segment runs along z, then
  //    xz unless a segment runs along y, else yz; a plane that the segments'
  //    plane projects to a line (x = 0, y = 0, x = y ...) gives way to the one
  //    onto which it projects the largest.
  const Vector u = kernel::difference(p2, p1);
  const Vector v = kernel::difference(p4, p3);
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
  writeCoordinates(alongChecked(p1, sFloat, u, s, U), first);
  return 1;
}

}  // namespace

int segmentIntersection(Point p1, Point p2, Point p3, Point p4, Point& first, Point& second) {
  return segmentIntersection(p1, p2, p3, p4, toleranceFor({p1, p2, p3, p4}), first, second);
}

int segmentIntersection(Point p1, Point p2, Point p3, Point p4, double tolerance, Point& first,
                        Point& second) {
  // 0. A segment shorter than the tolerance is a point.
  if (nearlySame(p1, p2, tolerance) || nearlySame(p3, p4, tolerance)) {
    return degenerateIntersection(p1, p2, p3, p4, tolerance, first);
  }
  // 1. Parallel when the shorter segment turns away from the other's
  //    direction by less than the tolerance over its length:
  //    |U x V| < tolerance * max(|U|, |V|), and never below kTolerance.
  const kernel::Wide U = kernel::wideDifference(p2, p1), V = kernel::wideDifference(p4, p3);
  const kernel::Wide N = kernel::wideCross(U, V);
  const double longer = std::max(kernel::dot(U, U), kernel::dot(V, V));
  const double limit = std::max(kTolerance * kTolerance, tolerance * tolerance * longer);
  if (kernel::dot(N, N) < limit) return parallelIntersection(p1, p2, p3, p4, tolerance, first, second);
  // 2. Otherwise they cross, or miss each other.
  return crossingIntersection(p1, p2, p3, p4, U, V, N, tolerance, first);
}
