// Depth as a textbook draws it: which parts of a segment lie behind a
// triangle, and the order in which the faces are painted.
#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "drawing_parts.h"

namespace {

using Vector = std::array<double, 3>;

Vector relative(const Point& p, const Sphere& sphere) {
  return {p.x - sphere.centre[0], p.y - sphere.centre[1], p.z - sphere.centre[2]};
}

double along(const std::array<double, 9>& turn, std::size_t row, const Vector& v) {
  return turn[3 * row] * v[0] + turn[3 * row + 1] * v[1] + turn[3 * row + 2] * v[2];
}

// The parameters t in [lo, hi] where g0 + t (g1 - g0) > floor narrowed to;
// false when none is left.
bool keepAbove(double g0, double g1, double floor, double& lo, double& hi) {
  const double slope = g1 - g0;
  if (slope == 0.0) return g0 > floor && lo < hi;
  const double cross = (floor - g0) / slope;
  if (slope > 0.0) {
    lo = std::max(lo, cross);
  } else {
    hi = std::min(hi, cross);
  }
  return lo < hi;
}

// The part of the segment p0-p1 that the triangle hides, as parameters.
bool hiddenBy(const std::vector<Point>& triangle, const Vector& p0, const Vector& p1,
              const View& view, const Sphere& sphere, double tolerance, double& lo, double& hi) {
  // 1. The triangle as seen: its corners on the picture and their depths
  //    (towards the viewer). Seen edge-on, it hides nothing.
  double sx[3], sy[3], depth[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const Vector c = relative(triangle[i], sphere);
    sx[i] = along(view.turn, 0, c), sy[i] = along(view.turn, 1, c),
    depth[i] = along(view.turn, 2, c);
  }
  const double area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0]);
  if (!(std::fabs(area) > 1e-12 * sphere.radius * sphere.radius)) return false;
  // 2. At each end of the segment (and so, being affine, all along it): the
  //    weights of the corners at the point seen there, and how far the
  //    triangle lies in front of the point.
  double weight[2][3], front[2];
  const Vector ends[2] = {p0, p1};
  for (int e = 0; e < 2; ++e) {
    const double x = along(view.turn, 0, ends[e]), y = along(view.turn, 1, ends[e]);
    front[e] = -along(view.turn, 2, ends[e]);
    for (std::size_t i = 0; i < 3; ++i) {
      const std::size_t j = (i + 1) % 3, k = (i + 2) % 3;
      weight[e][i] = ((sx[j] - x) * (sy[k] - y) - (sx[k] - x) * (sy[j] - y)) / area;
      front[e] += weight[e][i] * depth[i];
    }
  }
  // 3. Hidden where the point is seen inside the triangle and the triangle
  //    is in front of it.
  lo = 0.0, hi = 1.0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (!keepAbove(weight[0][i], weight[1][i], 0.0, lo, hi)) return false;
  }
  return keepAbove(front[0], front[1], tolerance, lo, hi);
}

// The side of the plane through the face that a point lies on, times the
// normal's length.
struct PlaneOf {
  Vector normal{}, origin{};
  double at(const Vector& p) const {
    return normal[0] * (p[0] - origin[0]) + normal[1] * (p[1] - origin[1]) +
           normal[2] * (p[2] - origin[2]);
  }
};

PlaneOf planeOf(const Face& face, const Sphere& sphere) {
  PlaneOf plane;
  if (face.corners.size() < 3) return plane;
  const Vector a = relative(face.corners[0], sphere), b = relative(face.corners[1], sphere),
               c = relative(face.corners[2], sphere);
  const Vector u{b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
  plane.normal = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  plane.origin = a;
  return plane;
}

// The part of the face on the side of the plane given by sign (+1 or -1).
Face sideOf(const Face& face, const PlaneOf& plane, double sign, const Sphere& sphere) {
  Face part{{}, face.color};
  const std::size_t n = face.corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point& a = face.corners[i];
    const Point& b = face.corners[(i + 1) % n];
    const double va = sign * plane.at(relative(a, sphere)),
                 vb = sign * plane.at(relative(b, sphere));
    if (va >= 0.0) part.corners.push_back(a);
    if ((va > 0.0 && vb < 0.0) || (va < 0.0 && vb > 0.0)) {
      const double t = va / (va - vb);
      part.corners.push_back(Point{static_cast<float>(a.x + t * (b.x - a.x)),
                                   static_cast<float>(a.y + t * (b.y - a.y)),
                                   static_cast<float>(a.z + t * (b.z - a.z)), a.color});
    }
  }
  return part;
}

}  // namespace

std::vector<std::array<double, 2>> hiddenParts(const Scene& scene, const View& view, const Point& a,
                                               const Point& b) {
  const Sphere sphere = figureSphere(scene);
  const double tolerance = depthTolerance(sphere);
  const Vector p0 = relative(a, sphere), p1 = relative(b, sphere);
  std::vector<std::array<double, 2>> parts;
  for (const Face& face : scene.faces) {
    if (face.color == drawing::kIntersectionColor || face.corners.size() != 3) continue;
    double lo = 0.0, hi = 1.0;
    if (hiddenBy(face.corners, p0, p1, view, sphere, tolerance, lo, hi)) parts.push_back({lo, hi});
  }
  // In order, and those that meet made one.
  std::sort(parts.begin(), parts.end());
  std::vector<std::array<double, 2>> merged;
  for (const auto& part : parts) {
    if (!merged.empty() && part[0] <= merged.back()[1]) {
      merged.back()[1] = std::max(merged.back()[1], part[1]);
    } else {
      merged.push_back(part);
    }
  }
  return merged;
}

std::vector<Face> facesInDepthOrder(const Scene& scene, const View& view) {
  std::vector<Face> triangles, order;
  for (const Face& face : scene.faces) {
    (face.color == drawing::kIntersectionColor ? order : triangles).push_back(face);
  }
  if (triangles.size() == 2) {
    // The plane of the second splits the first (or, where the second is a
    // segment, the other way round); the viewer's side of it is painted last.
    const Sphere sphere = figureSphere(scene);
    PlaneOf plane = planeOf(triangles[1], sphere);
    std::size_t split = 0;
    const auto size = [](const PlaneOf& p) {
      return std::hypot(p.normal[0], p.normal[1], p.normal[2]);
    };
    if (!(size(plane) > 0.0)) plane = planeOf(triangles[0], sphere), split = 1;
    const double towards = along(view.turn, 2, plane.normal);
    // A triangle in the other's plane is not split: either may come first.
    const double tolerance = depthTolerance(sphere) * size(plane);
    const bool inPlane = std::all_of(
        triangles[split].corners.begin(), triangles[split].corners.end(), [&](const Point& corner) {
          return std::fabs(plane.at(relative(corner, sphere))) <= tolerance;
        });
    if (size(plane) > 0.0 && towards != 0.0 && !inPlane) {
      const double viewer = towards > 0.0 ? 1.0 : -1.0;
      Face behind = sideOf(triangles[split], plane, -viewer, sphere);
      Face before = sideOf(triangles[split], plane, viewer, sphere);
      std::vector<Face> painted;
      if (behind.corners.size() >= 3) painted.push_back(behind);
      painted.push_back(triangles[1 - split]);
      if (before.corners.size() >= 3) painted.push_back(before);
      triangles = painted;
    }
  }
  triangles.insert(triangles.end(), order.begin(), order.end());
  return triangles;
}
