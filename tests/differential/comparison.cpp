// The program's answer against the exact one.
#include "comparison.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>

namespace {

std::string printedPoint(const Point& p) {
  char text[160];
  std::snprintf(text, sizeof text, "(%f, %f, %f)", static_cast<double>(p.x),
                static_cast<double>(p.y), static_cast<double>(p.z));
  return text;
}

bool close(const std::array<double, 3>& printed, const std::array<double, 3>& expected) {
  for (std::size_t k = 0; k < 3; ++k) {
    if (!(std::fabs(printed[k] - expected[k]) <= kCornerTolerance)) return false;
  }
  return true;
}

// True when every printed corner can be paired with its own true corner
// within the tolerance (a bipartite matching; at most six on each side).
bool matchOneToOne(const std::vector<std::array<double, 3>>& printed,
                   const std::vector<ExactPoint>& expected) {
  const std::size_t n = expected.size();
  std::vector<std::array<double, 3>> truth;
  for (const ExactPoint& e : expected) truth.push_back({e.x.get_d(), e.y.get_d(), e.z.get_d()});
  std::vector<int> ownerOf(n, -1);  // true corner -> printed corner
  std::function<bool(std::size_t, std::vector<bool>&)> place = [&](std::size_t a,
                                                                   std::vector<bool>& seen) {
    for (std::size_t e = 0; e < n; ++e) {
      if (seen[e] || !close(printed[a], truth[e])) continue;
      seen[e] = true;
      if (ownerOf[e] < 0 || place(static_cast<std::size_t>(ownerOf[e]), seen)) {
        ownerOf[e] = static_cast<int>(a);
        return true;
      }
    }
    return false;
  };
  for (std::size_t a = 0; a < n; ++a) {
    std::vector<bool> seen(n, false);
    if (!place(a, seen)) return false;
  }
  return true;
}

}  // namespace

PrintedAnswer readReport(const std::string& text) {
  PrintedAnswer answer;
  const std::size_t lineBreak = text.find('\n');
  if (text == "Zadati trouglovi se ne seku.\n") answer.count = 0;
  if (lineBreak == std::string::npos) return answer;
  const std::string heading = text.substr(0, lineBreak);
  const char* rest = text.c_str() + lineBreak + 1;
  double v[18];
  int read = 0;
  if (heading.find("Tacka:") != std::string::npos || heading.find("tacki:") != std::string::npos) {
    read = std::sscanf(rest, rest[2] == '=' ? "M = (%lf, %lf, %lf)" : "M (%lf, %lf, %lf)", &v[0],
                       &v[1], &v[2]);
    if (read == 3) answer.count = 1;
  } else if (heading.find("duz:") != std::string::npos) {
    // Each coordinate of N comes before that of M.
    read = std::sscanf(rest,
                       rest[2] == '(' ? "MN(%lf -%lf, %lf - %lf, %lf - %lf)"
                                      : "MN (%lf - %lf, %lf - %lf, %lf - %lf)",
                       &v[3], &v[0], &v[4], &v[1], &v[5], &v[2]);
    if (read == 6) answer.count = 2;
  } else if (heading.find("Tackama:") != std::string::npos) {
    int used = 0;
    for (const char* at = rest; read < 18; at += used, read += 3) {
      if (std::sscanf(at, "%*[, MNPQRS](%lf, %lf, %lf)%n", &v[read], &v[read + 1], &v[read + 2],
                      &used) != 3) {
        break;
      }
    }
    if (read >= 9) answer.count = read / 3;
  }
  for (int i = 0; i < std::max(answer.count, 0); ++i) {
    answer.corners.push_back({v[3 * i], v[3 * i + 1], v[3 * i + 2]});
  }
  return answer;
}

bool isRight(const PrintedAnswer& answer, const std::vector<ExactPoint>& expected) {
  return answer.count == static_cast<int>(expected.size()) &&
         matchOneToOne(answer.corners, expected);
}

namespace {

mpq_class exactValue(const std::string& number) {
  if (number.find('x') != std::string::npos) return mpq_class(std::strtod(number.c_str(), nullptr));
  const std::size_t point = number.find('.');
  if (point == std::string::npos) return mpq_class(mpz_class(number, 10));
  const std::string digits = number.substr(0, point) + number.substr(point + 1);
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, number.size() - point - 1);
  mpq_class value(mpz_class(digits, 10), power);
  value.canonicalize();
  return value;
}

}  // namespace

std::array<ExactPoint, 6> exactCorners(const std::string& numbers) {
  std::string spaced = numbers;
  for (char& ch : spaced) {
    if (ch == '(' || ch == ')' || ch == ',') ch = ' ';
  }
  std::istringstream in(spaced);
  std::array<ExactPoint, 6> corners;
  std::string x, y, z;
  for (ExactPoint& corner : corners) {
    in >> x >> y >> z;
    corner = {exactValue(x), exactValue(y), exactValue(z)};
  }
  return corners;
}

