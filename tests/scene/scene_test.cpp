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

void expectBounds(float minX, float minY, float maxX, float maxY) {
  EXPECT_EQ(scene.minPoint.x, minX);
  EXPECT_EQ(scene.minPoint.y, minY);
  EXPECT_EQ(scene.maxPoint.x, maxX);
  EXPECT_EQ(scene.maxPoint.y, maxY);
}

TEST_F(SceneTest, AxesSetTheBoundsInXAndYOnly) {
  addAxes(Point{});
  expectBounds(0, 0, 10, 10);  // the z axis end (0, 0, 20) changes nothing
  ASSERT_EQ(scene.segments.size(), 3u);
  for (const Segment& axis : scene.segments) EXPECT_EQ(axis.color, 9);
  EXPECT_AT(scene.segments.back().second, 0, 0, 20);

  addSegment(Segment(pt(-2, 3, 7), pt(4, 12, -1)), 1);
  expectBounds(-2, 0, 10, 12);
}

TEST_F(SceneTest, StartBoundsTakePartLikeAnyPoint) {
  addPoint(pt(2000, 900, 0), 0);
  expectBounds(1024, 700, 2000, 900);
  EXPECT_EQ(scene.minPoint.z, 0.0f);
  EXPECT_EQ(scene.maxPoint.z, 0.0f);
}

TEST_F(SceneTest, NotANumberLeavesTheBoundsAlone) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  addPoint(pt(nan, nan, 0), 0);
  expectBounds(1024, 700, 0, 0);
  EXPECT_EQ(scene.points.size(), 1u);
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

TEST(ColorTable, IndicesZeroToNineOnly) {
  EXPECT_FALSE(colorOf(10).has_value());
  EXPECT_FALSE(colorOf(-1).has_value());
  const Rgb red = *colorOf(0), orange = *colorOf(4), black = *colorOf(9);
  EXPECT_EQ(red.red, 1.0f);
  EXPECT_EQ(red.green, 0.0f);
  EXPECT_EQ(orange.green, 0.5f);
  EXPECT_EQ(black.red + black.green + black.blue, 0.0f);
  EXPECT_EQ(colorOf(5)->blue, 1.0f);
}

}  // namespace
