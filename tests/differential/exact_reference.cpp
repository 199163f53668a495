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

std::vector<ExactPoint> coplanarIntersection(const ExactTriangle& first,
                                             const ExactTriangle& second, const Vec& normal) {
  const Projection proj = projectionFor(normal);
  const int sense = sgn(orientation(proj, first[0], first[1], first[2]));
  std::vector<ExactPoint> polygon(second.begin(), second.end());
  for (int i = 0; i < 3 && !polygon.empty(); ++i) {
    polygon = clipByEdge(polygon, proj, first[i], first[(i + 1) % 3], sense);
  }
  std::vector<ExactPoint> distinct;
  for (const ExactPoint& p : polygon) addDistinct(distinct, p);
  return hullCorners(distinct, proj);
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

// The part [lo, hi] of a + s (b - a), s in [0, 1], where value(s) >= 0 for a
// value that changes linearly from va at a to vb at b. Empty when lo > hi.
void keepNonNegative(const mpq_class& va, const mpq_class& vb, mpq_class& lo, mpq_class& hi) {
  if (va == vb) {
    if (sgn(va) < 0) lo = 1, hi = 0;
    return;
  }
  const mpq_class zero = va / (va - vb);  // where the value passes 0
  if (vb > va) {
    if (zero > lo) lo = zero;
  } else if (zero < hi) {
    hi = zero;
  }
}

// True when p lies in the figure (a point, a segment or a proper triangle).
bool pointMeets(const ExactPoint& p, const std::vector<ExactPoint>& figure) {
  if (figure.size() == 1) return samePoint(p, figure[0]);
  if (figure.size() == 2) {
    const Vec cd = minus(figure[1], figure[0]), cp = minus(p, figure[0]);
    return isZero(crossProduct(cd, cp)) && sgn(dot(cd, cp)) >= 0 && dot(cd, cp) <= dot(cd, cd);
  }
  const Vec n = normalOf({figure[0], figure[1], figure[2]});
  if (sgn(dot(n, minus(p, figure[0]))) != 0) return false;
  for (std::size_t i = 0; i < 3; ++i) {
    const Vec inward = crossProduct(n, minus(figure[(i + 1) % 3], figure[i]));
    if (sgn(dot(inward, minus(p, figure[i]))) < 0) return false;
  }
  return true;
}

// What the segment a-b has in common with the figure (a segment or a proper
// triangle): the ends of the common part, one point, or nothing.
std::vector<ExactPoint> segmentMeets(const ExactPoint& a, const ExactPoint& b,
                                     const std::vector<ExactPoint>& figure) {
  const Vec ab = minus(b, a);
  mpq_class lo = 0, hi = 1;
  if (figure.size() == 2) {
    const Vec cd = minus(figure[1], figure[0]);
    const Vec normal = crossProduct(ab, cd);
    if (isZero(normal)) {
      // Parallel: on one line, or apart.
      if (!isZero(crossProduct(ab, minus(figure[0], a)))) return {};
      keepNonNegative(dot(cd, minus(a, figure[0])), dot(cd, minus(b, figure[0])), lo, hi);
      keepNonNegative(dot(cd, minus(figure[1], a)), dot(cd, minus(figure[1], b)), lo, hi);
    } else {
      // Crossing lines in one plane: a + s ab = c + t cd.
      if (sgn(dot(normal, minus(figure[0], a))) != 0) return {};
      const Vec ac = minus(figure[0], a);
      const mpq_class s = dot(crossProduct(ac, cd), normal) / dot(normal, normal);
      const mpq_class t = dot(crossProduct(ac, ab), normal) / dot(normal, normal);
      if (s < 0 || s > 1 || t < 0 || t > 1) return {};
      lo = hi = s;
    }
  } else {
    const Vec n = normalOf({figure[0], figure[1], figure[2]});
    const mpq_class va = dot(n, minus(a, figure[0])), vb = dot(n, minus(b, figure[0]));
    if (sgn(va) * sgn(vb) > 0) return {};
    if (sgn(va) != 0 || sgn(vb) != 0) lo = hi = va / (va - vb);  // where it meets the plane
    // Inside each edge's half-plane, measured in the triangle's own plane.
    for (int i = 0; i < 3; ++i) {
      const ExactPoint& p = figure[static_cast<std::size_t>(i)];
      const Vec inward = crossProduct(n, minus(figure[static_cast<std::size_t>((i + 1) % 3)], p));
      keepNonNegative(dot(inward, minus(a, p)), dot(inward, minus(b, p)), lo, hi);
    }
  }
  if (lo > hi) return {};
  if (lo == hi) return {between(a, b, lo)};
  return {between(a, b, lo), between(a, b, hi)};
}

// A point or a segment against any figure.
std::vector<ExactPoint> degenerateIntersection(const std::vector<ExactPoint>& small,
                                               const std::vector<ExactPoint>& other) {
  if (small.size() == 2) return segmentMeets(small[0], small[1], other);
  if (pointMeets(small[0], other)) return small;
  return {};
}

// ---- The order of the report ---------------------------------------------

std::vector<ExactPoint> segmentFigure(const ExactPoint& a, const ExactPoint& b) {
  if (samePoint(a, b)) return {a};
  return {a, b};
}

// Where the segments p1-p2 and p3-p4 meet: a point, or the ends of a common
// stretch in the direction p3 -> p4.
std::vector<ExactPoint> edgesMeet(const ExactPoint& p1, const ExactPoint& p2, const ExactPoint& p3,
                                  const ExactPoint& p4) {
  if (samePoint(p3, p4) || samePoint(p1, p2)) {
    const ExactPoint& point = samePoint(p3, p4) ? p3 : p1;
    const bool meets = samePoint(p3, p4) ? pointMeets(p3, segmentFigure(p1, p2))
                                         : pointMeets(p1, segmentFigure(p3, p4));
    if (meets) return {point};
    return {};
  }
  return segmentMeets(p3, p4, {p1, p2});
}

// The points in the order the report finds them in one plane: corners of
// each triangle in the other, then where edges meet; each point once.
std::vector<ExactPoint> gathered(const ExactTriangle& first, const ExactTriangle& second) {
  const std::vector<ExactPoint> one = figureOf(first), two = figureOf(second);
  std::vector<ExactPoint> points;
  for (const ExactPoint& c : first) {
    if (pointMeets(c, two)) addDistinct(points, c);
  }
  for (const ExactPoint& c : second) {
    if (pointMeets(c, one)) addDistinct(points, c);
  }
  static constexpr std::size_t kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  for (const auto& e : kEdges) {
    for (const auto& f : kEdges) {
      for (const ExactPoint& p : edgesMeet(first[e[0]], first[e[1]], second[f[0]], second[f[1]])) {
        addDistinct(points, p);
      }
    }
  }
  return points;
}

// A triangle's cut by a plane it crosses or touches, as the sign table gives
// it: the touching corner, or two points in the table's order. v holds the
// corners' (scaled) signed distances from the plane.
std::vector<ExactPoint> cutOf(const ExactTriangle& t, const std::array<mpq_class, 3>& v) {
  auto crossing = [&](std::size_t i, std::size_t j) {
    return between(t[i], t[j], v[i] / (v[i] - v[j]));
  };
  std::vector<std::size_t> zero, other;
  for (std::size_t i = 0; i < 3; ++i) (sgn(v[i]) == 0 ? zero : other).push_back(i);
  if (zero.size() == 2) return {t[zero[0]], t[zero[1]]};
  if (zero.size() == 1) {
    if (sgn(v[other[0]]) == sgn(v[other[1]])) return {t[zero[0]]};
    return {t[zero[0]], crossing(other[0], other[1])};
  }
  const std::size_t odd = sgn(v[1]) == sgn(v[2]) ? 0 : (sgn(v[0]) == sgn(v[2]) ? 1 : 2);
  if (odd == 0) return {crossing(0, 1), crossing(0, 2)};
  if (odd == 1) return {crossing(0, 1), crossing(1, 2)};
  return {crossing(0, 2), crossing(1, 2)};
}

// The corners found in one plane, as the report gives them.
ExactReport inOnePlane(std::vector<ExactPoint> points, bool degenerate) {
  if (degenerate && points.size() > 2) {
    // The two farthest apart, in the order found.
    std::size_t from = 0, to = 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
      for (std::size_t j = i + 1; j < points.size(); ++j) {
        const Vec d = minus(points[j], points[i]), best = minus(points[to], points[from]);
        if (dot(d, d) > dot(best, best)) from = i, to = j;
      }
    }
    points = {points[from], points[to]};
  }
  static constexpr Message kByCount[] = {Message::None, Message::OnCut, Message::Coplanar};
  return {points.size() < 3 ? kByCount[points.size()] : Message::Polygon, points};
}

}  // namespace

