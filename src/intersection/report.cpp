// The one console message about the intersection, and its shapes in the scene.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <numeric>
#include <set>

#include "intersection.h"
#include "messages.h"
#include "scene.h"

namespace {

constexpr ColorIndex kIntersectionColor = 0;

__attribute__((format(printf, 1, 2))) std::string format(const char* pattern, ...) {
  char buffer[1024];
  std::va_list arguments;
  va_start(arguments, pattern);
  const int length = std::vsnprintf(buffer, sizeof buffer, pattern, arguments);
  va_end(arguments);
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) < sizeof buffer) return std::string(buffer, length);
  // Huge coordinates print long; format again into a buffer of the right size.
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  va_start(arguments, pattern);
  std::vsnprintf(text.data(), text.size(), pattern, arguments);
  va_end(arguments);
  text.pop_back();
  return text;
}

// A coordinate as "%f" prints it, except that one which rounds to zero
// prints as 0.000000: "-0.000000" would read as a negative number.
double printable(float value) {
  const double wide = static_cast<double>(value);
  return wide > -0.0000005 && wide < 0.0000005 ? 0.0 : wide;
}
double X(const Point& p) {
  return printable(p.x);
}
double Y(const Point& p) {
  return printable(p.y);
}
double Z(const Point& p) {
  return printable(p.z);
}

std::string pointText(PointStyle style, const Point& M) {
  switch (style) {
    case PointStyle::Touching:
      return format(_("Presek zadatih trouglova je Tacka:\nM = (%f, %f, %f)\n"), X(M), Y(M), Z(M));
    case PointStyle::OnCut:
      return format(_("Presek zadatih trouglova je Tacka:\nM (%f, %f, %f).\n"), X(M), Y(M), Z(M));
    case PointStyle::Crossing:
      break;
  }
  return format(_("Zadati trouglovi se seku u tacki:\nM (%f, %f, %f).\n"), X(M), Y(M), Z(M));
}

// Both segment messages print each coordinate of N before that of M.
std::string segmentText(SegmentStyle style, const Point& M, const Point& N) {
  if (style == SegmentStyle::Transversal) {
    return format(_("Presek zadatih trouglova je duz:\nMN(%f -%f, %f - %f, %f - %f).\n"), X(N),
                  X(M), Y(N), Y(M), Z(N), Z(M));
  }
  return format(_("Presek zadatih trouglova je duz:\nMN (%f - %f, %f - %f, %f - %f).\n"), X(N),
                X(M), Y(N), Y(M), Z(N), Z(M));
}

std::string polygonText(int count, const std::array<Point, kMaxCorners>& c) {
  const Point &M = c[0], &N = c[1], &P = c[2], &Q = c[3], &R = c[4], &S = c[5];
  switch (count) {
    case 3:
      return format(_("Presek zadatih trouglova je trougao odredjen Tackama:\nM (%f, %f, %f), N "
                      "(%f, %f, %f), "
                      "P (%f, %f, %f).\n"),
                    X(M), Y(M), Z(M), X(N), Y(N), Z(N), X(P), Y(P), Z(P));
    case 4:
      return format(
          _("Presek zadatih trouglova je cetvorougao odredjen Tackama:\nM (%f, %f, %f), N (%f, %f, "
            "%f), P (%f, %f, %f), Q (%f, %f, %f).\n"),
          X(M), Y(M), Z(M), X(N), Y(N), Z(N), X(P), Y(P), Z(P), X(Q), Y(Q), Z(Q));
    case 5:
      return format(_("Presek zadatih trouglova je petougao odredjen Tackama:\nM (%f, %f, %f), N "
                      "(%f, %f, %f), "
                      "P (%f, %f, %f), Q (%f, %f, %f), R (%f, %f, %f).\n"),
                    X(M), Y(M), Z(M), X(N), Y(N), Z(N), X(P), Y(P), Z(P), X(Q), Y(Q), Z(Q), X(R),
                    Y(R), Z(R));
    default:
      return format(
          _("Presek zadatih trouglova je sestougao odredjen Tackama:\nM (%f, %f, %f), N (%f, %f, "
            "%f), P (%f, %f, %f), Q (%f, %f, %f), R (%f, %f, %f), S (%f, %f, %f).\n"),
          X(M), Y(M), Z(M), X(N), Y(N), Z(N), X(P), Y(P), Z(P), X(Q), Y(Q), Z(Q), X(R), Y(R), Z(R),
          X(S), Y(S), Z(S));
  }
}

using EdgeList = std::vector<std::pair<int, int>>;

