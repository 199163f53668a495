// What the drawing's own files share: the figure's sphere, the tolerance of
// depth, and the faces in the order they are painted.
#pragma once

#include <array>
#include <vector>

#include "drawing.h"
#include "scene.h"

namespace drawing {
inline constexpr ColorIndex kIntersectionColor = 0;
inline constexpr ColorIndex kAxisColor = 9;
}  // namespace drawing

// The figure's box and the sphere about its centre through its farthest point.
struct Sphere {
  std::array<double, 3> centre{};
  double radius = 0.5;
  std::array<double, 3> low{}, high{};  // the box
};

Sphere figureSphere(const Scene& figure);

// Depths closer than this count as equal: a point on a face is not behind it.
double depthTolerance(const Sphere& sphere);

// The faces in painting order under the view: the first triangle split along
// the second's plane, its part behind that plane first, then the second
// triangle, then its part in front; the intersection's faces last.
std::vector<Face> facesInDepthOrder(const Scene& scene, const View& view);

// ---- Painting the list: shared by the marks of the figure and of the axes

namespace drawing {

// Sizes in pixels where the smaller side is 700, as in the window at first;
// they grow and shrink with the picture (never below half).
inline constexpr double kFirstSide = 700.0;
inline constexpr double kAxisWidth = 1.5;
inline constexpr double kSmallHeight = 12.0;  // the hint, the help, the orientation mark, numbers
inline constexpr double kHiddenShare = 0.6;   // a hidden line's width, of a seen one's
inline constexpr double kHiddenDash = 6.0;
inline constexpr Rgb kBlack{0.0f, 0.0f, 0.0f};

struct Box {
  double left, top, right, bottom;
  // Whether the two boxes share more than an edge.
  bool meets(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool within(const Box& outer) const {
    return left >= outer.left && top >= outer.top && right <= outer.right && bottom <= outer.bottom;
  }
  Box grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

bool finite(Spot s);

// Liang-Barsky: shortens the segment a-b to its part inside the box. Returns
// false when no part is inside.
bool clipSegment(Spot& a, Spot& b, const Box& box);

// Sutherland-Hodgman: the part of a convex polygon inside the box.
std::vector<Spot> clipPolygon(std::vector<Spot> corners, const Box& box);

// The box that a label and its halo take.
Box haloBox(const Label& label);

// A line of black text whose width is guessed by textWidth.
Label text(const std::string& words, Spot at, double height, bool halo);

struct Painter {
  const Scene& scene;
  const View& view;
  Frame frame;
  double unit;
  Box picture;
  List list;
  bool print = false;  // on paper

  Spot at(const Point& p) const { return project(frame, view, p); }

  // A segment of the picture, clipped; nothing when it lies outside.
  void line(Spot a, Spot b, Rgb color, double width, double dash = 0.0);

  // A segment of the scene, dashed and thinner where a triangle hides it.
  void lineInDepth(const Point& a, const Point& b, Rgb color, double width);

  void polygon(const std::vector<Point>& corners, Rgb color, double opacity);

  // The colour of a colour index on this picture.
  Rgb colourOf(ColorIndex index) const;
};

}  // namespace drawing

// The axes through the origin, or along three edges of the figure's box when
// the origin lies far from it: arrows, ticks at a round step. Returns the
// labels to place (the letters at the tips, numbers at some ticks), most
// needed first.
std::vector<drawing::Label> drawAxes(drawing::Painter& p);
