// Small helpers shared by the unit tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "geometry.h"

inline Point pt(float x, float y, float z, ColorIndex color = kDefaultColor) {
  return Point{x, y, z, color};
}

inline std::uint32_t bitsOf(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

inline float fromBits(std::uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Exact comparison of coordinates, reported readably.
#define EXPECT_AT(point, ex, ey, ez)    \
  do {                                  \
    const Point at_ = (point);          \
    EXPECT_EQ(at_.x, float(ex)) << "x"; \
    EXPECT_EQ(at_.y, float(ey)) << "y"; \
    EXPECT_EQ(at_.z, float(ez)) << "z"; \
  } while (0)

// Places a figure drawn in (u, v) coordinates into the plane z = 0 or into a
// vertical plane, where edge crossings cannot be solved in the xy plane.
struct PlaneTurn {
  const char* name;
  Point (*place)(float u, float v);
};

inline const PlaneTurn kPlaneTurns[] = {
    {"z = 0", [](float u, float v) { return pt(u, v, 0); }},
    {"y = 0", [](float u, float v) { return pt(u, 0, v); }},
    {"x = 0", [](float u, float v) { return pt(0, u, v); }},
    {"x = y", [](float u, float v) { return pt(u, u, v); }},
};
