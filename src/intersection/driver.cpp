// How two triangles in space meet.
#include <algorithm>
#include <cmath>
#include <cstring>

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

using kernel::component;
using kernel::detour;
using kernel::named;
using kernel::Vector;
using kernel::wide;

float coordinate(Point p, int axis) {
  return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}

// t limited to [0, 1]; -0 becomes +0. Written out rather than with fmin and
// fmax, whose sign for zeros the C library and the compiler may choose
// differently.
float clipToUnit(float t) {
  if (!(t > 0.0f)) return 0.0f;
  return t < 1.0f ? t : 1.0f;
}

// A cut point of triangle k computed in double: a corner as it is, or the
// crossing of edge i-j at k_i + v_i / (v_i - v_j) (k_j - k_i), where v are
// the corners' signed values against the other plane.
Wide cutPointInDouble(const Wide (&k)[3], const PlaneSides& sides, const int (&which)[2]) {
  const Wide& from = k[which[0]];
  if (which[0] == which[1]) return from;
  const double vi = sides.values[which[0]], vj = sides.values[which[1]];
  const double t = vi / (vi - vj);
  const Wide edge = k[which[1]] - from;
  return {from.x + t * edge.x, from.y + t * edge.y, from.z + t * edge.z};
}

// A point's x, y and z side by side, with a fourth lane that holds the bits
// of its colour and is never read. Written as loops over four lanes, the box
// test below compiles to a handful of vector instructions: it runs for every
// pair.
struct Lanes {
  float v[4];
};
static_assert(sizeof(Point) == sizeof(Lanes), "a point is x, y, z and a 32-bit colour");

Lanes lanesOf(const Point& p) {
  Lanes lanes;
  std::memcpy(lanes.v, &p, sizeof lanes.v);
  return lanes;
}

template <typename Operation>
Lanes eachLane(const Lanes& a, const Lanes& b, Operation operation) {
  Lanes result;
  for (int i = 0; i < 4; ++i) result.v[i] = operation(a.v[i], b.v[i]);
  return result;
}

Lanes lowest(const Lanes& a, const Lanes& b) {
  return eachLane(a, b, [](float u, float w) { return std::min(u, w); });
}

Lanes highest(const Lanes& a, const Lanes& b) {
  return eachLane(a, b, [](float u, float w) { return std::max(u, w); });
}

Lanes minus(const Lanes& a, const Lanes& b) {
  return eachLane(a, b, [](float u, float w) { return u - w; });
}

// The largest of x, y and z.
float largestOfThree(const Lanes& a) {
  return std::max(std::max(a.v[0], a.v[1]), a.v[2]);
}

// How the boxes of two triangles lie: the largest gap between them along an
// axis (negative when they overlap along every axis), and the largest
// coordinate in size, an end of one of the boxes.
struct Boxes {
  float gap;
  float largest;
};

// Kept out of line: inlined into its caller, the lanes would be compiled one
// number at a time again.
[[gnu::noinline]] Boxes boxesOf(const Point* const (&one)[3], const Point* const (&two)[3]) {
  const Lanes a1 = lanesOf(*one[0]), b1 = lanesOf(*one[1]), c1 = lanesOf(*one[2]);
  const Lanes a2 = lanesOf(*two[0]), b2 = lanesOf(*two[1]), c2 = lanesOf(*two[2]);
  const Lanes low1 = lowest(lowest(a1, b1), c1), high1 = highest(highest(a1, b1), c1);
  const Lanes low2 = lowest(lowest(a2, b2), c2), high2 = highest(highest(a2, b2), c2);
  const Lanes gap = highest(minus(low1, high2), minus(low2, high1));
  const Lanes farthest = highest(minus(Lanes{}, lowest(low1, low2)), highest(high1, high2));
  return {largestOfThree(gap), largestOfThree(farthest)};
}

// The corners of a pair, as given and in double.
struct Corners {
  const Point* first[3];
  const Point* second[3];
  Wide one[3];
  Wide two[3];
};

// True when p lies within the tolerance of the triangle with corners k, as
// every common point must. The tests along the line where the planes meet
// (the detour, lenient across it, and the gaps between cuts) do not see that
// where the planes meet at a shallow angle: a corner within the tolerance of
// the other plane can then lie far beside that line.
bool nearTriangle(const Wide (&k)[3], const Wide& p, double tolerance) {
  return pointInTriangle(readyTriangle(k), p, tolerance) != 0;
}

