// The intersection of two triangles in space: which kind it is and which
// corners it has (the pure computation), and the report that prints it and
// adds it to the scene.
//
// The six result slots are labelled M, N, P, Q, R, S, the letters that the
// report prints; they are filled in the order in which the corners are found.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "geometry.h"
#include "scene.h"

// Which point message the report prints.
enum class PointStyle {
  Touching,  // each triangle touches the other's plane in the same point
  OnCut,     // a touching corner lies on the other's cut, or one coplanar corner
  Crossing,  // the cuts of two triangles in different planes meet in a point
};

// Which segment message the report prints.
enum class SegmentStyle {
  Transversal,  // the triangles lie in different planes
  Coplanar,     // the triangles lie in one plane
};

inline constexpr int kMaxCorners = 6;

// The answer for one pair of triangles, before it is printed.
struct Intersection {
  // 0 none, 1 a point, 2 a segment, 3 to 6 a polygon with that many corners.
  int count = 0;
  PointStyle pointStyle = PointStyle::OnCut;           // used when count is 1
  SegmentStyle segmentStyle = SegmentStyle::Coplanar;  // used when count is 2
  // The first count entries: the corners in discovery order (M, N, P, ...).
  std::array<Point, kMaxCorners> corners{};
};

// The six corners a1, b1, c1, a2, b2, c2 as they were typed, in double.
// Decimals typed at the console are known more exactly than their floats
// (0.1 is read as 0.100000001): given these, every decision, and the check
// of every printed point, is made from what was typed. The printed digits
// still come from the floats, by the float rule.
using TypedCorners = std::array<Wide, 6>;

// The typed corners of floats given as they are: the floats themselves.
inline TypedCorners typedOf(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                            const Point& b2, const Point& c2) {
  return {toWide(a1), toWide(b1), toWide(c1), toWide(a2), toWide(b2), toWide(c2)};
}

// How the triangles a1, b1, c1 and a2, b2, c2 meet, decided from the floats
// or from the corners as typed. Nothing is printed or added to the scene.
//
//   Intersection answer = findIntersection(a1, b1, c1, a2, b2, c2);
//   Intersection answer = findIntersection(a1, b1, c1, a2, b2, c2, typed);
Intersection findIntersection(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                              const Point& b2, const Point& c2);
Intersection findIntersection(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                              const Point& b2, const Point& c2, const TypedCorners& typed);

// The corners of the intersection of two triangles that lie in one plane:
// corners of either triangle inside the other, then edge crossings, repeats
// dropped, in the order found. Nothing is printed or added to the scene.
//
//   Intersection answer = findCoplanarIntersection(a1, b1, c1, a2, b2, c2);
Intersection findCoplanarIntersection(const Point& a1, const Point& b1, const Point& c1,
                                      const Point& a2, const Point& b2, const Point& c2);

// The same, deciding from the corners in double (one, two).
Intersection findCoplanarIntersection(const Point* const (&first)[3],
                                      const Point* const (&second)[3], const Wide (&one)[3],
                                      const Wide (&two)[3]);

// Finds the intersection, writes its corners into the first count slots,
// prints the one report message and adds the intersection to the scene.
// Returns count (0 none, 1 point, 2 segment, 3 to 6 polygon).
//
//   intersectTriangles(a1, b1, c1, a2, b2, c2, M, N, P, Q, R, S);
//   intersectTriangles(a1, b1, c1, a2, b2, c2, M, N, P, Q, R, S, typed);
int intersectTriangles(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2, Point& M,
                       Point& N, Point& P, Point& Q, Point& R, Point& S);
int intersectTriangles(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2, Point& M,
                       Point& N, Point& P, Point& Q, Point& R, Point& S, const TypedCorners& typed);

// The same for two triangles known to lie in one plane.
//
//   int count = coplanarIntersection(M, N, P, Q, R, S, a1, b1, c1, a2, b2, c2);
int coplanarIntersection(Point& M, Point& N, Point& P, Point& Q, Point& R, Point& S, Point a1,
                         Point b1, Point c1, Point a2, Point b2, Point c2);

// The line where the planes of the two triangles meet, worked out in double:
// through its point nearest the middle of the six corners, with a direction
// halfLength / 100 long (a Line is drawn a hundred directions each way).
// Nothing when the corners of either triangle are collinear or coincide, or
// the planes are parallel or the same.
//
//   auto line = planesMeetingLine(a1, b1, c1, a2, b2, c2, sceneSize());
std::optional<Line> planesMeetingLine(Point a1, Point b1, Point c1, Point a2, Point b2, Point c2,
                                      float halfLength);

// ---- The report -----------------------------------------------------------

// The one console message for an answer, byte for byte as it is printed.
std::string reportText(const Intersection& answer);

// The edges that the report adds for a polygon, as pairs of corner indices
// (0 = M, 1 = N, ...), in the order added. They follow the polygon's
// boundary: the fixed pattern for the count where that pattern traces it,
// else the corners taken around their centroid.
std::vector<std::pair<int, int>> outlineEdges(const Intersection& answer);

// Adds the intersection to the scene in colour 0: its corners' names, and
// the point, the segment, or the polygon's outline and fill.
//
//   addAnswerShapes(findIntersection(a1, b1, c1, a2, b2, c2, typed));
void addAnswerShapes(const Intersection& answer);

// Prints the message of the answer, flushes standard output and adds the
// intersection to the scene (addAnswerShapes).
void report(const Intersection& answer);

// What the user is told on standard error before the report when a triangle
// is not a proper one: for each such triangle one line saying that its
// corners coincide or lie on one line, and the point or the segment it was
// taken as. Empty for two proper triangles.
//
//   std::fputs(shapeNotes(a1, b1, c1, a2, b2, c2).c_str(), stderr);
std::string shapeNotes(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                       const Point& b2, const Point& c2);
std::string shapeNotes(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                       const Point& b2, const Point& c2, const TypedCorners& typed);

// The report's entries by kind; each prints one message and adds its shape.
void reportNone();
void reportPoint(PointStyle style, Point M);
void reportSegment(SegmentStyle style, Point M, Point N);
void reportPolygon(int count, Point M, Point N, Point P, Point Q, Point R, Point S);
// The coplanar routine's entry: count 0 none, 1 point, 2 segment, 3-6 polygon.
void reportCorners(int count, Point M, Point N, Point P, Point Q, Point R, Point S);
