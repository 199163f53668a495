// The coordinate axes at the figure's measure: through the origin, or along
// the figure's box when the origin lies far from it; arrows, ticks at a round
// step and a few numbers, so that a student can read coordinates.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "drawing.h"
#include "drawing_parts.h"

using drawing::Spot;

namespace {

constexpr double kLetterHeight = 15.0;  // x, y and z at the tips
constexpr double kNumberHeight = 11.0;
constexpr double kTick = 4.0;        // half a tick's length
constexpr double kHead = 10.0;       // an arrowhead's length
constexpr double kNearOrigin = 1.5;  // in radii of the figure's sphere
constexpr int kMostTicks = 10;       // across the figure's diameter

// The round step (1, 2 or 5 times a power of ten) that gives at most
// kMostTicks ticks, and at least four, across the length.
double roundStep(double across) {
  const double least = across / kMostTicks;
  double step = std::pow(10.0, std::floor(std::log10(least)));
  for (const double times : {1.0, 2.0, 5.0, 10.0}) {
    if (step * times >= least * (1.0 - 1e-12)) return step * times;
  }
  return step * 10.0;
}

// A tick's number, with as many decimals as the step has.
std::string numberAt(double value, double step) {
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
  if (std::fabs(value) < step / 2) value = 0.0;  // no "-0"
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", std::min(decimals, 12), value);
  std::string words = text;
  if (words.find('.') != std::string::npos) {  // 1.5 and 2, not 2.0
    words.erase(words.find_last_not_of('0') + 1);
    if (words.back() == '.') words.pop_back();
  }
  return words;
}

Point pointAt(std::array<double, 3> base, std::size_t axis, double value) {
  base[axis] = value;
  return Point{static_cast<float>(base[0]), static_cast<float>(base[1]),
               static_cast<float>(base[2]), drawing::kAxisColor};
}

// A label of the given size whose box has its middle at `middle`.
drawing::Label centred(const std::string& words, Spot middle, double height) {
  drawing::Label label = drawing::text(words, {}, height, true);
  label.at = {middle.x - label.width / 2, middle.y + 0.375 * height};
  return label;
}

}  // namespace

std::vector<drawing::Label> drawAxes(drawing::Painter& p) {
  const Sphere sphere = figureSphere(p.scene);
  const double r = sphere.radius, u = p.unit;
  const double step = roundStep(2.0 * r);
  const bool near =
      std::hypot(sphere.centre[0], sphere.centre[1], sphere.centre[2]) <= kNearOrigin * r;
  std::vector<drawing::Label> letters, numbers;
  const char* const names[3] = {"x", "y", "z"};
  for (std::size_t axis = 0; axis < 3; ++axis) {
    // 1. Where the axis runs: through the origin past both ends of the
    //    figure, or along the edge of the figure's box that lies outermost
    //    on the picture, on the side its numbers go.
    std::array<double, 3> base{0, 0, 0};
    double from = std::min(0.0, sphere.low[axis]) - 0.1 * r;
    double to = std::max(0.0, sphere.high[axis]) + 0.25 * r;
    Spot a = p.at(pointAt(base, axis, from)), b = p.at(pointAt(base, axis, to));
    double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!drawing::finite(a) || !drawing::finite(b)) continue;
    Spot way = length > 0.0 ? Spot{(b.x - a.x) / length, (b.y - a.y) / length} : Spot{1.0, 0.0};
    // Numbers go below the axis, or left of an upright one.
    Spot across{-way.y, way.x};
    if (across.y < -0.2 || (std::fabs(across.y) <= 0.2 && across.x > 0.0)) {
      across = {-across.x, -across.y};
    }
    if (!near) {
      const std::size_t i = (axis + 1) % 3, j = (axis + 2) % 3;
      const Spot middle = p.at(pointAt(sphere.centre, axis, sphere.centre[axis]));
      double outermost = -1e300;
      for (const double bi : {sphere.low[i], sphere.high[i]}) {
        for (const double bj : {sphere.low[j], sphere.high[j]}) {
          std::array<double, 3> edge = sphere.centre;
          edge[i] = bi, edge[j] = bj;
          const Spot s = p.at(pointAt(edge, axis, sphere.centre[axis]));
          const double out = (s.x - middle.x) * across.x + (s.y - middle.y) * across.y;
          if (out > outermost) outermost = out, base = edge;
        }
      }
      from = sphere.low[axis] - 0.05 * r, to = sphere.high[axis] + 0.2 * r;
      a = p.at(pointAt(base, axis, from)), b = p.at(pointAt(base, axis, to));
    }
    // The tip stays in the picture, with room for its letter.
    const double letter = kLetterHeight * u;
    Spot inA = a, inB = b;
    if (drawing::clipSegment(inA, inB, p.picture.grown(-2.2 * letter)) && length > 0.0) {
      const double kept = std::hypot(inB.x - a.x, inB.y - a.y) / std::hypot(b.x - a.x, b.y - a.y);
      if (kept < 1.0 && kept > 0.0) to = from + kept * (to - from), b = inB;
    }
    const Point start = pointAt(base, axis, from), end = pointAt(base, axis, to);
    p.lineInDepth(start, end, drawing::kBlack, drawing::kAxisWidth * u);

    // 2. The arrowhead and the letter beyond it, where the axis is not seen
    //    end-on.
    length = std::hypot(b.x - a.x, b.y - a.y);
    if (length < 3.0 * kHead * u) continue;
    const double head = kHead * u, half = 0.4 * head;
    const Spot back{b.x - way.x * head, b.y - way.y * head};
    const std::vector<Spot> arrow{b,
                                  {back.x - way.y * half, back.y + way.x * half},
                                  {back.x + way.y * half, back.y - way.x * half}};
    if (drawing::Box{b.x, b.y, b.x, b.y}.within(p.picture)) {
      p.list.marks.push_back(drawing::Polygon{arrow, drawing::kBlack, 1.0});
    }
    letters.push_back(centred(names[axis], {b.x + way.x * letter, b.y + way.y * letter}, letter));

    // 3. Ticks across the axis, where they stand apart on the picture; a
    //    number at every one, or every second or fifth, as room allows.
    const double perUnit = length / (to - from), apart = perUnit * step;
    if (!(apart >= 6.0 * u)) continue;
    const double number = kNumberHeight * u;
    const int every = apart >= 5.0 * number ? 1 : apart * 2.0 >= 5.0 * number ? 2 : 5;
    const double first = std::ceil(from / step), last = std::floor((to - 0.1 * r) / step);
    if (!(last - first < 100.0)) continue;  // never more than a hundred (nor a NaN)
    for (double k = first; k <= last; k += 1.0) {
      if (near && k == 0.0) continue;  // the origin is no tick
      const Spot at = p.at(pointAt(base, axis, k * step));
      p.line({at.x - across.x * kTick * u, at.y - across.y * kTick * u},
             {at.x + across.x * kTick * u, at.y + across.y * kTick * u}, drawing::kBlack, u);
      if (std::fmod(std::fabs(k), every) != 0.0) continue;
      const std::string words = numberAt(k * step, step);
      const double width = textWidth(words, number);
      const double out =
          (kTick + 3.0) * u + std::fabs(across.x) * width / 2 + std::fabs(across.y) * 0.7 * number;
      numbers.push_back(centred(words, {at.x + across.x * out, at.y + across.y * out}, number));
    }
  }
  letters.insert(letters.end(), numbers.begin(), numbers.end());
  return letters;
}
