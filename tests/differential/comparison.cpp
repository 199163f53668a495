// The program's answer against the exact one.
#include "comparison.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// The value the user reads: the float widened to double and printed with "%f".
double printed(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
  return std::strtod(text, nullptr);
}

std::string printedPoint(const Point& p) {
  char text[160];
  std::snprintf(text, sizeof text, "(%f, %f, %f)", static_cast<double>(p.x),
                static_cast<double>(p.y), static_cast<double>(p.z));
  return text;
}

bool close(const Point& actual, const std::array<double, 3>& expected) {
  return std::fabs(printed(actual.x) - expected[0]) <= kCornerTolerance &&
         std::fabs(printed(actual.y) - expected[1]) <= kCornerTolerance &&
         std::fabs(printed(actual.z) - expected[2]) <= kCornerTolerance;
}

// True when every printed corner can be paired with its own true corner
// within the tolerance (a bipartite matching; at most six on each side).
bool matchOneToOne(const Intersection& actual, const std::vector<ExactPoint>& expected) {
  const std::size_t n = expected.size();
  std::vector<std::array<double, 3>> truth;
  for (const ExactPoint& e : expected) truth.push_back({e.x.get_d(), e.y.get_d(), e.z.get_d()});
  std::vector<int> ownerOf(n, -1);  // true corner -> printed corner
  std::function<bool(std::size_t, std::vector<bool>&)> place = [&](std::size_t a,
                                                                   std::vector<bool>& seen) {
    for (std::size_t e = 0; e < n; ++e) {
      if (seen[e] || !close(actual.corners[a], truth[e])) continue;
      seen[e] = true;
      if (ownerOf[e] < 0 || place(static_cast<std::size_t>(ownerOf[e]), seen)) {
        ownerOf[e] = static_cast<int>(a);
        return true;
      }
    }
    return false;
  };
  for (std::size_t a = 0; a < n; ++a) {
    std::vector<bool> seen(n, false);
    if (!place(a, seen)) return false;
  }
  return true;
}

}  // namespace

Comparison compare(const TrianglePair& pair) {
  Comparison c;
  c.pair = pair;
  c.expected = exactIntersection(pair.exactFirst(), pair.exactSecond());
  const std::array<Point, 6> p = pair.floats();
  c.actual = findIntersection(p[0], p[1], p[2], p[3], p[4], p[5]);
  c.kindAgrees = c.actual.count == static_cast<int>(c.expected.size());
  c.cornersAgree = c.kindAgrees && matchOneToOne(c.actual, c.expected);
  return c;
}

std::string kindName(int count) {
  static const char* const kNames[] = {"none",          "point",    "segment", "triangle",
                                       "quadrilateral", "pentagon", "hexagon"};
  if (count >= 0 && count <= 6) return kNames[count];
  return std::to_string(count) + " corners";
}

std::string describe(const Comparison& c) {
  std::string text = "  triangles " + c.pair.typed() + "\n  expected  " +
                     kindName(static_cast<int>(c.expected.size()));
  for (const ExactPoint& e : c.expected) {
    char approx[160];
    std::snprintf(approx, sizeof approx, " ~ (%f, %f, %f)", e.x.get_d(), e.y.get_d(), e.z.get_d());
    text += "\n    " + toString(e) + approx;
  }
  text += "\n  actual    " + kindName(c.actual.count);
  for (int i = 0; i < c.actual.count && i < kMaxCorners; ++i) {
    text += "\n    " + printedPoint(c.actual.corners[static_cast<std::size_t>(i)]);
  }
  return text + "\n";
}
