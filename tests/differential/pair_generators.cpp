// Reproducible pairs of triangles from classroom-like distributions.
#include "pair_generators.h"

#include <cstdlib>

namespace {

// The value as the user would type it: "3", "-0.5", "12.3" (denominator 1, 2 or 10).
std::string decimal(long numerator, int denominator) {
  if (denominator == 1) return std::to_string(numerator);
  const long tenths = std::labs(numerator) * (10 / denominator);
  return std::string(numerator < 0 ? "-" : "") + std::to_string(tenths / 10) + "." +
         std::to_string(tenths % 10);
}

ExactPoint exact(const GridPoint& p, int denominator) {
  const mpz_class d(denominator);
  ExactPoint e{mpq_class(mpz_class(p.x), d), mpq_class(mpz_class(p.y), d),
               mpq_class(mpz_class(p.z), d)};
  e.x.canonicalize();
  e.y.canonicalize();
  e.z.canonicalize();
  return e;
}

// Read like scanf("%f") reads the typed value: correctly rounded to float.
float asRead(long numerator, int denominator) {
  return std::strtof(decimal(numerator, denominator).c_str(), nullptr);
}

GridPoint operator+(GridPoint a, GridPoint b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
GridPoint operator-(GridPoint a, GridPoint b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
GridPoint operator*(long k, GridPoint a) {
  return {k * a.x, k * a.y, k * a.z};
}

}  // namespace

std::string name(Distribution distribution) {
  switch (distribution) {
    case Distribution::Space:
      return "space";
    case Distribution::PlaneZ0:
      return "plane-z0";
    case Distribution::TiltedPlane:
      return "tilted-plane";
    case Distribution::VerticalPlane:
      return "vertical-plane";
    case Distribution::SharedVertex:
      return "shared-vertex";
    case Distribution::SharedEdge:
      return "shared-edge";
  }
  return "?";
}

ExactTriangle TrianglePair::exactFirst() const {
  return {exact(corners[0], denominator), exact(corners[1], denominator),
          exact(corners[2], denominator)};
}

ExactTriangle TrianglePair::exactSecond() const {
  return {exact(corners[3], denominator), exact(corners[4], denominator),
          exact(corners[5], denominator)};
}

std::array<Point, 6> TrianglePair::floats() const {
  std::array<Point, 6> points;
  for (std::size_t i = 0; i < 6; ++i) {
    points[i].x = asRead(corners[i].x, denominator);
    points[i].y = asRead(corners[i].y, denominator);
    points[i].z = asRead(corners[i].z, denominator);
  }
  return points;
}

std::string TrianglePair::typed() const {
  std::string text;
  for (std::size_t i = 0; i < 6; ++i) {
    if (i == 3) text += "  ";
    text += "(" + decimal(corners[i].x, denominator) + ", " + decimal(corners[i].y, denominator) +
            ", " + decimal(corners[i].z, denominator) + ")";
    if (i != 2 && i != 5) text += " ";
  }
  return text;
}

std::uint64_t seedFor(Distribution distribution, Grid grid) {
  return 20240601u + 1000u * static_cast<std::uint64_t>(distribution) +
         static_cast<std::uint64_t>(grid.limit) * 7u + static_cast<std::uint64_t>(grid.denominator);
}

PairSource::PairSource(Distribution distribution, Grid grid, std::uint64_t seed)
    : distribution_(distribution), grid_(grid), random_(seed) {}

// A numerator in -limit..limit. (The modulo bias is far below what matters
// here, and unlike std::uniform_int_distribution it is the same everywhere.)
long PairSource::coordinate() {
  const auto range = static_cast<std::uint64_t>(2 * grid_.limit + 1);
  return static_cast<long>(random_() % range) - grid_.limit;
}

GridPoint PairSource::inCube() {
  return {coordinate(), coordinate(), coordinate()};
}

bool PairSource::inRange(const GridPoint& p) const {
  return std::labs(p.x) <= grid_.limit && std::labs(p.y) <= grid_.limit &&
         std::labs(p.z) <= grid_.limit;
}

TrianglePair PairSource::draw() {
  TrianglePair pair;
  pair.denominator = grid_.denominator;
  auto& c = pair.corners;
  const long one = grid_.denominator;
  switch (distribution_) {
    case Distribution::Space:
      for (GridPoint& p : c) p = inCube();
      break;
    case Distribution::PlaneZ0:
      for (GridPoint& p : c) p = {coordinate(), coordinate(), 0};
      break;
    case Distribution::TiltedPlane: {
      // Points of a plane, two coordinates free, the third computed and the
      // point redrawn until it lies in the cube too. The normals differ in
      // which component is largest.
      const auto plane = random_() % 4;
      for (GridPoint& p : c) {
        do {
          const long u = coordinate(), v = coordinate();
          if (plane == 0) p = {u, v, u + 2 * v - one};      // x + 2y - z = 1
          if (plane == 1) p = {u, v, -u - v};               // x + y + z = 0
          if (plane == 2) p = {u, v, 2 * one - 3 * u - v};  // 3x + y + z = 2
          if (plane == 3) p = {u - 2 * v + one, u, v};      // x - y + 2z = 1
        } while (!inRange(p));
      }
      break;
    }
    case Distribution::VerticalPlane: {
      const auto plane = random_() % 4;
      const long level = coordinate();
      for (GridPoint& p : c) {
        const long u = coordinate(), v = coordinate();
        if (plane == 0) p = {level, u, v};  // x = c
        if (plane == 1) p = {u, level, v};  // y = c
        if (plane == 2) p = {u, u, v};      // x = y
        if (plane == 3) p = {u, -u, v};     // x = -y
      }
      break;
    }
    case Distribution::SharedVertex: {
      // Every other pair lies in z = 0.
      const bool flat = drawn_ % 2 == 1;
      for (GridPoint& p : c) p = inCube();
      if (flat) {
        for (GridPoint& p : c) p.z = 0;
      }
      c[3 + random_() % 3] = c[random_() % 3];
      break;
    }
    case Distribution::SharedEdge: {
      for (std::size_t i = 0; i < 3; ++i) c[i] = inCube();
      // The shared edge in either direction, at any two places of the second triangle.
      const auto edge = random_() % 3;
      const GridPoint p = c[edge], q = c[(edge + 1) % 3], r = c[(edge + 2) % 3];
      GridPoint third = inCube();
      if (drawn_ % 2 == 1) {
        // Every other pair in one plane: a third corner on the lattice of the first triangle.
        const long i = static_cast<long>(random_() % 5) - 2,
                   j = static_cast<long>(random_() % 5) - 2;
        third = p + i * (q - p) + j * (r - p);
      }
      const std::array<GridPoint, 3> second = {p, q, third};
      const auto order = random_() % 6;
      static constexpr int kPermutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                                  {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
      for (std::size_t k = 0; k < 3; ++k) c[3 + k] = second[kPermutations[order][k]];
      break;
    }
  }
  return pair;
}

TrianglePair PairSource::next() {
  // Uniform pairs in space meet in about three cases of ten; every third pair
  // is redrawn until the triangles meet, so that about half of all pairs do.
  const bool mustMeet = distribution_ == Distribution::Space && drawn_ % 3 == 2;
  for (;;) {
    const TrianglePair pair = draw();
    const ExactTriangle first = pair.exactFirst(), second = pair.exactSecond();
    if (isDegenerate(first) || isDegenerate(second)) continue;
    if (mustMeet && exactIntersection(first, second).empty()) continue;
    ++drawn_;
    return pair;
  }
}
