// Points, planes and measures: results to the last bit where the arithmetic
// rule (double evaluation, float quantities, fixed bracketing) decides it.
#include <cmath>
#include <limits>

#include "../support.h"

namespace {

// Pairs where plain float arithmetic would give another last bit.
struct AreaCase {
  Point a, b, c;
  std::uint32_t bits;
};

TEST(TriangleArea, MatchesTheDoubleRuleToTheLastBit) {
  const AreaCase cases[] = {
      {pt(2.5f, 4.8f, 5.9f), pt(8.8f, 4.8f, 8.4f), pt(-9.4f, -0.7f, 8.9f), 0x41f52951},
      {pt(5.8f, -2.7f, 1.6f), pt(-9.8f, -9.1f, -6.4f), pt(9.1f, -6.1f, 5.1f), 0x423b2330},
      {pt(-9.0f, 9.7f, 0.7f), pt(-1.9f, -5.3f, 1.9f), pt(6.5f, -0.9f, -1.6f), 0x42a7da14},
      {pt(-0.3f, 5.4f, 3.8f), pt(-4.1f, 8.9f, 3.0f), pt(1.6f, -9.8f, 0.9f), 0x41e4a36f},
  };
  for (const AreaCase& c : cases) {
    EXPECT_EQ(bitsOf(triangleArea(c.a, c.b, c.c)), c.bits);
  }
}

TEST(TriangleArea, DegenerateTrianglesHaveNoArea) {
  EXPECT_EQ(triangleArea(pt(0, 0, 0), pt(1, 1, 1), pt(3, 3, 3)), 0.0f);
  EXPECT_EQ(triangleArea(pt(1, 2, 3), pt(1, 2, 3), pt(4, 0, 1)), 0.0f);
  EXPECT_EQ(triangleArea(pt(0, 0, 0), pt(4, 0, 0), pt(0, 3, 0)), 6.0f);
}

TEST(PointInTriangle, CornersEdgesAndOutside) {
  const Point a = pt(0, 0, 0), b = pt(4, 0, 0), c = pt(0, 4, 0);
  for (const Point& p : {a, b, c, pt(2, 0, 0), pt(2, 2, 0), pt(0, 2, 0), pt(1, 1, 0)}) {
    EXPECT_EQ(pointInTriangle(a, b, c, p), 1) << p.x << " " << p.y;
  }
  EXPECT_EQ(pointInTriangle(a, b, c, pt(3, 3, 0)), 0);
  EXPECT_EQ(pointInTriangle(a, b, c, pt(-1, 1, 0)), 0);
  // The test works in space: a point above the triangle fails.
  EXPECT_EQ(pointInTriangle(a, b, c, pt(1, 1, 0.5f)), 0);
}

TEST(PointInTriangle, CollinearCornersAreTheSegmentBetweenTheFarthest) {
  const Point a = pt(0, 0, 0), b = pt(1, 0, 0), c = pt(2, 0, 0);
  EXPECT_EQ(pointInTriangle(a, b, c, pt(1.5f, 0, 0)), 1);
  EXPECT_EQ(pointInTriangle(a, b, c, pt(2.000005f, 0, 0)), 1);
  EXPECT_EQ(pointInTriangle(a, b, c, pt(5, 0, 0)), 0);
  EXPECT_EQ(pointInTriangle(a, b, c, pt(1, 0.001f, 0)), 0);
}

// A figure whose largest coordinate is 15625 / 1024 has the tolerance 2^-16,
// one reaching 15625 / 16 has 2^-10, and one reaching 78125 / 64 has
// 5 * 2^-12 (a millionth of the size, beyond 10): exact, so that a distance
// of exactly the tolerance can be written.
constexpr float kSmall = 15625.0f / 1024;  // 15.2587890625
constexpr float kLarge = 15625.0f / 16;    // 976.5625
constexpr float kT16 = 0x1p-16f, kT10 = 0x1p-10f;

// The same corner when closer than the tolerance in each of x, y and z.
TEST(NearlySame, BelowTheToleranceInEachCoordinate) {
  const Point a = pt(-500, 500, 1);
  const struct {
    Point b;
    bool same;
  } rows[] = {
      {pt(-500.0009f, 500.0009f, 1.0009f), true},
      {pt(-500 - kT10, 500, 1), false},
      {pt(-500, 500 + kT10, 1), false},
      {pt(-500, 500, 1 - kT10), false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(nearlySame(a, row.b, 0x1p-10), row.same)
        << row.b.x << " " << row.b.y << " " << row.b.z;
    EXPECT_EQ(nearlySame(row.b, a, 0x1p-10), row.same);
  }
}

// Inside when closer to the triangle than the tolerance, on both sides of it:
// above and below the plane, outside an edge, beyond a corner, at small and
// large and negative coordinates.
TEST(PointInTriangle, CloserThanTheTolerance) {
  const float big = 78125.0f / 64, t = 0x1p-12f;  // tolerance 5 t
  const struct {
    const char* what;
    Point a, b, c, p;
    int inside;
  } rows[] = {
      {"just above", pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0), pt(0.25f, 0.25f, 0.000009f), 1},
      {"above by more", pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0), pt(0.25f, 0.25f, 0.000011f), 0},
      {"above by the tolerance", pt(0, 0, 0), pt(kLarge, 0, 0), pt(0, kLarge, 0),
       pt(100, 100, kT10), 0},
      {"just below", pt(0, 0, 0), pt(kLarge, 0, 0), pt(0, kLarge, 0), pt(100, 100, -0.0009f), 1},
      {"just outside an edge", pt(0, 0, 0), pt(kLarge, 0, 0), pt(0, kLarge, 0),
       pt(100, -0.0009f, 0), 1},
      {"just outside another edge", pt(0, 0, 0), pt(kLarge, 0, 0), pt(0, kLarge, 0),
       pt(-0.0009f, 100, 0), 1},
      {"outside an edge by the tolerance", pt(0, 0, 0), pt(kLarge, 0, 0), pt(0, kLarge, 0),
       pt(100, -kT10, 0), 0},
      {"negative, just above", pt(0, 0, 0), pt(-kLarge, 0, 0), pt(0, -kLarge, 0),
       pt(-100, -100, 0.0009f), 1},
      {"beyond a corner, within", pt(0, 0, 0), pt(big, 0, 0), pt(0, big, 0), pt(-3 * t, -3 * t, 0),
       1},
      {"beyond a corner by the tolerance (3-4-5)", pt(0, 0, 0), pt(big, 0, 0), pt(0, big, 0),
       pt(-3 * t, -4 * t, 0), 0},
      // Exactly the tolerance high over its longest edge: not lower than it,
      // so a triangle, and a point above its inside is inside.
      {"over a triangle the tolerance high", pt(0, 0, 0), pt(kLarge, 0, 0), pt(kLarge / 2, kT10, 0),
       pt(kLarge / 2, kT10 / 2, 0.0009f), 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(pointInTriangle(row.a, row.b, row.c, row.p), row.inside) << row.what;
  }
}

// What three corners are, within the tolerance 2^-16: a point when all lie
// closer together than it, a segment (between the two farthest apart) when
// the third lies closer than it to their line, else a triangle.
TEST(ShapeOf, PointSegmentOrTriangle) {
  const float t = kT16;
  const struct {
    Point a, b, c;
    int corners;
    int from, to;  // the ends of a segment
  } rows[] = {
      {pt(0, 0, 0), pt(0.5f * t, 0, 0), pt(0, 0.5f * t, 0), 1, 0, 0},
      {pt(0, 0, 0), pt(t, 0, 0), pt(0, 0, 0), 2, 0, 1},  // the tolerance apart: not one point
      {pt(0, 0, 0), pt(4, 0, 0), pt(2, 0.9375f * t, 0), 2, 0, 1},
      {pt(0, 0, 0), pt(4, 0, 0), pt(2, t, 0), 3, 0, 0},  // the tolerance off the line
      {pt(0, 0, 0), pt(1, 0, 0), pt(2, 0, 0), 2, 0, 2},
      {pt(1, 0, 0), pt(0, 0, 0), pt(2, 0, 0), 2, 1, 2},
      {pt(-kLarge, 5, -kLarge), pt(-kLarge, 5, -kLarge), pt(-kLarge, 5, -kLarge + 0.9375f * t), 1,
       0, 0},
  };
  for (const auto& row : rows) {
    const Shape shape = shapeOf(row.a, row.b, row.c, 0x1p-16);
    ASSERT_EQ(shape.corners, row.corners) << row.a.x << " " << row.b.x << " " << row.c.y;
    if (shape.corners != 2) continue;
    EXPECT_EQ(shape.which[0], row.from);
    EXPECT_EQ(shape.which[1], row.to);
  }
}

struct PlaneCase {
  Point p1, p2, p3;
  std::uint32_t A, B, C, D;
};

TEST(PlaneThroughPoints, MatchesTheDoubleRuleToTheLastBit) {
  const PlaneCase cases[] = {
      {pt(-5.0f, 3.4f, -0.7f), pt(6.3f, 2.9f, 6.0f), pt(-3.0f, 2.9f, 4.8f), 0x3f199998, 0xc2430001,
       0xc094cccd, 0x43257eb9},
      {pt(6.6f, -3.0f, 6.9f), pt(7.4f, 3.8f, 9.5f), pt(9.1f, 0.4f, 0.6f), 0xc24eb852, 0x4138a3d9,
       0xc1647ae4, 0x43ed1eb9},
      {pt(-6.7f, 6.7f, 8.7f), pt(-0.5f, 3.8f, 4.4f), pt(4.6f, -6.6f, 5.6f), 0xc240cccc, 0xc1eaf5c1,
       0xc246c28f, 0x4399122d},
      {pt(-1.2f, 3.0f, -5.6f), pt(3.7f, 2.6f, -9.2f), pt(-0.6f, -5.5f, -8.9f), 0xc1ea3d70,
       0x416028f5, 0xc225a3d7, 0xc39a87f0},
  };
  for (const PlaneCase& c : cases) {
    const Plane plane = planeThroughPoints(c.p1, c.p2, c.p3);
    EXPECT_EQ(bitsOf(plane.A), c.A);
    EXPECT_EQ(bitsOf(plane.B), c.B);
    EXPECT_EQ(bitsOf(plane.C), c.C);
    EXPECT_EQ(bitsOf(plane.D), c.D);
  }
}

TEST(PlaneThroughPoints, CoefficientsAndPoint) {
  const Plane xy = planeThroughPoints(pt(0, 0, 0, 4), pt(1, 0, 0), pt(0, 1, 0));
  EXPECT_EQ(xy.A, 0.0f);
  EXPECT_EQ(xy.B, 0.0f);
  EXPECT_EQ(xy.C, 1.0f);
  EXPECT_EQ(xy.D, 0.0f);
  EXPECT_EQ(xy.point.color, 4);  // the first point, copied whole

  const Plane line = planeThroughPoints(pt(0, 0, 0), pt(1, 2, 3), pt(2, 4, 6));
  EXPECT_EQ(line.A, 0.0f);
  EXPECT_EQ(line.B, 0.0f);
  EXPECT_EQ(line.C, 0.0f);
  EXPECT_EQ(line.D, 0.0f);
}

TEST(LinePlaneIntersection, MeetingPointToTheLastBit) {
  const Plane plane = planeThroughPoints(pt(1, 1, -1), pt(1, 1, 1), pt(3, 0.5f, 1));
  const Point x = linePlaneIntersection(plane, pt(4, 0, 0, 3), pt(0, 4, 0));
  EXPECT_EQ(bitsOf(x.x), 0x406aaaabu);  // 3.6666667
  EXPECT_EQ(bitsOf(x.y), 0x3eaaaaabu);  // 0.33333334
  EXPECT_EQ(x.z, 0.0f);
  EXPECT_EQ(x.color, 9);

  const Plane tilted =
      planeThroughPoints(pt(-5.0f, 3.4f, -0.7f), pt(6.3f, 2.9f, 6.0f), pt(-3.0f, 2.9f, 4.8f));
  const Point y = linePlaneIntersection(tilted, pt(0.3f, 1.7f, -2.2f), pt(-1.1f, 9.9f, 3.3f));
  EXPECT_EQ(bitsOf(y.x), 0xbbb7f5b7u);
  EXPECT_EQ(bitsOf(y.y), 0x405f5c91u);
  EXPECT_EQ(bitsOf(y.z), 0xbf7fd6f2u);
}

TEST(LinePlaneIntersection, EndsOnThePlaneAndParallelLines) {
  const Plane xy = planeThroughPoints(pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0));
  // p on the plane: p's coordinates, but colour 9.
  const Point onP = linePlaneIntersection(xy, pt(2, 3, 0, 5), pt(1, 1, 4));
  EXPECT_AT(onP, 2, 3, 0);
  EXPECT_EQ(onP.color, 9);
  EXPECT_AT(linePlaneIntersection(xy, pt(1, 1, 4), pt(2, 3, 0)), 2, 3, 0);
  // Parallel to the plane (no meeting point): p's coordinates, never NaN.
  const Point parallel = linePlaneIntersection(xy, pt(1, 2, 3, 6), pt(4, 5, 3));
  EXPECT_AT(parallel, 1, 2, 3);
  EXPECT_EQ(parallel.color, 9);
}