// What the cut segments U1-U2 and V1-V2 of two triangles in different planes
// have in common. Both lie on the line where the planes meet; they are
// compared as intervals along V1 + t (V2 - V1), in double from the corners
// (Ux, Vx), and gaps and stretches shorter than the tolerance count as a
// single point. Only then are the cut points computed by the float rule
// (U, V), and the ends from them, checked against the ends in double.
Intersection meetCuts(const Corners& c, const CutPlan& plan1, const CutPlan& plan2,
                      const Wide (&Ux)[2], const Wide (&Vx)[2], double tolerance) {
  // One answer object for every return, built in place in the caller's
  // result: copying it just after its corners are written costs more than
  // all the arithmetic here.
  Intersection common;  // nothing, until found otherwise
  const Wide D{Vx[1].x - Vx[0].x, Vx[1].y - Vx[0].y, Vx[1].z - Vx[0].z};
  const double squared = kernel::dot(D, D), length = std::sqrt(squared);
  // The cut points by the float rule, each computed only once it is needed,
  // from the other triangle's plane coefficients.
  Plane planes[2];
  bool planeMade[2] = {false, false};
  auto cutPoint = [&](int triangle, const int(&which)[2]) {
    const Point* const* own = triangle == 0 ? c.first : c.second;
    if (which[0] == which[1]) return *own[which[0]];
    if (!planeMade[triangle]) {
      const Point* const* other = triangle == 0 ? c.second : c.first;
      planes[triangle] = planeThroughPoints(*other[0], *other[1], *other[2]);
      planeMade[triangle] = true;
    }
    return linePlaneIntersection(planes[triangle], *own[which[0]], *own[which[1]]);
  };
  // 1. The second cut is a single point.
  if (!(length >= tolerance)) {
    if (detour(Vx[0], Ux[0], Ux[1]) < tolerance && nearTriangle(c.one, Vx[0], tolerance)) {
      const Point V1 = cutPoint(1, plan2.first);
      const Point point{V1.x, V1.y, V1.z, kDefaultColor};
      setPoint(common, PointStyle::Crossing, kernel::keepOrReplace(point, Vx[0]));
    }
    return common;
  }
  // 2. Positions of U1 and U2 along the second cut: lo from U[first], hi
  //    from U[1 - first].
  auto position = [&](const Wide& p) {
    return ((p.x - Vx[0].x) * D.x + (p.y - Vx[0].y) * D.y + (p.z - Vx[0].z) * D.z) / squared;
  };
  const double t[2] = {position(Ux[0]), position(Ux[1])};
  int first = t[1] < t[0] ? 1 : 0, last = 1 - first;
  double lo = t[first], hi = t[last];
  if (std::isnan(lo) || std::isnan(hi)) return common;
  // 3. Disjoint unless the gap is shorter than the tolerance.
  if ((lo - 1.0) * length >= tolerance || -hi * length >= tolerance) return common;
  // 4. Clip to the second cut.
  lo = std::min(std::max(lo, 0.0), 1.0);
  hi = std::min(std::max(hi, 0.0), 1.0);
  // 5. The ends must lie within the tolerance of the first triangle too (see
  //    nearTriangle); an end that does not gives way to the other end. Only
  //    a first cut that ends in a corner taken as in the plane can stray so:
  //    two edge crossings lie on the line where the planes meet, and the
  //    ends, within the tolerance of the stretch between them, lie within it
  //    of the first triangle. The test is left out there, for most pairs.
  const bool cornerCut = plan1.first[0] == plan1.first[1] || plan1.second[0] == plan1.second[1];
  if (cornerCut) {
    const ReadyTriangle triangle1 = readyTriangle(c.one);
    auto nearFirst = [&](double at) {
      const Wide p{Vx[0].x + at * D.x, Vx[0].y + at * D.y, Vx[0].z + at * D.z};
      return pointInTriangle(triangle1, p, tolerance) != 0;
    };
    const bool loNear = nearFirst(lo), hiNear = nearFirst(hi);
    if (!loNear && !hiNear) return common;
    if (!loNear) lo = hi, first = last;
    if (!hiNear) hi = lo, last = first;
  }
  // 6. By the float rule: U1 and U2 along V1 -> V2, measured by its largest
  //    coordinate (x before y before z on a tie), clipped to the second cut.
  const Point V[2] = {cutPoint(1, plan2.first), cutPoint(1, plan2.second)};
  const Vector d = kernel::difference(V[1], V[0]);
  int axis = 0;
  if (std::fabs(d.y) > std::fabs(component(d, axis))) axis = 1;
  if (std::fabs(d.z) > std::fabs(component(d, axis))) axis = 2;
  // An end within the tolerance of a cut point that is a typed corner is
  // that corner, and prints as typed.
  const int* const plans[4] = {plan1.first, plan1.second, plan2.first, plan2.second};
  const Wide* const cut[4] = {&Ux[0], &Ux[1], &Vx[0], &Vx[1]};
  auto end = [&](int from, double exact) {
    const Wide accurate{Vx[0].x + exact * D.x, Vx[0].y + exact * D.y, Vx[0].z + exact * D.z};
    for (int i = 0; i < 4; ++i) {
      const int* which = plans[i];
      const Wide gap = accurate - *cut[i];
      if (which[0] == which[1] && std::fabs(gap.x) < tolerance && std::fabs(gap.y) < tolerance &&
          std::fabs(gap.z) < tolerance) {
        const Point& corner = *(i < 2 ? c.first : c.second)[which[0]];
        return Point{corner.x, corner.y, corner.z, kDefaultColor};
      }
    }
    const Point U = cutPoint(0, from == 0 ? plan1.first : plan1.second);
    const float w = named(wide(coordinate(U, axis)) - wide(coordinate(V[0], axis)));
    const float at = clipToUnit(named(wide(w) / wide(component(d, axis))));
    return kernel::keepOrReplace(kernel::along(V[0], at, d), accurate);
  };
  // 7. A single point, or the common stretch in the direction V1 -> V2.
  if ((hi - lo) * length < tolerance) {
    setPoint(common, PointStyle::Crossing, end(first, lo));
    return common;
  }
  common.count = 2;
  common.segmentStyle = SegmentStyle::Transversal;
  common.corners[0] = end(first, lo);
  common.corners[1] = end(last, hi);
  return common;
}

