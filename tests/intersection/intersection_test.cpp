// The intersection of two triangles end to end: the message printed, byte for
// byte, the corners left in the result slots and the shapes added to the
// scene, over one table of pairs.
#include "intersection.h"

#include <cmath>
#include <string>
#include <vector>

#include "../support.h"
#include "app.h"
#include "scene.h"

namespace {

struct Edge {
  Point from, to;
};

struct PairCase {
  const char* name;
  TrianglePair pair;
  std::string message;
  std::vector<Point> corners;  // in the result slots, in order
  std::vector<Edge> edges;     // segments added, in order (a point answer adds corners[0])
  float slack = 0.0f;          // computed corners with no exact float: how close
  bool onlyMessage = false;    // the slots and shapes follow from it as in the other rows
};

// A pair where only the printed answer is in question.
PairCase printedOnly(const char* name, TrianglePair pair, const char* message) {
  PairCase c{name, pair, message, {}, {}};
  c.onlyMessage = true;
  return c;
}

void expectCorner(const Point& actual, const Point& want, float slack) {
  if (slack == 0.0f) {
    EXPECT_AT(actual, want.x, want.y, want.z);
    return;
  }
  EXPECT_NEAR(actual.x, want.x, slack);
  EXPECT_NEAR(actual.y, want.y, slack);
  EXPECT_NEAR(actual.z, want.z, slack);
}

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PairCase& c, std::ostream* out) {
  *out << c.name;
}

const char* const kNone = "Zadati trouglovi se ne seku.\n";

// Rows whose answer is nothing, a point or a segment: the slots hold its
// corners and a segment is added as one edge.
PairCase nothing(const char* name, TrianglePair pair) {
  return {name, pair, kNone, {}, {}};
}

PairCase point(const char* name, TrianglePair pair, const char* message, Point at) {
  return {name, pair, message, {at}, {}};
}

PairCase segment(const char* name, TrianglePair pair, const char* message, Point from, Point to) {
  return {name, pair, message, {from, to}, {{from, to}}};
}

// With one coordinate 15625 / 1024 in size the tolerance is 2^-16, with one
// 15625 / 16 in size 2^-10: distances of exactly the tolerance can be written,
// and the rows at the edges of the decisions come in pairs, one exactly at
// the tolerance (or half of it, where the detour decides) and one just within.
constexpr float kS = 15625.0f / 1024, kT = 0x1p-16f, kIn = 0.9375f * kT;
constexpr float kL = 15625.0f / 16, kT10 = 0x1p-10f;

