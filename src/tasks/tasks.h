// Tasks for practice: a new pair of triangles whose common part is of the kind asked and can be
// reached by hand, and a student's own answer judged exactly.
//
// A task has integer corners within +-range, both triangles proper and not thin, every corner of
// the answer a fraction with a denominator of at most 12, and no decision of the computation
// within ten times the tolerance of its edge (see hasMargins), so that the report and the exact
// answer agree in kind and to the printed digits. The same seed gives the same task everywhere:
// the generator and its mapping to integers are the program's own, and the rest is integer and
// exact arithmetic and the report's fixed float rule.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exact.h"
#include "explanation.h"

// ---- Kinds ---------------------------------------------------------------------------------

// Where the two triangles lie.
enum class Setting {
  Any,       // chosen by the seed
  OnePlane,  // in one plane ("-u-ravni")
  Space,     // in two planes that meet in a line ("-u-prostoru")
};

inline constexpr int kAnyCount = -1;

// What a task's answer is: how many corners (0 no common point, 1 a point, 2 a segment, 3 to 6
// a polygon; kAnyCount for one chosen by the seed) and where the triangles lie.
struct TaskKind {
  int count = kAnyCount;
  Setting setting = Setting::Any;
};

// The words of the kinds by count, as the command line and the page take them.
inline constexpr const char* kKindWords[7] = {"nema",        "tacka",    "duz",      "trougao",
                                              "cetvorougao", "petougao", "sestougao"};

// A kind read from its word: "duz", "duz-u-prostoru", "sestougao-u-ravni". With no kind, why
// not (an unknown word, or a polygon in space: two triangles in different planes share at most
// a segment of the line where the planes meet), without a full stop: the caller goes on.
struct KindReading {
  std::optional<TaskKind> kind;
  std::string complaint;
};
KindReading readTaskKind(const std::string& word);

// The word of a kind: "duz-u-prostoru", "trougao-u-ravni", "tacka" (setting Any), "" (count Any).
std::string taskKindWord(const TaskKind& kind);

// ---- New tasks -----------------------------------------------------------------------------

inline constexpr int kDefaultRange = 6;
inline constexpr int kSmallestRange = 3;
inline constexpr int kLargestRange = 30;
inline constexpr int kLargestDenominator = 12;
inline constexpr int kMostWorksheetTasks = 100;  // tasks on one worksheet

struct PracticeTask {
  TaskKind kind;  // as made: a count 0 to 6, in one plane or in space
  std::uint64_t seed = 0;
  int range = kDefaultRange;
  std::array<int, 18> numbers{};   // a1.x, a1.y, ..., c2.z
  std::vector<exact::Vec> answer;  // the exact common part, a polygon's corners in order around
};

// A new task of the kind from the seed, corners within +-range (kSmallestRange to
// kLargestRange). A count or setting left Any is drawn from the seed apart from the task itself,
// so that the kind it came out as, given with the same seed, gives the same task. Nothing for a
// polygon in space, a count beyond 6, a range out of bounds, or (never seen for any seed) no
// task found.
//
//   const std::optional<PracticeTask> task = newTask(TaskKind{2, Setting::Space}, 12345, 6);
std::optional<PracticeTask> newTask(TaskKind kind, std::uint64_t seed, int range);

// A seed from the system's randomness, 1 to 999999 (short enough to copy by hand).
std::uint64_t freshSeed();

// The seed of task number `index` (0, 1, ...) of a worksheet made with `seed`.
std::uint64_t worksheetTaskSeed(std::uint64_t seed, int index);

// The eighteen numbers as words ("4", "-3"), in the order of the prompts.
ExplanationWords taskWords(const PracticeTask& task);

// The task as a task file for `trikros FILE`: a comment naming the kind and the seed (and how to
// make the same task again), then the six corners, one to a line.
std::string taskFileText(const PracticeTask& task);

// ---- What every task keeps to ---------------------------------------------------------------

// True when both triangles are proper and not thin: every altitude at least 1.
bool properAndNotThin(const std::array<exact::Vec, 6>& corners);

// True when every decision on the six corners is at least `margin` from its edge, each distance
// exactly 0 (a true contact) or at least margin:
//   - each corner from the other triangle's plane;
//   - in one plane, each corner from the line of each edge of the other triangle (so every
//     crossing of edges is also that far from every corner, and corners are that far apart);
//   - in two planes, the ends of the two cuts (where each triangle meets the other's plane)
//     from each other, and each end from the other triangle;
//   - the corners of the answer from each other.
//
//   if (hasMargins(corners, answer, marginFor(corners))) ...
bool hasMargins(const std::array<exact::Vec, 6>& corners, const std::vector<exact::Vec>& answer,
                const exact::Rational& margin);

// Ten times the computation's tolerance for these corners.
exact::Rational marginFor(const std::array<exact::Vec, 6>& corners);

// True when the report of the task (its message, by the float rule) has the exact answer's kind
// and, corner by corner, its printed digits: the exact value rounded to six decimals.
bool reportAgrees(const ExplanationWords& words, const std::vector<exact::Vec>& answer);

// ---- Checking a student's answer ----------------------------------------------------------

// What a student says: the count (as in TaskKind) and the corners as typed, x, y and z each.
struct StudentAnswer {
  int count = 0;
  std::vector<std::array<std::string, 3>> corners;
};

// The judgement, in whole sentences.
struct Verdict {
  bool complete = false;                // the task and every typed coordinate are numbers
  bool right = false;                   // the kind, every corner and their order
  std::vector<std::string> complaints;  // per coordinate typed, M.x first: "" when taken, else
                                        // why not, as the console says it
  std::vector<std::string> lines;       // the verdict, the kind, each corner, what is missing
};

// Judges the answer exactly against the task's common part: the kind; each corner (a corner of
// the common part, a common point that is not one, a point outside the first or the second
// triangle, or only a rounded corner); corners repeated or missing; a polygon's corners in
// order around it, from any corner and in either direction. Coordinates are read as the console
// reads them (fractions and decimals alike); the corners are named M, N, P, Q, R, S.
//
//   const Verdict v = checkAnswer(words, StudentAnswer{2, {{"4", "3", "0"}, {"4", "5", "0"}}});
Verdict checkAnswer(const ExplanationWords& task, const StudentAnswer& answer);

// The corners' names in a student's answer.
inline constexpr const char* kCornerNames[6] = {"M", "N", "P", "Q", "R", "S"};
