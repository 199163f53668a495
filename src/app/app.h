// Start-up of the programs: the command line, the two triangles (typed in, read from a task
// file, or from a fixed case) and their edges in the scene.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "geometry.h"
#include "input.h"
#include "intersection.h"
#include "tasks.h"

// What the command line asks for. fixedCase 0 is trikros, 1 to 12 are
// trikros-case01 to 12 (which take no task file).
struct Options {
  enum class Answer {
    Run,        // read the task, report, open the window
    Help,       // --help came first: print the usage
    Version,    // --version came first: print "trikros VERSION"
    Refused,    // an unknown option, a second task file, a missing value
    NewTask,    // --zadatak [VRSTA]: print a new task as a task file (trikros only)
    Worksheet,  // --listic N FILE.pdf [VRSTA ...]: write a worksheet and its key (trikros only)
  };
  Answer answer = Answer::Run;
  const char* taskFile = nullptr;  // trikros FILE: the task from FILE
  const char* picture = nullptr;   // --slika FILE: the first view into FILE, not a window
  bool explain = false;            // --objasni: the worked solution after the report
  std::vector<char*> toolkit;      // the program's name and the window toolkit's own options
  std::string complaint;           // why the command line was refused, one line
  // --zadatak and --listic: the kinds asked (none: any), --seme (none: a fresh seed), --opseg,
  // and the worksheet's number of tasks and file.
  std::vector<TaskKind> kinds;
  std::optional<std::uint64_t> seed;
  int range = kDefaultRange;
  int worksheetTasks = 0;
  const char* worksheet = nullptr;
  // --pogled: kosi, odozgo, spreda or sa-strane (none: the first view); --pozadina ekran: the
  // picture on the screen's cream rather than white.
  const char* pictureView = nullptr;
  bool screenBackground = false;
};

//   const Options options = readOptions(argc, argv, 0);
Options readOptions(int argc, char** argv, int fixedCase);

// Prints the usage in Serbian or the version line; returns the exit status:
// 0, or 1 when the text could not be written.
//
//   if (options.answer == Options::Answer::Help) return answerHelpOrVersion(options, 0, stdout);
int answerHelpOrVersion(const Options& options, int fixedCase, std::FILE* output);

// The eighteen numbers of a task.
struct Task {
  std::array<Point, 6> corners{};     // a1, b1, c1, a2, b2, c2: the floats nearest the numbers
  TypedCorners typed{};               // the same corners in double, as typed
  std::array<std::string, 18> words;  // the numbers as typed, in the order of the prompts
};

// The coordinates in the order they are asked for, as prompts and
// complaints name them.
inline constexpr const char* kCoordinateNames[18] = {
    "a1.x", "a1.y", "a1.z", "b1.x", "b1.y", "b1.z", "c1.x", "c1.y", "c1.z",
    "a2.x", "a2.y", "a2.z", "b2.x", "b2.y", "b2.z", "c2.x", "c2.y", "c2.z",
};

// Puts an accepted number into the task as coordinate index (0 is a1.x, 17
// c2.z): its float, its double and its word.
//
//   if (reading.refusal == Refusal::None) putNumber(task, 4, reading.number);
void putNumber(Task& task, int index, const TypedNumber& number);

// Where a task is read from, and how a refused word is met.
struct TaskSource {
  std::FILE* input;
  std::FILE* output;               // the prompts, or a task file's triangles as read
  std::FILE* errors;               // the complaints and notes
  bool terminal;                   // a person types: a refused word is asked for again
  const char* fileName = nullptr;  // a task file: no prompts; complaints name it and the line
};

// Reads the eighteen numbers, each one whole word (see input.h), after its
// prompt, or from a task file without prompts (then the two triangles as read
// are printed afterwards). A refused word gets its complaint; at a terminal
// the rest of its line is dropped and the same prompt comes again, elsewhere
// reading stops. Words after the eighteenth get one note. Returns true with
// all eighteen numbers, false when the input ended or a word was refused
// (not at a terminal).
//
//   Task task;
//   if (!readTask(TaskSource{stdin, stdout, stderr, isatty(0) == 1}, task)) return 2;
bool readTask(const TaskSource& source, Task& task);

// The task of the interactive program: from fileName when given, else from
// standard input (a terminal or not). Returns 0, or 2 when the task is
// incomplete or the file cannot be read (said on standard error).
int readTaskOfProgram(const char* fileName, Task& task);

// What a program says about a task: on standard error, the notes on a
// triangle that is a point or a segment; on standard output, the report of
// the intersection (the answer it prints).
struct TaskAnswer {
  std::string notes;
  std::string report;
  Intersection intersection;
};

// Decides the task and adds its picture to the scene: the axes and their
// names, both triangles' edges, names and faces, the intersection and the
// line where the planes meet. Prints nothing: every program prints the notes,
// then the report, and a web page shows them.
//
//   const TaskAnswer answer = answerTask(task);
//   std::fputs(answer.report.c_str(), stdout);
TaskAnswer answerTask(const Task& task);

// Adds the task alone to the scene, as answerTask begins: the axes and their
// names, both triangles' edges, names and faces; no intersection. The picture
// of a task set for practice, before it is solved.
//
//   scene = Scene{};
//   addTaskScene(task);
void addTaskScene(const Task& task);

// Adds the x (10 long), y (10) and z (20) axes from origin, in black.
void addAxes(Point origin);

// Adds the edges a-b, a-c, b-c of one triangle in the given colour.
void addTriangleEdges(Point a, Point b, Point c, ColorIndex color);

inline constexpr ColorIndex kAxisColor = 9;
inline constexpr ColorIndex kFirstTriangleColor = 2;
inline constexpr ColorIndex kSecondTriangleColor = 5;

// One demonstration pair: the corners a1, b1, c1, a2, b2, c2.
using TrianglePair = std::array<Point, 6>;

inline constexpr int kFixedCaseCount = 12;

// Fixed case 1 to 12, the pairs shown by trikros-case01 to trikros-case12.
TrianglePair fixedCase(int number);

// The same pair as a task: its numbers as typed are the floats' exact values.
Task fixedTask(int number);
