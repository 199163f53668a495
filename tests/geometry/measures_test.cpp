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

// Within 0.00001 of the triangle, or 0.00001 of a tenth of its largest
// coordinate beyond 10; the float areas of a large triangle are coarser than
// any fixed area.
TEST(PointInTriangle, ToleranceGrowsWithTheSizeOfTheNumbers) {
  const Point a = pt(0, 0, 0), b = pt(0.001f, 0, 0), c = pt(0, 0.001f, 0);
  EXPECT_EQ(pointInTriangle(a, b, c, pt(0.0005f, 0.000509f, 0)), 1);
  EXPECT_EQ(pointInTriangle(a, b, c, pt(0.002f, 0.002f, 0)), 0);
  const Point big[] = {pt(0, 0, 0), pt(1000, 0, 0), pt(0, 1000, 0)};
  EXPECT_EQ(pointInTriangle(big[0], big[1], big[2], pt(333.3f, 333.3f, 0)), 1);
  EXPECT_EQ(pointInTriangle(big[0], big[1], big[2], pt(500, 500.0005f, 0)), 1);
  EXPECT_EQ(pointInTriangle(big[0], big[1], big[2], pt(500, 500.01f, 0)), 0);
  EXPECT_EQ(pointInTriangle(big[0], big[1], big[2], pt(300, 300, 0.01f)), 0);
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

TEST(PointOnSegment, SegmentOfZeroLengthAcceptsOnlyVeryClosePoints) {
  const Point a = pt(1, 1, 1);
  EXPECT_EQ(pointOnSegment(pt(1.000004f, 1, 1), a, a), 1);  // detour 2 * 4e-6
  EXPECT_EQ(pointOnSegment(pt(1.00001f, 1, 1), a, a), 0);   // detour 2 * 1e-5
}

}  // namespace
