#include "scene.h"

#include <array>
#include <cmath>
#include <utility>

Scene scene;

namespace {

// NaN and infinite coordinates change nothing: the camera could frame no box
// that holds them.
void widen(float value, float& low, float& high) {
  if (!std::isfinite(value)) return;
  if (low > value) low = value;
  if (high < value) high = value;
}

void widenBounds(Point q) {
  widen(q.x, scene.minPoint.x, scene.maxPoint.x);
  widen(q.y, scene.minPoint.y, scene.maxPoint.y);
  widen(q.z, scene.minPoint.z, scene.maxPoint.z);
}

// The colours drawn on the cream background (0.9, 0.9, 0.8) are dark enough
// to read from the back of a room: a contrast of at least 3 : 1 (red 3.1,
// magenta 3.7, grey 3.5, blue 6.7, black 16.5).
constexpr std::array<Rgb, 11> kColorTable = {{
    {1.0f, 0.0f, 0.0f},     // 0 red: the intersection
    {0.0f, 1.0f, 0.0f},     // 1 green
    {0.0f, 0.0f, 1.0f},     // 2 blue: the first triangle
    {1.0f, 1.0f, 0.0f},     // 3 yellow
    {1.0f, 0.5f, 0.0f},     // 4 orange
    {0.8f, 0.0f, 0.8f},     // 5 magenta: the second triangle
    {0.0f, 1.0f, 1.0f},     // 6 cyan
    {0.5f, 0.0f, 0.5f},     // 7 purple
    {1.0f, 1.0f, 1.0f},     // 8 white
    {0.0f, 0.0f, 0.0f},     // 9 black: the axes
    {0.47f, 0.47f, 0.47f},  // 10 grey: the line where the planes meet
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

void addLine(Line line, ColorIndex color) {
  line.color = color;
  scene.lines.push_back(line);
}

void addFace(std::vector<Point> corners, ColorIndex color) {
  scene.faces.push_back(Face{std::move(corners), color});
}

void addLabel(Point point, std::string text, ColorIndex color) {
  scene.labels.push_back(Label{point, std::move(text), color});
}

float sceneSize() {
  const Point& low = scene.minPoint;
  const Point& high = scene.maxPoint;
  if (!(low.x <= high.x)) return 0.0f;
  const double dx = static_cast<double>(high.x) - low.x;
  const double dy = static_cast<double>(high.y) - low.y;
  const double dz = static_cast<double>(high.z) - low.z;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

std::optional<Rgb> colorOf(ColorIndex color) {
  if (color < 0 || color >= static_cast<ColorIndex>(kColorTable.size())) return std::nullopt;
  return kColorTable[static_cast<std::size_t>(color)];
}
