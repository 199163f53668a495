// Start-up of the programs: the coordinate axes, the two triangles (typed in
// or from a fixed case) and their edges in the scene.
#pragma once

#include <array>
#include <cstdio>

#include "geometry.h"
#include "intersection.h"

// --help and --version, answered before anything else (options.cpp). When an
// argument is one of them, answerHelpOrVersion prints, for whichever comes
// first, the usage in Serbian or the line "trikros VERSION", and returns the
// exit status: 0, or 1 when the text could not be written. The usage names
// the program: fixedCase 0 is trikros, 1 to 12 are trikros-case01 to 12.
//
//   if (asksForHelpOrVersion(argc, argv)) return answerHelpOrVersion(argc, argv, 0, stdout);
bool asksForHelpOrVersion(int argc, char** argv);
int answerHelpOrVersion(int argc, char** argv, int fixedCase, std::FILE* output);

// --objasni (options.cpp): after the report, printExplanation writes the
// worked solution for the six corners, from the numbers as typed (typed) or,
// for a fixed case, from the floats' exact values.
//
//   if (asksForExplanation(argc, argv)) printExplanation(a1, ..., c2, typed, false, stdout);
bool asksForExplanation(int argc, char** argv);
void printExplanation(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                      const Point& b2, const Point& c2, const TypedCorners& typed, bool fixedCase,
                      std::FILE* output);

// Asks for the corners of both triangles on standard output and reads the
// eighteen coordinates from standard input, each with "%lf": typed receives
// them in double, as typed, and the corners the float nearest each. A read
// that finds no number, a number that is not finite or larger than
// kLargestCoordinate in size (refused: it becomes 0), or a decimal comma
// after a number stops reading: the later coordinates stay 0, and standard
// error says once where and why.
//
//   readTriangles(a1, b1, c1, a2, b2, c2, typed);
void readTriangles(Point& a1, Point& b1, Point& c1, Point& a2, Point& b2, Point& c2,
                   TypedCorners& typed);

// The same dialogue on other streams (prompts to output, the one complaint
// about bad input to errors).
void readTrianglesFrom(std::FILE* input, std::FILE* output, std::FILE* errors, Point& a1, Point& b1,
                       Point& c1, Point& a2, Point& b2, Point& c2, TypedCorners& typed);

// Adds the x (10 long), y (10) and z (20) axes from origin, in black.
void addAxes(Point origin);

// Adds the edges a-b, a-c, b-c of one triangle in the given colour.
void addTriangleEdges(Point a, Point b, Point c, ColorIndex color);

// The largest coordinate, in size, that the program takes. Far beyond
// classroom numbers, and small enough that every product in the computation
// stays finite and float coordinates (spacing 0.0625 at a million) stay well
// inside the tolerance (1 at a million).
inline constexpr float kLargestCoordinate = 1000000.0f;

inline constexpr ColorIndex kAxisColor = 9;
inline constexpr ColorIndex kFirstTriangleColor = 2;
inline constexpr ColorIndex kSecondTriangleColor = 5;

// One demonstration pair: the corners a1, b1, c1, a2, b2, c2.
using TrianglePair = std::array<Point, 6>;

inline constexpr int kFixedCaseCount = 12;

// Fixed case 1 to 12, the pairs shown by trikros-case01 to trikros-case12.
TrianglePair fixedCase(int number);
