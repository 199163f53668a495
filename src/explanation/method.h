// The pieces the steps of the worked solution share: the records of one pass
// over them, the plane equations, a point's place in a triangle, where two
// segments meet, and the steps of each case. Used inside src/explanation only.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "exact.h"
#include "messages.h"
#include "steps.h"

namespace steps {

using exact::fraction;
using exact::Integer;
using exact::number;
using exact::pointText;
using exact::pointWithDecimals;

// ---- Names and formulas -------------------------------------------------------

// "a1", "b2": corner k (0 a, 1 b, 2 c) of a figure; "a1b1": an edge.
std::string nameOf(const Figure& f, int k);
std::string edgeName(const Figure& f, int i, int j);
// The sentence about the first triangle or about the second.
const char* pick(const Figure& f, const char* first, const char* second);
// "t = (531/2) / (531/2 + 209) = 531/949 (0.559536)": the zero of A + t(B - A).
std::string zeroAt(const Rational& a, const Rational& b);
// "p = a2 + u(b2 - a2) + v(c2 - a2)": the points of triangle t.
std::string frameOf(const Figure& t);

// Everything one pass writes to, and what it has already told.
struct Pass {
  const Names& names;
  Writer& out;
  std::vector<PlaneEquation>& planes;
  bool ruleTold = false;      // when a point is in a triangle
  bool zeroTold = false;      // why t = A / (A - B)
  bool crossingTold = false;  // the system for s and t of two edges

  // A point of the answer as the text names it: "M = (8/3, 1, 0) ~ (...)";
  // another point of the intersection with a sentence saying so.
  std::string named(const Vec& p) const {
    const std::string letter = names.of(p);
    if (!letter.empty()) return letter + " = " + pointWithDecimals(p);
    return pointWithDecimals(p) + " " + _("(To je tacka preseka, ali nije njegovo teme.)");
  }
  // Why the zero of the plane's value on an edge is at t = A / (A - B), once.
  void tellZero() {
    if (zeroTold) return;
    zeroTold = true;
    out.more(_(
        "(Duz ivice od a do b, u tacki a + t(b - a), vrednost leve strane je A + t(B - A), gde su "
        "A i B vrednosti u a i b; ona je 0 za t = A / (A - B).)"));
  }
};

// "MN": the two ends of a segment of the answer, in the order of its letters.
std::string segmentLetters(const Names& names, const Vec& p, const Vec& q);

// ---- Planes -------------------------------------------------------------------

// A x + B y + C z + D = 0 with integers.
struct Equation {
  Integer a, b, c, d;

  Vec normal() const { return {Rational(a), Rational(b), Rational(c)}; }
  Rational at(const Vec& p) const {
    return Rational(a) * p.x + Rational(b) * p.y + Rational(c) * p.z + Rational(d);
  }
};

// The normal (b - a) x (c - a) of a proper triangle.
Vec normalOf(const Figure& t);

// ---- A point in a triangle, two segments in one plane --------------------------

// Coordinates in the axis plane onto which a plane across n projects one to
// one: the axis of n's largest component is left out. Parameters along
// lines, and the u, v of a point in a triangle, stay the same.
struct Flat {
  int dropped = 2;

  std::pair<Rational, Rational> operator()(const Vec& p) const {
    if (dropped == 0) return {p.y, p.z};
    if (dropped == 1) return {p.x, p.z};
    return {p.x, p.y};
  }
  // The names of the two coordinates kept.
  const char* first() const { return dropped == 0 ? "y" : "x"; }
  const char* second() const { return dropped == 2 ? "y" : "z"; }
  // Twice the signed area of u and v.
  Rational cross(const Vec& u, const Vec& v) const {
    const auto [ux, uy] = (*this)(u);
    const auto [vx, vy] = (*this)(v);
    return ux * vy - uy * vx;
  }
};

Flat flatFor(const Vec& n);

// Where a point of a triangle's plane lies: p = a + u(b - a) + v(c - a), in
// the triangle when u >= 0, v >= 0 and u + v <= 1.
struct Place {
  Rational u, v;
  enum Where { Inside, AtCorner, OnEdge, Outside } where = Outside;
  std::string at;       // the corner or the edge
  std::string failing;  // the conditions that fail: "v < 0", "u + v > 1"
};

Place placeIn(const Vec& p, const Figure& t);

// One line: where the point called `name` lies in the triangle; `found`
// names it as a point of the intersection. Outside, `apart` says that
// there is then no common point.
std::string placeLine(const std::string& name, const Place& place, const std::string& found,
                      bool apart = false);

// Step: the points called by the step's sentence against triangle t; the
// first time, the rule and how u and v are found, for the first point.
void placeStep(Pass& w, const std::string& sentence, const Figure& t, const std::string& name,
               const Vec& p);

void addDistinct(std::vector<Vec>& points, const Vec& p);

// The edges of a triangle by their corners.
constexpr int kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};

// Where segment p1-p2 meets segment q1-q2 of the same plane: p1 + s(p2 -
// p1) = q1 + t(q2 - q1), or for two segments on one line the stretch s from
// lo to hi of p1-p2 that they share.
struct Meeting {
  enum Kind { Nothing, Crossing, Overlap } kind = Nothing;
  Rational s, t;    // Crossing
  Rational lo, hi;  // Overlap
};

Meeting meet(const Vec& p1, const Vec& p2, const Vec& q1, const Vec& q2, const Flat& flat);

// The system for s and t of two crossing segments, with its solution, the
// first time: s(p2 - p1) - t(q2 - q1) = q1 - p1 in the two coordinates kept.
void tellCrossing(Writer& out, const std::string& one, const std::string& two, const Vec& p1,
                  const Vec& p2, const Vec& q1, const Vec& q2, const Flat& flat, const Meeting& m);

// ---- In different planes (along_line.cpp) --------------------------------------

// The part of a triangle in the other's plane.
struct Cut {
  enum Contact { Apart, InPlane, Across } contact = Apart;
  std::vector<Vec> points;         // one or two
  std::vector<std::string> names;  // "U1", "U2"

  // "U1U2", or "U1" for a point.
  std::string name() const { return names.size() == 2 ? names[0] + names[1] : names[0]; }
};

// Step: the corners of t in the equation e of the other plane, what their
// signs say, and the points where t meets that plane (letter "U" or "V").
Cut cutStep(Pass& w, const Figure& t, const Equation& e, const char* letter);

// Step: both cuts lie on the line where the planes meet; their positions
// along it, and what they share.
std::vector<Vec> alongTheLine(Pass& w, const Equation& e1, const Equation& e2, const Cut& one,
                              const Cut& two);

// ---- A point or a segment (figures.cpp) ----------------------------------------

// Step: what a triangle that is not a proper one is taken as, and why.
void figureStep(Pass& w, const Figure& f);

// The smaller figure s against the larger one: a point or a segment against
// the triangle t of plane e, a segment or a point against a segment o, a
// point against a point.
std::vector<Vec> pointAgainstTriangle(Pass& w, const Figure& s, const Figure& t, const Equation& e);
std::vector<Vec> segmentAgainstTriangle(Pass& w, const Figure& s, const Figure& t,
                                        const Equation& e);
std::vector<Vec> segmentAgainstSegment(Pass& w, const Figure& s, const Figure& o);
std::vector<Vec> pointAgainstSegment(Pass& w, const Figure& s, const Figure& o);
std::vector<Vec> pointAgainstPoint(Pass& w, const Figure& s, const Figure& o);

}  // namespace steps