std::vector<PairCase> pairCases() {
  // Corners of the fixed cases.
  const Point m01 = pt(4, 3, 0), n01 = pt(4, 5, 0);
  const Point m06 = pt(3, 5, 0), n06 = pt(4, 4, 0);
  const Point c08[] = {pt(6, 1, 0), pt(4, 1, 0), pt(4, 2.6f, 0)};
  const Point c09[] = {pt(4, 1, 0), pt(3, 2, 0), pt(3.5f, 1, 0), pt(4, 2, 0)};
  const Point c10[] = {pt(11.0f / 3, 1, 0), pt(8.0f / 3, 1, 0), pt(3, 3, 0),
                       pt(2.25f, 2.25f, 0), pt(4, 1.5f, 0),     pt(4, 3, 0)};
  const Point c11[] = {pt(3, 2, 0), pt(11.0f / 3, 1, 0), pt(3, 1, 0), pt(4, 1.5f, 0),
                       pt(4, 2.5f, 0)};
  const Point c12[] = {pt(2, 1, 0), pt(4, 1, 0), pt(3, 2, 0)};
  const Point star[] = {pt(2, 0, 0), pt(4, 0, 0), pt(2, 4, 0),
                        pt(1, 2, 0), pt(4, 4, 0), pt(5, 2, 0)};
  return {
      {"case01",
       fixedCase(1),
       "Presek zadatih trouglova je duz:\nMN(4.000000 -4.000000, 5.000000 - 3.000000, 0.000000 - "
       "0.000000).\n",
       {m01, n01},
       {{m01, n01}}},
      {"case02",
       fixedCase(2),
       "Presek zadatih trouglova je Tacka:\nM (4.000000, 3.000000, 0.000000).\n",
       {pt(4, 3, 0)},
       {}},
      {"case03",
       fixedCase(3),
       "Presek zadatih trouglova je Tacka:\nM (4.000000, 5.000000, 0.000000).\n",
       {pt(4, 5, 0)},
       {}},
      {"case04",
       fixedCase(4),
       "Presek zadatih trouglova je Tacka:\nM (3.000000, 4.000000, 0.000000).\n",
       {pt(3, 4, 0)},
       {}},
      {"case05",
       fixedCase(5),
       "Presek zadatih trouglova je Tacka:\nM (2.500000, 3.000000, 0.000000).\n",
       {pt(2.5f, 3, 0)},
       {}},
      {"case06",
       fixedCase(6),
       "Presek zadatih trouglova je duz:\nMN(4.000000 -3.000000, 4.000000 - 5.000000, 0.000000 - "
       "0.000000).\n",
       {m06, n06},
       {{m06, n06}}},
      {"case07",
       fixedCase(7),
       "Presek zadatih trouglova je duz:\nMN (4.000000 - 4.000000, 3.000000 - 5.000000, 0.000000 - "
       "0.000000).\n",
       {n01, m01},
       {{n01, m01}}},
      {"case08",
       fixedCase(8),
       "Presek zadatih trouglova je trougao odredjen Tackama:\nM (6.000000, 1.000000, 0.000000), N "
       "(4.000000, 1.000000, 0.000000), P (4.000000, 2.600000, 0.000000).\n",
       {c08[0], c08[1], c08[2]},
       {{c08[0], c08[1]}, {c08[0], c08[2]}, {c08[1], c08[2]}}},
      {"case09",
       fixedCase(9),
       "Presek zadatih trouglova je cetvorougao odredjen Tackama:\nM (4.000000, 1.000000, "
       "0.000000), N (3.000000, 2.000000, 0.000000), P (3.500000, 1.000000, 0.000000), Q "
       "(4.000000, 2.000000, 0.000000).\n",
       {c09[0], c09[1], c09[2], c09[3]},
       {{c09[1], c09[3]}, {c09[0], c09[2]}, {c09[0], c09[3]}, {c09[1], c09[2]}}},
      {"case10",
       fixedCase(10),
       "Presek zadatih trouglova je sestougao odredjen Tackama:\nM (3.666667, 1.000000, 0.000000), "
       "N (2.666667, 1.000000, 0.000000), P (3.000000, 3.000000, 0.000000), Q (2.250000, 2.250000, "
       "0.000000), R (4.000000, 1.500000, 0.000000), S (4.000000, 3.000000, 0.000000).\n",
       {c10[0], c10[1], c10[2], c10[3], c10[4], c10[5]},
       {{c10[4], c10[5]},
        {c10[3], c10[1]},
        {c10[2], c10[3]},
        {c10[0], c10[1]},
        {c10[0], c10[4]},
        {c10[5], c10[2]}}},
      {"case11",
       fixedCase(11),
       "Presek zadatih trouglova je petougao odredjen Tackama:\nM (3.000000, 2.000000, 0.000000), "
       "N "
       "(3.666667, 1.000000, 0.000000), P (3.000000, 1.000000, 0.000000), Q (4.000000, 1.500000, "
       "0.000000), R (4.000000, 2.500000, 0.000000).\n",
       {c11[0], c11[1], c11[2], c11[3], c11[4]},
       {{c11[3], c11[4]}, {c11[2], c11[1]}, {c11[0], c11[2]}, {c11[0], c11[4]}, {c11[1], c11[3]}}},
      {"case12",
       fixedCase(12),
       "Presek zadatih trouglova je trougao odredjen Tackama:\nM (2.000000, 1.000000, 0.000000), N "
       "(4.000000, 1.000000, 0.000000), P (3.000000, 2.000000, 0.000000).\n",
       {c12[0], c12[1], c12[2]},
       {{c12[0], c12[1]}, {c12[0], c12[2]}, {c12[1], c12[2]}}},
      // Different planes.
      {"touching in one common corner",
       {pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0), pt(0, 0, 0), pt(-1, 0, 2), pt(0, -1, 2)},
       "Presek zadatih trouglova je Tacka:\nM = (0.000000, 0.000000, 0.000000)\n",
       {pt(0, 0, 0)},
       {}},
      {"touching the other plane in different corners",
       {pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0), pt(1, 5, 0), pt(0, 5, 1), pt(0, 6, 1)},
       kNone,
       {},
       {}},
      {"second triangle wholly above the first's plane",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(1, 1, 1), pt(2, 1, 3), pt(1, 2, 1)},
       kNone,
       {},
       {}},
      {"cuts meet in one end",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(4, 0, 1), pt(4, 0, -1), pt(8, -4, 0)},
       "Zadati trouglovi se seku u tacki:\nM (4.000000, 0.000000, 0.000000).\n",
       {pt(4, 0, 0)},
       {}},
      {"cuts apart on their common line",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(5, -1, 1), pt(5, -1, -1), pt(8, -4, 0)},
       kNone,
       {},
       {}},
      {"cut ends that rounding moves off one line",
       {pt(0, 1, -2), pt(1, 2, -2), pt(-3, -3, -3), pt(-2, 0, 2), pt(3, 0, -3), pt(0, 2, -3)},
       "Presek zadatih trouglova je duz:\nMN(0.360000 -0.200000, 1.200000 - 1.200000, -2.160000 - "
       "-2.000000).\n",
       {pt(0.2f, 1.2f, -2), pt(0.36f, 1.2f, -2.16f)},
       {{pt(0.2f, 1.2f, -2), pt(0.36f, 1.2f, -2.16f)}},
       1e-6f},
      {"common stretch ending in a corner typed as -0: its z prints as 0",
       {pt(-0.0f, 0, 2), pt(2, 0, -0.0f), pt(-1, 0, 0), pt(2, 0, -0.0f), pt(1, -1, 0), pt(1, 3, 1)},
       "Presek zadatih trouglova je duz:\nMN(1.000000 -2.000000, 0.000000 - 0.000000, 0.250000 - "
       "0.000000).\n",
       {pt(2, 0, 0), pt(1, 0, 0.25f)},
       {{pt(2, 0, 0), pt(1, 0, 0.25f)}}},
      // One plane.
      {"first inside second",
       {pt(1, 1, 0), pt(2, 1, 0), pt(1, 2, 0), pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0)},
       "Presek zadatih trouglova je trougao odredjen Tackama:\nM (1.000000, 1.000000, 0.000000), N "
       "(2.000000, 1.000000, 0.000000), P (1.000000, 2.000000, 0.000000).\n",
       {pt(1, 1, 0), pt(2, 1, 0), pt(1, 2, 0)},
       {{pt(1, 1, 0), pt(2, 1, 0)}, {pt(1, 1, 0), pt(1, 2, 0)}, {pt(2, 1, 0), pt(1, 2, 0)}}},
      {"identical triangles",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0)},
       "Presek zadatih trouglova je trougao odredjen Tackama:\nM (0.000000, 0.000000, 0.000000), N "
       "(4.000000, 0.000000, 0.000000), P (0.000000, 4.000000, 0.000000).\n",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0)},
       {{pt(0, 0, 0), pt(4, 0, 0)}, {pt(0, 0, 0), pt(0, 4, 0)}, {pt(4, 0, 0), pt(0, 4, 0)}}},
      {"corner to corner",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(1, 1, 0), pt(5, 1, 0), pt(1, 5, 0)},
       "Presek zadatih trouglova je trougao odredjen Tackama:\nM (1.000000, 1.000000, 0.000000), N "
       "(3.000000, 1.000000, 0.000000), P (1.000000, 3.000000, 0.000000).\n",
       {pt(1, 1, 0), pt(3, 1, 0), pt(1, 3, 0)},
       {{pt(1, 1, 0), pt(3, 1, 0)}, {pt(1, 1, 0), pt(1, 3, 0)}, {pt(3, 1, 0), pt(1, 3, 0)}}},
      {"six-pointed star: printed as found, drawn along its boundary",
       {pt(0, 0, 0), pt(6, 0, 0), pt(3, 6, 0), pt(0, 4, 0), pt(6, 4, 0), pt(3, -2, 0)},
       "Presek zadatih trouglova je sestougao odredjen Tackama:\nM (2.000000, 0.000000, 0.000000), "
       "N (4.000000, 0.000000, 0.000000), P (2.000000, 4.000000, 0.000000), Q (1.000000, 2.000000, "
       "0.000000), R (4.000000, 4.000000, 0.000000), S (5.000000, 2.000000, 0.000000).\n",
       {star[0], star[1], star[2], star[3], star[4], star[5]},
       {{star[0], star[1]},
        {star[1], star[5]},
        {star[5], star[4]},
        {star[4], star[2]},
        {star[2], star[3]},
        {star[3], star[0]}}},
      {"common edge, triangles on either side",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(0, 0, 0), pt(4, 0, 0), pt(2, -3, 0)},
       "Presek zadatih trouglova je duz:\nMN (4.000000 - 0.000000, 0.000000 - 0.000000, 0.000000 - "
       "0.000000).\n",
       {pt(0, 0, 0), pt(4, 0, 0)},
       {{pt(0, 0, 0), pt(4, 0, 0)}}},
      {"common corner only",
       {pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(4, 0, 0), pt(8, 0, 0), pt(4, 4, 0)},
       "Presek zadatih trouglova je Tacka:\nM (4.000000, 0.000000, 0.000000).\n",
       {pt(4, 0, 0)},
       {}},
      {"one plane, apart",
       {pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0), pt(3, 3, 0), pt(4, 3, 0), pt(3, 4, 0)},
       kNone,
       {},
       {}},
      {"every corner at the origin (input that ended at once)",
       TrianglePair{},
       "Presek zadatih trouglova je Tacka:\nM (0.000000, 0.000000, 0.000000).\n",
       {pt(0, 0, 0)},
       {}},
      // At classroom scales beyond 5, where the rounded plane coefficients,
      // absolute areas and crossings in a poor coordinate plane used to fail.
      printedOnly(
          "one tilted plane within 20",
          {pt(-6, 7, 8), pt(12, -6, 3), pt(8, 4, -3), pt(19, 8, -18), pt(3, 2, 4), pt(-7, 17, -1)},
          "Presek zadatih trouglova je cetvorougao odredjen Tackama:\nM (8.000000, 4.000000, "
          "-3.000000), N (3.000000, 2.000000, 4.000000), P (0.611111, 5.583333, 2.805556), Q "
          "(8.043478, 3.891304, -2.934783).\n"),
      printedOnly("z = 0 with one decimal within 20",
                  {pt(-15.7f, 18.4f, 0), pt(17, -6, 0), pt(-16.7f, 0.2f, 0), pt(-5.8f, 8.9f, 0),
                   pt(18.8f, -5.4f, 0), pt(10.1f, 14, 0)},
                  "Presek zadatih trouglova je trougao odredjen Tackama:\nM (-5.800000, 8.900000, "
                  "0.000000), N (7.014707, 1.450800, 0.000000), P (-3.819702, 9.535191, "
                  "0.000000).\n"),
      printedOnly(
          "the plane x = y within 20",
          {pt(-4, -4, 14), pt(-18, -18, 9), pt(7, 7, 12), pt(-20, -20, 17), pt(-2, -2, -4),
           pt(19, 19, 17)},
          "Presek zadatih trouglova je cetvorougao odredjen Tackama:\nM (-4.000000, -4.000000, "
          "14.000000), N (7.000000, 7.000000, 12.000000), P (-14.281250, -14.281250, 10.328125), Q "
          "(-13.595855, -13.595855, 9.528498).\n"),
      printedOnly("a triangle a tenth the size (distance from the plane, not the plane value)",
                  {pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0), pt(0.2f, 0.2f, -0.5f),
                   pt(0.2f, 0.2f, 0.5f), pt(0.3f, 0.2f, 0.5f)},
                  "Presek zadatih trouglova je duz:\nMN(0.250000 -0.200000, 0.200000 - 0.200000, "
                  "0.000000 - 0.000000).\n"),
      printedOnly(
          "near 500, where rounding the point in double and printing add up past 0.0001",
          {pt(-357, -397, 126), pt(-266, -190, -349), pt(386, -410, -429), pt(-236, -409, 433),
           pt(7, -297, -405), pt(-414, -10, -461)},
          "Presek zadatih trouglova je duz:\nMN(-76.981422 --22.153093, -253.779282 - -310.436829, "
          "-372.192474 - -304.463806).\n"),
      // Degenerate triangles: a point, or the segment between the farthest
      // of three corners on one line.
      {"a point inside the other triangle",
       {pt(2, 2, 0), pt(2, 2, 0), pt(2, 2, 0), pt(0, 0, 0), pt(5, 0, 0), pt(0, 5, 0)},
       "Presek zadatih trouglova je Tacka:\nM (2.000000, 2.000000, 0.000000).\n",
       {pt(2, 2, 0)},
       {}},
      {"a point outside the other triangle",
       {pt(4, 4, 0), pt(4, 4, 0), pt(4, 4, 0), pt(0, 0, 0), pt(5, 0, 0), pt(0, 5, 0)},
       kNone,
       {},
       {}},
      {"corners on one line piercing the other triangle",
       {pt(1, 1, -1), pt(1, 1, 1), pt(1, 1, 2), pt(0, 0, 0), pt(5, 0, 0), pt(0, 5, 0)},
       "Presek zadatih trouglova je Tacka:\nM (1.000000, 1.000000, 0.000000).\n",
       {pt(1, 1, 0)},
       {},
       1e-6f},
      {"corners on one line in the other's plane",
       {pt(-1, 1, 0), pt(1, 1, 0), pt(5, 1, 0), pt(0, 0, 0), pt(5, 0, 0), pt(0, 5, 0)},
       "Presek zadatih trouglova je duz:\nMN (4.000000 - 0.000000, 1.000000 - 1.000000, 0.000000 - "
       "0.000000).\n",
       {pt(0, 1, 0), pt(4, 1, 0)},
       {{pt(0, 1, 0), pt(4, 1, 0)}}},
      {"two segments through one corner, typed with decimals: a point, not a tiny segment",
       {pt(-6.24f, -26.28f, -10.97f), pt(-9.31f, -29.0f, -21.78f), pt(-3.17f, -23.56f, -0.16f),
        pt(-18.75f, -38.08f, -14.0f), pt(6.27f, -14.48f, -7.94f), pt(18.78f, -2.68f, -4.91f)},
       "Presek zadatih trouglova je Tacka:\nM (-6.240000, -26.280001, -10.970000).\n",
       {pt(-6.24f, -26.28f, -10.97f)},
       {}},
      printedOnly("a corner on a segment found again as a crossing a little apart: one corner",
                  {pt(74.5f, -55.3f, -68.7f), pt(41.1f, -74.3f, -36.3f), pt(24.4f, -83.8f, -20.1f),
                   pt(77.5f, -55.0f, -78.2f), pt(4.7f, -93.6f, 5.6f), pt(7.7f, -93.3f, -3.9f)},
                  "Presek zadatih trouglova je duz:\nMN (24.400000 - 41.099998, -83.800003 - "
                  "-74.300003, -20.100000 - -36.299999).\n"),
      {"a zero triangle at a corner of the other (input that stopped after five numbers)",
       {pt(1, 2, 3), pt(4, 5, 0), pt(0, 0, 0), pt(0, 0, 0), pt(0, 0, 0), pt(0, 0, 0)},
       "Presek zadatih trouglova je Tacka:\nM (0.000000, 0.000000, 0.000000).\n",
       {pt(0, 0, 0)},
       {}},
      {"corners on one line touching the other triangle at a corner",
       {pt(0, 0, 0), pt(1, 1, 1), pt(2, 2, 2), pt(0, 0, 0), pt(3, 0, 0), pt(0, 3, 0)},
       "Presek zadatih trouglova je Tacka:\nM (0.000000, 0.000000, 0.000000).\n",
       {pt(0, 0, 0)},
       {}},
      // At the edges of the tolerance. One plane, near -1000: a corner just
      // within it of the other triangle's edge, and the tolerance away.
      point("a corner just within the tolerance of an edge, near -1000",
            {pt(-856, -720.5625f, 0), pt(-600, -720.5625f, 0), pt(-856, -464.5625f, 0),
             pt(-599.9991f, -kL, 0), pt(-599.9991f, -464.5625f, 0), pt(-343.9991f, -720.5625f, 0)},
            "Presek zadatih trouglova je Tacka:\nM (-600.000000, -720.562500, 0.000000).\n",
            pt(-600, -720.5625f, 0)),
      nothing("a corner the tolerance from an edge, near -1000",
              {pt(-856, -720.5625f, 0), pt(-600, -720.5625f, 0), pt(-856, -464.5625f, 0),
               pt(-600 + kT10, -kL, 0), pt(-600 + kT10, -464.5625f, 0),
               pt(-344 + kT10, -720.5625f, 0)}),
      // Each triangle touches the other's plane in a corner: the same
      // corner when closer than the tolerance in each of x, y and z.
      point("touching corners just within the tolerance apart",
            {pt(kS, 0, 0), pt(0, kS, 0), pt(0, 0, 0), pt(kIn, 0, 0), pt(-1, 0, 2), pt(0, -1, 2)},
            "Presek zadatih trouglova je Tacka:\nM = (0.000000, 0.000000, 0.000000)\n",
            pt(0, 0, 0)),
      nothing("touching corners the tolerance apart",
              {pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0), pt(kT, 0, 0), pt(-1, 0, 2), pt(0, -1, 2)}),
      point("touching corners just within the tolerance apart, near -1000",
            {pt(0, 0, 0), pt(-kL, 0, 0), pt(0, -kL, 0), pt(-0.0009f, 0, 0), pt(1, 0, -2),
             pt(0, 1, -2)},
            "Presek zadatih trouglova je Tacka:\nM = (0.000000, 0.000000, 0.000000)\n",
            pt(0, 0, 0)),
      // A corner in the other's plane on the other's cut: beyond its end the
      // detour is twice the distance.
      point("a corner less than half the tolerance beyond the other's cut",
            {pt(0, 4 + 0.4375f * kT, 0), pt(kS, 4 + 0.4375f * kT, 0), pt(kS, 5, 0), pt(0, -8, -1),
             pt(0, -8, 1), pt(0, 4, 0)},
            "Presek zadatih trouglova je Tacka:\nM (0.000000, 4.000007, 0.000000).\n",
            pt(0, 4 + 0.4375f * kT, 0)),
      point("the other triangle's corner less than half the tolerance beyond this cut",
            {pt(0, -8, -1), pt(0, -8, 1), pt(0, 4, 0), pt(kS, 4 + 0.4375f * kT, 0),
             pt(0, 4 + 0.4375f * kT, 0), pt(kS, 5, 0)},
            "Presek zadatih trouglova je Tacka:\nM (0.000000, 4.000007, 0.000000).\n",
            pt(0, 4 + 0.4375f * kT, 0)),
      point("the other triangle's corner touching this cut in its middle",
            {pt(0, -8, -1), pt(0, -8, 1), pt(0, 8, 0), pt(kS, 0, 0), pt(0, 0, 0), pt(kS, 1, 1)},
            "Presek zadatih trouglova je Tacka:\nM (0.000000, 0.000000, 0.000000).\n", pt(0, 0, 0)),
      nothing("a corner half the tolerance beyond the other's cut, near -1000",
              {pt(0, -400 - kT10 / 2, 0), pt(-kL, -400 - kT10 / 2, 0), pt(-kL, -500, 0),
               pt(0, 400, 1), pt(0, 400, -1), pt(0, -400, 0)}),
      point("a corner just within it, near -1000",
            {pt(0, -400.0004f, 0), pt(0, -400.0004f, -kL), pt(0, -500, -kL), pt(1, 400, 0),
             pt(-1, 400, 0), pt(0, -400, 0)},
            "Presek zadatih trouglova je Tacka:\nM (0.000000, -400.000397, 0.000000).\n",
            pt(0, -400.0004f, 0)),
      // The planes meet at a shallow angle: a corner, or an edge, within the
      // tolerance of the other plane lies far beside the line where they
      // meet, and meets the other triangle only if it lies within the
      // tolerance of it.
      nothing("a corner twice the tolerance outside the other triangle, planes at a shallow angle",
              {pt(5, -0.00002f, 0.0000002f), pt(0, -10, 0.1f), pt(10, -10, 0.1f), pt(0, 0, 0),
               pt(10, 0, 0), pt(0, 10, 0)}),
      point("a corner just within the tolerance of it",
            {pt(5, -0.000009f, 0.00000009f), pt(0, -10, 0.1f), pt(10, -10, 0.1f), pt(0, 0, 0),
             pt(10, 0, 0), pt(0, 10, 0)},
            "Presek zadatih trouglova je Tacka:\nM (5.000000, -0.000009, 0.000000).\n",
            pt(5, -0.000009f, 0.00000009f)),
      nothing("the other triangle's corner twice the tolerance outside this one, shallow angle",
              {pt(0, 0, 0), pt(10, 0, 0), pt(0, 10, 0), pt(5, -0.00002f, 0.0000002f),
               pt(0, -10, 0.1f), pt(10, -10, 0.1f)}),
      nothing("an edge twice the tolerance outside the other triangle, planes at a shallow angle",
              {pt(1, -0.00002f, 0.0000002f), pt(3, -0.00002f, 0.0000002f), pt(2, -10, 0.1f),
               pt(0, 0, 0), pt(10, 0, 0), pt(0, 10, 0)}),
      segment("an edge just within the tolerance of it",
              {pt(1, -0.000009f, 0.00000009f), pt(3, -0.000009f, 0.00000009f), pt(2, -10, 0.1f),
               pt(0, 0, 0), pt(10, 0, 0), pt(0, 10, 0)},
              "Presek zadatih trouglova je duz:\nMN(3.000000 -1.000000, -0.000009 - -0.000009, "
              "0.000000 - 0.000000).\n",
              pt(1, -0.000009f, 0.00000009f), pt(3, -0.000009f, 0.00000009f)),
      point("an edge from the other triangle's edge to twice the tolerance outside: its start",
            {pt(1, 0, 0), pt(3, -0.00002f, 0.0000002f), pt(2, -10, 0.1f), pt(0, 0, 0), pt(10, 0, 0),
             pt(0, 10, 0)},
            "Zadati trouglovi se seku u tacki:\nM (1.000000, 0.000000, 0.000000).\n", pt(1, 0, 0)),
      point("an edge from twice the tolerance outside to the other triangle's edge: its end",
            {pt(1, -0.00002f, 0.0000002f), pt(3, 0, 0), pt(2, -10, 0.1f), pt(0, 0, 0), pt(10, 0, 0),
             pt(0, 10, 0)},
            "Zadati trouglovi se seku u tacki:\nM (3.000000, 0.000000, 0.000000).\n", pt(3, 0, 0)),
      nothing("an edge twice the tolerance outside a cut shorter than the tolerance",
              {pt(-1, -0.00002f, 0.0000002f), pt(1, -0.00002f, 0.0000002f), pt(0, -10, 0.1f),
               pt(0, 1, 0), pt(-0.0000075f, -1, 0), pt(0.0000075f, -1, 0)}),
      point("an edge just within the tolerance of the short cut",
            {pt(-1, -0.000009f, 0.00000009f), pt(1, -0.000009f, 0.00000009f), pt(0, -10, 0.1f),
             pt(0, 1, 0), pt(-0.0000075f, -1, 0), pt(0.0000075f, -1, 0)},
            "Zadati trouglovi se seku u tacki:\nM (-0.000004, 0.000000, 0.000000).\n",
            pt(-0.00000375f, 0, 0)),
      // The cuts of the two triangles on one line: a gap shorter than the
      // tolerance is one point, a common stretch shorter than it too. (An
      // edge of the first triangle crosses the line at 45 degrees, so that
      // the end of the second cut is closer than the gap to the first
      // triangle.)
      nothing("cuts the tolerance apart", {pt(-1, 0, -1), pt(1, 0, 1), pt(-kS, 0, 1), pt(kT, 0, 0),
                                           pt(8 + kT, -1, 0), pt(8 + kT, 1, 0)}),
      point("cuts just within the tolerance apart: the typed corner",
            {pt(-1, 0, -1), pt(1, 0, 1), pt(-kS, 0, 1), pt(kIn, 0, 0), pt(8 + kIn, -1, 0),
             pt(8 + kIn, 1, 0)},
            "Zadati trouglovi se seku u tacki:\nM (0.000014, 0.000000, 0.000000).\n",
            pt(kIn, 0, 0)),
      nothing("the first cut the tolerance beyond the end of the second",
              {pt(1, 0, -1), pt(-1, 0, 1), pt(kS, 0, 1), pt(-4 - kT, 1, 0), pt(-12 - kT, -1, 0),
               pt(4 - kT, -1, 0)}),
      point("the first cut just within it: the end of the second",
            {pt(1, 0, -1), pt(-1, 0, 1), pt(kS, 0, 1), pt(-4 - kIn, 1, 0), pt(-12 - kIn, -1, 0),
             pt(4 - kIn, -1, 0)},
            "Zadati trouglovi se seku u tacki:\nM (-0.000014, 0.000000, 0.000000).\n",
            pt(-kIn, 0, 0)),
      point("the first cut half the tolerance beyond the second near 1000: the end of the second",
            {pt(0, 0, 1), pt(0, 0, -1), pt(kL, 0, -1), pt(-128 - kT10 / 2, 1, 0),
             pt(-384 - kT10 / 2, -1, 0), pt(128 - kT10 / 2, -1, 0)},
            "Zadati trouglovi se seku u tacki:\nM (-0.000488, 0.000000, 0.000000).\n",
            pt(-kT10 / 2, 0, 0)),
      segment(
          "a second cut the tolerance long",
          {pt(-8, 0, -1), pt(-8, 0, 1), pt(kS, 0, 0), pt(0, 1, 0), pt(-kT, -1, 0), pt(kT, -1, 0)},
          "Presek zadatih trouglova je duz:\nMN(0.000008 --0.000008, 0.000000 - 0.000000, "
          "0.000000 - 0.000000).\n",
          pt(-kT / 2, 0, 0), pt(kT / 2, 0, 0)),
      point(
          "a second cut shorter: a point",
          {pt(-8, 0, -1), pt(-8, 0, 1), pt(kS, 0, 0), pt(0, 1, 0), pt(-kIn, -1, 0), pt(kIn, -1, 0)},
          "Zadati trouglovi se seku u tacki:\nM (-0.000007, 0.000000, 0.000000).\n",
          pt(-kIn / 2, 0, 0)),
      nothing("a second cut shorter, half the tolerance beyond the end of the first",
              {pt(-kS, 0, -1), pt(-kS, 0, 1), pt(8, 0, 0), pt(8 + kT / 2, 1, 0),
               pt(8 + kT / 2, -kS, 0), pt(8 + kT / 2 + 8 * kT, -kS, 0)}),
      // An end of the common stretch within the tolerance of a typed corner,
      // in y or in z, is that corner.
      segment("a typed corner the tolerance beyond an end",
              {pt(0, -kS, -1), pt(0, -kS, 1), pt(0, 4 + kT, 0), pt(1, 0, 0), pt(-1, -8, 0),
               pt(-1, 8, 0)},
              "Presek zadatih trouglova je duz:\nMN(0.000000 -0.000000, 4.000000 - -4.000000, "
              "0.000000 - 0.000000).\n",
              pt(0, -4, 0), pt(0, 4, 0)),
      segment("a typed corner just within it",
              {pt(0, -kS, -1), pt(0, -kS, 1), pt(0, 4 + kIn, 0), pt(1, 0, 0), pt(-1, -8, 0),
               pt(-1, 8, 0)},
              "Presek zadatih trouglova je duz:\nMN(0.000000 -0.000000, 4.000014 - -4.000000, "
              "0.000000 - 0.000000).\n",
              pt(0, -4, 0), pt(0, 4 + kIn, 0)),
      segment("a typed corner the tolerance beyond an end, in z",
              {pt(-1, 0, -kS), pt(1, 0, -kS), pt(0, 0, 4 + kT), pt(0, 1, 0), pt(0, -1, -8),
               pt(0, -1, 8)},
              "Presek zadatih trouglova je duz:\nMN(0.000000 -0.000000, 0.000000 - 0.000000, "
              "4.000000 - -4.000000).\n",
              pt(0, 0, -4), pt(0, 0, 4)),
      segment("a common stretch ending within the tolerance of the second's typed corner",
              {pt(0, 0, 1), pt(-512, 0, -1), pt(800 - 0x1p-10f, 0, -1), pt(400, 0, 0),
               pt(-624, -1, 0), pt(-624, 1, 0)},
              "Presek zadatih trouglova je duz:\nMN(-256.000000 -400.000000, 0.000000 - 0.000000, "
              "0.000000 - 0.000000).\n",
              pt(400, 0, 0), pt(-256, 0, 0)),
      // Degenerate triangles: corners closer than the tolerance are one
      // point, a corner closer than it to the line of the others makes a
      // segment.
      segment("corners the tolerance apart: a segment",
              {pt(1, 1, 0), pt(1 + kT, 1, 0), pt(1, 1, 0), pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0)},
              "Presek zadatih trouglova je duz:\nMN (1.000015 - 1.000000, 1.000000 - 1.000000, "
              "0.000000 - 0.000000).\n",
              pt(1, 1, 0), pt(1 + kT, 1, 0)),
      point("corners just within the tolerance: a point",
            {pt(1, 1, 0), pt(1 + kIn, 1, 0), pt(1, 1, 0), pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0)},
            "Presek zadatih trouglova je Tacka:\nM (1.000000, 1.000000, 0.000000).\n", pt(1, 1, 0)),
      segment(
          "a corner the tolerance off the line of the others: a thin triangle",
          {pt(1, 1, -1), pt(1, 1, 1), pt(1 + kT, 1, 0), pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0)},
          "Presek zadatih trouglova je duz:\nMN(1.000015 -1.000000, 1.000000 - 1.000000, "
          "0.000000 - 0.000000).\n",
          pt(1, 1, 0), pt(1 + kT, 1, 0)),
      point("a corner just within it: a segment, through the plane at that corner",
            {pt(1, 1, -1), pt(1, 1, 1), pt(1 + kIn, 1, 0), pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0)},
            "Presek zadatih trouglova je Tacka:\nM (1.000014, 1.000000, 0.000000).\n",
            pt(1 + kIn, 1, 0)),
      point("the other's corners on one line, one of them in this plane: that corner",
            {pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0), pt(1, 1, -1), pt(1, 1, 1), pt(1 + kIn, 1, 0)},
            "Presek zadatih trouglova je Tacka:\nM (1.000014, 1.000000, 0.000000).\n",
            pt(1 + kIn, 1, 0)),
      point("corners on one line through the plane just within the tolerance of a corner",
            {pt(0.000005f, 0, -1), pt(0.000005f, 0, 1), pt(0.000005f, 0, 2), pt(0, 0, 0),
             pt(3, 0, 0), pt(0, 3, 0)},
            "Presek zadatih trouglova je Tacka:\nM (0.000000, 0.000000, 0.000000).\n", pt(0, 0, 0)),
      point("corners on one line through the plane just within the tolerance of another corner",
            {pt(0, 2.999995f, -1), pt(0, 2.999995f, 1), pt(0, 2.999995f, 2), pt(0, 0, 0),
             pt(3, 0, 0), pt(0, 3, 0)},
            "Presek zadatih trouglova je Tacka:\nM (0.000000, 3.000000, 0.000000).\n", pt(0, 3, 0)),
      {"corners on one line through the plane the tolerance from a corner",
       {pt(kT, 0, -1), pt(kT, 0, 1), pt(kT, 0, 2), pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0)},
       "Presek zadatih trouglova je Tacka:\nM (0.000015, 0.000000, 0.000000).\n",
       {pt(kT, 0, 0)},
       {},
       1e-6f},
      point("corners on one line rising from the plane, the middle one the tolerance above",
            {pt(1, 1, 0), pt(5, 1, kT), pt(9, 1, 2 * kT), pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0)},
            "Presek zadatih trouglova je Tacka:\nM (1.000000, 1.000000, 0.000000).\n", pt(1, 1, 0)),
      segment(
          "the middle one just within it",
          {pt(1, 1, 0), pt(5, 1, kIn), pt(9, 1, 2 * kIn), pt(0, 0, 0), pt(kS, 0, 0), pt(0, kS, 0)},
          "Presek zadatih trouglova je duz:\nMN (5.000000 - 1.000000, 1.000000 - 1.000000, "
          "0.000014 - 0.000000).\n",
          pt(1, 1, 0), pt(5, 1, kIn)),
      point("two segments, an end of the second the tolerance off the line of the first",
            {pt(-kS, 0, 0), pt(0, 0, 0), pt(8, 0, 0), pt(0, 0, 0), pt(4, kT, 0), pt(2, kT / 2, 0)},
            "Presek zadatih trouglova je Tacka:\nM (0.000000, 0.000000, 0.000000).\n", pt(0, 0, 0)),
      segment(
          "both ends just within it: a common stretch",
          {pt(-kS, 0, 0), pt(0, 0, 0), pt(8, 0, 0), pt(0, 0, 0), pt(4, kIn, 0), pt(2, kIn / 2, 0)},
          "Presek zadatih trouglova je duz:\nMN (4.000000 - 0.000000, 0.000014 - 0.000000, "
          "0.000000 - 0.000000).\n",
          pt(0, 0, 0), pt(4, kIn, 0)),
  };
}