// The fixed edge pattern for each corner count. It traces the boundary when
// the corners happen to come in a matching order.
EdgeList fixedPattern(int count) {
  switch (count) {
    case 3:
      return {{0, 1}, {0, 2}, {1, 2}};  // M N P
    case 4:
      return {{1, 3}, {0, 2}, {0, 3}, {1, 2}};  // M P N Q
    case 5:
      return {{3, 4}, {2, 1}, {0, 2}, {0, 4}, {1, 3}};  // M P N Q R
    default:
      return {{4, 5}, {3, 1}, {2, 3}, {0, 1}, {0, 4}, {5, 2}};  // M N Q P S R
  }
}

std::set<std::pair<int, int>> undirected(const EdgeList& edges) {
  std::set<std::pair<int, int>> set;
  for (auto [a, b] : edges) set.insert({std::min(a, b), std::max(a, b)});
  return set;
}

// The corner indices around the polygon, starting at M, or nothing when the
// corners do not span a plane. The intersection of two triangles is convex,
// so the angle around the centroid orders its corners along the boundary.
std::vector<int> boundaryOrder(int count, const std::array<Point, kMaxCorners>& corners) {
  double centre[3] = {0, 0, 0};
  std::vector<std::array<double, 3>> offsets;
  for (int i = 0; i < count; ++i) {
    const Point& p = corners[static_cast<std::size_t>(i)];
    offsets.push_back({X(p), Y(p), Z(p)});
  }
  for (const auto& o : offsets)
    for (int k = 0; k < 3; ++k) centre[k] += o[k] / count;
  for (auto& o : offsets)
    for (int k = 0; k < 3; ++k) o[k] -= centre[k];
  // 1. The polygon's normal: the largest cross product of two offsets.
  double normal[3] = {0, 0, 0};
  double largest = 0.0;
  for (int i = 0; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      const auto &a = offsets[static_cast<std::size_t>(i)],
                 &b = offsets[static_cast<std::size_t>(j)];
      const double n[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                           a[0] * b[1] - a[1] * b[0]};
      const double size = std::fabs(n[0]) + std::fabs(n[1]) + std::fabs(n[2]);
      if (size > largest) largest = size, std::copy(n, n + 3, normal);
    }
  }
  if (!(largest > 0.0)) return {};
  // 2. Project along the normal's largest component and sort by angle.
  int dropped = 0;
  for (int k = 1; k < 3; ++k)
    if (std::fabs(normal[k]) > std::fabs(normal[dropped])) dropped = k;
  const int h = (dropped + 1) % 3, v = (dropped + 2) % 3;
  std::vector<double> angle;
  for (const auto& o : offsets) angle.push_back(std::atan2(o[v], o[h]));
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&angle](int a, int b) {
    return angle[static_cast<std::size_t>(a)] < angle[static_cast<std::size_t>(b)];
  });
  // 3. Start the cycle at M.
  std::rotate(order.begin(), std::find(order.begin(), order.end(), 0), order.end());
  return order;
}

// The corners' names in the picture, as the message prints them.
constexpr const char* kCornerNames[kMaxCorners] = {"M", "N", "P", "Q", "R", "S"};

Intersection slotsAnswer(int count, Point M, Point N, Point P, Point Q, Point R, Point S) {
  Intersection answer;
  answer.count = count;
  answer.corners = {M, N, P, Q, R, S};
  return answer;
}

}  // namespace

std::string reportText(const Intersection& answer) {
  if (answer.count <= 0) return _("Zadati trouglovi se ne seku.\n");
  if (answer.count == 1) return pointText(answer.pointStyle, answer.corners[0]);
  if (answer.count == 2)
    return segmentText(answer.segmentStyle, answer.corners[0], answer.corners[1]);
  return polygonText(std::min(answer.count, kMaxCorners), answer.corners);
}

std::vector<std::pair<int, int>> outlineEdges(const Intersection& answer) {
  const int count = std::min(answer.count, kMaxCorners);
  if (count < 3) return {};
  const EdgeList pattern = fixedPattern(count);
  const std::vector<int> boundary = boundaryOrder(count, answer.corners);
  if (boundary.empty()) return pattern;
  EdgeList around;
  for (std::size_t i = 0; i < boundary.size(); ++i) {
    around.push_back({boundary[i], boundary[(i + 1) % boundary.size()]});
  }
  return undirected(pattern) == undirected(around) ? pattern : around;
}

