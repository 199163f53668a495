// Pairs of triangles drawn from classroom-like distributions, reproducibly.
//
// Coordinates are whole multiples of a step (1 for integers, 1/2 for halves,
// 1/10 and 1/100 for values with one or two decimals) within -scale..scale. Each pair keeps the
// values as typed (exact fractions, for the exact answer) and as the program reads them (floats,
// for the program's answer).
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "exact_reference.h"
#include "geometry.h"
#include "intersection.h"

enum class Distribution {
  Space,          // corners anywhere in the cube; every third pair redrawn until they meet
  PlaneZ0,        // both triangles in the plane z = 0
  TiltedPlane,    // both in one of a few tilted planes, e.g. x + 2y - z = 1 (within the cube)
  VerticalPlane,  // both in one vertical plane: x = c, y = c, x = y or x = -y
  SharedVertex,   // the second triangle has a corner of the first (in space or in z = 0)
  SharedEdge,     // the second triangle has an edge of the first (third corner anywhere or in its
                  // plane)
  // Degenerate triangles, as a student types them on purpose or bad input
  // leaves them: one triangle's corners all equal, or on one line.
  DegeneratePoint,    // a point inside, on the edge of, at a corner of, or apart from the other
  DegenerateSegment,  // three corners on one line, piercing, lying in or missing the other
};

inline constexpr std::array<Distribution, 8> kAllDistributions = {
    Distribution::Space,           Distribution::PlaneZ0,          Distribution::TiltedPlane,
    Distribution::VerticalPlane,   Distribution::SharedVertex,     Distribution::SharedEdge,
    Distribution::DegeneratePoint, Distribution::DegenerateSegment};

std::string name(Distribution distribution);

// The grid of coordinate values: multiples of 1/denominator, numerators in
// -limit..limit (scale 5 in integers: denominator 1, limit 5).
struct Grid {
  int denominator = 1;  // 1, 2, 10 or 100
  long limit = 5;
};

// A coordinate as typed: numerator / grid denominator.
struct GridPoint {
  long x = 0, y = 0, z = 0;
};

struct TrianglePair {
  std::array<GridPoint, 6> corners;  // a1, b1, c1, a2, b2, c2
  int denominator = 1;

  ExactTriangle exactFirst() const;
  ExactTriangle exactSecond() const;
  // The corners as the program reads them ("%f" of the typed decimal).
  std::array<Point, 6> floats() const;
  // The same corners in double, as the program keeps them beside the floats.
  TypedCorners doubles() const;
  // The eighteen numbers as the user types them, in the order of the prompts.
  std::string typed() const;
  // The same numbers one by one, as the worked solution takes them.
  std::array<std::string, 18> words() const;
};

// Draws pairs of one distribution; only the degenerate distributions give
// degenerate triangles.
class PairSource {
 public:
  PairSource(Distribution distribution, Grid grid, std::uint64_t seed);
  TrianglePair next();

 private:
  long coordinate();
  GridPoint inCube();
  GridPoint step();
  bool inRange(const GridPoint& p) const;
  bool inRange(const std::array<GridPoint, 6>& corners) const;
  void placeAround(GridPoint centre, std::array<GridPoint, 6>& c, std::size_t first);
  TrianglePair draw();

  Distribution distribution_;
  Grid grid_;
  std::mt19937_64 random_;
  std::uint64_t drawn_ = 0;
};

// A fixed seed for each distribution, so every run sees the same pairs.
std::uint64_t seedFor(Distribution distribution, Grid grid);
