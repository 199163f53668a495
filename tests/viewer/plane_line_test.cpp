// The line where the planes of the two triangles meet, which the P key shows.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>

#include "intersection.h"

namespace {

struct Pair {
  const char* name;
  std::array<Point, 6> corners;  // a1, b1, c1, a2, b2, c2
  bool meet;
};

void PrintTo(const Pair& pair, std::ostream* out) {
  *out << pair.name;
}

class PlaneLine : public ::testing::TestWithParam<Pair> {};

// How far p lies from the plane through a, b, c, in units of the plane's size.
double offPlane(const Point& p, const Point& a, const Point& b, const Point& c) {
  const double u[3] = {double{b.x} - a.x, double{b.y} - a.y, double{b.z} - a.z};
  const double v[3] = {double{c.x} - a.x, double{c.y} - a.y, double{c.z} - a.z};
  const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                       u[0] * v[1] - u[1] * v[0]};
  const double w[3] = {double{p.x} - a.x, double{p.y} - a.y, double{p.z} - a.z};
  const double size = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  return std::fabs(n[0] * w[0] + n[1] * w[1] + n[2] * w[2]) / size;
}

TEST_P(PlaneLine, LiesInBothPlanesAndIsAsLongAsAsked) {
  const auto& [a1, b1, c1, a2, b2, c2] = GetParam().corners;
  const auto line = planesMeetingLine(a1, b1, c1, a2, b2, c2, 250.0f);
  ASSERT_EQ(line.has_value(), GetParam().meet);
  if (!line) return;
  const double scale = 1e-6 * std::fabs(double{a1.x} - b1.x) + 1e-5;
  const Point& d = line->direction;
  EXPECT_NEAR(std::sqrt(double{d.x} * d.x + double{d.y} * d.y + double{d.z} * d.z), 2.5, 1e-5);
  for (float reach : {0.0f, 100.0f, -100.0f}) {
    const Point on{line->point.x + reach * d.x, line->point.y + reach * d.y,
                   line->point.z + reach * d.z};
    EXPECT_LT(offPlane(on, a1, b1, c1), scale * (1 + std::fabs(reach)));
    EXPECT_LT(offPlane(on, a2, b2, c2), scale * (1 + std::fabs(reach)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, PlaneLine,
    ::testing::Values(Pair{"FloorAndWall",
                           {{{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {2, 0, -1}, {2, 4, -1}, {2, 0, 3}}},
                           true},
                      Pair{"TiltedPlanes",
                           {{{1, 2, 3}, {4, -1, 2}, {0, 5, -2}, {3, 3, 3}, {-2, 1, 0}, {1, 1, 5}}},
                           true},
                      Pair{"Huge",
                           {{{-1e6f, -1e6f, 0},
                             {1e6f, -1e6f, 1e6f},
                             {0, 1e6f, -1e6f},
                             {1e6f, 1e6f, 1e6f},
                             {-1e6f, 0, -1e6f},
                             {0, -1e6f, 1e6f}}},
                           true},
                      Pair{"ParallelPlanes",
                           {{{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {0, 0, 1}, {4, 0, 1}, {0, 4, 1}}},
                           false},
                      Pair{"OnePlane",
                           {{{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {1, 1, 0}, {5, 1, 0}, {3, 7, 0}}},
                           false},
                      Pair{"FirstCollinear",
                           {{{0, 0, 0}, {1, 1, 1}, {3, 3, 3}, {2, 0, -1}, {2, 4, -1}, {2, 0, 3}}},
                           false},
                      Pair{"SecondWithTwoCornersTheSame",
                           {{{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {2, 0, -1}, {2, 0, -1}, {2, 0, 3}}},
                           false}),
    [](const ::testing::TestParamInfo<Pair>& info) { return std::string(info.param.name); });

}  // namespace