void addAnswerShapes(const Intersection& answer) {
  const auto& c = answer.corners;
  for (int i = 0; i < std::min(answer.count, kMaxCorners); ++i) {
    addLabel(c[static_cast<std::size_t>(i)], kCornerNames[i], kIntersectionColor);
  }
  if (answer.count == 1) addPoint(c[0], kIntersectionColor);
  if (answer.count == 2) addSegment(Segment(c[0], c[1]), kIntersectionColor);
  if (answer.count < 3) return;
  const std::vector<std::pair<int, int>> edges = outlineEdges(answer);
  for (auto [from, to] : edges) {
    addSegment(Segment(c[static_cast<std::size_t>(from)], c[static_cast<std::size_t>(to)]),
               kIntersectionColor);
  }
  // The polygon filled: its corners in order along the outline, from M.
  std::vector<Point> around{c[0]};
  int at = 0, from = -1;
  for (std::size_t step = 1; step < edges.size(); ++step) {
    int next = -1;
    for (auto [a, b] : edges) {
      const int other = a == at ? b : b == at ? a : -1;
      if (other >= 0 && other != from) {
        next = other;
        break;
      }
    }
    if (next < 0) break;
    around.push_back(c[static_cast<std::size_t>(next)]);
    from = at, at = next;
  }
  addFace(std::move(around), kIntersectionColor);
}

void report(const Intersection& answer) {
  // One write, flushed at once: the program goes on into a window whose
  // event loop never returns.
  std::fputs(reportText(answer).c_str(), stdout);
  std::fflush(stdout);
  addAnswerShapes(answer);
}

std::string shapeNotes(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                       const Point& b2, const Point& c2) {
  return shapeNotes(a1, b1, c1, a2, b2, c2, typedOf(a1, b1, c1, a2, b2, c2));
}

std::string shapeNotes(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                       const Point& b2, const Point& c2, const TypedCorners& typed) {
  const double tolerance = toleranceFor({a1, b1, c1, a2, b2, c2});
  std::string notes;
  const Wide one[3] = {typed[0], typed[1], typed[2]}, two[3] = {typed[3], typed[4], typed[5]};
  const Shape shapes[2] = {shapeOf({&a1, &b1, &c1}, one, tolerance),
                           shapeOf({&a2, &b2, &c2}, two, tolerance)};
  // Each note a whole sentence, for the first triangle and for the second.
  const char* const point[2] = {
      N_("Napomena: prvi trougao nije pravi trougao (sva tri temena su ista tacka), pa je uzet "
         "kao tacka (%f, %f, %f).\n"),
      N_("Napomena: drugi trougao nije pravi trougao (sva tri temena su ista tacka), pa je uzet "
         "kao tacka (%f, %f, %f).\n")};
  const char* const segment[2] = {
      N_("Napomena: prvi trougao nije pravi trougao (temena leze na jednoj pravoj), pa je uzet "
         "kao duz od (%f, %f, %f) do (%f, %f, %f).\n"),
      N_("Napomena: drugi trougao nije pravi trougao (temena leze na jednoj pravoj), pa je uzet "
         "kao duz od (%f, %f, %f) do (%f, %f, %f).\n")};
  for (int i = 0; i < 2; ++i) {
    const Point &p = shapes[i].ends[0], &q = shapes[i].ends[1];
    if (shapes[i].corners == 1) {
      notes += format(_(point[i]), X(p), Y(p), Z(p));
    } else if (shapes[i].corners == 2) {
      notes += format(_(segment[i]), X(p), Y(p), Z(p), X(q), Y(q), Z(q));
    }
  }
  return notes;
}

void reportNone() {
  report(Intersection{});
}

void reportPoint(PointStyle style, Point M) {
  Intersection answer = slotsAnswer(1, M, {}, {}, {}, {}, {});
  answer.pointStyle = style;
  report(answer);
}

void reportSegment(SegmentStyle style, Point M, Point N) {
  Intersection answer = slotsAnswer(2, M, N, {}, {}, {}, {});
  answer.segmentStyle = style;
  report(answer);
}

void reportPolygon(int count, Point M, Point N, Point P, Point Q, Point R, Point S) {
  if (count < 3 || count > kMaxCorners) return;
  report(slotsAnswer(count, M, N, P, Q, R, S));
}

void reportCorners(int count, Point M, Point N, Point P, Point Q, Point R, Point S) {
  if (count <= 0) return reportNone();
  if (count == 1) return reportPoint(PointStyle::OnCut, M);
  if (count == 2) return reportSegment(SegmentStyle::Coplanar, M, N);
  reportPolygon(count, M, N, P, Q, R, S);
}