// A computed point within the tolerance of one of the typed corners is that
// corner, and prints as typed rather than as a point computed next to it.
// Returns the corner's number (0 a, 1 b, 2 c), or -1.
int typedCornerAt(const Point& computed, const Point* const (&typed)[3], double tolerance) {
  for (int k = 0; k < 3; ++k) {
    if (nearlySame(computed, *typed[k], tolerance)) return k;
  }
  return -1;
}

// ---- Degenerate triangles ------------------------------------------------

// The point where the segment (three corners k on one line, kx in double, its
// ends segment.ends) passes through the plane of the proper triangle t (tx in
// double), when it crosses that plane there inside the triangle. A line that
// is not in a plane meets it once, so a corner in the plane is that point.
// once tells whether the segment crosses the plane (or touches it with one
// corner), rather than lying along it or wholly on one side.
bool passesThrough(const Shape& segment, const Point* const (&k)[3], const Wide (&kx)[3],
                   const Point* const (&t)[3], const Wide (&tx)[3], double tolerance,
                   Point& through, bool& once) {
  const PlaneSides sides = planeSides(kx, tx, tolerance);
  const int zeros = (sides.a == 0) + (sides.b == 0) + (sides.c == 0);
  once = !oneSided(sides) && zeros <= 1;
  if (oneSided(sides) || zeros == 3) return false;
  Wide where;
  if (zeros > 0) {
    const int corner = sides.a == 0 ? 0 : (sides.b == 0 ? 1 : 2);
    through = *k[corner];
    where = kx[corner];
  } else {
    const int* ends = segment.which;
    const Wide exact[5] = {kx[ends[0]], kx[ends[1]], tx[0], tx[1], tx[2]};
    through = planeCrossing(*k[ends[0]], *k[ends[1]], *t[0], *t[1], *t[2], exact, where);
    const int corner = typedCornerAt(through, t, tolerance);
    if (corner >= 0) {
      through = Point{t[corner]->x, t[corner]->y, t[corner]->z, through.color};
      where = tx[corner];
    }
  }
  return pointInTriangle(readyTriangle(tx), where, tolerance) != 0;
}

