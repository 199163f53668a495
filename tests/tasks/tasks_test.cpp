// New tasks keep to what a task promises for every kind and many seeds; the margins and the
// report's agreement hold their edges; a student's answer gets the sentence it deserves.
#include "tasks.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using exact::Rational;
using exact::Vec;

int sign(const Rational& q) {
  return q < 0 ? -1 : q > 0 ? 1 : 0;
}

std::array<Vec, 6> cornersOf(const PracticeTask& task) {
  std::array<Vec, 6> c;
  for (std::size_t k = 0; k < 6; ++k) {
    c[k] = {task.numbers[3 * k], task.numbers[3 * k + 1], task.numbers[3 * k + 2]};
  }
  return c;
}

TEST(Kinds, WordsAndTheKindsThatCannotBe) {
  const struct {
    const char* word;
    int count;  // -2: refused
    Setting setting;
  } rows[] = {
      {"duz", 2, Setting::Any},
      {"duz-u-prostoru", 2, Setting::Space},
      {"nema-u-ravni", 0, Setting::OnePlane},
      {"sestougao-u-ravni", 6, Setting::OnePlane},
      {"trougao", 3, Setting::Any},
      {"trougao-u-prostoru", -2, Setting::Any},
      {"tacka-u-prostoru", 1, Setting::Space},
      {"osmougao", -2, Setting::Any},
      {"duz-u-", -2, Setting::Any},
      {"-u-ravni", -2, Setting::Any},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.word);
    const KindReading reading = readTaskKind(row.word);
    ASSERT_EQ(reading.kind.has_value(), row.count != -2) << reading.complaint;
    if (!reading.kind) continue;
    EXPECT_EQ(reading.kind->count, row.count);
    EXPECT_EQ(reading.kind->setting, row.setting);
    EXPECT_EQ(taskKindWord(*reading.kind), row.word);
  }
  EXPECT_EQ(readTaskKind("petougao-u-prostoru").complaint,
            "vrsta zadatka \"petougao-u-prostoru\" ne postoji: trouglovi u dve razlicite ravni "
            "imaju zajednicko najvise duz na pravoj u kojoj se ravni seku, pa je petougao moguc "
            "samo u jednoj ravni (petougao-u-ravni)");
  EXPECT_FALSE(newTask(TaskKind{4, Setting::Space}, 1, kDefaultRange));
  EXPECT_FALSE(newTask(TaskKind{2, Setting::Any}, 1, kLargestRange + 1));
}

// Seeds per kind: 500, or 50 under the sanitizers, where the same rows run ten times slower
// and the release build has already run all 500.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint64_t kSeedsPerKind = 50;
#else
constexpr std::uint64_t kSeedsPerKind = 500;
#endif

