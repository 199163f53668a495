// The camera: the standard views, the framing of the figure, the projection,
// and the gestures that turn, pan and zoom.
#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "drawing_parts.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
// The share of the picture's smaller side that the figure's sphere takes.
constexpr double kFill = 0.9;
constexpr double kMostFill = 0.98;    // ... and at most, for a figure that looks narrow
constexpr double kLeastShare = 0.61;  // the least share of the side the first view shows
// The textbook's view: from 30 degrees round from the x axis towards y, and
// 25 degrees above, so that no axis is seen end-on.
constexpr double kObliqueAround = 30.0;
constexpr double kObliqueAbove = 25.0;
// Zoom within these, so that no number on the picture runs away.
constexpr double kSmallestZoom = 1e-4;
constexpr double kLargestZoom = 1e4;

using Vector = std::array<double, 3>;

Vector cross(const Vector& a, const Vector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Vector& a, const Vector& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
double length(const Vector& a) {
  return std::sqrt(dot(a, a));
}
Vector minus(const Vector& a, const Vector& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

// The turn that looks at the figure from the direction `towards` (the
// picture's axis towards the viewer), with z, else y, as nearly up as it can
// be.
std::array<double, 9> lookingFrom(Vector towards) {
  const double size = length(towards);
  for (double& c : towards) c /= size;
  Vector up{0, 0, 1};
  const auto flattened = [&towards](Vector v) {
    const double along = dot(v, towards);
    return Vector{v[0] - along * towards[0], v[1] - along * towards[1], v[2] - along * towards[2]};
  };
  up = flattened(up);
  if (length(up) < 1e-9) up = flattened({0, 1, 0});
  const double upSize = length(up);
  for (double& c : up) c /= upSize;
  const Vector right = cross(up, towards);
  return {right[0], right[1], right[2], up[0], up[1], up[2], towards[0], towards[1], towards[2]};
}

Vector obliqueDirection(double aroundDegrees = kObliqueAround,
                        double aboveDegrees = kObliqueAbove) {
  const double around = aroundDegrees * kPi / 180.0, above = aboveDegrees * kPi / 180.0;
  return {std::cos(above) * std::cos(around), std::cos(above) * std::sin(around), std::sin(above)};
}

Vector vectorOf(const Point& p) {
  return {p.x, p.y, p.z};
}

// The normal of a face's plane through its first three corners; zero for
// fewer corners or corners on a line.
Vector normalOf(const Face& face) {
  if (face.corners.size() < 3) return {0, 0, 0};
  const Vector a = vectorOf(face.corners[0]);
  return cross(minus(vectorOf(face.corners[1]), a), minus(vectorOf(face.corners[2]), a));
}

// The normal of the plane that holds both triangles, when they lie in one;
// zero otherwise.
Vector commonPlane(const Scene& figure) {
  std::vector<const Face*> triangles;
  for (const Face& face : figure.faces) {
    if (face.color != drawing::kIntersectionColor) triangles.push_back(&face);
  }
  if (triangles.size() != 2) return {0, 0, 0};
  const Sphere sphere = figureSphere(figure);
  const double tolerance = depthTolerance(sphere);
  const Vector n[2] = {normalOf(*triangles[0]), normalOf(*triangles[1])};
  const int flat = length(n[0]) >= length(n[1]) ? 0 : 1;  // the larger of the two
  const double size = length(n[flat]);
  if (!(size > 0.0) || !std::isfinite(size)) return {0, 0, 0};
  // Every corner of both within the tolerance of the larger one's plane.
  const Vector origin = vectorOf(triangles[static_cast<std::size_t>(flat)]->corners[0]);
  for (const Face* face : triangles) {
    for (const Point& corner : face->corners) {
      if (std::fabs(dot(minus(vectorOf(corner), origin), n[flat])) / size > tolerance) {
        return {0, 0, 0};
      }
    }
  }
  return n[flat];
}

// Rows of a turn made orthonormal again, so that many small turns do not
// add up to a skew.
std::array<double, 9> orthonormal(std::array<double, 9> t) {
  const auto row = [&t](int i) { return &t[static_cast<std::size_t>(3 * i)]; };
  const auto rowDot = [](const double* a, const double* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  };
  const auto normalise = [&rowDot](double* a) {
    const double size = std::sqrt(rowDot(a, a));
    for (int k = 0; k < 3; ++k) a[k] /= size;
  };
  double *x = row(0), *y = row(1), *z = row(2);
  normalise(x);
  const double along = rowDot(y, x);
  for (int k = 0; k < 3; ++k) y[k] -= along * x[k];
  normalise(y);
  z[0] = x[1] * y[2] - x[2] * y[1];
  z[1] = x[2] * y[0] - x[0] * y[2];
  z[2] = x[0] * y[1] - x[1] * y[0];
  return t;
}

// The turn `rotation` (rows as in View::turn, in the picture's axes) after
// the view's own.
View turned(View view, const std::array<double, 9>& rotation) {
  std::array<double, 9> product{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k)
        product[static_cast<std::size_t>(3 * i + j)] +=
            rotation[static_cast<std::size_t>(3 * i + k)] *
            view.turn[static_cast<std::size_t>(3 * k + j)];
  view.turn = orthonormal(product);
  return view;
}

std::array<double, 9> rotationAbout(int axis, double degrees) {
  const double a = degrees * kPi / 180.0, c = std::cos(a), s = std::sin(a);
  switch (axis) {
    case 0:
      return {1, 0, 0, 0, c, -s, 0, s, c};
    case 1:
      return {c, 0, s, 0, 1, 0, -s, 0, c};
    default:
      return {c, -s, 0, s, c, 0, 0, 0, 1};
  }
}

// The larger of the figure's width and height under the turn, in diameters
// of its sphere.
double shownShare(const Scene& figure, const std::array<double, 9>& turn) {
  const Sphere sphere = figureSphere(figure);
  double left = 0.0, right = 0.0, bottom = 0.0, top = 0.0;
  for (const Face& face : figure.faces) {
    for (const Point& corner : face.corners) {
      const Vector d = minus(vectorOf(corner), sphere.centre);
      const double x = turn[0] * d[0] + turn[1] * d[1] + turn[2] * d[2];
      const double y = turn[3] * d[0] + turn[4] * d[1] + turn[5] * d[2];
      if (!std::isfinite(x) || !std::isfinite(y)) continue;
      left = std::min(left, x), right = std::max(right, x);
      bottom = std::min(bottom, y), top = std::max(top, y);
    }
  }
  return std::max(right - left, top - bottom) / (2.0 * sphere.radius);
}

// The textbook's view, or, for a figure that it shows end-on and narrow (a
// segment pointing at the viewer), the nearest of its neighbours that shows
// the figure wide enough: still z up, x towards the viewer and y to the right.
std::array<double, 9> obliqueTurn(const Scene& figure) {
  constexpr double kWide = 0.68;  // of the sphere's diameter
  constexpr double kTries[][2] = {
      {kObliqueAround, kObliqueAbove}, {45, 25}, {15, 25}, {60, 20}, {30, 35}, {75, 20}, {30, 15}};
  std::array<double, 9> best = lookingFrom(obliqueDirection());
  double widest = shownShare(figure, best);
  for (const auto& [around, above] : kTries) {
    const std::array<double, 9> turn = lookingFrom(obliqueDirection(around, above));
    const double share = shownShare(figure, turn);
    if (share >= kWide) return turn;
    if (share > widest) best = turn, widest = share;
  }
  return best;
}

}  // namespace

Sphere figureSphere(const Scene& figure) {
  // 1. The figure's points: the faces' corners, else the scene's bounds.
  std::vector<Vector> points;
  for (const Face& face : figure.faces) {
    for (const Point& corner : face.corners) {
      const Vector c = vectorOf(corner);
      if (std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2])) points.push_back(c);
    }
  }
  if (points.empty() && figure.minPoint.x <= figure.maxPoint.x) {
    for (const Point& p : {figure.minPoint, figure.maxPoint}) {
      const Vector c = vectorOf(p);
      if (std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2])) points.push_back(c);
    }
  }
  // 2. The box's centre, and the farthest point from it.
  Sphere sphere;
  if (points.empty()) {
    sphere.radius = 0.5;
    return sphere;
  }
  sphere.low = sphere.high = points.front();
  for (const Vector& p : points) {
    for (std::size_t k = 0; k < 3; ++k) {
      sphere.low[k] = std::min(sphere.low[k], p[k]);
      sphere.high[k] = std::max(sphere.high[k], p[k]);
    }
  }
  for (std::size_t k = 0; k < 3; ++k) sphere.centre[k] = (sphere.low[k] + sphere.high[k]) / 2;
  double radius = 0.0;
  for (const Vector& p : points) radius = std::max(radius, length(minus(p, sphere.centre)));
  sphere.radius = radius > 0.0 ? radius : 0.5;  // a single point as if it were one unit long
  return sphere;
}