// True when both ends of segment two (corners in double tx) lie within the
// tolerance of the line through segment one (kx).
bool onOneLine(const Shape& one, const Wide (&kx)[3], const Shape& two, const Wide (&tx)[3],
               double tolerance) {
  const Wide from = kx[one.which[0]], along = kx[one.which[1]] - from;
  for (const int end : two.which) {
    const Wide n = kernel::wideCross(along, tx[end] - from);
    if (!(kernel::dot(n, n) < tolerance * tolerance * kernel::dot(along, along))) return false;
  }
  return true;
}

// When a triangle is a point or a segment, every common point is found as
// for two triangles in one plane (a point or a segment lies in the plane of
// whatever it meets), except where a segment crosses a triangle's plane: it
// meets the triangle there or nowhere. Of the points found, the answer is
// the one, or the two farthest apart, in the order found; but segments that
// do not lie on one line meet in one point at most, so there it is the
// first: a typed corner whenever one lies on the other segment, as corners
// are found before crossings (further points are that one again, computed
// less well).
Intersection degenerateAnswer(const Corners& c, const Shape& first, const Shape& second,
                              double tolerance) {
  Point through;
  bool once = false;
  const bool passes =
      (first.corners == 2 && second.corners == 3 &&
       passesThrough(first, c.first, c.one, c.second, c.two, tolerance, through, once)) ||
      (second.corners == 2 && first.corners == 3 &&
       passesThrough(second, c.second, c.two, c.first, c.one, tolerance, through, once));
  if (once) return passes ? pointAnswer(PointStyle::OnCut, through) : Intersection{};
  Intersection common = findCoplanarIntersection(c.first, c.second, c.one, c.two);
  if (first.corners == 2 && second.corners == 2 && common.count > 1 &&
      !onOneLine(first, c.one, second, c.two, tolerance)) {
    common.count = 1;
    return common;
  }
  if (passes) {
    bool repeat = false;
    for (int i = 0; i < common.count; ++i) {
      repeat =
          repeat || nearlySame(common.corners[static_cast<std::size_t>(i)], through, tolerance);
    }
    if (!repeat && common.count < kMaxCorners)
      common.corners[static_cast<std::size_t>(common.count++)] = through;
  }
  if (common.count <= 2) return common;
  std::size_t from = 0, to = 1;
  double longest = -1.0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(common.count); ++i) {
    for (std::size_t j = i + 1; j < static_cast<std::size_t>(common.count); ++j) {
      const Wide d = toWide(common.corners[j]) - toWide(common.corners[i]);
      const double length = kernel::dot(d, d);
      if (length > longest) longest = length, from = i, to = j;
    }
  }
  common.corners = {common.corners[from], common.corners[to]};
  common.count = 2;
  return common;
}

// Two proper triangles, each against the other's plane.
Intersection properAnswer(const Corners& c, const PlaneSides& sides1, const PlaneSides& sides2,
                          double tolerance) {
  // 3. What each cut is: a corner, an edge in the plane, or crossings.
  const CutPlan plan1 = cutPlan(sides1), plan2 = cutPlan(sides2);
  // 4. One triangle lies in the other's plane; the two findings need not agree.
  if (plan1.result == 1 || plan2.result == 1) {
    return findCoplanarIntersection(c.first, c.second, c.one, c.two);
  }
  // 5. Different planes: U1(-U2) and V1(-V2) lie on the line where they meet.
  //    A cut that is one corner is that corner.
  const Point& U1 = *c.first[plan1.first[0]];
  const Point& V1 = *c.second[plan2.first[0]];
  if (plan1.result == 2 && plan2.result == 2) {
    if (nearlySame(c.one[plan1.first[0]], c.two[plan2.first[0]], tolerance)) {
      return pointAnswer(PointStyle::Touching, U1);
    }
    return Intersection{};
  }
  // The cut points in double, for the decisions.
  const Wide Ux[2] = {cutPointInDouble(c.one, sides1, plan1.first),
                      cutPointInDouble(c.one, sides1, plan1.second)};
  const Wide Vx[2] = {cutPointInDouble(c.two, sides2, plan2.first),
                      cutPointInDouble(c.two, sides2, plan2.second)};
  if (plan1.result == 2) {
    if (detour(Ux[0], Vx[0], Vx[1]) < tolerance && nearTriangle(c.two, Ux[0], tolerance)) {
      return pointAnswer(PointStyle::OnCut, U1);
    }
    return Intersection{};
  }
  if (plan2.result == 2) {
    if (detour(Vx[0], Ux[0], Ux[1]) < tolerance && nearTriangle(c.one, Vx[0], tolerance)) {
      return pointAnswer(PointStyle::OnCut, V1);
    }
    return Intersection{};
  }
  return meetCuts(c, plan1, plan2, Ux, Vx, tolerance);
}

