// Corners of the intersection of two triangles in one plane: discovery order,
// colours, repeats, and the outline drawn through them.
#include <algorithm>
#include <set>

#include "../support.h"
#include "intersection.h"

namespace {

TEST(CoplanarIntersection, VertexCornersKeepTheirColourCrossingsGetNine) {
  const Intersection inside = findCoplanarIntersection(
      pt(1, 1, 0, 1), pt(2, 1, 0, 2), pt(1, 2, 0, 3), pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0));
  ASSERT_EQ(inside.count, 3);
  EXPECT_EQ(inside.corners[0].color, 1);
  EXPECT_EQ(inside.corners[1].color, 2);
  EXPECT_EQ(inside.corners[2].color, 3);

  // a2 inside (phase 2), then two crossings of b1-c1.
  const Intersection overlap = findCoplanarIntersection(pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0),
                                                        pt(1, 1, 0, 5), pt(5, 1, 0), pt(1, 5, 0));
  ASSERT_EQ(overlap.count, 3);
  EXPECT_EQ(overlap.corners[0].color, 5);
  EXPECT_EQ(overlap.corners[1].color, 9);
  EXPECT_EQ(overlap.corners[2].color, 9);
}

TEST(CoplanarIntersection, ARepeatedCornerIsStoredOnceWhateverItsColour) {
  const Intersection shared =
      findCoplanarIntersection(pt(0, 0, 0, 1), pt(4, 0, 0, 1), pt(0, 4, 0, 1), pt(0, 0, 0, 6),
                               pt(4, 0, 0, 6), pt(1, 1, 0, 6));
  ASSERT_EQ(shared.count, 3);
  EXPECT_EQ(shared.corners[0].color, 1);
  EXPECT_EQ(shared.corners[1].color, 1);
  EXPECT_AT(shared.corners[2], 1, 1, 0);
}

// The six-pointed star in the plane z = 0 and turned into vertical planes.
TEST(CoplanarIntersection, StarGivesItsHexagonInEveryPlane) {
  const float order[6][2] = {{2, 0}, {4, 0}, {2, 4}, {1, 2}, {4, 4}, {5, 2}};
  for (const PlaneTurn& turn : kPlaneTurns) {
    SCOPED_TRACE(turn.name);
    const auto p = turn.place;
    const Intersection star =
        findIntersection(p(0, 0), p(6, 0), p(3, 6), p(0, 4), p(6, 4), p(3, -2));
    ASSERT_EQ(star.count, 6);
    for (int i = 0; i < 6; ++i) {
      const Point want = p(order[i][0], order[i][1]);
      const Point& got = star.corners[static_cast<std::size_t>(i)];
      EXPECT_NEAR(got.x, want.x, 1e-5);
      EXPECT_NEAR(got.y, want.y, 1e-5);
      EXPECT_NEAR(got.z, want.z, 1e-5);
      EXPECT_EQ(got.color, 9);
    }
  }
}

// Crossings computed at a shared corner that has no exact float differ from it
// in their last bits; they must not become extra corners.
TEST(CoplanarIntersection, NearRepeatsAtASharedCornerAreOneCorner) {
  const Point a1 = pt(0, 11.0f / 6, 0), b1 = pt(4.0f / 3, 2.0f / 3, 0),
              c1 = pt(1.0f / 6, 2.0f / 3, 0);
  const Point a2 = pt(2, 5.0f / 6, 0), b2 = pt(1.0f / 6, 2.0f / 3, 0), c2 = pt(0, 1, 0);
  const Intersection answer = findIntersection(a1, b1, c1, a2, b2, c2);
  ASSERT_EQ(answer.count, 4);
  const double want[4][2] = {
      {1.0 / 6, 2.0 / 3}, {104.0 / 85, 0.7627451}, {20.0 / 19, 0.9122807}, {10.0 / 83, 0.9899598}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(answer.corners[static_cast<std::size_t>(i)].x, want[i][0], 1e-6);
    EXPECT_NEAR(answer.corners[static_cast<std::size_t>(i)].y, want[i][1], 1e-6);
  }
}

std::set<std::pair<int, int>> undirected(const std::vector<std::pair<int, int>>& edges) {
  std::set<std::pair<int, int>> set;
  for (auto [a, b] : edges) set.insert({std::min(a, b), std::max(a, b)});
  return set;
}

Intersection polygon(std::initializer_list<Point> corners) {
  Intersection answer;
  for (const Point& corner : corners)
    answer.corners[static_cast<std::size_t>(answer.count++)] = corner;
  return answer;
}

TEST(OutlineEdges, FixedPatternWhereItTracesTheBoundary) {
  // The quadrilateral of fixed case 9: corners as found, pattern N-Q, M-P, M-Q, N-P.
  const Intersection found = polygon({pt(4, 1, 0), pt(3, 2, 0), pt(3.5f, 1, 0), pt(4, 2, 0)});
  const std::vector<std::pair<int, int>> pattern = {{1, 3}, {0, 2}, {0, 3}, {1, 2}};
  EXPECT_EQ(outlineEdges(found), pattern);
}

TEST(OutlineEdges, AlongTheBoundaryWhereThePatternWouldCrossItself) {
  // A square found in boundary order: the fixed pattern would draw M-P and N-Q
  // across it.
  const Intersection square = polygon({pt(0, 0, 1), pt(2, 0, 1), pt(2, 2, 1), pt(0, 2, 1)});
  EXPECT_EQ(undirected(outlineEdges(square)),
            (std::set<std::pair<int, int>>{{0, 1}, {1, 2}, {2, 3}, {0, 3}}));

  // A pentagon in a vertical plane, corners in scrambled order.
  const Intersection pentagon =
      polygon({pt(0, 0, 0), pt(0, 2, 2), pt(0, 2, 0), pt(0, 0, 2), pt(0, -1, 1)});
  EXPECT_EQ(undirected(outlineEdges(pentagon)),
            (std::set<std::pair<int, int>>{{0, 2}, {1, 2}, {1, 3}, {3, 4}, {0, 4}}));
}

TEST(OutlineEdges, CollinearCornersFallBackToThePattern) {
  const Intersection line = polygon({pt(0, 0, 0), pt(1, 0, 0), pt(2, 0, 0)});
  const std::vector<std::pair<int, int>> pattern = {{0, 1}, {0, 2}, {1, 2}};
  EXPECT_EQ(outlineEdges(line), pattern);
}

}  // namespace
