// The program's answer for one pair of triangles against the exact answer.
#pragma once

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
};

Comparison compare(const TrianglePair& pair);

// "none", "point", "segment", "triangle" ... "hexagon", or "7 corners".
std::string kindName(int count);

// Everything needed to reproduce a disagreement: the pair as typed, the true
// answer and the program's answer as printed.
std::string describe(const Comparison& comparison);