ExactReport exactReport(const ExactTriangle& first, const ExactTriangle& second) {
  const std::vector<ExactPoint> one = figureOf(first), two = figureOf(second);
  if (one.size() < 3 || two.size() < 3) {
    std::vector<ExactPoint> points = gathered(first, second);
    if (one.size() == 2 && two.size() == 3) {
      const auto through = segmentMeets(one[0], one[1], two);
      if (through.size() == 1) addDistinct(points, through[0]);
    }
    if (two.size() == 2 && one.size() == 3) {
      const auto through = segmentMeets(two[0], two[1], one);
      if (through.size() == 1) addDistinct(points, through[0]);
    }
    return inOnePlane(points, true);
  }
  const Vec n1 = normalOf(first), n2 = normalOf(second);
  std::array<mpq_class, 3> ofSecond, ofFirst;
  for (std::size_t i = 0; i < 3; ++i) {
    ofSecond[i] = dot(n1, minus(second[i], first[0]));
    ofFirst[i] = dot(n2, minus(first[i], second[0]));
  }
  auto sides = [](const std::array<mpq_class, 3>& v) {
    return std::array<int, 3>{sgn(v[0]), sgn(v[1]), sgn(v[2])};
  };
  const auto s1 = sides(ofFirst), s2 = sides(ofSecond);
  auto oneSided = [](const std::array<int, 3>& s) {
    return s[0] != 0 && s[0] == s[1] && s[1] == s[2];
  };
  if (oneSided(s1) || oneSided(s2)) return {};
  if (s1 == std::array<int, 3>{0, 0, 0} || s2 == std::array<int, 3>{0, 0, 0}) {
    return inOnePlane(gathered(first, second), false);
  }
  const std::vector<ExactPoint> U = cutOf(first, ofFirst), V = cutOf(second, ofSecond);
  if (U.size() == 1 && V.size() == 1) {
    if (samePoint(U[0], V[0])) return {Message::Touching, U};
    return {};
  }
  if (U.size() == 1 || V.size() == 1) {
    const ExactPoint& touching = U.size() == 1 ? U[0] : V[0];
    if (pointMeets(touching, U.size() == 1 ? V : U)) return {Message::OnCut, {touching}};
    return {};
  }
  // Both cut along a segment: their common part, along V[0] -> V[1].
  const Vec d = minus(V[1], V[0]);
  auto along = [&](const ExactPoint& p) -> mpq_class { return dot(d, minus(p, V[0])) / dot(d, d); };
  mpq_class lo = along(U[0]), hi = along(U[1]);
  if (lo > hi) std::swap(lo, hi);
  if (lo < 0) lo = 0;
  if (hi > 1) hi = 1;
  if (lo > hi) return {};
  if (lo == hi) return {Message::Crossing, {between(V[0], V[1], lo)}};
  return {Message::Transversal, {between(V[0], V[1], lo), between(V[0], V[1], hi)}};
}

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
    return coplanarIntersection(first, second, n1);
  }
  // Different planes, not parallel (parallel ones were apart above): both
  // parts lie on the line where the planes meet; intersect them there.
  const Vec direction = crossProduct(n1, n2);
  const Stretch a = stretchAlong(direction, partInPlane(first, ofFirst));
  const Stretch b = stretchAlong(direction, partInPlane(second, ofSecond));
  const bool loFromA = a.lo >= b.lo;
  const bool hiFromA = a.hi <= b.hi;
  const mpq_class& lo = loFromA ? a.lo : b.lo;
  const mpq_class& hi = hiFromA ? a.hi : b.hi;
  if (lo > hi) return {};
  const ExactPoint& loPoint = loFromA ? a.loPoint : b.loPoint;
  if (lo == hi) return {loPoint};
  return {loPoint, hiFromA ? a.hiPoint : b.hiPoint};
}

std::string toString(const ExactPoint& point) {
  return "(" + point.x.get_str() + ", " + point.y.get_str() + ", " + point.z.get_str() + ")";
}
