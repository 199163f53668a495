// trikros-bench: the cost of the pure intersection (findIntersection: the
// kind of answer and its corners, nothing printed, nothing added to the scene)
// on three fixed sets of triangle pairs, beside the classic yes/no overlap
// test on the same pairs. After the timings it prints, for each set, the cost
// per pair of both and their ratio against the target.
//
//   build/release/trikros-bench
//   build/release/trikros-bench --benchmark_repetitions=10
//       --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
//   build/release/trikros-bench --benchmark_filter=coplanar
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app.h"
#include "intersection.h"
#include "overlap_test.h"
#include "pair_sets.h"

namespace {

int intersectAll(const std::vector<Pair>& pairs) {
  int corners = 0;
  for (const Pair& p : pairs) corners += findIntersection(p[0], p[1], p[2], p[3], p[4], p[5]).count;
  return corners;
}

int overlapAll(const std::vector<Pair>& pairs) {
  int hits = 0;
  for (const Pair& p : pairs) hits += trianglesOverlap(p[0], p[1], p[2], p[3], p[4], p[5]);
  return hits;
}

void timeIntersection(benchmark::State& state, const PairSet* set) {
  for (auto _ : state) benchmark::DoNotOptimize(intersectAll(set->pairs));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * set->pairs.size()));
}

void timeOverlap(benchmark::State& state, const PairSet* set) {
  for (auto _ : state) benchmark::DoNotOptimize(overlapAll(set->pairs));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * set->pairs.size()));
}

// The baseline must answer yes for every fixed case, all of which meet, and
// agree with the full intersection on almost every pair; else its timing
// means nothing.
void checkBaseline(const std::vector<PairSet>& sets) {
  for (int number = 1; number <= kFixedCaseCount; ++number) {
    const Pair p = fixedCase(number);
    if (!trianglesOverlap(p[0], p[1], p[2], p[3], p[4], p[5])) {
      std::fprintf(stderr, "overlap test misses fixed case %d\n", number);
      std::exit(1);
    }
  }
  std::printf("Pair sets (%zu pairs each, seed %u):\n", kPairCount, kSeed);
  for (const PairSet& set : sets) {
    int hits = 0, agree = 0;
    std::array<int, kMaxCorners + 1> byCount{};
    for (const Pair& p : set.pairs) {
      const int count = findIntersection(p[0], p[1], p[2], p[3], p[4], p[5]).count;
      const bool overlap = trianglesOverlap(p[0], p[1], p[2], p[3], p[4], p[5]);
      ++byCount[static_cast<std::size_t>(count)];
      hits += count > 0;
      agree += (count > 0) == overlap;
    }
    const double n = static_cast<double>(set.pairs.size());
    std::printf("  %-9s %s: %.1f%% meet, the overlap test agrees on %.2f%%; corners 0..6:",
                set.name.c_str(), set.description.c_str(), 100.0 * hits / n, 100.0 * agree / n);
    for (int c : byCount) std::printf(" %d", c);
    std::printf("\n");
    if (agree < 0.99 * n) {
      std::fprintf(stderr, "the overlap test disagrees too often on %s\n", set.name.c_str());
      std::exit(1);
    }
  }
  std::fflush(stdout);
}

// Collects the CPU time per iteration of every run for the closing summary.
// The fastest repetition is the one least disturbed by other work on the
// machine, so the summary compares minima.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  explicit SummaryReporter(OutputOptions options) : ConsoleReporter(options) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool repetition = run.run_type == Run::RT_Iteration;
      if (!repetition && run.aggregate_name != "min") continue;
      const double seconds =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      auto [entry, added] = fastest_.try_emplace(run.run_name.str(), seconds);
      if (!added) entry->second = std::min(entry->second, seconds);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Seconds per iteration of the fastest repetition, or a negative value when
  // the benchmark did not run.
  double fastestSeconds(const std::string& name) const {
    const auto found = fastest_.find(name);
    return found == fastest_.end() ? -1.0 : found->second;
  }

 private:
  std::map<std::string, double> fastest_;
};

double fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

void printSummary(const std::vector<PairSet>& sets, const SummaryReporter& reporter) {
  std::printf(
      "\nCost of findIntersection per pair as a ratio to the yes/no overlap test "
      "(CPU time, fastest repetition):\n");
  for (const PairSet& set : sets) {
    const double ours = reporter.fastestSeconds("findIntersection/" + set.name);
    const double baseline = reporter.fastestSeconds("overlapTest/" + set.name);
    if (ours <= 0 || baseline <= 0) continue;
    const double perPair = 1e9 / static_cast<double>(set.pairs.size());
    const double ratio = ours / baseline;
    std::printf(
        "ratio %-9s findIntersection %7.1f ns/pair, overlap test %6.1f ns/pair, "
        "ratio %5.2f (target <= %.1f): %s\n",
        set.name.c_str(), ours * perPair, baseline * perPair, ratio, set.target,
        ratio <= set.target ? "met" : "MISSED");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  static const std::vector<PairSet> sets = makeSets();
  checkBaseline(sets);
  for (const PairSet& set : sets) {
    benchmark::RegisterBenchmark(("findIntersection/" + set.name).c_str(), timeIntersection, &set)
        ->Unit(benchmark::kMicrosecond)
        ->ComputeStatistics("min", fastest);
    benchmark::RegisterBenchmark(("overlapTest/" + set.name).c_str(), timeOverlap, &set)
        ->Unit(benchmark::kMicrosecond)
        ->ComputeStatistics("min", fastest);
  }
  SummaryReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  printSummary(sets, reporter);
  benchmark::Shutdown();
  return 0;
}