class IntersectionTable : public ::testing::TestWithParam<PairCase> {
 protected:
  void SetUp() override { scene = Scene{}; }
};

TEST_P(IntersectionTable, MessageSlotsAndShapes) {
  const PairCase& c = GetParam();
  const auto& [a1, b1, c1, a2, b2, c2] = c.pair;
  const Point sentinel = pt(-99, -99, -99, 8);
  Point slots[6] = {sentinel, sentinel, sentinel, sentinel, sentinel, sentinel};
  auto& [M, N, P, Q, R, S] = slots;

  ::testing::internal::CaptureStdout();
  const int count = intersectTriangles(a1, b1, c1, a2, b2, c2, M, N, P, Q, R, S);
  const std::string printed = ::testing::internal::GetCapturedStdout();

  EXPECT_EQ(printed, c.message);
  if (c.onlyMessage) return;
  ASSERT_EQ(count, static_cast<int>(c.corners.size()));
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(::testing::Message() << "slot " << i);
    if (i < count) {
      expectCorner(slots[i], c.corners[static_cast<std::size_t>(i)], c.slack);
    } else {
      EXPECT_AT(slots[i], sentinel.x, sentinel.y, sentinel.z);  // past the count: untouched
    }
  }

  // A point answer adds one point; everything else adds edges; all in red.
  if (count == 1) {
    ASSERT_EQ(scene.points.size(), 1u);
    expectCorner(scene.points.front(), c.corners[0], c.slack);
    EXPECT_EQ(scene.points.front().color, 0);
  } else {
    EXPECT_TRUE(scene.points.empty());
  }
  ASSERT_EQ(scene.segments.size(), c.edges.size());
  auto added = scene.segments.begin();
  for (const Edge& edge : c.edges) {
    expectCorner(added->first, edge.from, c.slack);
    expectCorner(added->second, edge.to, c.slack);
    EXPECT_EQ(added->color, 0);
    ++added;
  }
}

