#include "pair_sets.h"

#include <cmath>
#include <random>

namespace {

// Uniform floats from the generator's raw output, so the sets are the same
// with every standard library.
class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  float between(float lo, float hi) {
    const float unit = static_cast<float>(engine_() >> 8) * 0x1p-24f;  // [0, 1)
    return lo + (hi - lo) * unit;
  }
  int integer(int lo, int hi) { return lo + static_cast<int>(engine_() % (hi - lo + 1)); }

 private:
  std::mt19937 engine_;
};

Point at(float x, float y, float z) {
  return Point{x, y, z, kDefaultColor};
}

bool properTriangle(Point a, Point b, Point c) {
  const double u[3] = {double(b.x) - a.x, double(b.y) - a.y, double(b.z) - a.z};
  const double v[3] = {double(c.x) - a.x, double(c.y) - a.y, double(c.z) - a.z};
  const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                       u[0] * v[1] - u[1] * v[0]};
  return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) > 1e-3;
}

// Triangles whose corners lie within spread of a centre anywhere in the cube
// [0, side]^3. The ratio of side to spread sets how often two of them meet.
constexpr float kSpread = 10;
constexpr float kSparseSide = 30;
constexpr float kDenseSide = 4;

std::vector<Pair> pairsInCube(Random& random, float side, float spread) {
  std::vector<Pair> pairs;
  while (pairs.size() < kPairCount) {
    Pair pair;
    for (int t = 0; t < 2; ++t) {
      const float cx = random.between(0, side), cy = random.between(0, side),
                  cz = random.between(0, side);
      for (int k = 0; k < 3; ++k) {
        pair[static_cast<std::size_t>(3 * t + k)] =
            at(cx + random.between(-spread, spread), cy + random.between(-spread, spread),
               cz + random.between(-spread, spread));
      }
    }
    if (properTriangle(pair[0], pair[1], pair[2]) && properTriangle(pair[3], pair[4], pair[5])) {
      pairs.push_back(pair);
    }
  }
  return pairs;
}

// Both triangles in the plane z = 0: half of them with any corners in a
// square, which gives polygons of three to six corners, half on a small
// integer grid, which also gives shared corners and edges (a point or a
// segment).
std::vector<Pair> coplanarPairs(Random& random) {
  std::vector<Pair> pairs;
  while (pairs.size() < kPairCount) {
    const bool grid = pairs.size() % 2 == 1;
    Pair pair;
    for (Point& corner : pair) {
      corner = grid ? at(static_cast<float>(random.integer(0, 6)),
                         static_cast<float>(random.integer(0, 6)), 0)
                    : at(random.between(0, 10), random.between(0, 10), 0);
    }
    if (properTriangle(pair[0], pair[1], pair[2]) && properTriangle(pair[3], pair[4], pair[5])) {
      pairs.push_back(pair);
    }
  }
  return pairs;
}

}  // namespace

std::vector<PairSet> makeSets() {
  Random random(kSeed);
  std::vector<PairSet> sets;
  sets.push_back({"cube", "random pairs in a cube (few hits)", 1.5,
                  pairsInCube(random, kSparseSide, kSpread)});
  sets.push_back({"dense", "dense random pairs (about a quarter hit)", 1.5,
                  pairsInCube(random, kDenseSide, kSpread)});
  sets.push_back(
      {"coplanar", "pairs in one plane (polygons of every size)", 3.0, coplanarPairs(random)});
  return sets;
}

const PairSet* findSet(const std::vector<PairSet>& sets, const std::string& name) {
  for (const PairSet& set : sets) {
    if (set.name == name) return &set;
  }
  return nullptr;
}
