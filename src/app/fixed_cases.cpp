// The twelve demonstration pairs. Together they show every kind of answer:
// a point or a segment where triangles in different planes meet, and a
// point, a segment and polygons of three to six corners in one plane.
#include <array>

#include "app.h"
#include "explanation.h"

namespace {

constexpr Point at(float x, float y, float z) {
  return Point{x, y, z, kDefaultColor};
}

const std::array<TrianglePair, kFixedCaseCount> kFixedCases = {{
    // 1: crossing planes, the overlap of two edges: segment (4,3,0)-(4,5,0)
    {at(4, 5, 0), at(4, 1, 0), at(1, 5, 0), at(4, 3, 0), at(4, 6, 0), at(2, 3, 5)},
    // 2: crossing planes, a corner on an edge: point (4,3,0)
    {at(4, 5, 0), at(4, 1, 0), at(1, 5, 0), at(4, 3, 0), at(4, 6, 3), at(2, 3, 5)},
    // 3: one plane, a shared corner: point (4,5,0)
    {at(4, 5, 0), at(4, 1, 0), at(1, 5, 0), at(4, 5, 0), at(5, 3, 0), at(5, 5.5f, 0)},
    // 4: crossing planes, a corner inside the other triangle: point (3,4,0)
    {at(4, 5, 0), at(4, 1, 0), at(1, 5, 0), at(3, 4, 0), at(4, 6, 3), at(2, 3, 5)},
    // 5: one plane, a corner on an edge: point (2.5,3,0)
    {at(4, 5, 0), at(4, 1, 0), at(1, 5, 0), at(1.5f, 2, 0), at(2.5f, 2, 0), at(2.5f, 3, 0)},
    // 6: crossing planes: segment (3,5,0)-(4,4,0)
    {at(4, 5, 0), at(4, 1, 0), at(1, 5, 0), at(2.5f, 5.5f, 0), at(5, 3, 0), at(5, 5.5f, 5)},
    // 7: one plane, overlapping edges: segment (4,3,0)-(4,5,0)
    {at(4, 5, 0), at(4, 1, 0), at(1, 5, 0), at(4, 3, 0), at(4, 6, 0), at(5, 3, 0)},
    // 8: one plane: triangle
    {at(1, 1, 0), at(6, 1, 0), at(1, 5, 0), at(4, 0, 0), at(4, 3, 0), at(8, 1, 0)},
    // 9: one plane: quadrilateral
    {at(1, 1, 0), at(4, 1, 0), at(4, 4, 0), at(5, 2, 0), at(4, 0, 0), at(3, 2, 0)},
    // 10: one plane: hexagon
    {at(1, 1, 0), at(4, 1, 0), at(4, 4, 0), at(5, 3, 0), at(3, 0, 0), at(2, 3, 0)},
    // 11: one plane: pentagon
    {at(1, 1, 0), at(4, 1, 0), at(4, 4, 0), at(5, 3, 0), at(3, 0, 0), at(3, 2, 0)},
    // 12: one plane, the second triangle inside the first: triangle
    {at(1, 1, 0), at(6, 1, 0), at(1, 5, 0), at(2, 1, 0), at(4, 1, 0), at(3, 2, 0)},
}};

}  // namespace

TrianglePair fixedCase(int number) {
  return kFixedCases.at(static_cast<std::size_t>(number - 1));
}

Task fixedTask(int number) {
  Task task;
  task.corners = fixedCase(number);
  const auto& [a1, b1, c1, a2, b2, c2] = task.corners;
  task.typed = typedOf(a1, b1, c1, a2, b2, c2);
  task.words = wordsOfFloats(task.corners);
  return task;
}
