// Interval-overlap test. Two triangles in different planes can only meet on
// the line where the planes cross. Each triangle that crosses the other's
// plane covers one interval of that line; the triangles meet exactly when the
// two intervals overlap. Triangles in one plane are tested in 2D instead.
#include "overlap_test.h"

#include <cmath>
#include <utility>

namespace {

struct Vec {
  float c[3];
};

Vec vec(Point p) {
  return {{p.x, p.y, p.z}};
}
Vec minus(Vec a, Vec b) {
  return {{a.c[0] - b.c[0], a.c[1] - b.c[1], a.c[2] - b.c[2]}};
}
Vec cross(Vec a, Vec b) {
  return {{a.c[1] * b.c[2] - a.c[2] * b.c[1], a.c[2] * b.c[0] - a.c[0] * b.c[2],
           a.c[0] * b.c[1] - a.c[1] * b.c[0]}};
}
float dot(Vec a, Vec b) {
  return a.c[0] * b.c[0] + a.c[1] * b.c[1] + a.c[2] * b.c[2];
}

int largestComponent(Vec v) {
  const float x = std::fabs(v.c[0]), y = std::fabs(v.c[1]), z = std::fabs(v.c[2]);
  if (x >= y && x >= z) return 0;
  return y >= z ? 1 : 2;
}

// Signed distances (times the normal's length) of the corners t from the
// plane of the triangle p; tiny ones count as 0 so that touching is stable.
void planeDistances(const Vec (&p)[3], const Vec (&t)[3], Vec& normal, float (&d)[3]) {
  normal = cross(minus(p[1], p[0]), minus(p[2], p[0]));
  const float offset = -dot(normal, p[0]);
  for (int i = 0; i < 3; ++i) {
    d[i] = dot(normal, t[i]) + offset;
    if (std::fabs(d[i]) < kOverlapEpsilon) d[i] = 0.0f;
  }
}

// All three corners strictly on one side of the plane.
bool oneSide(const float (&d)[3]) {
  return d[0] * d[1] > 0.0f && d[0] * d[2] > 0.0f;
}

// The interval that a triangle covers on the line of the two planes,
// measured by the corners' projections p on that line and their plane
// distances d. The two edges leaving the corner that is alone on its side
// meet the plane at the interval's ends. False when the triangle lies in the
// plane (all distances 0).
bool lineInterval(const float (&p)[3], const float (&d)[3], float& lo, float& hi) {
  int lone;
  if (d[0] * d[1] > 0.0f) {
    lone = 2;
  } else if (d[0] * d[2] > 0.0f) {
    lone = 1;
  } else if (d[1] * d[2] > 0.0f || d[0] != 0.0f) {
    lone = 0;
  } else if (d[1] != 0.0f) {
    lone = 1;
  } else if (d[2] != 0.0f) {
    lone = 2;
  } else {
    return false;
  }
  const int i = (lone + 1) % 3, j = (lone + 2) % 3;
  lo = p[lone] + (p[i] - p[lone]) * d[lone] / (d[lone] - d[i]);
  hi = p[lone] + (p[j] - p[lone]) * d[lone] / (d[lone] - d[j]);
  if (hi < lo) std::swap(lo, hi);
  return true;
}

// ---- Triangles in one plane, projected to 2D --------------------------------

struct Flat {
  float u;
  float v;
};

// Twice the signed area of a, b, c: positive when they turn left.
float turn(Flat a, Flat b, Flat c) {
  return (b.u - a.u) * (c.v - a.v) - (b.v - a.v) * (c.u - a.u);
}

// p, known to lie on the line through a and b, lies between them.
bool within(Flat a, Flat b, Flat p) {
  return std::fmin(a.u, b.u) <= p.u && p.u <= std::fmax(a.u, b.u) && std::fmin(a.v, b.v) <= p.v &&
         p.v <= std::fmax(a.v, b.v);
}

bool segmentsMeet(Flat p1, Flat p2, Flat q1, Flat q2) {
  const float o1 = turn(p1, p2, q1), o2 = turn(p1, p2, q2);
  const float o3 = turn(q1, q2, p1), o4 = turn(q1, q2, p2);
  if (((o1 > 0 && o2 < 0) || (o1 < 0 && o2 > 0)) && ((o3 > 0 && o4 < 0) || (o3 < 0 && o4 > 0))) {
    return true;
  }
  return (o1 == 0 && within(p1, p2, q1)) || (o2 == 0 && within(p1, p2, q2)) ||
         (o3 == 0 && within(q1, q2, p1)) || (o4 == 0 && within(q1, q2, p2));
}

bool inside(Flat p, const Flat (&t)[3]) {
  const float s1 = turn(t[0], t[1], p), s2 = turn(t[1], t[2], p), s3 = turn(t[2], t[0], p);
  return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

// Projected along the normal's largest component, the plane keeps which
// segments cross and which points lie inside.
bool coplanarOverlap(Vec normal, const Vec (&a)[3], const Vec (&b)[3]) {
  const int dropped = largestComponent(normal);
  const int h = (dropped + 1) % 3, v = (dropped + 2) % 3;
  Flat fa[3], fb[3];
  for (int i = 0; i < 3; ++i) {
    fa[i] = {a[i].c[h], a[i].c[v]};
    fb[i] = {b[i].c[h], b[i].c[v]};
  }
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (segmentsMeet(fa[i], fa[(i + 1) % 3], fb[j], fb[(j + 1) % 3])) return true;
    }
  }
  // No edges cross: one triangle is inside the other, or they are apart.
  return inside(fa[0], fb) || inside(fb[0], fa);
}

}  // namespace

bool trianglesOverlap(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2) {
  const Vec first[3] = {vec(a1), vec(b1), vec(c1)};
  const Vec second[3] = {vec(a2), vec(b2), vec(c2)};
  // 1. Reject when the first triangle lies wholly on one side of the second's
  //    plane, then the other way round.
  Vec normal2, normal1;
  float d1[3], d2[3];
  planeDistances(second, first, normal2, d1);
  if (oneSide(d1)) return false;
  planeDistances(first, second, normal1, d2);
  if (oneSide(d2)) return false;
  // 2. Project onto the line of the two planes; any axis-parallel direction
  //    that the line is not perpendicular to orders its points the same way,
  //    and the largest component of the direction is the safest.
  const int axis = largestComponent(cross(normal1, normal2));
  const float p1[3] = {first[0].c[axis], first[1].c[axis], first[2].c[axis]};
  const float p2[3] = {second[0].c[axis], second[1].c[axis], second[2].c[axis]};
  float lo1, hi1, lo2, hi2;
  if (!lineInterval(p1, d1, lo1, hi1) || !lineInterval(p2, d2, lo2, hi2)) {
    return coplanarOverlap(normal1, first, second);
  }
  // 3. Overlap of the two intervals.
  return !(hi1 < lo2 || hi2 < lo1);
}
