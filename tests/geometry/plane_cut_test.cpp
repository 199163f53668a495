// Triangle cut by a plane: every combination of corner sides, the distance
// tolerance, and which outputs are written.
#include <cmath>
#include <limits>
#include <string>

#include "../support.h"

namespace {

// The plane z = 0 made from a triangle of area 0.5: the plane value of a
// corner is its z coordinate.
const Point kD = pt(0, 0, 0), kE = pt(1, 0, 0), kF = pt(0, 1, 0);

// A corner on the given side: z = -2, 0 or +2; x, y apart so that crossings
// land at distinct places.
Point corner(int side, float x, float y, ColorIndex color) {
  return pt(x, y, 2.0f * static_cast<float>(side), color);
}

// What an output should hold: a corner ("a", "b", "c"), the crossing of an
// edge ("ab", "ac", "bc") or nothing written ("").
Point expected(const std::string& what, Point a, Point b, Point c, Point untouched) {
  const Plane plane = planeThroughPoints(kD, kE, kF);
  if (what == "a") return a;
  if (what == "b") return b;
  if (what == "c") return c;
  if (what == "ab") return linePlaneIntersection(plane, a, b);
  if (what == "ac") return linePlaneIntersection(plane, a, c);
  if (what == "bc") return linePlaneIntersection(plane, b, c);
  return untouched;
}

struct SignRow {
  int sa, sb, sc;
  int result;
  const char* first;
  const char* second;
};

TEST(TrianglePlaneCut, EveryCombinationOfSides) {
  const SignRow rows[] = {
      {-1, -1, -1, 0, "", ""},    {-1, -1, 0, 2, "c", ""},  {-1, -1, 1, 3, "ac", "bc"},
      {-1, 0, -1, 2, "b", ""},    {-1, 0, 0, 3, "b", "c"},  {-1, 0, 1, 3, "b", "ac"},
      {-1, 1, -1, 3, "ab", "bc"}, {-1, 1, 0, 3, "c", "ab"}, {-1, 1, 1, 3, "ab", "ac"},
      {0, -1, -1, 2, "a", ""},    {0, -1, 0, 3, "a", "c"},  {0, -1, 1, 3, "a", "bc"},
      {0, 0, -1, 3, "a", "b"},    {0, 0, 0, 1, "", ""},     {0, 0, 1, 3, "a", "b"},
      {0, 1, -1, 3, "a", "bc"},   {0, 1, 0, 3, "a", "c"},   {0, 1, 1, 2, "a", ""},
      {1, -1, -1, 3, "ab", "ac"}, {1, -1, 0, 3, "c", "ab"}, {1, -1, 1, 3, "ab", "bc"},
      {1, 0, -1, 3, "b", "ac"},   {1, 0, 0, 3, "b", "c"},   {1, 0, 1, 2, "b", ""},
      {1, 1, -1, 3, "ac", "bc"},  {1, 1, 0, 2, "c", ""},    {1, 1, 1, 0, "", ""},
  };
  const Point sentinel = pt(-7, -7, -7, 6);
  for (const SignRow& row : rows) {
    const Point a = corner(row.sa, 0, 0, 1), b = corner(row.sb, 3, 0, 3),
                c = corner(row.sc, 0, 5, 4);
    Point first = sentinel, second = sentinel;
    SCOPED_TRACE(::testing::Message() << row.sa << " " << row.sb << " " << row.sc);
    EXPECT_EQ(trianglePlaneCut(a, b, c, kD, kE, kF, first, second), row.result);
    const Point wantFirst = expected(row.first, a, b, c, sentinel);
    const Point wantSecond = expected(row.second, a, b, c, sentinel);
    EXPECT_AT(first, wantFirst.x, wantFirst.y, wantFirst.z);
    EXPECT_EQ(first.color, wantFirst.color);
    EXPECT_AT(second, wantSecond.x, wantSecond.y, wantSecond.z);
    EXPECT_EQ(second.color, wantSecond.color);
  }
}

// A corner lies in the plane when its distance from it is below 0.00001, or
// 0.00001 of a tenth of the largest coordinate in size beyond 10: the plane
// z = 0 through corners 15625 / 16 out has the tolerance 2^-10 exactly.
TEST(TrianglePlaneCut, CornersWithinTheToleranceLieInThePlane) {
  const float large = 15625.0f / 16, t = 0x1p-10f;
  struct Row {
    float size;  // the plane z = 0 through corners this far out
    float z[3];  // heights of a, b, c
    int result;
  } rows[] = {
      {1, {0.000009f, -0.000009f, 0}, 1},
      {1, {0.000011f, -0.000011f, 0}, 3},  // c in the plane, the edge a-b across it
      {large, {t, t, 0}, 2},               // exactly the tolerance: not in the plane, c touches it
      {-large, {0.0009f, -0.0009f, 0.0009f}, 1},
      {-large, {0.0011f, 0.0011f, 0.0011f}, 0},
  };
  for (const Row& row : rows) {
    Point first, second;
    const float s = row.size;
    EXPECT_EQ(trianglePlaneCut(pt(0, 0, row.z[0]), pt(1, 0, row.z[1]), pt(0, 1, row.z[2]),
                               pt(0, 0, 0), pt(s, 0, 0), pt(0, s, 0), first, second),
              row.result)
        << "size " << s << ", z " << row.z[0];
  }
}

// Corners d, e, f that shapeOf finds on one line are flagged as maybe flat,
// also where d lies between e and f and the segment is |e - d| + |f - d| long.
TEST(PlaneSides, CornersWithinTheToleranceOfOneLineMayBeFlat) {
  const float t = 0x1p-16f, large = 15625.0f / 16;
  const struct {
    Point d, e, f;
    double tolerance;
  } rows[] = {
      {pt(0, 0, 0), pt(8, 0, 0), pt(-8, 1.9375f * t, 0), 0x1p-16},
      {pt(0, 0, 0), pt(4, 0, 0), pt(8, 0, 0.9375f * t), 0x1p-16},
      {pt(-large, 0, 0), pt(0, -large, 0), pt(-2 * large, large, 0.0019f), 0x1p-10},
  };
  const Point a = pt(1, 2, 3);
  for (const auto& row : rows) {
    EXPECT_EQ(shapeOf(row.d, row.e, row.f, row.tolerance).corners, 2) << row.f.x;
    EXPECT_TRUE(planeSides(a, a, a, row.d, row.e, row.f, row.tolerance).mayBeFlat) << row.f.x;
  }
}

TEST(TrianglePlaneCut, ExampleWithComputedCrossings) {
  Point first = pt(9, 9, 9, 2), second = pt(9, 9, 9, 2);
  EXPECT_EQ(trianglePlaneCut(pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(1, 1, -1), pt(1, 1, 1),
                             pt(3, 0.5f, 1), first, second),
            3);
  EXPECT_AT(first, 0, 1.25f, 0);
  EXPECT_EQ(bitsOf(second.x), 0x406aaaabu);
  EXPECT_EQ(bitsOf(second.y), 0x3eaaaaabu);
  EXPECT_EQ(second.z, 0.0f);
  EXPECT_EQ(first.color, 9);
  EXPECT_EQ(second.color, 9);
}

TEST(TrianglePlaneCut, DegenerateAndNonFinitePlaneValues) {
  Point first, second;
  // Collinear d, e, f: every plane value is 0.
  EXPECT_EQ(trianglePlaneCut(pt(5, 6, 7), pt(-3, 2, 9), pt(1, 1, 1), pt(0, 0, 0), pt(1, 1, 1),
                             pt(2, 2, 2), first, second),
            1);
  // Far beyond what the console accepts, the answer still makes sense: the
  // tolerance is then huge, but these corners are farther still.
  const float huge = 1e30f;
  EXPECT_EQ(
      trianglePlaneCut(pt(0, 0, huge), pt(1, 0, huge), pt(0, 1, huge), kD, kE, kF, first, second),
      0);
  const float inf = std::numeric_limits<float>::infinity();
  const int infinite =
      trianglePlaneCut(pt(0, 0, -inf), pt(1, 0, -huge), pt(0, 1, -3e9f), kD, kE, kF, first, second);
  EXPECT_TRUE(infinite >= 0 && infinite <= 3);
  // NaN plane values count as in the plane.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(
      trianglePlaneCut(pt(0, 0, nan), pt(1, 0, nan), pt(0, 1, nan), kD, kE, kF, first, second), 1);
}

}  // namespace