TEST(PointOnSegment, EndsInsideAndBeyond) {
  const Point a = pt(0, 0, 0), b = pt(4, 2, 0);
  EXPECT_EQ(pointOnSegment(a, a, b), 1);
  EXPECT_EQ(pointOnSegment(b, a, b), 1);
  EXPECT_EQ(pointOnSegment(pt(2, 1, 0), a, b), 1);
  EXPECT_EQ(pointOnSegment(pt(6, 3, 0), a, b), 0);
  EXPECT_EQ(pointOnSegment(pt(-2, -1, 0), a, b), 0);
  EXPECT_EQ(pointOnSegment(pt(2, 1.01f, 0), a, b), 0);
}

// Beyond an end the detour is twice the distance: half the tolerance away,
// the detour is the tolerance, and the point is off.
TEST(PointOnSegment, BeyondAnEndByHalfTheTolerance) {
  const Point a = pt(0, 0, 0), b = pt(kSmall, 0, 0);
  EXPECT_EQ(pointOnSegment(pt(-0.4375f * kT16, 0, 0), a, b), 1);
  EXPECT_EQ(pointOnSegment(pt(-0.5f * kT16, 0, 0), a, b), 0);
}

TEST(PointOnSegment, SegmentOfZeroLengthAcceptsOnlyVeryClosePoints) {
  const Point a = pt(1, 1, 1);
  EXPECT_EQ(pointOnSegment(pt(1.000004f, 1, 1), a, a), 1);  // detour 2 * 4e-6
  EXPECT_EQ(pointOnSegment(pt(1.00001f, 1, 1), a, a), 0);   // detour 2 * 1e-5
}

}  // namespace
