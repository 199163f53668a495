// What every task keeps to: proper triangles, every decision away from its edge, and a report
// that agrees with the exact answer to the printed digits.
#include <cmath>
#include <cstdio>
#include <tuple>

#include "geometry.h"
#include "input.h"
#include "intersection.h"
#include "measures.h"
#include "tasks.h"

namespace measures {

bool inTriangle(const Vec& p, const Vec& a, const Vec& b, const Vec& c) {
  const Vec n = normalOf(a, b, c);
  if (!exact::isZero(n)) {
    if (planeValue(p, a, n) != 0) return false;
    // The three triangles p makes with the edges turn the same way as a, b, c, or are flat.
    return exact::dot(n, exact::cross(b - p, c - p)) >= 0 &&
           exact::dot(n, exact::cross(c - p, a - p)) >= 0 &&
           exact::dot(n, exact::cross(a - p, b - p)) >= 0;
  }
  // On one line: the segment between the two farthest corners (or the one point).
  const std::array<std::array<const Vec*, 2>, 3> pairs{{{&a, &b}, {&a, &c}, {&b, &c}}};
  const std::array<const Vec*, 2>* farthest = &pairs[0];
  for (const auto& pair : pairs) {
    if (squaredLength(*pair[1] - *pair[0]) > squaredLength(*(*farthest)[1] - *(*farthest)[0])) {
      farthest = &pair;
    }
  }
  const Vec& e = *(*farthest)[0];
  const Vec ef = *(*farthest)[1] - e;
  if (!exact::isZero(exact::cross(p - e, ef))) return false;
  const Rational along = exact::dot(p - e, ef);
  return along >= 0 && along <= squaredLength(ef);
}

Rational squaredDistanceInPlane(const Vec& p, const Vec& a, const Vec& b, const Vec& c) {
  if (inTriangle(p, a, b, c)) return 0;
  Rational nearest = squaredDistanceToSegment(p, a, b);
  for (const Rational& d : {squaredDistanceToSegment(p, b, c), squaredDistanceToSegment(p, c, a)}) {
    if (d < nearest) nearest = d;
  }
  return nearest;
}

}  // namespace measures

namespace {

using exact::Rational;
using exact::Vec;
using measures::squaredLength;
using Triangle = std::array<Vec, 3>;

Triangle triangle(const std::array<Vec, 6>& corners, int which) {
  const std::size_t first = which == 0 ? 0 : 3;
  return {corners[first], corners[first + 1], corners[first + 2]};
}

Vec normalOf(const Triangle& t) {
  return measures::normalOf(t[0], t[1], t[2]);
}

// Where triangle t meets the plane through `on` with normal n: its corners in the plane and the
// crossings of its edges whose ends lie on either side, each once.
std::vector<Vec> cutEnds(const Triangle& t, const Vec& on, const Vec& n) {
  std::vector<Vec> ends;
  const auto add = [&ends](const Vec& p) {
    for (const Vec& e : ends) {
      if (e == p) return;
    }
    ends.push_back(p);
  };
  for (int i = 0; i < 3; ++i) {
    const Vec &p = t[static_cast<std::size_t>(i)], &q = t[static_cast<std::size_t>((i + 1) % 3)];
    const Rational sp = measures::planeValue(p, on, n), sq = measures::planeValue(q, on, n);
    if (sp == 0) add(p);
    if ((sp < 0 && sq > 0) || (sp > 0 && sq < 0)) add(p + (sp / (sp - sq)) * (q - p));
  }
  return ends;
}

// x rounded to six decimals as the report prints it ("%f", halves away from zero; an exact
// value of at most 12 below never ends in a half).
std::string sixDecimals(const Rational& q) {
  const exact::Integer above = abs(boost::multiprecision::numerator(q));
  const exact::Integer below = boost::multiprecision::denominator(q);
  const exact::Integer rounded = (above * 2000000 + below) / (2 * below);
  std::string fraction = exact::Integer(rounded % 1000000).str();
  fraction.insert(0, 6 - fraction.size(), '0');
  const bool negative = q < 0 && rounded != 0;
  return (negative ? "-" : "") + exact::Integer(rounded / 1000000).str() + "." + fraction;
}

// A printed coordinate of the report: "%f", except that a value that rounds to zero is 0.
std::string printed(float value) {
  double wide = static_cast<double>(value);
  if (wide > -0.0000005 && wide < 0.0000005) wide = 0.0;
  char text[64];
  std::snprintf(text, sizeof text, "%f", wide);
  return text;
}

}  // namespace

bool properAndNotThin(const std::array<Vec, 6>& corners) {
  for (int which = 0; which < 2; ++which) {
    const Triangle t = triangle(corners, which);
    // Each altitude |n| / |edge| at least 1.
    const Rational area = squaredLength(normalOf(t));
    for (int i = 0; i < 3; ++i) {
      const Vec edge = t[static_cast<std::size_t>((i + 1) % 3)] - t[static_cast<std::size_t>(i)];
      if (area == 0 || area < squaredLength(edge)) return false;
    }
  }
  return true;
}

