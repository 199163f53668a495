// The scene: the program-wide lists of coloured shapes and names that the
// viewer draws, the bounds of what has been added, and the colour table.
//
// Everything is added during start-up and only read once the window opens.
#pragma once

#include <limits>
#include <list>
#include <optional>
#include <string>
#include <vector>

#include "geometry.h"

// A segment drawn wholly in its own colour; its ends keep their own colour
// fields, which are never drawn.
struct Segment {
  Point first;
  Point second;
  ColorIndex color = kDefaultColor;

  Segment() = default;
  Segment(Point firstEnd, Point secondEnd) : first(firstEnd), second(secondEnd) {}
};

// An infinite line, drawn as a long segment through point along direction.
struct Line {
  Point point;
  Point direction;  // only x, y, z are used
  ColorIndex color = kDefaultColor;
};

// A circle parallel to the x-y plane, in the plane z = center.z.
struct Circle {
  Point center;
  float radius = 0.0f;
  ColorIndex color = kDefaultColor;
};

// A short name written beside a point of the picture, such as "a1" or "M".
struct Label {
  Point point;
  std::string text;
  ColorIndex color = kDefaultColor;
};

// A flat piece of the figure, filled in its colour: a triangle, or the
// intersection's polygon with its corners in order around it.
struct Face {
  std::vector<Point> corners;
  ColorIndex color = kDefaultColor;
};

inline constexpr float kNoBound = std::numeric_limits<float>::infinity();

struct Scene {
  std::list<Point> points;
  std::list<Segment> segments;
  std::list<Line> lines;      // the line where the triangles' planes meet
  std::list<Circle> circles;  // nothing adds to it; the viewer can draw it
  std::list<Label> labels;
  std::list<Face> faces;  // the figure: the two triangles and a polygonal intersection
  // The box around every point and segment end added, in x, y and z. It
  // starts empty (lower above upper) and widens with each finite coordinate.
  Point minPoint{kNoBound, kNoBound, kNoBound, kDefaultColor};
  Point maxPoint{-kNoBound, -kNoBound, -kNoBound, kDefaultColor};
};

// The one scene of the program.
extern Scene scene;

// Stores the point with the given colour in place of its own and widens the
// bounds with it.
//
//   addPoint(M, 0);
void addPoint(Point point, ColorIndex color);

// Stores the segment with the given colour (its ends keep theirs) and widens
// the bounds with its first end, then its second.
//
//   addSegment(Segment(a1, b1), 2);
void addSegment(Segment segment, ColorIndex color);

// Stores the line with the given colour. Lines leave the bounds alone: they
// are drawn long enough to cross the whole scene.
//
//   addLine(line, kLightGrey);
void addLine(Line line, ColorIndex color);

// Stores a name to write beside the point, in the given colour. The bounds
// are left alone: labels go on points already in the scene.
//
//   addLabel(a1, "a1", 2);
void addLabel(Point point, std::string text, ColorIndex color);

// Stores a face of the figure in the given colour. The bounds are left
// alone: the triangles' edges are in the scene as well.
//
//   addFace({a1, b1, c1}, 2);
void addFace(std::vector<Point> corners, ColorIndex color);

// The length of the bounds' diagonal, 0 while they are empty.
float sceneSize();

struct Rgb {
  float red;
  float green;
  float blue;
};

// The grey of the line where the planes meet (index 10).
inline constexpr ColorIndex kLightGrey = 10;

// The drawing colour of an index 0 to 10; nothing for any other index.
std::optional<Rgb> colorOf(ColorIndex color);