// Two proper triangles: each against the other's plane, then the answer.
Intersection properPair(const Corners& c, double tolerance) {
  const PlaneSides sides1 = planeSides(c.one, c.two, tolerance);
  if (oneSided(sides1)) return Intersection{};
  const PlaneSides sides2 = planeSides(c.two, c.one, tolerance);
  if (oneSided(sides2)) return Intersection{};
  return properAnswer(c, sides1, sides2, tolerance);
}

// The answer when either triangle may be a point or a segment; two proper
// (if thin) triangles go the usual way.
Intersection shapesAnswer(const Corners& c, double tolerance) {
  const Shape first = shapeOf(c.first, c.one, tolerance);
  const Shape second = shapeOf(c.second, c.two, tolerance);
  if (first.corners == 3 && second.corners == 3) return properPair(c, tolerance);
  return degenerateAnswer(c, first, second, tolerance);
}

// How the triangles a1, b1, c1 and a2, b2, c2 meet, deciding from typed (the
// six corners in double) when it is given, else from the floats.
Intersection answerFor(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                       const Point& b2, const Point& c2, const TypedCorners* typed) {
  // 1. Triangles whose boxes lie apart by more than the tolerance (three
  //    times it, to be safe) do not meet: every test below finds only points
  //    within the tolerance of both. Most pairs that miss each other end here.
  const Point* const first[3] = {&a1, &b1, &c1};
  const Point* const second[3] = {&a2, &b2, &c2};
  const Boxes boxes = boxesOf(first, second);
  const double tolerance = toleranceForSize(wide(boxes.largest));
  if (boxes.gap > named(3.0 * tolerance)) return Intersection{};
  // 2. Each triangle against the other's plane. If either lies wholly on
  //    one side of the other's plane they do not meet, and no crossing point
  //    need be computed. A triangle whose corners may be on one line has no
  //    plane to speak of, nor sides of it: first see what the triangles
  //    really are.
  Corners c{{&a1, &b1, &c1},
            {&a2, &b2, &c2},
            {toWide(a1), toWide(b1), toWide(c1)},
            {toWide(a2), toWide(b2), toWide(c2)}};
  if (typed != nullptr) {
    for (int k = 0; k < 3; ++k) c.one[k] = (*typed)[k], c.two[k] = (*typed)[3 + k];
  }
  const PlaneSides sides1 = planeSides(c.one, c.two, tolerance);
  if (sides1.mayBeFlat) return shapesAnswer(c, tolerance);
  if (oneSided(sides1)) return Intersection{};
  const PlaneSides sides2 = planeSides(c.two, c.one, tolerance);
  if (sides2.mayBeFlat) return shapesAnswer(c, tolerance);
  if (oneSided(sides2)) return Intersection{};
  return properAnswer(c, sides1, sides2, tolerance);
}

void fillSlots(const Intersection& answer, Point& M, Point& N, Point& P, Point& Q, Point& R,
               Point& S) {
  Point* slots[kMaxCorners] = {&M, &N, &P, &Q, &R, &S};
  for (int i = 0; i < answer.count; ++i) *slots[i] = answer.corners[static_cast<std::size_t>(i)];
}

}  // namespace

Intersection findIntersection(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                              const Point& b2, const Point& c2) {
  return answerFor(a1, b1, c1, a2, b2, c2, nullptr);
}

Intersection findIntersection(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                              const Point& b2, const Point& c2, const TypedCorners& typed) {
  return answerFor(a1, b1, c1, a2, b2, c2, &typed);
}

int intersectTriangles(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2, Point& M,
                       Point& N, Point& P, Point& Q, Point& R, Point& S) {
  return intersectTriangles(a1, b1, c1, a2, b2, c2, M, N, P, Q, R, S,
                            typedOf(a1, b1, c1, a2, b2, c2));
}

int intersectTriangles(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2, Point& M,
                       Point& N, Point& P, Point& Q, Point& R, Point& S,
                       const TypedCorners& typed) {
  const Intersection answer = findIntersection(a1, b1, c1, a2, b2, c2, typed);
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
