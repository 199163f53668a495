// The program's answer for one pair of triangles against the exact answer.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "exact_reference.h"
#include "explanation.h"
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
  // Kind and corners agree with the exact answer for the floats nearest the
  // typed values, the numbers the program really works with.
  bool floatsAgree = false;
  // The worked solution (--objasni) for the pair as typed, and whether it
  // holds (explanationHolds).
  Explanation explanation;
  bool explained = false;
};

// The worked solution against the exact answer: its corners are the true
// ones, exactly and as a set, a polygon's in order around it; no value
// shows as 0.000000 outside the notes (which quote the report); its kind is
// the report's unless its note says that the two differ; and every plane
// equation it prints is in lowest terms and holds at the three corners of
// its triangle.
bool explanationHolds(const Explanation& explanation, const std::vector<ExactPoint>& expected,
                      const Intersection& reported, const ExactTriangle& first,
                      const ExactTriangle& second);

Comparison compare(const TrianglePair& pair);

// A report as the user reads it: the number of corners (0 none, 1 point, 2
// segment, 3 to 6 polygon) and the printed coordinates of each corner.
struct PrintedAnswer {
  int count = -1;                              // -1: not a report
  std::vector<std::array<double, 3>> corners;  // in the order printed
};

PrintedAnswer readReport(const std::string& text);

// Right: the kind of the true answer, and the printed corners match the true
// ones one to one within kCornerTolerance.
bool isRight(const PrintedAnswer& answer, const std::vector<ExactPoint>& expected);

// The six corners of eighteen numbers as text, each a decimal as typed
// ("-12.34") or a float in hexadecimal ("-0x1.8p+1"), taken exactly;
// parentheses and commas between them are ignored.
std::array<ExactPoint, 6> exactCorners(const std::string& numbers);

// "none", "point", "segment", "triangle" ... "hexagon", or "7 corners".
std::string kindName(int count);

// Everything needed to reproduce a disagreement: the pair as typed, the true
// answer and the program's answer as printed.
std::string describe(const Comparison& comparison);