Comparison compare(const TrianglePair& pair) {
  Comparison c;
  c.pair = pair;
  c.expected = exactIntersection(pair.exactFirst(), pair.exactSecond());
  const std::array<Point, 6> p = pair.floats();
  c.actual = findIntersection(p[0], p[1], p[2], p[3], p[4], p[5], pair.doubles());
  c.kindAgrees = c.actual.count == static_cast<int>(c.expected.size());
  const PrintedAnswer printed = readReport(reportText(c.actual));
  c.cornersAgree = isRight(printed, c.expected);
  auto exact = [&p](std::size_t i) {
    return ExactPoint{mpq_class(p[i].x), mpq_class(p[i].y), mpq_class(p[i].z)};
  };
  const std::vector<ExactPoint> ofFloats =
      exactIntersection({exact(0), exact(1), exact(2)}, {exact(3), exact(4), exact(5)});
  c.floatsAgree = isRight(printed, ofFloats);
  c.explanation = explain(pair.words(), c.actual);
  c.explained =
      explanationHolds(c.explanation, c.expected, c.actual, pair.exactFirst(), pair.exactSecond());
  return c;
}

bool explanationHolds(const Explanation& explanation, const std::vector<ExactPoint>& expected,
                      const Intersection& reported, const ExactTriangle& first,
                      const ExactTriangle& second) {
  if (!explanation.complete || explanation.count != static_cast<int>(expected.size())) return false;
  std::vector<std::string> truth, told = explanation.corners;
  for (const ExactPoint& e : expected) truth.push_back(toString(e));
  std::sort(truth.begin(), truth.end());
  std::sort(told.begin(), told.end());
  if (truth != told) return false;
  // No value printed as 0.000000 outside the notes, which quote the report.
  bool quoting = false;
  for (const std::string& line : explanation.lines) {
    quoting = line.rfind("Napomena", 0) == 0 || (quoting && line.rfind("   ", 0) == 0);
    for (std::size_t at = line.find("0.000000"); !quoting && at != std::string::npos;
         at = line.find("0.000000", at + 1)) {
      if (at == 0 || !std::isdigit(static_cast<unsigned char>(line[at - 1]))) return false;
    }
  }
  // A polygon's corners in order around it: every turn the same way.
  std::vector<ExactPoint> around;
  for (const std::string& corner : explanation.corners) {
    for (const ExactPoint& e : expected) {
      if (toString(e) == corner) around.push_back(e);
    }
  }
  const std::size_t n = around.size();
  auto turn = [&around, n](std::size_t i) {
    const ExactPoint &a = around[i % n], &b = around[(i + 1) % n], &c = around[(i + 2) % n];
    const mpq_class ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const mpq_class vx = c.x - b.x, vy = c.y - b.y, vz = c.z - b.z;
    return std::array<mpq_class, 3>{uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
  };
  for (std::size_t i = 1; n >= 3 && i < n; ++i) {
    const std::array<mpq_class, 3> first = turn(0), next = turn(i);
    if (sgn(first[0] * next[0] + first[1] * next[1] + first[2] * next[2]) <= 0) return false;
  }
  if (!explanation.differsFromReport && reported.count != explanation.count) return false;
  for (const PlaneEquation& plane : explanation.planes) {
    const mpz_class a(plane.coefficients[0], 10), b(plane.coefficients[1], 10),
        c(plane.coefficients[2], 10), d(plane.coefficients[3], 10);
    const mpz_class& lead = sgn(a) != 0 ? a : (sgn(b) != 0 ? b : c);
    mpz_class common;
    mpz_gcd(common.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), c.get_mpz_t());
    mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), d.get_mpz_t());
    if (sgn(lead) <= 0 || common != 1) return false;
    for (const ExactPoint& p : plane.triangle == 1 ? first : second) {
      if (sgn(a * p.x + b * p.y + c * p.z + d) != 0) return false;
    }
  }
  return true;
}

std::string kindName(int count) {
  static const char* const kNames[] = {"none",          "point",    "segment", "triangle",
                                       "quadrilateral", "pentagon", "hexagon"};
  if (count >= 0 && count <= 6) return kNames[count];
  return std::to_string(count) + " corners";
}

std::string describe(const Comparison& c) {
  std::string text = "  triangles " + c.pair.typed() + "\n  expected  " +
                     kindName(static_cast<int>(c.expected.size()));
  for (const ExactPoint& e : c.expected) {
    char approx[160];
    std::snprintf(approx, sizeof approx, " ~ (%f, %f, %f)", e.x.get_d(), e.y.get_d(), e.z.get_d());
    text += "\n    " + toString(e) + approx;
  }
  text += "\n  actual    " + kindName(c.actual.count);
  for (int i = 0; i < c.actual.count && i < kMaxCorners; ++i) {
    text += "\n    " + printedPoint(c.actual.corners[static_cast<std::size_t>(i)]);
  }
  if (!c.explained)
    text += "\n  the worked solution does not hold:" + explanationText(c.explanation);
  return text + "\n";
}