INSTANTIATE_TEST_SUITE_P(Pairs, IntersectionTable, ::testing::ValuesIn(pairCases()),
                         [](const ::testing::TestParamInfo<PairCase>& info) {
                           std::string name;
                           for (char ch : std::string(info.param.name)) {
                             name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           }
                           return name;
                         });

// Every printed point is checked against the same point computed from the
// numbers as typed: where the float rule lands just over 0.0001 from it (here
// by 0.000092, 0.0001 and 0.00002, with the decimals' own rounding on top),
// the point in double is printed.
TEST(TypedCorners, APointJustOverTheAccuracyOffIsTheOneInDouble) {
  const TypedCorners typed = {Wide{39.9, -49.2, 18.8},  Wide{-43.9, 42.1, 1.0},
                              Wide{-38.1, 34.3, 47.1},  Wide{-43.9, 42.1, 1.0},
                              Wide{34.1, -41.4, -27.3}, Wide{-38.1, 34.3, 47.1}};
  Point p[6];
  for (int k = 0; k < 6; ++k) {
    const Wide& w = typed[static_cast<std::size_t>(k)];
    p[k] = pt(static_cast<float>(w.x), static_cast<float>(w.y), static_cast<float>(w.z));
  }
  EXPECT_EQ(reportText(findIntersection(p[0], p[1], p[2], p[3], p[4], p[5], typed)),
            "Presek zadatih trouglova je trougao odredjen Tackama:\nM (-43.900002, 42.099998, "
            "1.000000), N (-38.099998, 34.299999, 47.099998), P (-2.000000, -3.550000, "
            "9.900000).\n");
}

