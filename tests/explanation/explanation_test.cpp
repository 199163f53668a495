// The worked solution (--objasni): the twelve fixed cases and a few more
// pairs against their expected texts (caseNN.txt and the others in this
// folder, read line by line for the mathematics), the numbers as typed, and
// the note where the report differs from the exact answer.
#include "explanation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app.h"
#include "intersection.h"

namespace {

// The expected text of a file in this folder; with TRIKROS_WRITE_EXPLANATIONS=1
// in the environment, `actual` is written there first (to review with git diff).
std::string expectedText(const std::string& name, const std::string& actual) {
  const std::string path = std::string(TRIKROS_EXPLANATIONS) + "/" + name;
  if (std::getenv("TRIKROS_WRITE_EXPLANATIONS") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
  }
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Eighteen words from one line of blank-separated numbers.
ExplanationWords wordsOf(const std::string& line) {
  ExplanationWords words;
  std::istringstream in(line);
  for (std::string& word : words) in >> word;
  return words;
}

// The program's answer for decimal words, read as the console reads them.
Intersection reportFor(const ExplanationWords& words) {
  Point p[6];
  TypedCorners typed;
  for (std::size_t i = 0; i < 6; ++i) {
    const double x = std::strtod(words[3 * i].c_str(), nullptr);
    const double y = std::strtod(words[3 * i + 1].c_str(), nullptr);
    const double z = std::strtod(words[3 * i + 2].c_str(), nullptr);
    typed[i] = {x, y, z};
    p[i] = Point{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
  }
  return findIntersection(p[0], p[1], p[2], p[3], p[4], p[5], typed);
}

TEST(Explanation, OfEachFixedCase) {
  for (int number = 1; number <= kFixedCaseCount; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "case%02d.txt", number);
    SCOPED_TRACE(name);
    const TrianglePair pair = fixedCase(number);
    const Intersection reported =
        findIntersection(pair[0], pair[1], pair[2], pair[3], pair[4], pair[5]);
    const std::string text = explanationText(explain(wordsOfFloats(pair), reported));
    EXPECT_EQ(text, expectedText(name, text));
  }
}

// The kinds the fixed cases do not show: triangles apart, a point, corners on
// one line, two segments; a pair where the report counts a corner 0.000038
// outside the other triangle as inside, its tolerance there being 0.00004,
// which the note says; positions along the line that once printed as
// -0.000000; three exact corners the report gives as one point; a report
// point a hair outside blamed, not the one equal to an exact corner; the
// same kind with a corner's digits off; a triangle the program takes for a
// segment.
TEST(Explanation, OfOtherKinds) {
  const struct {
    const char* file;
    const char* words;
    bool note;
  } rows[] = {
      {"parallel.txt", "0 0 0 4 0 0 0 4 0  0 0 1 4 0 1 0 4 1", false},
      {"point.txt", "2 2 0 2 2 0 2 2 0  0 0 0 5 0 0 0 5 0", false},
      {"piercing-segment.txt", "1 1 -1 1 1 1 1 1 2  0 0 0 5 0 0 0 5 0", false},
      {"segment-in-plane.txt", "-1 1 0 1 1 0 5 1 0  0 0 0 5 0 0 0 5 0", false},
      {"skew-segments.txt", "0 0 0 4 0 0 1 0 0  2 -1 1 2 3 1 2 1 1", false},
      {"note.txt",
       "-22.56 22.56 -20.29 39.68 -39.68 -14.45 39.48 -39.48 21.79  10.00 -10.00 -8.27 -30.28 "
       "30.28 -23.14 36.73 -36.73 -5.08",
       true},
      {"positions.txt", "-4.7 -2 2.4 2.7 0.6 0.7 -5 1.4 -2  -4.5 0.9 -0.8 -3 -4 4.9 4.1 0.4 -.6",
       false},
      {"merged.txt", "-4 0 0 -2 2 0 1 0 0  3 -3 0 2 -4 0 -1 0.000001 0", true},
      {"blamed.txt", "-1 0 0 2 0 0 2 1 0  -3 -1 0 2 0.000012 0 -4 -4 0", true},
      {"digits.txt", "-4 -1 0 -2 0 0 2 -1 0  -3.99999 -0.99999 0 1 4 0 1 -1 0", false},
      {"nearly-collinear.txt", "-1 2 -2 -0.999999 1 -1.999999 -1 0 -2  -3 1 -2 2 1 -2 0 3 0", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    const ExplanationWords words = wordsOf(row.words);
    const Explanation e = explain(words, reportFor(words));
    EXPECT_EQ(explanationText(e), expectedText(row.file, explanationText(e)));
    EXPECT_EQ(e.differsFromReport, row.note);
  }
}

// Every accepted form is taken exactly as typed; a word the console refuses
// makes the task incomplete.
TEST(Explanation, TakesTheWordsAsTyped) {
  const struct {
    const char* word;
    const char* value;  // as the explanation writes it; "" any; nullptr refused
  } rows[] = {
      {"-3", "-3"},      {"2.5", "2.5"},   {".5", "0.5"},    {"-0.25", "-0.25"},
      {"5.", "5"},       {"007", "7"},     {"1e3", "1000"},  {"-2.5E-2", "-0.025"},
      {"1.5e+2", "150"}, {"1/3", "1/3"},   {"-7/2", "-7/2"}, {"+4/6", "2/3"},
      {"1e-999", ""},    {"3,5", nullptr}, {"1/0", nullptr}, {"1e1000", nullptr},
      {"", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.word);
    ExplanationWords words = wordsOf("0 0 0 4 0 0 0 4 0  0 0 1 4 0 1 0 4 1");
    words[0] = row.word;
    const Explanation e = explain(words, Intersection{});
    EXPECT_EQ(e.complete, row.value != nullptr);
    if (row.value == nullptr) {
      EXPECT_EQ(explanationText(e), std::string("\n") + kIncompleteTask + "\n");
    } else {
      const std::string start = std::string("Prvi trougao: a1 (") + row.value;
      EXPECT_EQ(e.lines.at(2).rfind(start, 0), 0u) << e.lines.at(2);
    }
  }
}

TEST(Explanation, WritesFloatsAsTheirExactValues) {
  const TrianglePair pair = {Point{0.1f, -2.5f, 1e6f}, Point{5.5f, 0.0f, -0.0f},
                             Point{1.0f / 3.0f, 0.0f, 0.0f}};
  const ExplanationWords words = wordsOfFloats(pair);
  EXPECT_EQ(words[0], "0.100000001490116119384765625");
  EXPECT_EQ(words[1], "-2.5");
  EXPECT_EQ(words[2], "1000000");
  EXPECT_EQ(words[3], "5.5");
  EXPECT_EQ(words[5], "0");
  EXPECT_EQ(words[6], "0.3333333432674407958984375");
}

// A decimal value is exact up to six places, rounded to six beyond; a value
// that would round to zero keeps two significant digits instead.
TEST(Explanation, NeverWritesANonzeroValueAsZero) {
  const struct {
    exact::Rational value;
    const char* text;
  } rows[] = {
      {exact::Rational(5, 2), "2.5"},
      {exact::Rational(8, 3), "2.666667"},
      {exact::Rational(1, 2000000), "0.000001"},  // 0.0000005, the edge: rounds up
      {exact::Rational(499, 1000000000), "5e-7"},
      {exact::Rational(-12, 100000000), "-1.2e-7"},
      {exact::Rational(-60933, 3057567436000), "-2e-8"},
      {exact::Rational(0), "0"},
  };
  for (const auto& row : rows) EXPECT_EQ(exact::decimal(row.value), row.text);
}

// The report is matched to the exact corners within the program's tolerance
// (or the six printed decimals): a point 0.00005 off is the same corner, one
// 0.0002 off is not, and the note says so, naming both points.
TEST(Explanation, SaysWhereTheReportDiffers) {
  const ExplanationWords words = wordsOf("4 5 0 4 1 0 1 5 0  2.5 5.5 0 5 3 0 5 5.5 5");
  Intersection reported = reportFor(words);  // M (3, 5, 0), N (4, 4, 0)
  reported.corners[0].x = 3.00005f;
  Explanation e = explain(words, reported);
  EXPECT_FALSE(e.differsFromReport);
  EXPECT_EQ(e.letters, "MN");
  reported.corners[0].x = 3.0002f;
  e = explain(words, reported);
  EXPECT_TRUE(e.differsFromReport);
  EXPECT_EQ(e.letters, "NP");  // the report's M is no true corner; the true one is named P
  // The note as one sentence, its line breaks undone.
  std::string text = explanationText(e);
  for (std::size_t at; (at = text.find("\n   ")) != std::string::npos;) text.replace(at, 4, " ");
  EXPECT_NE(text.find("Napomena: izvestaj se ovde razlikuje od tacnog racuna"), std::string::npos)
      << text;
  EXPECT_NE(text.find("Tacno teme P = (3, 5, 0) nema para u izvestaju; najbliza mu je tacka M, na "
                      "rastojanju 0.0002. Tacka M (3.000200, 5, 0) iz izvestaja nije u tacnom "
                      "preseku: od drugog trougla udaljena je 0.00013."),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("P = (3, 5, 0)"), std::string::npos) << text;
}

}  // namespace
