// The three fixed sets of triangle pairs on which the intersection is timed
// and its instructions counted, made from a fixed seed so that every run and
// every machine sees the same pairs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry.h"

using Pair = std::array<Point, 6>;  // a1, b1, c1, a2, b2, c2

inline constexpr std::size_t kPairCount = 4096;
inline constexpr std::uint32_t kSeed = 20240607;

struct PairSet {
  std::string name;
  std::string description;
  double target;  // the most that the full intersection may cost, in overlap tests
  std::vector<Pair> pairs;
};

// cube: random pairs in a cube (few meet); dense: the same in a smaller cube
// (about a quarter meet); coplanar: pairs in the plane z = 0 (polygons of
// every size, shared corners and edges).
//
//   const std::vector<PairSet> sets = makeSets();
std::vector<PairSet> makeSets();

// The set with this name, or nullptr.
const PairSet* findSet(const std::vector<PairSet>& sets, const std::string& name);
