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
//   trikros-differential --answers FILE [pairs-per-row]
//       writes every pair of the table as its eighteen typed words with what
//       trikros prints for them (the notes, the report, the worked solution),
//       one JSON object a line: the web page must answer the same
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "comparison.h"
#include "pair_generators.h"

// What trikros prints for the typed numbers (printed_answer.cpp): the notes
// on standard error, the report and the worked solution on standard output.
bool printedAnswer(const std::string& typed, std::string& notes, std::string& report,
                   std::string& explanation);

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

// A report on one line: its line breaks written as '|', which no report holds.
std::string swapped(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

int table(int pairs, int show) {
  std::printf(
      "| distribution | scale | values | pairs | meet %% | kind agreement %% | corner agreement %% "
      "| with the floats read %% | worked solution exact %% | its note |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
  std::string shown;
  for (const Row& row : kRows) {
    for (Distribution distribution : kAllDistributions) {
      PairSource source(distribution, row.grid, seedFor(distribution, row.grid));
      int meeting = 0, kinds = 0, corners = 0, floats = 0, explained = 0, noted = 0, shownHere = 0;
      for (int i = 0; i < pairs; ++i) {
        const Comparison c = compare(source.next());
        meeting += c.expected.empty() ? 0 : 1;
        kinds += c.kindAgrees ? 1 : 0;
        corners += c.cornersAgree ? 1 : 0;
        floats += c.floatsAgree ? 1 : 0;
        explained += c.explained ? 1 : 0;
        noted += c.explanation.differsFromReport ? 1 : 0;
        if ((!c.cornersAgree || !c.explained) && shownHere < show) {
          ++shownHere;
          shown += name(distribution) + ", scale " + row.scale + ", " + row.values + ", pair " +
                   std::to_string(i) + "\n" + describe(c);
        }
      }
      std::printf("| %s | %s | %s | %d | %.1f | %.2f | %.2f | %.2f | %.2f | %d |\n",
                  name(distribution).c_str(), row.scale, row.values, pairs, percent(meeting, pairs),
                  percent(kinds, pairs), percent(corners, pairs), percent(floats, pairs),
                  percent(explained, pairs), noted);
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
            << swapped(
                   reportText(findIntersection(p[0], p[1], p[2], p[3], p[4], p[5], pair.doubles())),
                   '\n', '|')
            << '\n';
      }
    }
  }
  return out ? 0 : 1;
}

std::string json(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (c == '\n') {
      quoted += "\\n";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

int answers(const char* path, int pairs) {
  std::ofstream out(path);
  for (const Row& row : kRows) {
    for (Distribution distribution : kAllDistributions) {
      PairSource source(distribution, row.grid, seedFor(distribution, row.grid));
      for (int i = 0; i < pairs; ++i) {
        std::string typed, words;
        for (const std::string& word : source.next().words()) {
          typed += word + " ";
          words += (words.empty() ? "" : ",") + json(word);
        }
        std::string notes, report, explanation;
        if (!printedAnswer(typed, notes, report, explanation)) return 1;
        out << "{\"words\":[" << words << "],\"notes\":" << json(notes)
            << ",\"report\":" << json(report) << ",\"explanation\":" << json(explanation) << "}\n";
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
  // Of the reports that changed: right or wrong (kind and corners) before and after.
  long lines = 0, changed = 0, counts[2][2] = {{0, 0}, {0, 0}};
  std::string old, now, shown;
  while (std::getline(before, old) && std::getline(after, now)) {
    ++lines;
    const std::size_t tab = old.find('\t');
    if (tab == std::string::npos || now.compare(0, tab + 1, old, 0, tab + 1) != 0) {
      std::fprintf(stderr, "line %ld: the dumps hold different pairs\n", lines);
      return 2;
    }
    if (old == now) continue;
    ++changed;
    const std::array<ExactPoint, 6> c = exactCorners(old.substr(0, tab));
    const std::vector<ExactPoint> truth = exactIntersection({c[0], c[1], c[2]}, {c[3], c[4], c[5]});
    const bool was = isRight(readReport(swapped(old.substr(tab + 1), '|', '\n')), truth);
    const bool is = isRight(readReport(swapped(now.substr(tab + 1), '|', '\n')), truth);
    ++counts[was][is];
    if (was || !is) {
      shown += "line " + std::to_string(lines) + (was ? ", right" : ", wrong") + " before, " +
               (is ? "right" : "wrong") + " after\n  " + old + "\n  " + now + "\n  truth " +
               kindName(static_cast<int>(truth.size()));
      for (const ExactPoint& e : truth) shown += " " + toString(e);
      shown += "\n";
    }
  }
  std::printf(
      "%ld pairs, %ld reports changed: wrong before and right after %ld; wrong before and after "
      "%ld; right before and after %ld; right before and wrong after %ld\n%s",
      lines, changed, counts[0][1], counts[0][0], counts[1][1], counts[1][0], shown.c_str());
  return changed == counts[0][1] ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--judge") == 0) return judge(argv[2], argv[3]);
  if (argc >= 3 && std::strcmp(argv[1], "--dump") == 0) {
    return dump(argv[2], argc > 3 ? std::atoi(argv[3]) : 5000);
  }
  if (argc >= 3 && std::strcmp(argv[1], "--answers") == 0) {
    return answers(argv[2], argc > 3 ? std::atoi(argv[3]) : 16);
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
                 "       trikros-differential --judge BEFORE AFTER\n"
                 "       trikros-differential --answers FILE [pairs-per-row]\n");
    return 2;
  }
  return table(pairs, show);
}
