// The program's answer for one pair of triangles against the exact answer.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "exact_reference.h"
#include "intersection.h"
#include "pair_generators.h"

// How far a printed corner may lie from the true one, in each coordinate.
inline constexpr double kCornerTolerance = 0.0001;

struct Comparison {
  TrianglePair pair;
  std::vector<ExactPoint> expected;  // the true corners
  Intersection actual;               // the program's answer
  // Same kind: none, point, segment, or polygon with the same number of corners.
  bool kindAgrees = false;
  // Same kind, and the printed corners match the true ones one to one within
  // kCornerTolerance in each coordinate.
  bool cornersAgree = false;
  // Moreover the message and the order of the corners are those of the exact
  // report.
  bool reportAgrees = false;
  // Kind and corners agree with the exact answer for the floats nearest the
  // typed values, the numbers the program really works with.
  bool floatsAgree = false;
};

Comparison compare(const TrianglePair& pair);

// A report as the user reads it: the number of corners (0 none, 1 point, 2
// segment, 3 to 6 polygon) and the printed coordinates of each corner.
struct PrintedAnswer {
  int count = -1;  // -1: not a report
  Message message = Message::None;
  std::vector<std::array<double, 3>> corners;  // in the order printed
};

PrintedAnswer readReport(const std::string& text);

// Right: the kind of the true answer, and the printed corners match the true
// ones one to one within kCornerTolerance.
bool isRight(const PrintedAnswer& answer, const std::vector<ExactPoint>& expected);

// Right in every detail: the message of the exact report, its corners in its
// order, each within kCornerTolerance, and a corner that is one of the typed
// corners printed as that corner's float prints.
bool isExactlyRight(const PrintedAnswer& answer, const ExactReport& expected,
                    const std::array<ExactPoint, 6>& typed);

// The six corners of eighteen numbers as text, each a decimal as typed
// ("-12.34") or a float in hexadecimal ("-0x1.8p+1"), taken exactly;
// parentheses and commas between them are ignored.
std::array<ExactPoint, 6> exactCorners(const std::string& numbers);

// "none", "point", "segment", "triangle" ... "hexagon", or "7 corners".
std::string kindName(int count);

// Everything needed to reproduce a disagreement: the pair as typed, the true
// answer and the program's answer as printed.
std::string describe(const Comparison& comparison);
