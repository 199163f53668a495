// The program's intersection against exact rational arithmetic, on pairs of
// triangles as a class would type them: integers within 5 and within 100, and
// values with one decimal within 100.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "comparison.h"
#include "exact_reference.h"
#include "pair_generators.h"

#ifndef TRIKROS_DIFFERENTIAL_PAIRS
#define TRIKROS_DIFFERENTIAL_PAIRS 4000
#endif

namespace {

// TRIKROS_DIFFERENTIAL_PAIRS in the environment overrides the number, e.g.
// to search longer for disagreements.
int pairsPerDistribution() {
  const char* text = std::getenv("TRIKROS_DIFFERENTIAL_PAIRS");
  const int pairs = text != nullptr ? std::atoi(text) : 0;
  return pairs > 0 ? pairs : TRIKROS_DIFFERENTIAL_PAIRS;
}
constexpr Grid kClassroom{1, 5};     // integers -5..5
constexpr Grid kHundreds{1, 100};    // integers -100..100
constexpr Grid kDecimals{10, 1000};  // one decimal, -100.0..100.0
constexpr int kShownDisagreements = 10;

// ---- The exact reference on answers known by hand --------------------------

struct KnownCase {
  const char* what;
  ExactTriangle first;
  ExactTriangle second;
  std::vector<ExactPoint> corners;  // in any order
};

ExactPoint at(const char* x, const char* y, const char* z) {
  return {mpq_class(x), mpq_class(y), mpq_class(z)};
}

std::vector<std::string> sortedText(const std::vector<ExactPoint>& points) {
  std::vector<std::string> text;
  for (const ExactPoint& p : points) text.push_back(toString(p));
  std::sort(text.begin(), text.end());
  return text;
}

class ExactReference : public testing::TestWithParam<KnownCase> {};

TEST_P(ExactReference, FindsTheKnownCorners) {
  const KnownCase& c = GetParam();
  EXPECT_EQ(sortedText(exactIntersection(c.first, c.second)), sortedText(c.corners)) << c.what;
  // The answer does not depend on which triangle comes first.
  EXPECT_EQ(sortedText(exactIntersection(c.second, c.first)), sortedText(c.corners)) << c.what;
}

// Values are fractions: at("5/2", "3", "0") is (2.5, 3, 0).
const KnownCase kKnownCases[] = {
    {"edge on edge, different planes",
     {at("4", "5", "0"), at("4", "1", "0"), at("1", "5", "0")},
     {at("4", "3", "0"), at("4", "6", "0"), at("2", "3", "5")},
     {at("4", "3", "0"), at("4", "5", "0")}},
    {"corner on an edge of the other's plane",
     {at("4", "5", "0"), at("4", "1", "0"), at("1", "5", "0")},
     {at("4", "3", "0"), at("4", "6", "3"), at("2", "3", "5")},
     {at("4", "3", "0")}},
    {"shared corner, one plane",
     {at("4", "5", "0"), at("4", "1", "0"), at("1", "5", "0")},
     {at("4", "5", "0"), at("5", "3", "0"), at("11/2", "11/2", "0")},
     {at("4", "5", "0")}},
    {"corner inside the other triangle, different planes",
     {at("4", "5", "0"), at("4", "1", "0"), at("1", "5", "0")},
     {at("3", "4", "0"), at("4", "6", "3"), at("2", "3", "5")},
     {at("3", "4", "0")}},
    {"corner on an edge, one plane",
     {at("4", "5", "0"), at("4", "1", "0"), at("1", "5", "0")},
     {at("3/2", "2", "0"), at("5/2", "2", "0"), at("5/2", "3", "0")},
     {at("5/2", "3", "0")}},
    {"piercing triangles",
     {at("4", "5", "0"), at("4", "1", "0"), at("1", "5", "0")},
     {at("5/2", "11/2", "0"), at("5", "3", "0"), at("5", "11/2", "5")},
     {at("3", "5", "0"), at("4", "4", "0")}},
    {"overlapping edges, one plane",
     {at("4", "5", "0"), at("4", "1", "0"), at("1", "5", "0")},
     {at("4", "3", "0"), at("4", "6", "0"), at("5", "3", "0")},
     {at("4", "3", "0"), at("4", "5", "0")}},
    {"triangle",
     {at("1", "1", "0"), at("6", "1", "0"), at("1", "5", "0")},
     {at("4", "0", "0"), at("4", "3", "0"), at("8", "1", "0")},
     {at("4", "1", "0"), at("6", "1", "0"), at("4", "13/5", "0")}},
    {"quadrilateral",
     {at("1", "1", "0"), at("4", "1", "0"), at("4", "4", "0")},
     {at("5", "2", "0"), at("4", "0", "0"), at("3", "2", "0")},
     {at("7/2", "1", "0"), at("4", "1", "0"), at("4", "2", "0"), at("3", "2", "0")}},
    {"hexagon",
     {at("1", "1", "0"), at("4", "1", "0"), at("4", "4", "0")},
     {at("5", "3", "0"), at("3", "0", "0"), at("2", "3", "0")},
     {at("8/3", "1", "0"), at("11/3", "1", "0"), at("4", "3/2", "0"), at("4", "3", "0"),
      at("3", "3", "0"), at("9/4", "9/4", "0")}},
    {"pentagon",
     {at("1", "1", "0"), at("4", "1", "0"), at("4", "4", "0")},
     {at("5", "3", "0"), at("3", "0", "0"), at("3", "2", "0")},
     {at("3", "1", "0"), at("11/3", "1", "0"), at("4", "3/2", "0"), at("4", "5/2", "0"),
      at("3", "2", "0")}},
    {"triangle inside with an edge on an edge",
     {at("1", "1", "0"), at("6", "1", "0"), at("1", "5", "0")},
     {at("2", "1", "0"), at("4", "1", "0"), at("3", "2", "0")},
     {at("2", "1", "0"), at("4", "1", "0"), at("3", "2", "0")}},
    {"six-pointed star in the plane y = 0",
     {at("0", "0", "0"), at("6", "0", "0"), at("3", "0", "6")},
     {at("0", "0", "4"), at("6", "0", "4"), at("3", "0", "-2")},
     {at("2", "0", "0"), at("4", "0", "0"), at("5", "0", "2"), at("4", "0", "4"), at("2", "0", "4"),
      at("1", "0", "2")}},
    {"six-pointed star in the plane x = y",
     {at("0", "0", "0"), at("6", "6", "0"), at("3", "3", "6")},
     {at("0", "0", "4"), at("6", "6", "4"), at("3", "3", "-2")},
     {at("2", "2", "0"), at("4", "4", "0"), at("5", "5", "2"), at("4", "4", "4"), at("2", "2", "4"),
      at("1", "1", "2")}},
    {"common edge, opposite sides, one plane",
     {at("0", "0", "0"), at("4", "0", "0"), at("0", "4", "0")},
     {at("0", "0", "0"), at("4", "0", "0"), at("2", "-3", "0")},
     {at("0", "0", "0"), at("4", "0", "0")}},
    {"one plane, apart",
     {at("0", "0", "0"), at("1", "0", "0"), at("0", "1", "0")},
     {at("2", "2", "0"), at("3", "2", "0"), at("2", "3", "0")},
     {}},
    {"parallel planes",
     {at("0", "0", "0"), at("4", "0", "0"), at("0", "4", "0")},
     {at("0", "0", "1"), at("4", "0", "1"), at("0", "4", "1")},
     {}},
    {"cuts on one line that miss each other",
     {at("0", "0", "0"), at("4", "0", "0"), at("0", "4", "0")},
     {at("5", "0", "-1"), at("7", "0", "-1"), at("6", "0", "1")},
     {}},
    {"a triangle through the interior of the other",
     {at("0", "0", "0"), at("4", "0", "0"), at("0", "4", "0")},
     {at("1", "1", "-1"), at("1", "1", "1"), at("-3", "1", "1")},
     {at("1", "1", "0"), at("0", "1", "0")}},
    {"touching corners, different planes",
     {at("0", "0", "0"), at("1", "0", "0"), at("0", "1", "0")},
     {at("0", "0", "0"), at("-1", "0", "2"), at("0", "-1", "2")},
     {at("0", "0", "0")}},
    {"a point inside the other triangle",
     {at("2", "2", "0"), at("2", "2", "0"), at("2", "2", "0")},
     {at("0", "0", "0"), at("5", "0", "0"), at("0", "5", "0")},
     {at("2", "2", "0")}},
    {"corners on one line piercing the other triangle",
     {at("1", "1", "-1"), at("1", "1", "1"), at("1", "1", "2")},
     {at("0", "0", "0"), at("5", "0", "0"), at("0", "5", "0")},
     {at("1", "1", "0")}},
    {"corners on one line in the other's plane",
     {at("-1", "1", "0"), at("1", "1", "0"), at("5", "1", "0")},
     {at("0", "0", "0"), at("5", "0", "0"), at("0", "5", "0")},
     {at("0", "1", "0"), at("4", "1", "0")}},
    {"segments overlapping on one line",
     {at("0", "0", "0"), at("4", "0", "0"), at("1", "0", "0")},
     {at("6", "0", "0"), at("2", "0", "0"), at("6", "0", "0")},
     {at("2", "0", "0"), at("4", "0", "0")}},
    {"identical triangles in a tilted plane",
     {at("0", "0", "-1"), at("1", "0", "0"), at("0", "1", "1")},
     {at("0", "0", "-1"), at("1", "0", "0"), at("0", "1", "1")},
     {at("0", "0", "-1"), at("1", "0", "0"), at("0", "1", "1")}},
};

void PrintTo(const KnownCase& c, std::ostream* out) {
  *out << c.what;
}

INSTANTIATE_TEST_SUITE_P(HandWorked, ExactReference, testing::ValuesIn(kKnownCases),
                         [](const testing::TestParamInfo<KnownCase>& info) {
                           std::string text = info.param.what;
                           for (char& ch : text) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return text;
                         });

// The true intersection cannot depend on the order of the triangles or of
// their corners; the two branches of the reference (different planes, one
// plane) would have to make the same mistake in every order to pass.
TEST(ExactReferenceOrder, DoesNotChangeTheAnswer) {
  const Grid halves{2, 10};
  for (Distribution distribution : kAllDistributions) {
    PairSource source(distribution, halves, seedFor(distribution, halves));
    for (int i = 0; i < TRIKROS_DIFFERENTIAL_PAIRS / 20; ++i) {
      const TrianglePair pair = source.next();
      const ExactTriangle a = pair.exactFirst(), b = pair.exactSecond();
      const std::vector<std::string> answer = sortedText(exactIntersection(a, b));
      const ExactTriangle rotated = {a[1], a[2], a[0]}, reversed = {b[2], b[1], b[0]};
      ASSERT_EQ(sortedText(exactIntersection(b, a)), answer) << pair.typed();
      ASSERT_EQ(sortedText(exactIntersection(rotated, reversed)), answer) << pair.typed();
      ASSERT_EQ(sortedText(exactIntersection(reversed, rotated)), answer) << pair.typed();
    }
  }
}

// ---- The program against the exact answer --------------------------------

}  // namespace