// For each kind and 500 seeds: the kind asked, small denominators, corners within the range,
// proper triangles, every margin, the report agreeing, and the same bytes again.
TEST(NewTasks, KeepToWhatATaskPromises) {
  const char* kinds[] = {"nema-u-ravni", "nema-u-prostoru", "tacka-u-ravni", "tacka-u-prostoru",
                         "duz-u-ravni",  "duz-u-prostoru",  "trougao",       "cetvorougao",
                         "petougao",     "sestougao",       "tacka",         "nema"};
  for (const char* word : kinds) {
    const TaskKind asked = *readTaskKind(word).kind;
    std::set<std::array<int, 18>> different;
    std::set<Setting> settings;
    for (std::uint64_t seed = 1; seed <= kSeedsPerKind; ++seed) {
      SCOPED_TRACE(std::string(word) + " seed " + std::to_string(seed));
      const std::optional<PracticeTask> task = newTask(asked, seed, kDefaultRange);
      ASSERT_TRUE(task);
      different.insert(task->numbers);
      const std::array<Vec, 6> c = cornersOf(*task);
      const std::vector<Vec> truth = exactAnswer(taskWords(*task)).corners;
      ASSERT_EQ(static_cast<int>(truth.size()), asked.count);
      EXPECT_EQ(truth, task->answer);
      const Vec n = exact::cross(c[1] - c[0], c[2] - c[0]);
      const bool onePlane = exact::dot(n, c[3] - c[0]) == 0 && exact::dot(n, c[4] - c[0]) == 0 &&
                            exact::dot(n, c[5] - c[0]) == 0;
      EXPECT_EQ(onePlane, task->kind.setting == Setting::OnePlane);
      settings.insert(task->kind.setting);
      // No common point in space: still one triangle crosses the other's plane.
      if (asked.count == 0 && !onePlane) {
        std::size_t crossing = 0;
        for (std::size_t t = 0; t < 6; t += 3) {
          const std::size_t o = 3 - t;
          const Vec m = exact::cross(c[o + 1] - c[o], c[o + 2] - c[o]);
          std::set<int> sides;
          for (std::size_t k = t; k < t + 3; ++k) sides.insert(sign(exact::dot(m, c[k] - c[o])));
          crossing += sides.count(-1) * sides.count(1);
        }
        EXPECT_GT(crossing, 0u);
      }
      if (asked.setting != Setting::Any) {
        EXPECT_EQ(task->kind.setting, asked.setting);
      }
      for (const Vec& p : truth) {
        for (const Rational* q : {&p.x, &p.y, &p.z}) {
          EXPECT_LE(boost::multiprecision::denominator(*q), kLargestDenominator);
        }
      }
      for (const int number : task->numbers) EXPECT_LE(std::abs(number), kDefaultRange);
      for (std::size_t i = 0; i < truth.size(); ++i) {
        for (std::size_t j = i + 1; j < truth.size(); ++j) {
          const Vec d = truth[j] - truth[i];
          EXPECT_GE(exact::dot(d, d), Rational(1, 4)) << "corners of the answer half apart";
        }
      }
      EXPECT_TRUE(properAndNotThin(c));
      EXPECT_TRUE(hasMargins(c, truth, marginFor(c)));
      EXPECT_TRUE(reportAgrees(taskWords(*task), truth));
      EXPECT_EQ(taskFileText(*newTask(asked, seed, kDefaultRange)), taskFileText(*task));
    }
    EXPECT_GT(different.size(), kSeedsPerKind * 49 / 50) << word;
    EXPECT_EQ(settings.size(), asked.setting == Setting::Any && asked.count < 3 ? 2u : 1u) << word;
  }
  // With no kind asked, every kind comes.
  std::set<int> counts;
  for (std::uint64_t seed = 1; seed <= 100; ++seed) counts.insert(newTask({}, seed, 6)->kind.count);
  EXPECT_EQ(counts.size(), 7u);
}

// The bytes of one seed, on every machine: the generator and the mapping are the program's own.
TEST(NewTasks, TheSameSeedGivesTheSameBytes) {
  EXPECT_EQ(taskFileText(*newTask(*readTaskKind("duz-u-prostoru").kind, 2, 6)),
            "# Zadatak: odrediti presek trouglova.\n"
            "# Vrsta: duz-u-prostoru, seme 2, opseg 6; isti zadatak daje trikros --zadatak "
            "duz-u-prostoru --seme 2 --opseg 6.\n"
            "# Prvi trougao (temena a1, b1, c1):\n"
            "0 1 0       # a1\n-3 -1 -3    # b1\n3 -2 3      # c1\n"
            "# Drugi trougao (temena a2, b2, c2):\n"
            "-1 -1 -1    # a2\n4 -6 -1     # b2\n0 -2 6      # c2\n");
  // A kind left to the seed is the one it came out as, with the same task.
  const PracticeTask any = *newTask(TaskKind{}, 77, 6);
  EXPECT_EQ(newTask(any.kind, 77, 6)->numbers, any.numbers);
  EXPECT_NE(worksheetTaskSeed(5, 0), worksheetTaskSeed(5, 1));
  EXPECT_NE(worksheetTaskSeed(5, 1), worksheetTaskSeed(6, 0));
}

