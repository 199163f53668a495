// The worked solution (trikros --objasni): how the two triangles meet, told
// step by step in Serbian with exact fractions, the way a teacher writes it
// on the board, and ending with the exact answer.
//
// It computes from the eighteen numbers as typed, exactly (rational
// arithmetic), and follows the program's own method: each triangle against
// the other's plane, the two cuts along the line where the planes meet; in
// one plane, corners inside and edge crossings. It is computed only when
// asked for and changes nothing on the way to the report.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "exact.h"
#include "geometry.h"
#include "intersection.h"
#include "messages.h"

// The eighteen numbers as typed, in the order a1.x a1.y a1.z b1.x ... c2.z:
// each an integer or a decimal with a point ("-3", "2.5", ".5", "5."), with
// an exponent ("1e3", "-2.5E-2"), or a fraction of two integers ("1/3",
// "+4/6"), with an optional sign.
using ExplanationWords = std::array<std::string, 18>;

// A plane equation as printed: A x + B y + C z + D = 0 with integers
// without a common divisor, the first non-zero of A, B, C positive.
struct PlaneEquation {
  int triangle = 0;                         // 1 the first triangle, 2 the second
  std::array<std::string, 4> coefficients;  // A, B, C, D in decimal digits
};

struct Explanation {
  // False when a word is not a number of the accepted forms: then lines holds
  // kIncompleteTask alone and nothing else is filled in.
  bool complete = false;
  // The worked solution, line by line, without line breaks: numbered steps,
  // an optional note, "Resenje:" and its lines.
  std::vector<std::string> lines;
  // The exact answer: 0 no common point, 1 a point, 2 a segment, 3 to 6 the
  // corners of a polygon.
  int count = 0;
  // Its corners as "(8/3, 1, 0)" and as "(2.666667, 1, 0)", in the order of
  // the lines after "Resenje:" (a polygon's in order around it, a segment's
  // from M to N), with their names in letters ("MRSPQN"): the report's
  // letters wherever the report has the same corner, the next ones after.
  std::vector<std::string> corners;
  std::vector<std::string> decimals;
  std::vector<bool> rounded;  // true where a decimal is rounded to six places
  std::string letters;
  // Every plane equation printed.
  std::vector<PlaneEquation> planes;
  // True when the report and the exact answer differ (the report decides
  // within a tolerance) and a note before "Resenje:" says where and by how
  // much.
  bool differsFromReport = false;
};

// The line printed in place of the worked solution when the task is
// incomplete: a number was refused, so no pair of triangles was given.
// Shown through _(kIncompleteTask).
inline constexpr const char* kIncompleteTask =
    N_("Zadatak nije potpun (neki broj nije prihvacen), pa objasnjenja nema.");

// The worked solution for the triangles typed as words, told against the
// program's answer for them (its letters M, N, ... and order name the corners).
//
//   const Explanation e = explain(words, findIntersection(a1, b1, c1, a2, b2, c2, typed));
Explanation explain(const ExplanationWords& words, const Intersection& reported);

// The whole text as printed after the report: a blank line, then every line
// of the explanation, each ending with a line break.
//
//   std::fputs(explanationText(explain(words, reported)).c_str(), stdout);
std::string explanationText(const Explanation& explanation);

// The exact common part of the two triangles typed as words, without the
// text: no corners, one point, a segment's two ends, or a polygon's corners in
// order around it. `complete` is false when a word is not a number.
//
//   const ExactAnswer truth = exactAnswer(words);
struct ExactAnswer {
  bool complete = false;
  std::vector<exact::Vec> corners;
};
ExactAnswer exactAnswer(const ExplanationWords& words);

// The six corners of a fixed pair as words: each float's exact decimal
// value ("5.5"; a float always has a finite one).
//
//   const ExplanationWords words = wordsOfFloats({a1, b1, c1, a2, b2, c2});
ExplanationWords wordsOfFloats(const std::array<Point, 6>& corners);