void PrintTo(Distribution distribution, std::ostream* out) {
  *out << name(distribution);
}

namespace {

// Compares the program with the exact answer on the pairs of one
// distribution; prints the agreement and fails with the first disagreements.
// Every answer must be right: decimals too, as the program decides from the
// numbers as typed.
void expectAgreement(Distribution distribution, Grid grid, int pairs) {
  PairSource source(distribution, grid, seedFor(distribution, grid));
  int right = 0, explained = 0, noted = 0;
  std::array<int, 7> byKind{};  // true kinds: none, point, segment, triangle ... hexagon
  std::vector<std::string> shown;
  for (int i = 0; i < pairs; ++i) {
    const Comparison c = compare(source.next());
    ++byKind.at(c.expected.size());
    right += c.cornersAgree ? 1 : 0;
    explained += c.explained ? 1 : 0;
    noted += c.explanation.differsFromReport ? 1 : 0;
    if ((!c.cornersAgree || !c.explained) && static_cast<int>(shown.size()) < kShownDisagreements) {
      shown.push_back("pair " + std::to_string(i) + "\n" + describe(c));
    }
  }
  std::cout << name(distribution) << ": " << pairs << " pairs; kind and corners right in " << right
            << "; worked solution exact in " << explained << ", with the note in " << noted
            << "\n  true kinds:";
  for (std::size_t k = 0; k < byKind.size(); ++k) {
    std::cout << " " << kindName(static_cast<int>(k)) << " " << byKind[k];
  }
  std::cout << "\n";
  std::string disagreements;
  for (const std::string& s : shown) disagreements += s;
  EXPECT_EQ(right, pairs) << disagreements;
  EXPECT_EQ(explained, pairs) << disagreements;
  // The distribution must really exercise intersections, not only misses.
  EXPECT_GT(pairs - byKind[0], pairs / 5);
}

struct Row {
  Grid grid;
  Distribution distribution;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << name(row.distribution) << ", denominator " << row.grid.denominator << ", within "
       << row.grid.limit / row.grid.denominator;
}

class AgreesWithExactArithmetic : public testing::TestWithParam<Row> {};

TEST_P(AgreesWithExactArithmetic, OnClassroomPairs) {
  const Row& row = GetParam();
  expectAgreement(row.distribution, row.grid, pairsPerDistribution());
}

std::vector<Row> rows() {
  std::vector<Row> all;
  for (const Grid& grid : {kClassroom, kHundreds, kDecimals}) {
    for (Distribution distribution : kAllDistributions) all.push_back({grid, distribution});
  }
  return all;
}

INSTANTIATE_TEST_SUITE_P(Classroom, AgreesWithExactArithmetic, testing::ValuesIn(rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                           std::string text =
                               name(info.param.distribution) + "_within_" +
                               std::to_string(info.param.grid.limit / info.param.grid.denominator) +
                               (info.param.grid.denominator == 10 ? "_tenths" : "");
                           std::replace(text.begin(), text.end(), '-', '_');
                           return text;
                         });

}  // namespace
