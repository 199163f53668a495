// trikros-bench-count: runs one part of the computation once over one of the
// benchmark's pair sets, inside countedRun(), so that callgrind can count its
// instructions exactly and repeatably (tools/count-instructions.sh does this
// for every set and part).
//
//   trikros-bench-count SET PART
//     SET   cube, dense or coplanar
//     PART  intersection   findIntersection, the whole answer
//           overlap        the yes/no overlap test
//           plane-tests    each triangle against the other's plane, as
//                          findIntersection starts
//           corner-tests   the six corner-in-triangle tests of a pair in one
//                          plane (each triangle's area found once)
//           edge-tests     the nine edge-against-edge tests of that pair
#include <cstdio>
#include <cstring>
#include <string>

#include "geometry.h"
#include "intersection.h"
#include "overlap_test.h"
#include "pair_sets.h"

namespace {

int intersection(const Pair& p) {
  return findIntersection(p[0], p[1], p[2], p[3], p[4], p[5]).count;
}

int overlap(const Pair& p) {
  return trianglesOverlap(p[0], p[1], p[2], p[3], p[4], p[5]) ? 1 : 0;
}

int planeTests(const Pair& p) {
  const double tolerance = toleranceFor({p[0], p[1], p[2], p[3], p[4], p[5]});
  const PlaneSides first = planeSides(p[0], p[1], p[2], p[3], p[4], p[5], tolerance);
  if (oneSided(first)) return 0;
  const PlaneSides second = planeSides(p[3], p[4], p[5], p[0], p[1], p[2], tolerance);
  return oneSided(second) ? 0 : 1;
}

int cornerTests(const Pair& p) {
  int inside = 0;
  for (int t = 0; t < 2; ++t) {
    const Point* own = &p[static_cast<std::size_t>(3 * t)];
    const Point* other = &p[static_cast<std::size_t>(3 - 3 * t)];
    const double tolerance = toleranceFor({p[0], p[1], p[2], p[3], p[4], p[5]});
    for (int i = 0; i < 3; ++i) {
      inside += pointInTriangle(own[0], own[1], own[2], other[i], tolerance);
    }
  }
  return inside;
}

int edgeTests(const Pair& p) {
  constexpr int kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  int common = 0;
  Point first, second;
  const double tolerance = toleranceFor({p[0], p[1], p[2], p[3], p[4], p[5]});
  for (const auto& outer : kEdges) {
    for (const auto& inner : kEdges) {
      common += segmentIntersection(
          p[static_cast<std::size_t>(outer[0])], p[static_cast<std::size_t>(outer[1])],
          p[static_cast<std::size_t>(3 + inner[0])], p[static_cast<std::size_t>(3 + inner[1])],
          tolerance, first, second);
    }
  }
  return common;
}

// The counted loop, one per part so that the part is inlined as it is in the
// real program; kept out of line so that callgrind can find it by name.
template <int (*part)(const Pair&)>
[[gnu::noinline]] long countedRun(const PairSet& set) {
  long total = 0;
  for (const Pair& pair : set.pairs) total += part(pair);
  return total;
}

int usage() {
  std::fprintf(stderr,
               "usage: trikros-bench-count cube|dense|coplanar "
               "intersection|overlap|plane-tests|corner-tests|edge-tests\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  const std::vector<PairSet> sets = makeSets();
  const PairSet* set = findSet(sets, argv[1]);
  const std::string name = argv[2];
  long (*run)(const PairSet&) = name == "intersection"   ? countedRun<intersection>
                                : name == "overlap"      ? countedRun<overlap>
                                : name == "plane-tests"  ? countedRun<planeTests>
                                : name == "corner-tests" ? countedRun<cornerTests>
                                : name == "edge-tests"   ? countedRun<edgeTests>
                                                         : nullptr;
  if (set == nullptr || run == nullptr) return usage();
  // The sum keeps the work from being optimised away.
  std::printf("%s %s: %zu pairs, sum %ld\n", argv[1], argv[2], set->pairs.size(), run(*set));
  return 0;
}
