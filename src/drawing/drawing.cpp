// The drawing list: clipping to the picture, the marks of every shape in
// depth, and where the names go.
#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

#include "drawing_parts.h"
#include "messages.h"

using drawing::Box;
using drawing::Dot;
using drawing::haloBox;
using drawing::kBlack;
using drawing::kIntersectionColor;
using drawing::kSmallHeight;
using drawing::Mark;
using drawing::Painter;
using drawing::Polygon;
using drawing::Spot;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Colours by role, as the colour table names them.
constexpr ColorIndex kAxisColor = drawing::kAxisColor;
constexpr Rgb kBackground{0.9f, 0.9f, 0.8f};
constexpr Rgb kHalo{1.0f, 1.0f, 0.96f};
constexpr Rgb kWhite{1.0f, 1.0f, 1.0f};
constexpr Rgb kPrintIntersection{0.7f, 0.0f, 0.0f};

constexpr double kEdgeWidth = 2.0;
constexpr double kIntersectionWidth = 3.5;  // thicker than the edges, to stand out in grey too
constexpr double kPlaneLineWidth = 1.5;
constexpr double kPlaneLineDash = 8.0;
constexpr double kDotRadius = 3.5;
constexpr double kLabelHeight = 16.0;
constexpr double kMargin = 12.0;
constexpr double kMarkArrow = 36.0;  // length of an orientation arrow seen side-on
// See-through fills: the triangles a fifth opaque, the intersection a third.
constexpr double kTriangleOpacity = 0.2;
constexpr double kIntersectionOpacity = 1.0 / 3.0;
constexpr double kSamePlace = 3.0;  // pixels: names closer than this are written together
constexpr int kCircleVertices = 100;
constexpr double kLineReach = 100.0;  // a scene line is drawn this many directions each way

constexpr const char* kHint = N_("H: pomoc");
constexpr const char* kTurnHint =
    N_("Shift + desni taster ili strelice: okretanje u prostoru; H: pomoc");
// The first lines of the help: the mouse in the window, then on a web page.
constexpr const char* kWindowMouse[] = {
    N_("Levi taster misa: pomeranje slike"),
    N_("Desni taster: okretanje oko pravca pogleda"),
    N_("Shift + desni taster: okretanje u prostoru"),
    N_("Srednji taster (ili levi i desni zajedno): uvelicavanje"),
    N_("Tocak misa, + i -: uvelicavanje i umanjivanje"),
};
constexpr const char* kPageMouse[] = {
    N_("Levi taster misa ili jedan prst: okretanje u prostoru"),
    N_("Shift + levi ili desni taster: pomeranje slike"),
    N_("Tocak misa, dva prsta, + i -: uvelicavanje i umanjivanje"),
};
constexpr const char* kHelp[] = {
    N_("Strelice: okretanje za 5 stepeni"),
    N_("1, 2, 3: pogled odozgo, spreda, sa strane"),
    N_("F ili Home: pocetni pogled"),
    N_("L: oznake tacaka"),
    N_("P: prava u kojoj se seku ravni trouglova"),
    N_("T: popunjene povrsi trouglova"),
    N_("F11: ceo ekran"),
    N_("S: cuvanje slike prozora (PNG)"),
    N_("H: ova pomoc"),
    N_("Q ili Esc: kraj"),  // the last line: left out where no key ends the program
};

double unitOf(int width, int height) {
  return std::max(0.5, std::min(width, height) / drawing::kFirstSide);
}

double distance(Spot a, Spot b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

}  // namespace

// ---- Clipping to the picture ------------------------------------------

bool drawing::finite(Spot s) {
  return std::isfinite(s.x) && std::isfinite(s.y);
}

bool drawing::clipSegment(Spot& a, Spot& b, const Box& box) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double enter = 0.0, leave = 1.0;
  // 1. Each side of the box bounds the parameter t of a + t (b - a).
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;  // parallel to that side and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) return false;
  // 2. The ends at the two parameters.
  const Spot from{a.x + enter * dx, a.y + enter * dy};
  const Spot to{a.x + leave * dx, a.y + leave * dy};
  a = from;
  b = to;
  return true;
}

