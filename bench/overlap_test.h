// The classic yes/no triangle overlap test by interval overlap (T. Moller,
// "A Fast Triangle-Triangle Intersection Test", 1997), the baseline that the
// benchmark times the full intersection against. It only answers whether two
// triangles have a point in common; it finds no corners.
#pragma once

#include "geometry.h"

// True when the triangles a1, b1, c1 and a2, b2, c2 share at least one point
// (touching counts). Plain float arithmetic; signed distances below
// kOverlapEpsilon count as 0.
//
//   bool hit = trianglesOverlap(a1, b1, c1, a2, b2, c2);
bool trianglesOverlap(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2);

inline constexpr float kOverlapEpsilon = 1e-6f;