double depthTolerance(const Sphere& sphere) {
  // A millionth of the figure, and the floats' own rounding where the figure
  // lies far from the origin.
  const double far = std::max(
      {std::fabs(sphere.centre[0]), std::fabs(sphere.centre[1]), std::fabs(sphere.centre[2])});
  return 1e-6 * sphere.radius + 4e-7 * far;
}

double figureRadius(const Scene& scene) {
  return figureSphere(scene).radius;
}

Frame frameOf(const Scene& scene, int width, int height) {
  const Sphere sphere = figureSphere(scene);
  const double side = std::max(1, std::min(width, height));
  Frame frame;
  frame.centre = sphere.centre;
  frame.scale = kFill * side / (2.0 * sphere.radius);
  // A figure that the first view shows narrower than kLeastShare of the side
  // is shown larger, as far as the sphere still fits in the picture.
  const View first = firstView(width, height, scene);
  double left = 0.0, right = 0.0, top = 0.0, bottom = 0.0;
  for (const Face& face : scene.faces) {
    for (const Point& corner : face.corners) {
      const drawing::Spot s = project(frame, first, corner);
      if (!std::isfinite(s.x) || !std::isfinite(s.y)) continue;
      left = std::min(left, s.x - width / 2.0), right = std::max(right, s.x - width / 2.0);
      top = std::min(top, s.y - height / 2.0), bottom = std::max(bottom, s.y - height / 2.0);
    }
  }
  const double shown = std::max(right - left, bottom - top);
  if (shown > 0.0 && shown < kLeastShare * side) {
    frame.scale *= std::min(kLeastShare * side / shown, kMostFill / kFill);
  }
  return frame;
}

