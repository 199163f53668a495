#include "scene.h"

#include <array>

Scene scene;

namespace {

// Strict tests: equal values and NaN coordinates change nothing.
void widenBounds(Point q) {
  if (scene.minPoint.x > q.x) scene.minPoint.x = q.x;
  if (scene.minPoint.y > q.y) scene.minPoint.y = q.y;
  if (scene.maxPoint.x < q.x) scene.maxPoint.x = q.x;
  if (scene.maxPoint.y < q.y) scene.maxPoint.y = q.y;
}

constexpr std::array<Rgb, 10> kColorTable = {{
    {1.0f, 0.0f, 0.0f},  // 0 red: the intersection
    {0.0f, 1.0f, 0.0f},  // 1 green
    {0.0f, 0.0f, 1.0f},  // 2 blue: the first triangle
    {1.0f, 1.0f, 0.0f},  // 3 yellow
    {1.0f, 0.5f, 0.0f},  // 4 orange
    {1.0f, 0.0f, 1.0f},  // 5 magenta: the second triangle
    {0.0f, 1.0f, 1.0f},  // 6 cyan
    {0.5f, 0.0f, 0.5f},  // 7 purple
    {1.0f, 1.0f, 1.0f},  // 8 white
    {0.0f, 0.0f, 0.0f},  // 9 black: the axes
}};

}  // namespace

void addPoint(Point point, ColorIndex color) {
  point.color = color;
  scene.points.push_back(point);
  widenBounds(point);
}

void addSegment(Segment segment, ColorIndex color) {
  segment.color = color;
  scene.segments.push_back(segment);
  widenBounds(segment.first);
  widenBounds(segment.second);
}

std::optional<Rgb> colorOf(ColorIndex color) {
  if (color < 0 || color >= static_cast<ColorIndex>(kColorTable.size())) return std::nullopt;
  return kColorTable[static_cast<std::size_t>(color)];
}
