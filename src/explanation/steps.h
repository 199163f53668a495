// The numbered steps of the worked solution, case by case, and the exact
// answer they arrive at. Used inside src/explanation only.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "exact.h"
#include "explanation.h"
#include "messages.h"

namespace steps {

using exact::Rational;
using exact::Vec;

// A whole sentence from the catalog with its values filled in:
//   say(_("Tacka %s je u trouglu."), name)
inline const char* textOf(const std::string& text) {
  return text.c_str();
}
inline const char* textOf(const char* text) {
  return text;
}
template <typename... Values>
std::string say(const char* pattern, const Values&... values) {
  return formatted(pattern, textOf(values)...);
}

// The lines written so far: numbered steps and their indented continuations.
struct Writer {
  std::vector<std::string> lines;
  int steps = 0;

  void step(const std::string& text) { lines.push_back(std::to_string(++steps) + ". " + text); }
  void more(const std::string& text) { lines.push_back("   " + text); }
};

// The letters of the answer's corners (M, N, ...), once they are known.
struct Names {
  std::vector<Vec> corners;
  std::string letters;

  // "M", or "" for a point that is not a corner of the answer.
  std::string of(const Vec& p) const;
};

// What a triangle really is: a proper triangle, the segment between its two
// farthest corners when they lie on one line, or a point when they coincide.
struct Figure {
  int number = 1;           // 1 the first triangle, 2 the second
  int corners = 3;          // 3 triangle, 2 segment, 1 point
  std::array<Vec, 3> p;     // the corners as typed
  std::array<int, 2> ends;  // a segment's ends (0 a, 1 b, 2 c); a point is corner 0
};

Figure figureOf(int number, const Vec& a, const Vec& b, const Vec& c);

// The squared distance from p to a figure, exactly.
Rational squaredDistance(const Vec& p, const Figure& figure);

// One pass over the steps: the lines go to out, each plane printed to
// planes; names, when known, letter the corners of the answer in the text.
// Returns the exact answer: nothing, a point, a segment's two ends, or a
// polygon's corners in order around it.
//
//   std::vector<Vec> answer = workedSteps(corners, names, out, planes);
std::vector<Vec> workedSteps(const std::array<Vec, 6>& corners, const Names& names, Writer& out,
                             std::vector<PlaneEquation>& planes);

}  // namespace steps
