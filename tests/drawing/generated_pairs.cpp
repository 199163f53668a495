// Pairs from the differential test's generator, for the drawing test: two of
// each kind at every scale from 1 to 500.
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "pair_generators.h"

std::vector<std::pair<std::string, std::array<Point, 6>>> generatedPairs() {
  std::vector<std::pair<std::string, std::array<Point, 6>>> pairs;
  for (const long scale : {1L, 5L, 50L, 500L}) {
    for (const Distribution distribution : kAllDistributions) {
      const Grid grid{scale == 1 ? 10 : 1, scale == 1 ? 10 : scale};  // tenths within 1
      PairSource source(distribution, grid, seedFor(distribution, grid));
      for (int i = 0; i < 2; ++i) {
        std::string label = name(distribution) + std::to_string(scale) + "_" + std::to_string(i);
        std::replace(label.begin(), label.end(), '-', '_');
        pairs.push_back({label, source.next().floats()});
      }
    }
  }
  return pairs;
}

// Pairs in space and pairs sharing an edge, at scale 6, for the depth rows.
std::vector<std::array<Point, 6>> pairsForDepth(int each) {
  std::vector<std::array<Point, 6>> pairs;
  for (const Distribution distribution : {Distribution::Space, Distribution::SharedEdge}) {
    PairSource source(distribution, Grid{1, 6}, 25);
    for (int i = 0; i < each; ++i) pairs.push_back(source.next().floats());
  }
  return pairs;
}
