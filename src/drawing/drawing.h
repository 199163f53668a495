// The picture as a list of flat marks: the camera as plain data, the
// projection of the scene, the places of the names, and the gestures that
// move the camera. No graphics library: the window, the picture files and a
// web page all paint the same list, each in its own way.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "scene.h"

// The camera as the user has moved it, and the picture's size in pixels.
struct View {
  int width = 1024;
  int height = 700;
  // The turn: row i is the picture's axis i (0 right, 1 up, 2 towards the
  // viewer) in scene coordinates; as set here, the view from above (down the
  // z axis, y up). firstView gives the view a figure is first shown in.
  std::array<double, 9> turn{1, 0, 0, 0, 1, 0, 0, 0, 1};
  double zoom = 1.0;  // times the first view's scale
  double panX = 0.0;  // pixels the figure's centre has moved from the
  double panY = 0.0;  // middle of the picture, y downwards
};

// What the user has switched on or off.
struct Shown {
  bool labels = true;      // L: the names beside the points
  bool planeLine = false;  // P: the line where the planes meet
  bool fills = true;       // T: the faces filled
  bool help = false;       // H: the help box
  bool hint = true;        // "H: pomoc" in the top right corner (the window's, not a file's)
  bool turnHint =
      false;            // the window's line at the bottom on turning in space, until the first turn
  bool quitKey = true;  // "Q ili Esc: kraj" in the help: a window ends, a web page does not
  bool leftDragTurns = false;  // the help as a web page's mouse works: a left drag turns in space
  bool print = false;          // on white paper, as files are, rather than the screen's cream
};

// The standard views: the first (the oblique one, or for two triangles in
// one plane the view straight at it), the oblique view of a solid-geometry
// textbook (z up, y to the right, x towards the viewer, seen from 25 degrees
// above), from above (down the z axis, y up), from the front (along the x
// axis, z up) and from the side (along the y axis, z up).
enum class Standpoint { First, Oblique, Top, Front, Side };

namespace drawing {

// A place on the picture, in pixels from the top left corner, y downwards.
struct Spot {
  double x = 0.0;
  double y = 0.0;
};

struct Line {
  Spot from, to;
  Rgb color{};
  double width = 1.0;  // pixels
  double dash = 0.0;   // length of each dash and each gap; 0 for a solid line
};

// A convex polygon, filled see-through.
struct Polygon {
  std::vector<Spot> corners;
  Rgb color{};
  double opacity = 1.0;
};

// A round point.
struct Dot {
  Spot centre;
  double radius = 1.0;
  Rgb color{};
};

// A line of text. `at` is the left end of its baseline; `height` that of a
// capital letter or a digit. Every painter keeps the text within `width`
// (shrinking its font if its letters run wider than textWidth guessed); the
// tails of letters such as "y" and "," reach down to a quarter of the height.
struct Label {
  std::string text;
  Spot at;
  double height = 16.0;
  double width = 0.0;
  Rgb color{};
  bool halo = false;  // a light band around the letters, so they read over lines
};

using Mark = std::variant<Polygon, Line, Dot, Label>;

// Everything on the picture, in painting order: later marks cover earlier ones.
struct List {
  int width = 0;
  int height = 0;
  Rgb background{};
  Rgb halo{};  // the colour of the labels' halos
  std::vector<Mark> marks;
};

// The box a label's letters and tails keep within: left, top, right, bottom.
std::array<double, 4> labelBox(const Label& label);

}  // namespace drawing

// Where the first view puts the scene: the point shown in the middle of the
// picture (the centre of the figure's box) and the pixels per unit there.
struct Frame {
  std::array<double, 3> centre{};
  double scale = 1.0;
};

// The first view frames the figure (the scene's faces; the whole scene when
// it has none) on its bounding sphere about the centre of its box: the
// sphere's diameter takes nine tenths of the picture's smaller side, so that
// no turn at this zoom moves a corner out of the picture.
//
//   Frame frame = frameOf(scene, view.width, view.height);
Frame frameOf(const Scene& scene, int width, int height);

// The radius of that sphere, in scene units (1/2 for a figure that is one point).
double figureRadius(const Scene& scene);

// Where a point of the scene appears in the picture under the view.
//
//   drawing::Spot s = project(frame, view, a1);
drawing::Spot project(const Frame& frame, const View& view, const Point& point);

// The whole picture of the scene under the view: fills, axes and edges, the
// corner points, the names, the orientation mark and the texts, clipped to
// the picture.
//
//   drawing::List list = drawScene(scene, view, Shown{});
drawing::List drawScene(const Scene& scene, const View& view, const Shown& shown);

// The parts of the segment a-b hidden from the viewer by a face of the scene's
// two triangles: a point is hidden when the ray from it towards the viewer
// meets a triangle's inside before it, by more than a millionth of the
// figure. Each part is a pair of parameters t from 0 (at a) to 1 (at b), in
// order and apart.
//
//   for (auto [from, to] : hiddenParts(scene, view, a1, b1)) ...  // dashed
std::vector<std::array<double, 2>> hiddenParts(const Scene& scene, const View& view, const Point& a,
                                               const Point& b);

// The width that a text of the given capital height may take: every painter
// keeps to it.
//
//   double w = textWidth("a1, a2, M", 16.0);
double textWidth(const std::string& text, double height);

// ---- Gestures: what the mouse and the keys do to the view --------------

inline constexpr double kKeyTurnDegrees = 5.0;  // per arrow key
inline constexpr double kKeyZoom = 1.25;        // per + key; - divides by it

// The first view of the figure in a picture of this size: no pan or zoom,
// turned as the first standpoint shows it.
//
//   View view = firstView(1024, 700);
View firstView(int width, int height, const Scene& figure = scene);

// The view from a standpoint, with no pan or zoom, at the view's size.
//
//   view = viewFrom(view, Standpoint::Top);  // the key 1
View viewFrom(View view, Standpoint standpoint, const Scene& figure = scene);

// A left drag by (dx, dy) pixels: the figure follows the pointer.
View panBy(View view, int dx, int dy);

// A right drag by (dx, dy): the picture turns about the line of sight through
// the figure's centre by the drag's length / (width + 1) x 180 degrees,
// counterclockwise, or clockwise when the drag goes right (dx > 0).
View spinBy(View view, int dx, int dy);

// The degrees a drag of this many pixels turns: a drag across the whole
// picture turns half a turn.
double dragDegrees(const View& view, double pixels);

// Turns the scene in space about the picture's horizontal and vertical axes
// through the figure's centre. A negative turn about the horizontal tips the
// top away; a positive one about the vertical turns the front to the right.
//
//   view = turnBy(view, -kKeyTurnDegrees, 0.0);         // the Up key
//   view = turnBy(view, dragDegrees(view, dy), dragDegrees(view, dx));  // Shift + right drag
View turnBy(View view, double aboutHorizontal, double aboutVertical);

// Enlarges by the factor about the figure's centre, which stays where it is
// on the picture. A middle drag by dy zooms by e^(dy / 2100).
//
//   view = zoomBy(view, kKeyZoom);
//   view = zoomBy(view, dragZoom(dy));
View zoomBy(View view, double factor);
double dragZoom(int dy);
