// Reproducible pairs of triangles from classroom-like distributions.
#include "pair_generators.h"

#include <cstdlib>
#include <utility>

namespace {

// The value as the user would type it: "3", "-0.5", "12.3", "-7.05"
// (denominator 1, 2, 10 or 100).
std::string decimal(long numerator, int denominator) {
  if (denominator == 1) return std::to_string(numerator);
  const long unit = denominator == 100 ? 100 : 10;
  const long scaled = std::labs(numerator) * (unit / denominator);
  std::string fraction = std::to_string(scaled % unit);
  if (unit == 100 && fraction.size() < 2) fraction = "0" + fraction;
  return std::string(numerator < 0 ? "-" : "") + std::to_string(scaled / unit) + "." + fraction;
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
    case Distribution::DegeneratePoint:
      return "degenerate-point";
    case Distribution::DegenerateSegment:
      return "degenerate-line";
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

TypedCorners TrianglePair::doubles() const {
  TypedCorners typed;
  auto read = [this](long numerator) {
    return std::strtod(decimal(numerator, denominator).c_str(), nullptr);
  };
  for (std::size_t i = 0; i < 6; ++i) {
    typed[i] = {read(corners[i].x), read(corners[i].y), read(corners[i].z)};
  }
  return typed;
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

std::array<std::string, 18> TrianglePair::words() const {
  std::array<std::string, 18> words;
  for (std::size_t i = 0; i < 6; ++i) {
    words[3 * i] = decimal(corners[i].x, denominator);
    words[3 * i + 1] = decimal(corners[i].y, denominator);
    words[3 * i + 2] = decimal(corners[i].z, denominator);
  }
  return words;
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

// A lattice vector of up to a third of the cube's half-width in each
// coordinate, never zero.
GridPoint PairSource::step() {
  const auto range = static_cast<std::uint64_t>(2 * (grid_.limit / 3) + 1);
  for (;;) {
    GridPoint d;
    d.x = static_cast<long>(random_() % range) - grid_.limit / 3;
    d.y = static_cast<long>(random_() % range) - grid_.limit / 3;
    d.z = static_cast<long>(random_() % range) - grid_.limit / 3;
    if (d.x != 0 || d.y != 0 || d.z != 0) return d;
  }
}

bool PairSource::inRange(const GridPoint& p) const {
  return std::labs(p.x) <= grid_.limit && std::labs(p.y) <= grid_.limit &&
         std::labs(p.z) <= grid_.limit;
}

bool PairSource::inRange(const std::array<GridPoint, 6>& corners) const {
  for (const GridPoint& p : corners) {
    if (!inRange(p)) return false;
  }
  return true;
}

// Three corners from c[first] on whose centroid is centre, so that centre
// lies inside their triangle (unless the steps happen to be parallel).
void PairSource::placeAround(GridPoint centre, std::array<GridPoint, 6>& c, std::size_t first) {
  const GridPoint s = step(), t = step();
  c[first] = centre + s;
  c[first + 1] = centre + t;
  c[first + 2] = centre - s - t;
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
    case Distribution::DegeneratePoint: {
      // A point inside the other triangle, on one of its edges, at one of its
      // corners or anywhere; now and then the other triangle is a point too.
      const GridPoint p = inCube();
      const auto where = random_() % 4;
      if (where == 0) placeAround(p, c, 3);
      if (where == 1) c[3] = p + step(), c[4] = p - (c[3] - p), c[5] = inCube();
      if (where >= 2) c[3] = inCube(), c[4] = inCube(), c[5] = inCube();
      c[0] = c[1] = c[2] = where == 2 ? c[3 + random_() % 3] : p;
      if (drawn_ % 5 == 4) c[3] = c[4] = c[5] = random_() % 2 == 0 ? p : inCube();
      break;
    }
    case Distribution::DegenerateSegment: {
      // Three corners on one line (two of them may coincide), in any order,
      // against a triangle that the line pierces, one that contains the line,
      // a triangle anywhere, or another degenerate triangle on a crossing line.
      const GridPoint p = inCube(), d = step();
      static constexpr long kMultiples[] = {-1, 2, 0, 1, -2};
      const std::array<GridPoint, 3> line = {p, p + d, p + kMultiples[random_() % 5] * d};
      const auto order = random_() % 3;
      for (std::size_t k = 0; k < 3; ++k) c[k] = line[(k + order) % 3];
      const auto where = random_() % 4;
      if (where == 0) placeAround(p + static_cast<long>(random_() % 2) * d, c, 3);
      if (where == 1) {
        const GridPoint e = step();
        for (std::size_t k = 3; k < 6; ++k) {
          const long i = static_cast<long>(random_() % 5) - 2,
                     j = static_cast<long>(random_() % 3) - 1;
          c[k] = p + i * d + j * e;
        }
      }
      if (where == 2) c[3] = inCube(), c[4] = inCube(), c[5] = inCube();
      if (where == 3) {
        const GridPoint q = p + static_cast<long>(random_() % 2) * d, e = step();
        c[3] = q - e, c[4] = q + e, c[5] = random_() % 2 == 0 ? q : q + 2 * e;
      }
      break;
    }
  }
  // The degenerate triangle comes first in one pair of two.
  const bool degenerate = distribution_ == Distribution::DegeneratePoint ||
                          distribution_ == Distribution::DegenerateSegment;
  if (degenerate && drawn_ % 2 == 1) {
    for (std::size_t k = 0; k < 3; ++k) std::swap(c[k], c[k + 3]);
  }
  return pair;
}

TrianglePair PairSource::next() {
  // Uniform pairs in space meet in about three cases of ten; every third pair
  // is redrawn until the triangles meet, so that about half of all pairs do.
  const bool mustMeet = distribution_ == Distribution::Space && drawn_ % 3 == 2;
  const bool degenerate = distribution_ == Distribution::DegeneratePoint ||
                          distribution_ == Distribution::DegenerateSegment;
  for (;;) {
    const TrianglePair pair = draw();
    const ExactTriangle first = pair.exactFirst(), second = pair.exactSecond();
    if (degenerate && !inRange(pair.corners)) continue;
    if (!degenerate && (isDegenerate(first) || isDegenerate(second))) continue;
    if (mustMeet && exactIntersection(first, second).empty()) continue;
    ++drawn_;
    return pair;
  }
}