exact::Rational marginFor(const std::array<Vec, 6>& corners) {
  double largest = 0.0;
  for (const Vec& p : corners) {
    for (const Rational* q : {&p.x, &p.y, &p.z}) {
      const double size = std::fabs(q->convert_to<double>());
      if (size > largest) largest = size;
    }
  }
  return 10 * exact::ofDouble(toleranceForSize(largest));
}

bool hasMargins(const std::array<Vec, 6>& corners, const std::vector<Vec>& answer,
                const Rational& margin) {
  const Rational least = margin * margin;
  const auto apart = [&least](const Rational& squared) { return squared == 0 || squared >= least; };
  const Triangle one = triangle(corners, 0), two = triangle(corners, 1);
  const Vec n1 = normalOf(one), n2 = normalOf(two);

  // 1. Each corner from the other triangle's plane.
  bool onePlane = true;
  for (const auto& [t, other, n] : {std::tuple{one, two, n2}, std::tuple{two, one, n1}}) {
    for (const Vec& p : t) {
      const Rational value = measures::planeValue(p, other[0], n);
      if (!apart(value * value / squaredLength(n))) return false;
      onePlane = onePlane && value == 0;
    }
  }

  if (onePlane) {
    // 2. In one plane: each corner from the lines of the other triangle's edges.
    for (const auto& [t, other] : {std::pair{one, two}, std::pair{two, one}}) {
      for (const Vec& p : t) {
        for (int i = 0; i < 3; ++i) {
          const Vec& a = other[static_cast<std::size_t>(i)];
          const Vec& b = other[static_cast<std::size_t>((i + 1) % 3)];
          if (!apart(measures::squaredDistanceToLine(p, a, b))) return false;
        }
      }
    }
  } else if (!exact::isZero(exact::cross(n1, n2))) {
    // 3. In two planes that meet: the ends of both cuts from each other and from the other
    //    triangle.
    const std::vector<Vec> cut1 = cutEnds(one, two[0], n2), cut2 = cutEnds(two, one[0], n1);
    for (const Vec& e : cut1) {
      if (!apart(measures::squaredDistanceInPlane(e, two[0], two[1], two[2]))) return false;
    }
    for (const Vec& e : cut2) {
      if (!apart(measures::squaredDistanceInPlane(e, one[0], one[1], one[2]))) return false;
    }
    std::vector<Vec> ends = cut1;
    ends.insert(ends.end(), cut2.begin(), cut2.end());
    for (std::size_t i = 0; i < ends.size(); ++i) {
      for (std::size_t j = i + 1; j < ends.size(); ++j) {
        if (!apart(squaredLength(ends[j] - ends[i]))) return false;
      }
    }
  }

  // 4. The corners of the answer from each other.
  for (std::size_t i = 0; i < answer.size(); ++i) {
    for (std::size_t j = i + 1; j < answer.size(); ++j) {
      if (!apart(squaredLength(answer[j] - answer[i]))) return false;
    }
  }
  return true;
}

bool reportAgrees(const ExplanationWords& words, const std::vector<Vec>& answer) {
  // 1. The report's own answer, from the numbers as the console reads them.
  std::array<Point, 6> corners{};
  TypedCorners typed{};
  for (std::size_t i = 0; i < 18; ++i) {
    const WordReading reading = readNumberWord(words[i]);
    if (reading.refusal != Refusal::None) return false;
    float& nearest = i % 3 == 0   ? corners[i / 3].x
                     : i % 3 == 1 ? corners[i / 3].y
                                  : corners[i / 3].z;
    double& value = i % 3 == 0 ? typed[i / 3].x : i % 3 == 1 ? typed[i / 3].y : typed[i / 3].z;
    nearest = reading.number.nearest;
    value = reading.number.value;
  }
  const auto& [a1, b1, c1, a2, b2, c2] = corners;
  const Intersection reported = findIntersection(a1, b1, c1, a2, b2, c2, typed);

  // 2. The same kind, and each printed corner the digits of a corner of the answer not yet
  //    matched.
  if (reported.count != static_cast<int>(answer.size())) return false;
  std::vector<std::string> exactTexts;
  for (const Vec& p : answer) {
    exactTexts.push_back(sixDecimals(p.x) + " " + sixDecimals(p.y) + " " + sixDecimals(p.z));
  }
  for (int i = 0; i < reported.count; ++i) {
    const Point& p = reported.corners[static_cast<std::size_t>(i)];
    const std::string text = printed(p.x) + " " + printed(p.y) + " " + printed(p.z);
    bool found = false;
    for (std::string& e : exactTexts) {
      if (!found && e == text) {
        e.clear();
        found = true;
      }
    }
    if (!found) return false;
  }
  return true;
}
