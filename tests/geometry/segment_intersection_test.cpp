// Segment against segment: crossing, parallel, collinear, and the cases
// where a coordinate plane or a coordinate cannot be used as it stands.
#include <cmath>
#include <optional>

#include "../support.h"

namespace {

struct SegmentCase {
  const char* name;
  Point p1, p2, p3, p4;
  int result;
  Point first;   // when result >= 1
  Point second;  // when result == 2
};

// With one coordinate 15625 / 1024 in size the tolerance is 2^-16 exactly:
// distances of exactly the tolerance can be written.
constexpr float kS = 15625.0f / 1024, kT = 0x1p-16f, kIn = 0.9375f * kT;

TEST(SegmentIntersection, Examples) {
  const Point none;
  const SegmentCase cases[] = {
      {"cross in z = 0", pt(0, 0, 0), pt(1, 1, 0), pt(0, 1, 0), pt(1, 0, 0), 1, pt(0.5f, 0.5f, 0),
       none},
      {"along z against y = 0", pt(0, 0, 0), pt(0, 0, 2), pt(-1, 0, 1), pt(1, 0, 1), 1, pt(0, 0, 1),
       none},
      {"along z against along y", pt(0, 0, 0), pt(0, 0, 2), pt(0, -1, 1), pt(0, 1, 1), 1,
       pt(0, 0, 1), none},
      {"collinear overlap", pt(0, 0, 0), pt(4, 0, 0), pt(2, 0, 0), pt(6, 0, 0), 2, pt(2, 0, 0),
       pt(4, 0, 0)},
      {"collinear overlap, p3-p4 reversed", pt(0, 0, 0), pt(4, 0, 0), pt(6, 0, 0), pt(2, 0, 0), 2,
       pt(4, 0, 0), pt(2, 0, 0)},
      {"collinear, one common end", pt(0, 0, 0), pt(2, 0, 0), pt(2, 0, 0), pt(3, 0, 0), 1,
       pt(2, 0, 0), none},
      {"collinear, apart", pt(0, 0, 0), pt(2, 0, 0), pt(2.5f, 0, 0), pt(3, 0, 0), 0, none, none},
      {"parallel lines", pt(0, 0, 0), pt(2, 0, 0), pt(0, 1, 0), pt(2, 1, 0), 0, none, none},
      {"T-junction", pt(0, 0, 0), pt(2, 0, 0), pt(1, 0, 0), pt(1, 2, 0), 1, pt(1, 0, 0), none},
      {"lines cross outside", pt(0, 0, 0), pt(2, 0, 0), pt(3, -1, 0), pt(3, 1, 0), 0, none, none},
      {"skew", pt(0, 0, 0), pt(2, 2, 0), pt(0, 2, 1), pt(2, 0, 1), 0, none, none},
      {"collinear along y", pt(0, 1, 0), pt(0, 5, 0), pt(0, 3, 0), pt(0, 9, 0), 2, pt(0, 3, 0),
       pt(0, 5, 0)},
      // Crossings in planes that project to a line on the chosen coordinate
      // plane: they must still be found.
      {"cross in x = 0", pt(0, 0, 0), pt(0, 2, 2), pt(0, 2, 0), pt(0, 0, 2), 1, pt(0, 1, 1), none},
      {"cross in y = 0", pt(0, 0, 0), pt(2, 0, 2), pt(2, 0, 0), pt(0, 0, 2), 1, pt(1, 0, 1), none},
      {"cross in x = y", pt(0, 0, 0), pt(2, 2, 2), pt(2, 2, 0), pt(0, 0, 2), 1, pt(1, 1, 1), none},
      // Collinear along the z axis: measured by z.
      {"vertical overlap", pt(1, 1, 0), pt(1, 1, 4), pt(1, 1, 2), pt(1, 1, 6), 2, pt(1, 1, 2),
       pt(1, 1, 4)},
      {"vertical, apart", pt(1, 1, 0), pt(1, 1, 1), pt(1, 1, 2), pt(1, 1, 6), 0, none, none},
      {"vertical, one common end", pt(1, 1, 0), pt(1, 1, 2), pt(1, 1, 6), pt(1, 1, 2), 1,
       pt(1, 1, 2), none},
      // Segments of zero length are points.
      {"point on segment", pt(1, 0, 0), pt(1, 0, 0), pt(0, 0, 0), pt(2, 0, 0), 1, pt(1, 0, 0),
       none},
      {"point off segment", pt(1, 1, 0), pt(1, 1, 0), pt(0, 0, 0), pt(2, 0, 0), 0, none, none},
      {"segment through point", pt(0, 0, 0), pt(0, 0, 2), pt(0, 0, 1), pt(0, 0, 1), 1, pt(0, 0, 1),
       none},
      {"segment past point", pt(0, 0, 0), pt(0, 0, 2), pt(0, 0, 3), pt(0, 0, 3), 0, none, none},
      {"equal points", pt(3, 2, 1), pt(3, 2, 1), pt(3, 2, 1), pt(3, 2, 1), 1, pt(3, 2, 1), none},
      {"different points", pt(3, 2, 1), pt(3, 2, 1), pt(3, 2, 2), pt(3, 2, 2), 0, none, none},
      // On both sides of the tolerance (2^-16 here).
      {"segment the tolerance long: a segment, meeting at its end", pt(1, kT, 0), pt(1, 0, 0),
       pt(0, 0, 0), pt(kS, 0, 0), 1, pt(1, 0, 0), none},
      {"segment shorter: a point, its start", pt(1, kIn, 0), pt(1, 0, 0), pt(0, 0, 0), pt(kS, 0, 0),
       1, pt(1, kIn, 0), none},
      {"a point at the end of a segment the tolerance long", pt(kS, 0, 0), pt(kS, kT, 0),
       pt(kS, kT, 0), pt(kS, kT, 0), 1, pt(kS, kT, 0), none},
      {"the same, the point first", pt(kS, kT, 0), pt(kS, kT, 0), pt(kS, 0, 0), pt(kS, kT, 0), 1,
       pt(kS, kT, 0), none},
      {"point the tolerance off", pt(5, kT, 0), pt(5, kT, 0), pt(0, 0, 0), pt(kS, 0, 0), 0, none,
       none},
      {"point just within", pt(0, 0, 0), pt(kS, 0, 0), pt(5, -kIn, 0), pt(5, -kIn, 0), 1,
       pt(5, -kIn, 0), none},
      {"points the tolerance apart", pt(kS, 0, 0), pt(kS, 0, 0), pt(kS, 0, kT), pt(kS, 0, kT), 0,
       none, none},
      {"points just within", pt(kS, 0, 0), pt(kS, 0, 0), pt(kS, 0, kIn), pt(kS, 0, kIn), 1,
       pt(kS, 0, 0), none},
      {"lines cross the tolerance beyond the end", pt(-8, kS, 0), pt(8, kS, 0),
       pt(8 + kT, kS - 2, 0), pt(8 + kT, kS, 0), 0, none, none},
      {"lines cross just within beyond the end: that end", pt(-8, kS, 0), pt(8, kS, 0),
       pt(8 + kIn, kS - 2, 0), pt(8 + kIn, kS, 0), 1, pt(8, kS, 0), none},
      {"lines the tolerance apart", pt(-8, 0, 0), pt(8, 0, 0), pt(0, -1, kT), pt(0, kS, kT), 0,
       none, none},
      {"lines just within", pt(-8, 0, 0), pt(8, 0, 0), pt(0, -1, kIn), pt(0, kS, kIn), 1,
       pt(0, 0, 0), none},
      {"crossing the tolerance from an end: not that end", pt(-2, 0, 0), pt(2, 0, 0),
       pt(-2 + kT, -1, 0), pt(-2 + kT, kS, 0), 1, pt(-2 + kT, 0, 0), none},
      {"crossing just within it: that end", pt(-2, 0, 0), pt(2, 0, 0), pt(-2 + kIn, -1, 0),
       pt(-2 + kIn, kS, 0), 1, pt(-2, 0, 0), none},
      {"crossing the tolerance from the end, the other shorter", pt(kS - 4, 0, 0), pt(kS, 0, 0),
       pt(kS - kT, -0.5f, 0), pt(kS - kT, 0.5f, 0), 1, pt(kS - kT, 0, 0), none},
      {"crossing just within the tolerance of the other's start, the other shorter", pt(-kS, 0, 0),
       pt(kS, 0, 0), pt(0, -kIn, 0), pt(0, 8 - kIn, 0), 1, pt(0, -kIn, 0), none},
      {"crossing the tolerance from the other's end", pt(-kS, 0, 0), pt(kS, 0, 0), pt(0, kT - 8, 0),
       pt(0, kT, 0), 1, pt(0, 0, 0), none},
      {"crossing just within it", pt(-kS, 0, 0), pt(kS, 0, 0), pt(0, kIn - 8, 0), pt(0, kIn, 0), 1,
       pt(0, kIn, 0), none},
      // Parallel when the shorter turns away by less than the tolerance over
      // its length; on one line when both its ends lie within the tolerance
      // of the longer one's line.
      {"turning away by the tolerance: they cross", pt(-kS, 0, 0), pt(kS, 0, 0), pt(-4, 0, 0),
       pt(4, kT, 0), 1, pt(-4, 0, 0), none},
      {"turning away by less: one line", pt(-kS, 0, 0), pt(kS, 0, 0), pt(-4, 0, 0), pt(4, kIn, 0),
       2, pt(-4, 0, 0), pt(4, kIn, 0)},
      {"parallel, the tolerance apart", pt(-8, 0, 0), pt(8, 0, 0), pt(-kS, kT, 0), pt(kS, kT, 0), 0,
       none, none},
      {"parallel, just within", pt(-8, 0, 0), pt(8, 0, 0), pt(-kS, kIn, 0), pt(kS, kIn, 0), 2,
       pt(-8, 0, 0), pt(8, 0, 0)},
      {"parallel, apart where they overlap, on one line far from it", pt(-kS, 0, 0), pt(kS, 0, 0),
       pt(4, 3.61102294921875f * kT, 0), pt(8, 4.36102294921875f * kT, 0), 0, none, none},
      {"parallel, one end of the shorter beyond the tolerance", pt(-kS, 0, 0), pt(kS, 0, 0),
       pt(4, 0.5f * kT, 0), pt(8, 1.25f * kT, 0), 0, none, none},
      {"in line, the tolerance before the other", pt(-kS, 0, 0), pt(0, 0, 0), pt(kT, 0, 0),
       pt(8 + kT, 0, 0), 0, none, none},
      {"in line, just within before it: its start", pt(-kS, 0, 0), pt(0, 0, 0), pt(kIn, 0, 0),
       pt(8 + kIn, 0, 0), 1, pt(kIn, 0, 0), none},
      {"in line, the tolerance after the other", pt(0, 0, 0), pt(kS, 0, 0), pt(-8 - kT, 0, 0),
       pt(-kT, 0, 0), 0, none, none},
      {"in line, just within after it: its end", pt(0, 0, 0), pt(kS, 0, 0), pt(-8 - kIn, 0, 0),
       pt(-kIn, 0, 0), 1, pt(-kIn, 0, 0), none},
      {"in line, overlapping by the tolerance: a stretch", pt(-kS, 0, 0), pt(0, 0, 0),
       pt(-kT, 0, 0), pt(8 - kT, 0, 0), 2, pt(-kT, 0, 0), pt(0, 0, 0)},
      {"in line, overlapping by less: one point", pt(-kS, 0, 0), pt(0, 0, 0), pt(-kIn, 0, 0),
       pt(8 - kIn, 0, 0), 1, pt(-kIn, 0, 0), none},
      // Short segments crossing at a few degrees cross, as at any scale.
      {"short segments crossing", pt(0, 0, 0), pt(0.01f, 0, 0), pt(0, -0.00025f, 0),
       pt(0.01f, 0.00025f, 0), 1, pt(0.005f, 0, 0), none},
  };
  for (const SegmentCase& c : cases) {
    SCOPED_TRACE(c.name);
    Point first = pt(-9, -9, -9, 7), second = pt(-8, -8, -8, 7);
    ASSERT_EQ(segmentIntersection(c.p1, c.p2, c.p3, c.p4, first, second), c.result);
    // Only x, y, z of what the result names are written.
    EXPECT_EQ(first.color, 7);
    EXPECT_EQ(second.color, 7);
    if (c.result >= 1) {
      EXPECT_AT(first, c.first.x, c.first.y, c.first.z);
    } else {
      EXPECT_AT(first, -9, -9, -9);
    }
    if (c.result == 2) {
      EXPECT_AT(second, c.second.x, c.second.y, c.second.z);
    } else {
      EXPECT_AT(second, -8, -8, -8);
    }
  }
}

// The six-pointed star of two triangles, turned into vertical planes: every
// edge crossing must be found in every plane.
TEST(SegmentIntersection, CrossingsInEveryVerticalPlane) {
  for (const PlaneTurn& turn : kPlaneTurns) {
    SCOPED_TRACE(turn.name);
    Point first, second;
    // Edge (0,0)-(6,0) of one star triangle against (0,4)-(3,-2) of the other.
    ASSERT_EQ(segmentIntersection(turn.place(0, 0), turn.place(6, 0), turn.place(0, 4),
                                  turn.place(3, -2), first, second),
              1);
    const Point want = turn.place(2, 0);
    EXPECT_NEAR(first.x, want.x, 1e-6);
    EXPECT_NEAR(first.y, want.y, 1e-6);
    EXPECT_NEAR(first.z, want.z, 1e-6);
  }
}

// Beyond sizes of 10 the tolerance grows with the numbers, and rounded
// coordinates still meet: the star of two triangles scaled by 33.3 (no float
// holds its corners exactly), and parallel edges typed in steps of 0.1 that
// rounding moves off one line.
TEST(SegmentIntersection, RoundedCoordinatesStillMeet) {
  for (float scale : {33.3f, 333.3f}) {
    SCOPED_TRACE(scale);
    auto at = [scale](float u, float v) { return pt(u * scale, v * scale, 1.7f * u * scale); };
    Point first, second;
    ASSERT_EQ(segmentIntersection(at(0, 0), at(6, 0), at(0, 4), at(3, -2), first, second), 1);
    const Point want = at(2, 0);
    EXPECT_NEAR(first.x, want.x, 2e-4);  // within a float step at 1,100
    EXPECT_NEAR(first.z, want.z, 2e-4);
  }
  Point first, second;
  ASSERT_EQ(segmentIntersection(pt(0.1f, 0.2f, 0.3f), pt(0.7f, 1.4f, 2.1f), pt(0.4f, 0.8f, 1.2f),
                                pt(1.0f, 2.0f, 3.0f), first, second),
            2);
  EXPECT_AT(first, 0.4f, 0.8f, 1.2f);  // an end within the tolerance is that end
  EXPECT_AT(second, 0.7f, 1.4f, 2.1f);
}

}  // namespace
