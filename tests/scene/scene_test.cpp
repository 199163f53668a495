// The scene lists, their colours and the bounds the camera is placed from.
#include "scene.h"

#include <cmath>
#include <limits>

#include "../support.h"
#include "app.h"

namespace {

class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override { scene = Scene{}; }
};

void expectBounds(Point low, Point high) {
  EXPECT_AT(scene.minPoint, low.x, low.y, low.z);
  EXPECT_AT(scene.maxPoint, high.x, high.y, high.z);
}

TEST_F(SceneTest, AxesSetTheBoundsInXYAndZ) {
  addAxes(Point{});
  expectBounds(pt(0, 0, 0), pt(10, 10, 20));
  ASSERT_EQ(scene.segments.size(), 3u);
  for (const Segment& axis : scene.segments) EXPECT_EQ(axis.color, 9);

  addSegment(Segment(pt(-2, 3, 7), pt(4, 12, -1)), 1);
  expectBounds(pt(-2, 0, -1), pt(10, 12, 20));
  EXPECT_FLOAT_EQ(sceneSize(), std::sqrt(12.0f * 12 + 12 * 12 + 21 * 21));
}

TEST_F(SceneTest, BoundsStartEmptyAndHoldOnlyWhatWasAdded) {
  EXPECT_EQ(sceneSize(), 0.0f);
  addPoint(pt(2000, 900, 5), 0);
  expectBounds(pt(2000, 900, 5), pt(2000, 900, 5));
  EXPECT_EQ(sceneSize(), 0.0f);
  addPoint(pt(2003, 904, 5), 0);
  EXPECT_EQ(sceneSize(), 5.0f);
}

TEST_F(SceneTest, NotANumberAndInfinityLeaveTheBoundsAlone) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  addPoint(pt(1, 2, 3), 0);
  addPoint(pt(nan, inf, -inf), 0);
  addSegment(Segment(pt(-inf, nan, 4), pt(inf, 1, nan)), 0);
  expectBounds(pt(1, 1, 3), pt(1, 2, 4));
  EXPECT_EQ(scene.points.size(), 2u);
}

TEST_F(SceneTest, TheColourArgumentReplacesTheRecordsOwn) {
  addPoint(pt(1, 2, 3, 7), 0);
  EXPECT_EQ(scene.points.front().color, 0);

  addSegment(Segment(pt(1, 1, 1, 3), pt(2, 2, 2, 4)), 2);
  const Segment& stored = scene.segments.front();
  EXPECT_EQ(stored.color, 2);
  EXPECT_EQ(stored.first.color, 3);  // the ends keep their own
  EXPECT_EQ(stored.second.color, 4);
  EXPECT_EQ(Segment(pt(0, 0, 0, 1), pt(1, 1, 1, 1)).color, 9);
}

TEST_F(SceneTest, StartUpShapesInOrderAndColour) {
  addAxes(Point{});
  addTriangleEdges(pt(4, 5, 0), pt(4, 1, 0), pt(1, 5, 0), kFirstTriangleColor);
  addTriangleEdges(pt(4, 3, 0), pt(4, 6, 3), pt(2, 3, 5), kSecondTriangleColor);
  const int colours[] = {9, 9, 9, 2, 2, 2, 5, 5, 5};
  ASSERT_EQ(scene.segments.size(), 9u);
  auto segment = scene.segments.begin();
  for (int colour : colours) EXPECT_EQ((segment++)->color, colour);
  // Edges a-b, a-c, b-c of the second triangle.
  auto edge = std::next(scene.segments.begin(), 6);
  EXPECT_AT(edge->first, 4, 3, 0);
  EXPECT_AT(edge->second, 4, 6, 3);
  ++edge;
  EXPECT_AT(edge->second, 2, 3, 5);
  ++edge;
  EXPECT_AT(edge->first, 4, 6, 3);
  EXPECT_TRUE(scene.points.empty());
  EXPECT_TRUE(scene.lines.empty());
  EXPECT_TRUE(scene.circles.empty());
}

TEST(ColorTable, IndicesZeroToTenOnly) {
  EXPECT_FALSE(colorOf(11).has_value());
  EXPECT_EQ(colorOf(kLightGrey)->green, 0.47f);
  EXPECT_FALSE(colorOf(-1).has_value());
  const Rgb red = *colorOf(0), orange = *colorOf(4), black = *colorOf(9);
  EXPECT_EQ(red.red, 1.0f);
  EXPECT_EQ(red.green, 0.0f);
  EXPECT_EQ(orange.green, 0.5f);
  EXPECT_EQ(black.red + black.green + black.blue, 0.0f);
  // Magenta deepened to read on the cream background (3.7 : 1).
  EXPECT_EQ(colorOf(5)->blue, 0.8f);
  EXPECT_EQ(colorOf(5)->green, 0.0f);
}

}  // namespace
