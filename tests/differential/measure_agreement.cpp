// trikros-differential: how often the program's answer agrees with exact
// arithmetic, by distribution and by the size of the coordinates. The
// tolerances of the program are absolute, so agreement is expected to fall
// as the coordinates grow; this measures where.
//
//   trikros-differential [pairs-per-row] [--show N]
//
// Prints a Markdown table; --show N also prints the first N disagreements of
// every row, ready to reproduce.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "comparison.h"
#include "pair_generators.h"

namespace {

struct Row {
  Grid grid;
  const char* scale;
  const char* values;
};

const Row kRows[] = {
    {{1, 5}, "5", "integers"},     {{2, 10}, "5", "halves"},     {{10, 50}, "5", "one decimal"},
    {{1, 50}, "50", "integers"},   {{2, 100}, "50", "halves"},   {{10, 500}, "50", "one decimal"},
    {{1, 500}, "500", "integers"}, {{2, 1000}, "500", "halves"}, {{10, 5000}, "500", "one decimal"},
};

double percent(int part, int whole) {
  return 100.0 * part / whole;
}

}  // namespace

int main(int argc, char** argv) {
  int pairs = 5000;
  int show = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--show") == 0 && i + 1 < argc) {
      show = std::atoi(argv[++i]);
    } else {
      pairs = std::atoi(argv[i]);
    }
  }
  if (pairs <= 0) {
    std::fprintf(stderr, "usage: trikros-differential [pairs-per-row] [--show N]\n");
    return 2;
  }
  std::printf(
      "| distribution | scale | values | pairs | meet %% | kind agreement %% | corner agreement %% "
      "|\n");
  std::printf("|---|---|---|---|---|---|---|\n");
  std::string shown;
  for (const Row& row : kRows) {
    for (Distribution distribution : kAllDistributions) {
      PairSource source(distribution, row.grid, seedFor(distribution, row.grid));
      int meeting = 0, kinds = 0, corners = 0, shownHere = 0;
      for (int i = 0; i < pairs; ++i) {
        const Comparison c = compare(source.next());
        meeting += c.expected.empty() ? 0 : 1;
        kinds += c.kindAgrees ? 1 : 0;
        corners += c.cornersAgree ? 1 : 0;
        if (!c.cornersAgree && shownHere < show) {
          ++shownHere;
          shown += name(distribution) + ", scale " + row.scale + ", " + row.values + ", pair " +
                   std::to_string(i) + "\n" + describe(c);
        }
      }
      std::printf("| %s | %s | %s | %d | %.1f | %.2f | %.2f |\n", name(distribution).c_str(),
                  row.scale, row.values, pairs, percent(meeting, pairs), percent(kinds, pairs),
                  percent(corners, pairs));
      std::fflush(stdout);
    }
  }
  if (!shown.empty()) std::printf("\n%s", shown.c_str());
  return 0;
}