// Each margin on both sides of its edge: exactly the margin holds, a little less does not. The
// first triangle is (0, 0, 0) (4, 0, 0) (0, 4, 0) in z = 0 but where a row gives its own.
TEST(Margins, EachDecisionOnBothSidesOfItsEdge) {
  const auto v = [](Rational x, Rational y, Rational z) { return Vec{x, y, z}; };
  const Rational m{1, 1000}, under = m * Rational(999, 1000);
  using Three = std::array<Vec, 3>;
  const Three base{v(0, 0, 0), v(4, 0, 0), v(0, 4, 0)};
  const struct {
    const char* what;
    Three second;
    bool holds;
    Three first{};
    std::vector<Vec> answer{};
  } rows[] = {
      {"a corner the margin above the other plane", {v(1, 1, m), v(5, 1, 1), v(1, 5, 1)}, true},
      {"a corner less than that", {v(1, 1, under), v(5, 1, 1), v(1, 5, 1)}, false},
      {"in one plane, a corner the margin from an edge's line",
       {v(1, -m, 0), v(3, -2, 0), v(2, -3, 0)},
       true},
      {"in one plane, a corner nearer", {v(1, -under, 0), v(3, -2, 0), v(2, -3, 0)}, false},
      {"in one plane, a corner on an edge's line", {v(5, 0, 0), v(6, 2, 0), v(7, -1, 0)}, true},
      // The second triangle, in y = 0, crosses z = 0 from x = 4 + m on, past the first's corner.
      {"two cuts the margin apart", {v(4 + m, 0, -1), v(4 + m, 0, 1), v(6, 0, 0)}, true},
      {"two cuts nearer", {v(4 + under, 0, -1), v(4 + under, 0, 1), v(6, 0, 0)}, false},
      {"two cuts overlapping by less",
       {v(4 - under, 0, -1), v(4 - under, 0, 1), v(6, 0, 0)},
       false},
      // The second triangle's edge from (-10, 0, -m) to (10, 0, m) runs a hair above the line
      // where the planes meet, beside the first triangle's cut from x = 4 to 8.
      {"a cut's end nearer than the margin to the other triangle",
       {v(-10, 0, -m), v(10, 0, m), v(0, 0, 5)},
       false,
       {v(4, 0, 0), v(8, 0, 0), v(6, 3, 0)}},
      {"corners of the answer nearer than the margin",
       {v(1, 1, 0), v(3, 1, 0), v(1, 3, 0)},
       false,
       base,
       {v(1, 1, 0), v(1 + under, 1, 0)}},
  };
  for (const auto& row : rows) {
    const Three& first = row.first[1] == Vec{} ? base : row.first;
    const std::array<Vec, 6> corners{first[0],      first[1],      first[2],
                                     row.second[0], row.second[1], row.second[2]};
    EXPECT_EQ(hasMargins(corners, row.answer, m), row.holds) << row.what;
  }
  // Every altitude at least 1: the altitude onto the base of (0,0) (2,0) (1,h) is h.
  const auto lifted = [&v](Rational h) {
    return std::array<Vec, 6>{v(0, 0, 0), v(2, 0, 0), v(1, h, 0),
                              v(0, 0, 1), v(4, 0, 1), v(0, 4, 1)};
  };
  EXPECT_TRUE(properAndNotThin(lifted(1)));
  EXPECT_FALSE(properAndNotThin(lifted(under * 1000)));
}

// The report agrees when its kind and its printed digits are the exact answer's.
TEST(Margins, TheReportAgreesToThePrintedDigits) {
  ExplanationWords words = {"0", "0", "0", "4", "0", "0", "0", "4", "0",
                            "1", "1", "0", "5", "1", "0", "1", "5", "0"};
  const auto v = [](Rational x, Rational y) { return Vec{x, y, 0}; };
  EXPECT_TRUE(reportAgrees(words, {v(1, 1), v(3, 1), v(1, 3)}));
  EXPECT_TRUE(reportAgrees(words, {v(1, 3), v(1, 1), v(Rational(3) + Rational(4, 10000000), 1)}));
  EXPECT_FALSE(reportAgrees(words, {v(1, 1), v(Rational(3) + Rational(6, 10000000), 1), v(1, 3)}));
  EXPECT_FALSE(reportAgrees(words, {v(1, 1), v(3, 1)}));
  EXPECT_FALSE(reportAgrees(words, {v(1, 1), v(3, 1), v(1, 3), v(2, 2)}));
}