std::vector<Spot> drawing::clipPolygon(std::vector<Spot> corners, const Box& box) {
  // One side at a time: keep what lies inside it, adding the crossings.
  const auto side = [&corners](auto inside, auto cross) {
    std::vector<Spot> kept;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Spot a = corners[i], b = corners[(i + 1) % corners.size()];
      if (inside(a)) kept.push_back(a);
      if (inside(a) != inside(b)) kept.push_back(cross(a, b));
    }
    corners = std::move(kept);
  };
  const auto atX = [](double x) {
    return [x](Spot a, Spot b) { return Spot{x, a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y)}; };
  };
  const auto atY = [](double y) {
    return [y](Spot a, Spot b) { return Spot{a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x), y}; };
  };
  side([&box](Spot s) { return s.x >= box.left; }, atX(box.left));
  side([&box](Spot s) { return s.x <= box.right; }, atX(box.right));
  side([&box](Spot s) { return s.y >= box.top; }, atY(box.top));
  side([&box](Spot s) { return s.y <= box.bottom; }, atY(box.bottom));
  return corners;
}

void Painter::line(Spot a, Spot b, Rgb color, double width, double dash) {
  if (!finite(a) || !finite(b)) return;
  if (!clipSegment(a, b, picture.grown(width + 2.0))) return;
  list.marks.push_back(drawing::Line{a, b, color, width, dash});
}

