// The geometry kernel: points, planes and the measures and constructions on
// them that the triangle intersection is built from.
//
// Arithmetic rule for every coordinate that is computed: each formula is
// evaluated in double precision from its float operands, and every quantity
// that the code names is a float, rounded once when it is formed. Sums are
// bracketed exactly as written; the bracketing decides the last bit.
//
// Decisions (which side of a plane, inside or not, one line or not, repeat or
// not) are made in double precision from the corners themselves, within a
// tolerance that grows with the size of the numbers, so that a figure gets
// the same answer at every scale.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>

// A drawing colour, 0 to 9 (0 red ... 9 black); see the scene's colour table.
using ColorIndex = std::int32_t;

inline constexpr ColorIndex kDefaultColor = 9;

// The tolerance for lengths where every coordinate is at most 10 in size.
inline constexpr double kTolerance = 0.00001;

// How close a computed coordinate is to the same coordinate computed without
// rounding on the way (the printed answers have six decimals).
inline constexpr double kPrintedAccuracy = 0.0001;

// A point in space with a drawing colour. The geometry reads only x, y, z.
struct Point {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  ColorIndex color = kDefaultColor;
};

// The plane A*x + B*y + C*z + D = 0 (not normalised: |(A, B, C)| is twice the
// area of the triangle it was made from) and the first point it was made from.
struct Plane {
  float A = 0.0f;
  float B = 0.0f;
  float C = 0.0f;
  float D = 0.0f;
  Point point;
};

// The length below which two places count as one, for the given points:
// kTolerance, and beyond coordinates of 10 in absolute value, kTolerance
// times a tenth of the largest. Float coordinates are exact to one part in
// 2^24 of their size, so a fixed length would be too fine for large numbers.
//
//   const double tolerance = toleranceFor({a1, b1, c1, a2, b2, c2});
inline double toleranceForSize(double largest) {
  const double tenth = largest / 10.0;
  return kTolerance * (tenth > 1.0 ? tenth : 1.0);
}

inline double toleranceFor(std::initializer_list<Point> points) {
  float largest = 0.0f;
  for (const Point& p : points) {
    for (const float value : {p.x, p.y, p.z}) {
      const float size = std::fabs(value);
      largest = size > largest ? size : largest;  // NaN is passed over
    }
  }
  return toleranceForSize(static_cast<double>(largest));
}

// True when a and b are closer than tolerance in each of x, y and z.
bool nearlySame(Point a, Point b, double tolerance);

// Area of the triangle a, b, c: half the length of (b - a) x (c - a).
//
//   float area = triangleArea(a, b, c);
float triangleArea(Point a, Point b, Point c);

// 1 when p lies in the triangle a, b, c (edges and corners included), else 0:
// its distance in space from the triangle is below the tolerance of the four
// points. For corners on one line the triangle is the segment between the
// two farthest of them.
//
//   if (pointInTriangle(a, b, c, p)) ...
int pointInTriangle(Point a, Point b, Point c, Point p);

// The same test within a given tolerance, for testing several points with
// the tolerance of the whole figure.
//
//   if (pointInTriangle(a, b, c, p, tolerance)) ...
int pointInTriangle(Point a, Point b, Point c, Point p, double tolerance);

// The plane through p1, p2, p3; (A, B, C) = (p2 - p1) x (p3 - p1) and
// point = p1. Collinear points give all four coefficients 0.
//
//   Plane plane = planeThroughPoints(d, e, f);
Plane planeThroughPoints(Point p1, Point p2, Point p3);

// The point where the line through p and q meets the plane, colour 9.
// A line parallel to the plane (or p equal to q) gives p's coordinates.
//
//   Point x = linePlaneIntersection(plane, p, q);
Point linePlaneIntersection(Plane plane, Point p, Point q);

// 1 when p lies on the segment a-b: the detour |p - a| + |p - b| - |a - b|
// is below the tolerance of the three points. Else 0. The detour grows only
// slowly with the distance from the line, so the test is strict along the
// line and lenient across it, which suits a point already known to lie near
// the line.
//
//   if (pointOnSegment(p, a, b)) ...
int pointOnSegment(Point p, Point a, Point b);
int pointOnSegment(Point p, Point a, Point b, double tolerance);

// Where the triangle a, b, c meets the plane through d, e, f. A corner counts
// as lying in the plane when its distance from the plane is below the
// tolerance of the six corners.
//
//   int cut = trianglePlaneCut(a, b, c, d, e, f, first, second);
//
// Returns
//   0  no contact (all corners strictly on one side); nothing written
//   1  the triangle lies in the plane; nothing written
//   2  it touches the plane in one corner, copied whole into first
//   3  it meets the plane along the segment first-second (corners copied
//      whole, crossing points of edges with colour 9)
int trianglePlaneCut(Point a, Point b, Point c, Point d, Point e, Point f, Point& first,
                     Point& second);

// Where the segment p-q, whose ends lie on either side of the plane through
// d, e, f, crosses that plane: linePlaneIntersection with the plane's
// coefficients, unless their rounding has moved the point more than
// kPrintedAccuracy (then the point computed in double, rounded once).
//
//   Point x = planeCrossing(p, q, d, e, f);
Point planeCrossing(const Point& p, const Point& q, const Point& d, const Point& e, const Point& f);