// A student's answers to a quadrilateral in z = 0 and to a point in space, with the sentences
// they get.
TEST(Checker, SaysWhatIsRightAndWhatIsNot) {
  // The quadrilateral of trikros-case09, corners in order around (4, 1, 0), (4, 2, 0),
  // (3, 2, 0), (7/2, 1, 0).
  const ExplanationWords quad = {"1", "1", "0", "4", "1", "0", "4", "4", "0",
                                 "5", "2", "0", "4", "0", "0", "3", "2", "0"};
  const ExplanationWords point = {"4", "5", "0", "4", "1", "0", "1", "5", "0",
                                  "4", "3", "0", "4", "6", "3", "2", "3", "5"};  // case 2
  using C = std::vector<std::array<std::string, 3>>;
  const struct {
    const ExplanationWords& task;
    int count;
    C corners;
    bool right;
    std::vector<std::string> lines;  // after the verdict
  } rows[] = {
      {quad,
       4,
       {{"3", "2", "0"}, {"4", "2", "0"}, {"4", "1", "0"}, {"3.5", "1", "0"}},
       true,
       {"Tacno je da je presek cetvorougao.", "Tacka M = (3, 2, 0) je tacna: to je teme preseka.",
        "Tacka N = (4, 2, 0) je tacna: to je teme preseka.",
        "Tacka P = (4, 1, 0) je tacna: to je teme preseka.",
        "Tacka Q = (3.5, 1, 0) je tacna: to je teme preseka.", "Temena su redom po obodu."}},
      {quad,
       4,
       {{"7/2", "1", "0"}, {"4", "2", "0"}, {"4", "1", "0"}, {"3", "2", "0"}},
       false,
       {"Tacno je da je presek cetvorougao.", "Tacka M = (7/2, 1, 0) je tacna: to je teme preseka.",
        "Tacka N = (4, 2, 0) je tacna: to je teme preseka.",
        "Tacka P = (4, 1, 0) je tacna: to je teme preseka.",
        "Tacka Q = (3, 2, 0) je tacna: to je teme preseka.", "Temena nisu redom po obodu."}},
      {quad,
       3,
       {{"4", "1", "0"}, {"2", "1.5", "0"}, {"4.5", "1.5", "0"}},
       false,
       {"Presek nije trougao.", "Tacka M = (4, 1, 0) je tacna: to je teme preseka.",
        "Tacka N = (2, 1.5, 0) nije zajednicka: ne lezi u drugom trouglu.",
        "Tacka P = (4.5, 1.5, 0) nije zajednicka: ne lezi u prvom trouglu.",
        "Nedostaju tri temena."}},
      {quad,
       4,
       {{"4", "1.5", "0"}, {"9", "9", "0"}, {"4", "1.5", "0"}, {"3.50", "1", "0"}},
       false,
       {"Tacno je da je presek cetvorougao.",
        "Tacka M = (4, 1.5, 0) jeste zajednicka, ali nije teme preseka.",
        "Tacka N = (9, 9, 0) nije zajednicka: ne lezi ni u jednom od dva trougla.",
        "Tacka P je ista kao tacka M.", "Tacka Q = (3.50, 1, 0) je tacna: to je teme preseka.",
        "Nedostaju tri temena."}},
      {point,
       2,
       {{"4", "3", "0"}},
       false,
       {"Presek nije duz.", "Tacka M = (4, 3, 0) je tacna: to je zajednicka tacka trouglova."}},
      {point,
       0,
       {},
       false,
       {"Nije tacno da trouglovi nemaju zajednickih tacaka.", "Nedostaje zajednicka tacka."}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.lines.front() + " / " + row.lines[1 % row.lines.size()]);
    const Verdict verdict = checkAnswer(row.task, StudentAnswer{row.count, row.corners});
    ASSERT_TRUE(verdict.complete);
    EXPECT_EQ(verdict.right, row.right);
    ASSERT_FALSE(verdict.lines.empty());
    EXPECT_EQ(verdict.lines.front(), row.right ? "Odgovor je tacan." : "Odgovor nije tacan.");
    EXPECT_EQ(std::vector<std::string>(verdict.lines.begin() + 1, verdict.lines.end()), row.lines);
  }
}

// A corner only rounded is named so; a word the console refuses gets the console's complaint.
TEST(Checker, RoundedCornersAndRefusedWords) {
  const ExplanationWords hexagon = {"1", "1", "0", "4", "1", "0", "4", "4", "0",
                                    "5", "3", "0", "3", "0", "0", "2", "3", "0"};  // case 10
  const Verdict rounded = checkAnswer(hexagon, StudentAnswer{1, {{"3.67", "1", "0"}}});
  EXPECT_EQ(rounded.lines[2],
            "Tacka M = (3.67, 1, 0) je samo priblizno teme preseka; napisite "
            "ga tacno, razlomcima.");
  const Verdict roundedBadly = checkAnswer(hexagon, StudentAnswer{1, {{"3.66", "1", "0"}}});
  EXPECT_EQ(roundedBadly.lines[2],
            "Tacka M = (3.66, 1, 0) jeste zajednicka, ali nije teme preseka.");
  // 2.25 is exactly half a tenth from 2.3: still its rounding.
  EXPECT_EQ(
      checkAnswer(hexagon, StudentAnswer{1, {{"2.3", "2.3", "0"}}}).lines[2],
      "Tacka M = (2.3, 2.3, 0) je samo priblizno teme preseka; napisite ga tacno, razlomcima.");
  const Verdict refused = checkAnswer(hexagon, StudentAnswer{1, {{"3,5", "", "0"}}});
  EXPECT_FALSE(refused.complete);
  EXPECT_EQ(refused.complaints,
            (std::vector<std::string>{"Greska: kod koordinate M.x uneto je \"3,5\", a decimale se "
                                      "odvajaju tackom, ne zarezom (3.5).",
                                      "Greska: kod koordinate M.y nije unet broj.", ""}));
}

}  // namespace
