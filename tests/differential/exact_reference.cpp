// The true intersection of two triangles with GMP rationals.
#include "exact_reference.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

struct Vec {
  mpq_class x;
  mpq_class y;
  mpq_class z;
};

Vec minus(const ExactPoint& b, const ExactPoint& a) {
  return {b.x - a.x, b.y - a.y, b.z - a.z};
}

Vec crossProduct(const Vec& u, const Vec& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

mpq_class dot(const Vec& u, const Vec& v) {
  return u.x * v.x + u.y * v.y + u.z * v.z;
}

mpq_class dot(const Vec& u, const ExactPoint& p) {
  return u.x * p.x + u.y * p.y + u.z * p.z;
}

bool isZero(const Vec& v) {
  return sgn(v.x) == 0 && sgn(v.y) == 0 && sgn(v.z) == 0;
}

bool samePoint(const ExactPoint& a, const ExactPoint& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

// a + (b - a) * t
ExactPoint between(const ExactPoint& a, const ExactPoint& b, const mpq_class& t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

Vec normalOf(const ExactTriangle& t) {
  return crossProduct(minus(t[1], t[0]), minus(t[2], t[0]));
}

void addDistinct(std::vector<ExactPoint>& points, const ExactPoint& candidate) {
  for (const ExactPoint& p : points) {
    if (samePoint(p, candidate)) return;
  }
  points.push_back(candidate);
}

// ---- Triangles in different planes ---------------------------------------

// The part of a triangle that lies in a plane which it crosses or touches:
// its corners in the plane and the points where edges pass from one side to
// the other. value[i] is the (scaled) signed distance of corner i.
std::vector<ExactPoint> partInPlane(const ExactTriangle& t, const std::array<mpq_class, 3>& value) {
  std::vector<ExactPoint> points;
  for (int i = 0; i < 3; ++i) {
    if (sgn(value[i]) == 0) addDistinct(points, t[i]);
  }
  for (int i = 0; i < 3; ++i) {
    const int j = (i + 1) % 3;
    if (sgn(value[i]) * sgn(value[j]) < 0) {
      addDistinct(points, between(t[i], t[j], value[i] / (value[i] - value[j])));
    }
  }
  return points;
}

// A stretch of the line where the planes meet, as the smallest and largest
// position along the line and the points there.
struct Stretch {
  mpq_class lo, hi;
  ExactPoint loPoint, hiPoint;
};

Stretch stretchAlong(const Vec& direction, const std::vector<ExactPoint>& points) {
  Stretch s{dot(direction, points[0]), dot(direction, points[0]), points[0], points[0]};
  for (const ExactPoint& p : points) {
    const mpq_class t = dot(direction, p);
    if (t < s.lo) s.lo = t, s.loPoint = p;
    if (t > s.hi) s.hi = t, s.hiPoint = p;
  }
  return s;
}

// ---- Triangles in one plane ----------------------------------------------

// Coordinates in the axis plane onto which the common plane projects without
// collapsing (the one across the largest normal component).
struct Projection {
  int dropped;  // 0 x, 1 y, 2 z

  std::pair<mpq_class, mpq_class> operator()(const ExactPoint& p) const {
    if (dropped == 0) return {p.y, p.z};
    if (dropped == 1) return {p.z, p.x};
    return {p.x, p.y};
  }
};

Projection projectionFor(const Vec& normal) {
  const mpq_class ax = abs(normal.x), ay = abs(normal.y), az = abs(normal.z);
  if (ax >= ay && ax >= az) return {0};
  if (ay >= az) return {1};
  return {2};
}

// Twice the signed area of p, q, r in the projection (positive counter-clockwise).
mpq_class orientation(const Projection& proj, const ExactPoint& p, const ExactPoint& q,
                      const ExactPoint& r) {
  const auto [px, py] = proj(p);
  const auto [qx, qy] = proj(q);
  const auto [rx, ry] = proj(r);
  return (qx - px) * (ry - py) - (qy - py) * (rx - px);
}

// Sutherland-Hodgman: keeps the part of the convex polygon on the closed side
// of the line a-b where side(p) = sense * orientation(a, b, p) >= 0.
std::vector<ExactPoint> clipByEdge(const std::vector<ExactPoint>& polygon, const Projection& proj,
                                   const ExactPoint& a, const ExactPoint& b, int sense) {
  std::vector<ExactPoint> kept;
  const std::size_t n = polygon.size();
  for (std::size_t i = 0; i < n; ++i) {
    const ExactPoint& prev = polygon[(i + n - 1) % n];
    const ExactPoint& cur = polygon[i];
    const mpq_class sidePrev = sense * orientation(proj, a, b, prev);
    const mpq_class sideCur = sense * orientation(proj, a, b, cur);
    const bool prevIn = sgn(sidePrev) >= 0;
    const bool curIn = sgn(sideCur) >= 0;
    if (prevIn != curIn) kept.push_back(between(prev, cur, sidePrev / (sidePrev - sideCur)));
    if (curIn) kept.push_back(cur);
  }
  return kept;
}

// The corners of the convex hull of distinct coplanar points: the two ends
// when they lie on one line, else the hull's vertices without points that
// lie on a straight stretch of the outline.
std::vector<ExactPoint> hullCorners(std::vector<ExactPoint> points, const Projection& proj) {
  if (points.size() <= 1) return points;
  // Sort by projected coordinates (ties are impossible: the points are
  // distinct and the projection is one-to-one on the plane).
  std::sort(points.begin(), points.end(),
            [&proj](const ExactPoint& a, const ExactPoint& b) { return proj(a) < proj(b); });
  bool collinear = true;
  for (std::size_t i = 2; i < points.size() && collinear; ++i) {
    collinear = sgn(orientation(proj, points[0], points[1], points[i])) == 0;
  }
  // After sorting, collinear points have their ends first and last.
  if (collinear) return {points.front(), points.back()};
  // Monotone chain, keeping only strict left turns.
  std::vector<ExactPoint> hull;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t start = hull.size();
    for (std::size_t k = 0; k < points.size(); ++k) {
      const ExactPoint& p = pass == 0 ? points[k] : points[points.size() - 1 - k];
      while (hull.size() >= start + 2 &&
             sgn(orientation(proj, hull[hull.size() - 2], hull.back(), p)) <= 0) {
        hull.pop_back();
      }
      hull.push_back(p);
    }
    hull.pop_back();  // the last point starts the other chain
  }
  return hull;
}

// The part of a convex figure in a triangle's plane (a polygon, a segment or
// a point) that lies in the triangle.
std::vector<ExactPoint> clipToTriangle(std::vector<ExactPoint> figure, const ExactTriangle& t) {
  const Projection proj = projectionFor(normalOf(t));
  const int sense = sgn(orientation(proj, t[0], t[1], t[2]));
  for (int i = 0; i < 3 && !figure.empty(); ++i) {
    figure = clipByEdge(figure, proj, t[i], t[(i + 1) % 3], sense);
  }
  std::vector<ExactPoint> distinct;
  for (const ExactPoint& p : figure) addDistinct(distinct, p);
  return hullCorners(distinct, proj);
}

// The common part of two stretches of one line: nothing, a point, or its ends.
std::vector<ExactPoint> overlap(const Stretch& a, const Stretch& b) {
  const bool loFromA = a.lo >= b.lo;
  const bool hiFromA = a.hi <= b.hi;
  const mpq_class& lo = loFromA ? a.lo : b.lo;
  const mpq_class& hi = hiFromA ? a.hi : b.hi;
  if (lo > hi) return {};
  const ExactPoint& loPoint = loFromA ? a.loPoint : b.loPoint;
  if (lo == hi) return {loPoint};
  return {loPoint, hiFromA ? a.hiPoint : b.hiPoint};
}

// ---- Degenerate triangles -------------------------------------------------

// A triangle as the figure it really is: one corner (a point), two (the ends
// of a segment) or three (a proper triangle).
std::vector<ExactPoint> figureOf(const ExactTriangle& t) {
  if (!isZero(normalOf(t))) return {t[0], t[1], t[2]};
  std::vector<ExactPoint> ends = {t[0], t[0]};
  mpq_class farthest = 0;
  for (int i = 0; i < 3; ++i) {
    for (int j = i + 1; j < 3; ++j) {
      const Vec d = minus(t[j], t[i]);
      if (dot(d, d) > farthest) farthest = dot(d, d), ends = {t[i], t[j]};
    }
  }
  if (sgn(farthest) == 0) ends.pop_back();
  return ends;
}

// The part of a point or a segment in the plane through `at` across
// `normal`: all of it when it lies there (or the normal is zero), else the
// point where it crosses, or nothing.
std::vector<ExactPoint> cutByPlane(const std::vector<ExactPoint>& small, const Vec& normal,
                                   const ExactPoint& at) {
  if (small.empty()) return {};
  const mpq_class va = dot(normal, minus(small.front(), at));
  const mpq_class vb = dot(normal, minus(small.back(), at));
  if (sgn(va) == 0 && sgn(vb) == 0) return small;
  if (sgn(va) * sgn(vb) > 0) return {};
  return {between(small.front(), small.back(), va / (va - vb))};
}

// A point or a segment (`small`) against a figure at least as large.
std::vector<ExactPoint> degenerateIntersection(const std::vector<ExactPoint>& small,
                                               const std::vector<ExactPoint>& other) {
  if (other.size() == 3) {
    const ExactTriangle t = {other[0], other[1], other[2]};
    return clipToTriangle(cutByPlane(small, normalOf(t), t[0]), t);
  }
  const ExactPoint& c = other.front();
  if (other.size() == 1) return samePoint(small.front(), c) ? small : std::vector<ExactPoint>{};
  // Against the segment c-d: the part on its line (cut by two planes through
  // the line, when not parallel to it), then the overlap there.
  const Vec along = minus(other.back(), c);
  const Vec across = crossProduct(minus(small.back(), small.front()), along);
  const std::vector<ExactPoint> onLine =
      cutByPlane(cutByPlane(small, across, c), crossProduct(along, across), c);
  if (onLine.empty()) return {};
  for (const ExactPoint& p : onLine) {
    if (!isZero(crossProduct(along, minus(p, c)))) return {};
  }
  return overlap(stretchAlong(along, onLine), stretchAlong(along, other));
}

}  // namespace

bool isDegenerate(const ExactTriangle& triangle) {
  return isZero(normalOf(triangle));
}

std::vector<ExactPoint> exactIntersection(const ExactTriangle& first, const ExactTriangle& second) {
  const std::vector<ExactPoint> one = figureOf(first), two = figureOf(second);
  if (one.size() < 3 || two.size() < 3) {
    return one.size() <= two.size() ? degenerateIntersection(one, two)
                                    : degenerateIntersection(two, one);
  }
  const Vec n1 = normalOf(first);
  const Vec n2 = normalOf(second);
  // Signed distances (times |n|) of each triangle's corners from the other's plane.
  std::array<mpq_class, 3> ofSecond, ofFirst;
  for (int i = 0; i < 3; ++i) {
    ofSecond[i] = dot(n1, minus(second[i], first[0]));
    ofFirst[i] = dot(n2, minus(first[i], second[0]));
  }
  auto allOnOneSide = [](const std::array<mpq_class, 3>& v) {
    return (sgn(v[0]) > 0 && sgn(v[1]) > 0 && sgn(v[2]) > 0) ||
           (sgn(v[0]) < 0 && sgn(v[1]) < 0 && sgn(v[2]) < 0);
  };
  if (allOnOneSide(ofSecond) || allOnOneSide(ofFirst)) return {};
  if (sgn(ofSecond[0]) == 0 && sgn(ofSecond[1]) == 0 && sgn(ofSecond[2]) == 0) {
    return clipToTriangle({second.begin(), second.end()}, first);
  }
  // Different planes, not parallel (parallel ones were apart above): both
  // parts lie on the line where the planes meet; intersect them there.
  const Vec direction = crossProduct(n1, n2);
  return overlap(stretchAlong(direction, partInPlane(first, ofFirst)),
                 stretchAlong(direction, partInPlane(second, ofSecond)));
}

std::string toString(const ExactPoint& point) {
  return "(" + point.x.get_str() + ", " + point.y.get_str() + ", " + point.z.get_str() + ")";
}