// The first half of trianglePlaneCut: the side of the plane through d, e, f
// on which each of a, b, c lies (-1, 0 in the plane, +1). Lets a caller give
// up before any crossing point is computed. It runs for every pair of
// triangles, so the corners are passed by reference rather than copied.
//
//   PlaneSides sides = planeSides(a, b, c, d, e, f, tolerance);
//   if (!oneSided(sides)) plan = cutPlan(sides);
struct PlaneSides {
  int a = 0;
  int b = 0;
  int c = 0;
  // d, e, f may lie on one line within the tolerance, so that their plane
  // means little; shapeOf tells for sure.
  bool mayBeFlat = false;
  double values[3] = {0, 0, 0};  // n.(k - d) for k = a, b, c: signed distances times |n|
};
PlaneSides planeSides(const Point& a, const Point& b, const Point& c, const Point& d,
                      const Point& e, const Point& f, double tolerance);

// True when all three corners lie strictly on one side (trianglePlaneCut 0).
bool oneSided(const PlaneSides& sides);

// The second half: which points trianglePlaneCut gives for the sides found:
// result (0 to 3) and for first and second either a corner {i, i} or the
// crossing of the edge {i, j}, with the corners numbered 0 a, 1 b, 2 c.
struct CutPlan {
  int result;
  int first[2];
  int second[2];
};
CutPlan cutPlan(const PlaneSides& sides);

// What the segments p1-p2 and p3-p4 have in common, within the tolerance of
// the four points (or the one given). Writes only x, y, z of the outputs it
// names; their colour is the caller's.
//
//   int r = segmentIntersection(p1, p2, p3, p4, first, second);
//
// Returns
//   0  nothing (also parallel segments on different lines)
//   1  one common point, in first
//   2  a common stretch, its ends in first and second in the direction p3->p4
int segmentIntersection(Point p1, Point p2, Point p3, Point p4, Point& first, Point& second);
int segmentIntersection(Point p1, Point p2, Point p3, Point p4, double tolerance, Point& first,
                        Point& second);

// What three corners really are: a proper triangle, a segment when they lie
// on one line (its ends the two corners farthest apart, in the order a, b,
// c), or a point when they coincide (a), all within the tolerance.
//
//   const Shape shape = shapeOf(a, b, c, tolerance);
//   if (shape.corners == 2) ... the segment shape.ends[0]-shape.ends[1]
struct Shape {
  int corners;  // 3 triangle, 2 segment, 1 point
  Point ends[2];
  int which[2];  // the corners that ends are: 0 a, 1 b, 2 c
};
Shape shapeOf(const Point& a, const Point& b, const Point& c, double tolerance);

// ---- The same decisions on corners converted once ---------------------------
// The intersection of two triangles makes dozens of decisions on the same six
// corners. These forms take the corners already in double precision, and
// triangles and segments made ready once, instead of converting and
// subtracting again for every test. They decide exactly as the forms above.

// Three coordinates in double precision: a corner, or a vector between two.
struct Wide {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline Wide toWide(const Point& p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)};
}

inline Wide operator-(const Wide& b, const Wide& a) {
  return {b.x - a.x, b.y - a.y, b.z - a.z};
}

// planeSides: the corners of one triangle against the plane of the other.
//
//   PlaneSides sides = planeSides(first, second, tolerance);
PlaneSides planeSides(const Wide (&triangle)[3], const Wide (&plane)[3], double tolerance);

// nearlySame, shapeOf and planeCrossing deciding from points given also in
// double (exact): corners known more exactly than their floats, such as
// decimals typed at the console. The points printed are still the floats, or
// computed from them by the float rule. planeCrossing takes p, q, d, e, f in
// that order in exact and writes the crossing in double to where.
//
//   const Shape shape = shapeOf({&a, &b, &c}, exact, tolerance);
bool nearlySame(const Wide& a, const Wide& b, double tolerance);
Shape shapeOf(const Point* const (&corners)[3], const Wide (&exact)[3], double tolerance);
Point planeCrossing(const Point& p, const Point& q, const Point& d, const Point& e, const Point& f,
                    const Wide (&exact)[5], Wide& where);

// A triangle made ready for pointInTriangle on many points.
struct ReadyTriangle {
  Wide corners[3];
  Wide normal;  // (b - a) x (c - a)
  double normalSquared = 0.0;
  Wide inward[3];  // normal x edge, for the edges a-b, b-c, c-a: towards the inside
  double inwardSquared[3] = {0.0, 0.0, 0.0};
  double longestSquared = 0.0;  // the longest edge, squared
};
ReadyTriangle readyTriangle(const Wide (&corners)[3]);

//   const ReadyTriangle triangle = readyTriangle(corners);
//   if (pointInTriangle(triangle, toWide(p), tolerance)) ...
int pointInTriangle(const ReadyTriangle& triangle, const Wide& p, double tolerance);

// A segment made ready for segmentIntersection with many others.
struct ReadySegment {
  Point from;  // the ends as given, for the points printed
  Point to;
  Wide start;            // from, in double
  Wide end;              // to, in double
  Wide along;            // to - from, in double
  double squared = 0.0;  // |to - from|^2
};
ReadySegment readySegment(const Point& from, const Point& to, const Wide& start, const Wide& end);

// A point that two segments have in common: x, y, z as printed (by the
// float rule, or an end as given) and the same point computed in double, so
// that points found twice can be told apart by where they really are.
struct FoundPoint {
  Point point;
  Wide exact;
};

//   FoundPoint first, second;
//   int r = segmentIntersection(one, other, tolerance, first, second);
int segmentIntersection(const ReadySegment& one, const ReadySegment& other, double tolerance,
                        FoundPoint& first, FoundPoint& second);
