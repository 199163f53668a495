// trikros-differential: how often the program's answer agrees with exact
// arithmetic, by distribution and by the size of the coordinates, and the
// before-and-after check of a change to the computation.
//
//   trikros-differential [pairs-per-row] [--show N]
//       a Markdown table; --show N also prints the first N disagreements of
//       every row, ready to reproduce
//   trikros-differential --dump FILE [pairs-per-row]
//       writes every pair of the table, as typed, with the program's report
//   trikros-differential --judge BEFORE AFTER
//       judges every report that differs between two dumps of the same pairs
//       (any pairs: typed decimals or hexadecimal floats) by exact arithmetic
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
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
    {{1, 5}, "5", "integers"},          {{2, 10}, "5", "halves"},
    {{10, 50}, "5", "one decimal"},     {{100, 500}, "5", "two decimals"},
    {{1, 50}, "50", "integers"},        {{2, 100}, "50", "halves"},
    {{10, 500}, "50", "one decimal"},   {{100, 5000}, "50", "two decimals"},
    {{1, 100}, "100", "integers"},      {{2, 200}, "100", "halves"},
    {{10, 1000}, "100", "one decimal"}, {{100, 10000}, "100", "two decimals"},
    {{1, 500}, "500", "integers"},      {{2, 1000}, "500", "halves"},
    {{10, 5000}, "500", "one decimal"}, {{100, 50000}, "500", "two decimals"},
};

double percent(int part, int whole) {
  return 100.0 * part / whole;
}

// A report on one line: its line breaks written as \n.
std::string escaped(const std::string& text) {
  std::string line;
  for (char ch : text) line += ch == '\n' ? std::string("\\n") : std::string(1, ch);
  return line;
}

std::string unescaped(const std::string& line) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
      text += '\n';
      ++i;
    } else {
      text += line[i];
    }
  }
  return text;
}

int table(int pairs, int show) {
  std::printf(
      "| distribution | scale | values | pairs | meet %% | kind agreement %% | corner agreement %% "
      "| with the floats read %% |\n");
  std::printf("|---|---|---|---|---|---|---|---|\n");
  std::string shown;
  for (const Row& row : kRows) {
    for (Distribution distribution : kAllDistributions) {
      PairSource source(distribution, row.grid, seedFor(distribution, row.grid));
      int meeting = 0, kinds = 0, corners = 0, floats = 0, shownHere = 0;
      for (int i = 0; i < pairs; ++i) {
        const Comparison c = compare(source.next());
        meeting += c.expected.empty() ? 0 : 1;
        kinds += c.kindAgrees ? 1 : 0;
        corners += c.cornersAgree ? 1 : 0;
        floats += c.floatsAgree ? 1 : 0;
        if (!c.cornersAgree && shownHere < show) {
          ++shownHere;
          shown += name(distribution) + ", scale " + row.scale + ", " + row.values + ", pair " +
                   std::to_string(i) + "\n" + describe(c);
        }
      }
      std::printf("| %s | %s | %s | %d | %.1f | %.2f | %.2f | %.2f |\n", name(distribution).c_str(),
                  row.scale, row.values, pairs, percent(meeting, pairs), percent(kinds, pairs),
                  percent(corners, pairs), percent(floats, pairs));
      std::fflush(stdout);
    }
  }
  if (!shown.empty()) std::printf("\n%s", shown.c_str());
  return 0;
}

int dump(const char* path, int pairs) {
  std::ofstream out(path);
  for (const Row& row : kRows) {
    for (Distribution distribution : kAllDistributions) {
      PairSource source(distribution, row.grid, seedFor(distribution, row.grid));
      for (int i = 0; i < pairs; ++i) {
        const TrianglePair pair = source.next();
        const auto p = pair.floats();
        out << pair.typed() << '\t'
            << escaped(reportText(findIntersection(p[0], p[1], p[2], p[3], p[4], p[5]))) << '\n';
      }
    }
  }
  return out ? 0 : 1;
}

int judge(const char* beforePath, const char* afterPath) {
  std::ifstream before(beforePath), after(afterPath);
  if (!before || !after) {
    std::fprintf(stderr, "trikros-differential: cannot read the dumps\n");
    return 2;
  }
  // Of the reports that changed: wrong before (kind or corners), right in
  // kind and corners but not in message or order, or right in every detail;
  // and whether right in every detail after.
  long lines = 0, changed = 0, counts[3][2] = {{0, 0}, {0, 0}, {0, 0}}, unchanged[3] = {0, 0, 0};
  std::string old, now, shown;
  while (std::getline(before, old) && std::getline(after, now)) {
    ++lines;
    const std::size_t tab = old.find('\t');
    if (tab == std::string::npos || now.compare(0, tab + 1, old, 0, tab + 1) != 0) {
      std::fprintf(stderr, "line %ld: the dumps hold different pairs\n", lines);
      return 2;
    }
    const std::array<ExactPoint, 6> c = exactCorners(old.substr(0, tab));
    const ExactTriangle first = {c[0], c[1], c[2]}, second = {c[3], c[4], c[5]};
    const std::vector<ExactPoint> truth = exactIntersection(first, second);
    const ExactReport report = exactReport(first, second);
    const PrintedAnswer was = readReport(unescaped(old.substr(tab + 1)));
    const PrintedAnswer is = readReport(unescaped(now.substr(tab + 1)));
    const int before = isExactlyRight(was, report, c) ? 2 : (isRight(was, truth) ? 1 : 0);
    if (old == now) {
      ++unchanged[before];
      continue;
    }
    ++changed;
    const bool right = isExactlyRight(is, report, c);
    ++counts[before][right];
    if (before == 2 || !right) {
      static const char* const kBefore[] = {"wrong before", "mislabelled before", "right before"};
      shown += "line " + std::to_string(lines) + ", " + kBefore[before] +
               (right ? ", right after" : ", wrong after") + "\n  " + old + "\n  " + now +
               "\n  truth " + kindName(static_cast<int>(report.corners.size()));
      for (const ExactPoint& e : report.corners) shown += " " + toString(e);
      shown += "\n";
    }
  }
  std::printf(
      "%ld pairs, %ld reports changed. Right after: %ld were wrong before (kind or corners), "
      "%ld were right in kind and corners but not in message, order of corners, or typed corners "
      "as "
      "typed. Not allowed: "
      "%ld right before, %ld not right after.\nUnchanged: %ld right, %ld right in kind and "
      "corners only, %ld wrong.\n%s",
      lines, changed, counts[0][1], counts[1][1], counts[2][0] + counts[2][1],
      counts[0][0] + counts[1][0], unchanged[2], unchanged[1], unchanged[0], shown.c_str());
  return changed == counts[0][1] + counts[1][1] ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--judge") == 0) return judge(argv[2], argv[3]);
  if (argc >= 3 && std::strcmp(argv[1], "--dump") == 0) {
    return dump(argv[2], argc > 3 ? std::atoi(argv[3]) : 5000);
  }
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
    std::fprintf(stderr,
                 "usage: trikros-differential [pairs-per-row] [--show N]\n"
                 "       trikros-differential --dump FILE [pairs-per-row]\n"
                 "       trikros-differential --judge BEFORE AFTER\n");
    return 2;
  }
  return table(pairs, show);
}