drawing::Spot project(const Frame& frame, const View& view, const Point& point) {
  // 1. From the figure's centre, in the picture's axes (right, up).
  const double d[3] = {point.x - frame.centre[0], point.y - frame.centre[1],
                       point.z - frame.centre[2]};
  const auto& t = view.turn;
  const double right = t[0] * d[0] + t[1] * d[1] + t[2] * d[2];
  const double up = t[3] * d[0] + t[4] * d[1] + t[5] * d[2];
  // 2. Scaled, and placed about the centre's place in the picture.
  const double scale = frame.scale * view.zoom;
  return {view.width / 2.0 + view.panX + scale * right, view.height / 2.0 + view.panY - scale * up};
}

View viewFrom(View view, Standpoint standpoint, const Scene& figure) {
  view.zoom = 1.0;
  view.panX = view.panY = 0.0;
  switch (standpoint) {
    case Standpoint::First: {
      // Two triangles in one plane: straight at it, from the oblique view's side.
      Vector normal = commonPlane(figure);
      if (length(normal) > 0.0) {
        if (dot(normal, obliqueDirection()) < 0.0) normal = {-normal[0], -normal[1], -normal[2]};
        view.turn = lookingFrom(normal);
        break;
      }
      view.turn = obliqueTurn(figure);
      break;
    }
    case Standpoint::Oblique:
      view.turn = lookingFrom(obliqueDirection());
      break;
    case Standpoint::Top:
      view.turn = lookingFrom({0, 0, 1});
      break;
    case Standpoint::Front:
      view.turn = lookingFrom({1, 0, 0});
      break;
    case Standpoint::Side:
      view.turn = lookingFrom({0, 1, 0});
      break;
  }
  return view;
}

View firstView(int width, int height, const Scene& figure) {
  View view;
  view.width = std::max(1, width);
  view.height = std::max(1, height);
  return viewFrom(view, Standpoint::First, figure);
}

View panBy(View view, int dx, int dy) {
  view.panX += dx;
  view.panY += dy;
  return view;
}

double dragDegrees(const View& view, double pixels) {
  return pixels / (view.width + 1) * 180.0;
}

View spinBy(View view, int dx, int dy) {
  // In double: the squares of two window distances can pass the int range.
  double degrees = dragDegrees(view, std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
  if (dx > 0) degrees = -degrees;
  return turned(view, rotationAbout(2, degrees));
}

View turnBy(View view, double aboutHorizontal, double aboutVertical) {
  view = turned(view, rotationAbout(0, aboutHorizontal));
  return turned(view, rotationAbout(1, aboutVertical));
}

View zoomBy(View view, double factor) {
  if (!(factor > 0.0) || !std::isfinite(factor)) return view;
  // The figure's centre stays where it is; only the scale about it changes.
  view.zoom = std::clamp(view.zoom * factor, kSmallestZoom, kLargestZoom);
  return view;
}

double dragZoom(int dy) {
  return std::exp(dy / 2100.0);
}