// The line where the planes meet (the window shows it on P) lies in both
// planes and is as long as asked; there is none for parallel planes, one
// plane, or a triangle whose corners are on one line.
TEST(PlanesMeetingLine, LiesInBothPlanesOrIsNone) {
  const float m = 1e6f;
  const struct {
    TrianglePair corners;
    bool meet;
  } rows[] = {
      {{pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(2, 0, -1), pt(2, 4, -1), pt(2, 0, 3)}, true},
      {{pt(-m, -m, 0), pt(m, -m, m), pt(0, m, -m), pt(m, m, m), pt(-m, 0, -m), pt(0, -m, m)}, true},
      {{pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(0, 0, 1), pt(4, 0, 1), pt(0, 4, 1)}, false},
      {{pt(0, 0, 0), pt(4, 0, 0), pt(0, 4, 0), pt(1, 1, 0), pt(5, 1, 0), pt(3, 7, 0)}, false},
      {{pt(0, 0, 0), pt(1, 1, 1), pt(3, 3, 3), pt(2, 0, -1), pt(2, 4, -1), pt(2, 0, 3)}, false},
  };
  for (const auto& row : rows) {
    const auto& [a1, b1, c1, a2, b2, c2] = row.corners;
    const auto line = planesMeetingLine(a1, b1, c1, a2, b2, c2, 250.0f);
    ASSERT_EQ(line.has_value(), row.meet) << a1.x;
    if (!line) continue;
    const Point& d = line->direction;
    EXPECT_NEAR(std::sqrt(double{d.x} * d.x + double{d.y} * d.y + double{d.z} * d.z), 2.5, 1e-5);
    for (float reach : {0.0f, 100.0f}) {  // within rounding of both planes
      const Point on =
          pt(line->point.x + reach * d.x, line->point.y + reach * d.y, line->point.z + reach * d.z);
      const double off = (1e-6 * std::fabs(double{a1.x} - b1.x) + 1e-5) * (1 + reach);
      EXPECT_EQ(planeSides(on, on, on, a1, b1, c1, off).a, 0) << a1.x << " " << reach;
      EXPECT_EQ(planeSides(on, on, on, a2, b2, c2, off).a, 0) << a1.x << " " << reach;
    }
  }
}

}  // namespace
