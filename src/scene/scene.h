// The scene: the program-wide lists of coloured shapes that the viewer draws,
// the bounds of what has been added, and the colour table.
//
// Everything is added during start-up and only read once the window opens.
#pragma once

#include <list>
#include <optional>

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

struct Scene {
  std::list<Point> points;
  std::list<Segment> segments;
  std::list<Line> lines;      // nothing adds to it; the viewer can draw it
  std::list<Circle> circles;  // likewise
  // The bounds start as a box that any added point widens; only x and y are
  // ever read or changed.
  Point minPoint{1024.0f, 700.0f, 0.0f, kDefaultColor};
  Point maxPoint{0.0f, 0.0f, 0.0f, kDefaultColor};
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

struct Rgb {
  float red;
  float green;
  float blue;
};

// The drawing colour of an index 0 to 9; nothing for any other index.
std::optional<Rgb> colorOf(ColorIndex color);