void Painter::lineInDepth(const Point& a, const Point& b, Rgb color, double width) {
  const Spot from = at(a), to = at(b);
  const auto point = [&from, &to](double t) {
    return Spot{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
  };
  double seen = 0.0;  // where the part not yet drawn begins
  for (const auto& [start, end] : hiddenParts(scene, view, a, b)) {
    if (start > seen) line(point(seen), point(start), color, width);
    line(point(start), point(end), color, drawing::kHiddenShare * width,
         drawing::kHiddenDash * unit);
    seen = end;
  }
  if (seen < 1.0) line(point(seen), to, color, width);
}

Rgb Painter::colourOf(ColorIndex index) const {
  // On paper the intersection is a darker red, so that in grey too it stands
  // apart from the blue and the magenta.
  if (print && index == kIntersectionColor) return kPrintIntersection;
  return colorOf(index).value_or(kBlack);
}

void Painter::polygon(const std::vector<Point>& corners, Rgb color, double opacity) {
  std::vector<Spot> spots;
  for (const Point& p : corners) spots.push_back(at(p));
  if (!std::all_of(spots.begin(), spots.end(), finite)) return;
  spots = clipPolygon(std::move(spots), picture.grown(2.0));
  if (spots.size() >= 3) list.marks.push_back(Polygon{spots, color, opacity});
}

namespace {

// ---- The marks of the scene -------------------------------------------

double widthOf(ColorIndex color, double unit) {
  if (color == kIntersectionColor) return kIntersectionWidth * unit;
  return kEdgeWidth * unit;
}

// Farther faces first, so that the nearer cover them.
void drawFills(Painter& p) {
  for (const Face& face : facesInDepthOrder(p.scene, p.view)) {
    const double opacity =
        face.color == kIntersectionColor ? kIntersectionOpacity : kTriangleOpacity;
    p.polygon(face.corners, p.colourOf(face.color), opacity);
  }
}

void drawLines(Painter& p, bool planeLine) {
  for (const Circle& circle : p.scene.circles) {
    Spot last{};
    for (int i = 0; i <= kCircleVertices; ++i) {
      const double angle = i * 2.0 * kPi / kCircleVertices;
      const Point on{static_cast<float>(circle.center.x + std::cos(angle) * circle.radius),
                     static_cast<float>(circle.center.y + std::sin(angle) * circle.radius),
                     circle.center.z, circle.color};
      const Spot now = p.at(on);
      if (i > 0) p.line(last, now, p.colourOf(circle.color), kEdgeWidth * p.unit);
      last = now;
    }
  }
  if (planeLine) {
    for (const ::Line& line : p.scene.lines) {
      const auto along = [&line](double reach) {
        return Point{static_cast<float>(line.point.x + reach * line.direction.x),
                     static_cast<float>(line.point.y + reach * line.direction.y),
                     static_cast<float>(line.point.z + reach * line.direction.z), line.color};
      };
      p.line(p.at(along(kLineReach)), p.at(along(-kLineReach)), p.colourOf(line.color),
             kPlaneLineWidth * p.unit, kPlaneLineDash * p.unit);
    }
  }
  // The scene's own axes (its black segments) are drawn by drawAxes, to the
  // figure's measure.
  for (const Segment& segment : p.scene.segments) {
    if (segment.color == kAxisColor) continue;
    p.lineInDepth(segment.first, segment.second, p.colourOf(segment.color),
                  widthOf(segment.color, p.unit));
  }
}

// A point on every corner of the figure: the faces' corners, the scene's
// points and the ends of the intersection's segments. One dot per colour and
// place.
void drawDots(Painter& p) {
  std::vector<Dot> dots;
  const auto dot = [&](const Point& point, ColorIndex color) {
    const Spot s = p.at(point);
    if (!finite(s) || !Box{s.x, s.y, s.x, s.y}.within(p.picture.grown(kDotRadius * p.unit))) {
      return;
    }
    const Dot made{s, kDotRadius * p.unit, p.colourOf(color)};
    for (const Dot& other : dots) {
      if (distance(other.centre, s) < 0.5 && other.color.red == made.color.red &&
          other.color.green == made.color.green && other.color.blue == made.color.blue) {
        return;
      }
    }
    dots.push_back(made);
  };
  for (const Face& face : p.scene.faces)
    for (const Point& corner : face.corners) dot(corner, face.color);
  for (const Point& point : p.scene.points) dot(point, point.color);
  for (const Segment& segment : p.scene.segments) {
    if (segment.color != kIntersectionColor) continue;
    dot(segment.first, segment.color);
    dot(segment.second, segment.color);
  }
  for (const Dot& d : dots) p.list.marks.push_back(d);
}

// ---- Names ------------------------------------------------------------

// Names found at one place of the picture, in the order they were added.
struct Group {
  Spot at;
  std::vector<const ::Label*> names;
};

std::vector<Group> groupsInView(const Painter& p) {
  std::vector<Group> groups;
  for (const ::Label& label : p.scene.labels) {
    if (label.color == kAxisColor) continue;  // the axes' names go at their tips
    const Spot s = p.at(label.point);
    if (!finite(s) || !Box{s.x, s.y, s.x, s.y}.within(p.picture)) continue;
    const auto same = std::find_if(groups.begin(), groups.end(), [s](const Group& group) {
      return distance(group.at, s) < kSamePlace;
    });
    if (same != groups.end()) {
      same->names.push_back(&label);
    } else {
      groups.push_back(Group{s, {&label}});
    }
  }
  return groups;
}

// The way out of the figure at a place: away from the far end of every
// segment that ends there (the edges at a corner point out of its triangle),
// else away from the figure's centre, else up and to the right.
Spot outward(const Painter& p, Spot at) {
  Spot sum{0.0, 0.0};
  for (const Segment& segment : p.scene.segments) {
    const Spot a = p.at(segment.first), b = p.at(segment.second);
    const double length = distance(a, b);
    if (!(length > 1.0)) continue;
    if (distance(a, at) < 1.5) sum = {sum.x + (a.x - b.x) / length, sum.y + (a.y - b.y) / length};
    if (distance(b, at) < 1.5) sum = {sum.x + (b.x - a.x) / length, sum.y + (b.y - a.y) / length};
  }
  if (std::hypot(sum.x, sum.y) > 1e-6) return sum;
  const Spot centre =
      p.at(Point{static_cast<float>(p.frame.centre[0]), static_cast<float>(p.frame.centre[1]),
                 static_cast<float>(p.frame.centre[2]), kDefaultColor});
  if (distance(centre, at) > 1.0) return {at.x - centre.x, at.y - centre.y};
  return {1.0, -1.0};
}

// How many drawn lines run through the box.
int linesThrough(const drawing::List& list, const Box& box) {
  int count = 0;
  for (const Mark& mark : list.marks) {
    if (const drawing::Line* line = std::get_if<drawing::Line>(&mark)) {
      Spot a = line->from, b = line->to;
      count += clipSegment(a, b, box) ? 1 : 0;
    }
  }
  return count;
}

// Where the names of a group go: beside the point in one of sixteen
// directions, tried from the way out of the figure round both ways, on a
// ring a little beyond the point and then on wider rings. A place must lie in
// the picture and clear of every name, point and text placed before;
// among those, fewer lines crossed and a direction nearer the way out win.
std::optional<Box> placeGroup(const Painter& p, const Group& group, double width, double height,
                              const std::vector<Box>& taken) {
  const Spot out = outward(p, group.at);
  const double base = std::atan2(out.y, out.x);
  const double boxWidth = width + 0.4 * height, boxHeight = 1.65 * height;
  const double gap = (kDotRadius + 2.0) * p.unit;
  const Box inside = p.picture.grown(-2.0);
  constexpr int kRings = 8;
  std::optional<Box> best;
  double bestScore = 0.0;
  for (int ring = 0; ring < kRings; ++ring) {
    for (int k = 0; k < 16; ++k) {
      const int turn = (k + 1) / 2 * (k % 2 == 1 ? 1 : -1);  // 0, 1, -1, 2, -2, ...
      const double angle = base + turn * kPi / 8.0;
      const double ux = std::cos(angle), uy = std::sin(angle);
      // The box's centre as far out as puts its nearest side `reach` away.
      const double reach = gap + ring * boxHeight;
      const double along = reach + std::fabs(ux) * boxWidth / 2 + std::fabs(uy) * boxHeight / 2;
      const double cx = group.at.x + ux * along, cy = group.at.y + uy * along;
      const Box box{cx - boxWidth / 2, cy - boxHeight / 2, cx + boxWidth / 2, cy + boxHeight / 2};
      if (!box.within(inside)) continue;
      if (std::any_of(taken.begin(), taken.end(), [&box](const Box& b) { return box.meets(b); })) {
        continue;
      }
      const double score = std::abs(turn) + 6.0 * linesThrough(p.list, box) + 10.0 * ring;
      if (!best || score < bestScore) best = box, bestScore = score;
    }
    // A place on the first three rings is taken as soon as there is one.
    if (best && ring >= 2) break;
  }
  return best;
}

void drawNames(Painter& p, std::vector<Box>& taken) {
  const double height = kLabelHeight * p.unit;
  const double space = 0.45 * height;  // between the names of one group
  for (const Group& group : groupsInView(p)) {
    // "a1, a2, M": each name in its colour, the comma in the colour before it.
    std::vector<drawing::Label> pieces;
    double width = 0.0;
    for (const ::Label* name : group.names) {
      const bool last = name == group.names.back();
      const std::string text = name->text + (last ? "" : ",");
      pieces.push_back(
          drawing::Label{text, {}, height, textWidth(text, height), p.colourOf(name->color), true});
      width += pieces.back().width + (last ? 0.0 : space);
    }
    const std::optional<Box> box = placeGroup(p, group, width, height, taken);
    if (!box) continue;  // no room anywhere: better no name than one over another
    taken.push_back(*box);
    double x = box->left + 0.2 * height;
    const double baseline = box->top + 0.2 * height + height;
    for (drawing::Label& piece : pieces) {
      piece.at = {x, baseline};
      x += piece.width + space;
      p.list.marks.push_back(piece);
    }
  }
}

// ---- Texts and the orientation mark ------------------------------------

// Three short arrows x, y and z in the bottom left corner, turned as the
// scene is, with a letter beyond the end of each.
Box drawOrientationMark(Painter& p) {
  const double u = p.unit, length = kMarkArrow * u, height = kSmallHeight * u;
  const double reach = length + height * 1.8;
  const Spot centre{kMargin * u + reach, p.view.height - kMargin * u - reach};
  const char* const names[3] = {"x", "y", "z"};
  std::vector<Box> letters;
  // 1. Each axis seen in the picture: its right and up parts under the turn.
  Spot seen[3];
  for (std::size_t axis = 0; axis < 3; ++axis) {
    seen[axis] = {p.view.turn[axis], -p.view.turn[3 + axis]};
  }
  for (std::size_t axis = 0; axis < 3; ++axis) {
    const Spot d = seen[axis];
    const double shown = std::hypot(d.x, d.y);
    const Spot tip{centre.x + d.x * length, centre.y + d.y * length};
    // 2. The arrow, with a head where it is long enough to show one; an axis
    //    that points at the viewer, or away, is a point.
    Spot way{d.x / shown, d.y / shown};
    if (shown > 0.3) {
      p.line(centre, tip, kBlack, 2.0 * u);
      const double head = 8.0 * u;
      const Spot back{tip.x - way.x * head, tip.y - way.y * head};
      p.list.marks.push_back(Polygon{{tip,
                                      {back.x - way.y * head * 0.45, back.y + way.x * head * 0.45},
                                      {back.x + way.y * head * 0.45, back.y - way.x * head * 0.45}},
                                     kBlack,
                                     1.0});
    } else {
      p.list.marks.push_back(Dot{centre, 2.5 * u, kBlack});
      // Its letter goes where the other two arrows leave room.
      const Spot other = seen[(axis + 1) % 3], third = seen[(axis + 2) % 3];
      way = {-(other.x + third.x), -(other.y + third.y)};
      const double size = std::hypot(way.x, way.y);
      way = size > 1e-6 ? Spot{way.x / size, way.y / size} : Spot{-0.7, 0.7};
    }
    // 3. The letter, its middle a little beyond the tip; beside a letter
    //    already there (two axes seen the same way) rather than over it.
    const double w = textWidth(names[axis], height);
    const double along = std::max(shown, 0.3) * length + 0.9 * height;
    Spot middle{centre.x + way.x * along, centre.y + way.y * along};
    drawing::Label letter = drawing::text(names[axis], {}, height, true);
    for (int tries = 0; tries < 4; ++tries) {
      letter.at = {middle.x - w / 2, middle.y + height / 2};
      const Box box = haloBox(letter);
      if (std::none_of(letters.begin(), letters.end(),
                       [&box](const Box& b) { return box.meets(b); })) {
        break;
      }
      middle = {middle.x - way.y * 1.2 * height, middle.y + way.x * 1.2 * height};
    }
    letters.push_back(haloBox(letter));
    p.list.marks.push_back(letter);
  }
  return Box{centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach};
}

// "H: pomoc" in the top right corner, or the line on turning in space at the
// bottom right.
Box drawHint(Painter& p, bool turnHint) {
  const double height = kSmallHeight * p.unit, margin = kMargin * p.unit;
  const std::string words = turnHint ? _(kTurnHint) : _(kHint);
  const double width = textWidth(words, height);
  const double baseline = turnHint ? p.view.height - margin - 0.25 * height : margin + height;
  const drawing::Label hint =
      drawing::text(words, {p.view.width - margin - width, baseline}, height, true);
  p.list.marks.push_back(hint);
  return haloBox(hint);
}

// A white box with a black frame and the help's lines, in the top left corner.
void drawHelp(Painter& p, const Shown& shown) {
  const double u = p.unit, height = kSmallHeight * u, line = height * 1.7, padding = 12.0 * u;
  std::vector<std::string> help;
  if (shown.leftDragTurns) {
    for (const char* words : kPageMouse) help.push_back(_(words));
  } else {
    for (const char* words : kWindowMouse) help.push_back(_(words));
  }
  for (const char* words : kHelp) help.push_back(_(words));
  if (!shown.quitKey) help.pop_back();
  const std::size_t lines = help.size();
  double width = 0.0;
  for (std::size_t i = 0; i < lines; ++i) width = std::max(width, textWidth(help[i], height));
  const double left = kMargin * u, top = kMargin * u;
  const double right = left + width + 2 * padding;
  const double bottom = top + static_cast<double>(lines) * line + 2 * padding;
  const std::vector<Spot> corners{{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  p.list.marks.push_back(Polygon{corners, kWhite, 1.0});
  for (std::size_t i = 0; i < corners.size(); ++i) {
    p.line(corners[i], corners[(i + 1) % corners.size()], kBlack, u);
  }
  for (std::size_t i = 0; i < lines; ++i) {
    const double baseline = top + padding + static_cast<double>(i) * line + (line + height) / 2;
    p.list.marks.push_back(drawing::text(help[i], {left + padding, baseline}, height, false));
  }
}

}  // namespace

std::array<double, 4> drawing::labelBox(const drawing::Label& label) {
  return {label.at.x, label.at.y - label.height, label.at.x + label.width,
          label.at.y + 0.25 * label.height};
}

Box drawing::haloBox(const drawing::Label& label) {
  const auto b = drawing::labelBox(label);
  return Box{b[0], b[1], b[2], b[3]}.grown(0.2 * label.height);
}

drawing::Label drawing::text(const std::string& words, Spot at, double height, bool halo) {
  return drawing::Label{words, at, height, textWidth(words, height), kBlack, halo};
}

drawing::List drawScene(const Scene& scene, const View& view, const Shown& shown) {
  Painter p{scene,
            view,
            frameOf(scene, view.width, view.height),
            unitOf(view.width, view.height),
            Box{0.0, 0.0, static_cast<double>(view.width), static_cast<double>(view.height)},
            {},
            shown.print};
  p.list.width = view.width;
  p.list.height = view.height;
  p.list.background = shown.print ? kWhite : kBackground;
  p.list.halo = shown.print ? kWhite : kHalo;
  // 1. The faces under everything, then the axes and the lines, then the
  //    corner points.
  if (shown.fills) drawFills(p);
  std::vector<drawing::Label> axisLabels = drawAxes(p);
  drawLines(p, shown.planeLine);
  drawDots(p);
  // 2. The orientation mark and the hint, whose places the names keep clear
  //    of, as they keep clear of every point.
  std::vector<Box> taken;
  for (const Mark& mark : p.list.marks) {
    if (const Dot* dot = std::get_if<Dot>(&mark)) {
      taken.push_back(
          Box{dot->centre.x, dot->centre.y, dot->centre.x, dot->centre.y}.grown(dot->radius + 1.0));
    }
  }
  taken.push_back(drawOrientationMark(p));
  if (shown.hint || shown.turnHint) taken.push_back(drawHint(p, shown.turnHint));
  // 3. The names; then the axes' letters and numbers where they leave room,
  //    and the help over everything.
  if (shown.labels) drawNames(p, taken);
  for (const drawing::Label& label : axisLabels) {
    const Box box = haloBox(label);
    if (!box.within(p.picture)) continue;
    if (std::any_of(taken.begin(), taken.end(), [&box](const Box& b) { return box.meets(b); })) {
      continue;
    }
    taken.push_back(box);
    p.list.marks.push_back(label);
  }
  if (shown.help) drawHelp(p, shown);
  return std::move(p.list);
}

double textWidth(const std::string& text, double height) {
  // Advances in capital heights, the larger of a plain sans-serif font's
  // (DejaVu Sans) and GLUT's stroke font's, so that neither has to shrink.
  double width = 0.0;
  for (const char c : text) {
    // A letter beyond ASCII (č, ж) counts once, by the first of its bytes.
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
    if ((static_cast<unsigned char>(c) & 0x80) != 0) {
      width += 0.95;
      continue;
    }
    const auto among = [c](std::string_view letters) {
      return letters.find(c) != std::string_view::npos;
    };
    if (c == ' ' || c == '-') {
      width += 1.05;
    } else if (among("ijlI")) {
      width += 0.45;
    } else if (among(",.:;'!|")) {
      width += 0.5;
    } else if (among("()")) {
      width += 0.55;
    } else if (among("frt")) {
      width += 0.6;
    } else if (among("+w")) {
      width += 1.2;
    } else if (among("mMW")) {
      width += 1.4;
    } else if (among("CDGHNOQU")) {
      width += 1.1;
    } else if (c >= 'A' && c <= 'Z') {
      width += 1.0;
    } else {
      width += 0.9;
    }
  }
  return width * height;
}
