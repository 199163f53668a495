// The numbered steps of the worked solution: the plane of each triangle, the
// side of every corner, the cuts along the line where the planes meet; in
// one plane, corners inside and edge crossings; and a point or a segment
// against the other figure.
#include "steps.h"

#include <algorithm>
#include <utility>

namespace steps {

namespace {

using exact::fraction;
using exact::Integer;
using exact::number;
using exact::pointText;
using exact::pointWithDecimals;

// ---- Names and words --------------------------------------------------------

const char* const kCornerNames[6] = {"a1", "b1", "c1", "a2", "b2", "c2"};

std::string nameOf(const Figure& f, int k) {
  return kCornerNames[3 * (f.number - 1) + k];
}
std::string edgeName(const Figure& f, int i, int j) {
  return nameOf(f, i) + nameOf(f, j);
}
// "prvi trougao", "prvog trougla", "prvom trouglu".
std::string nominative(const Figure& f) {
  return f.number == 1 ? "prvi trougao" : "drugi trougao";
}
std::string genitive(const Figure& f) {
  return f.number == 1 ? "prvog trougla" : "drugog trougla";
}
std::string dative(const Figure& f) {
  return f.number == 1 ? "prvom trouglu" : "drugom trouglu";
}
std::string capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}
// A value inside a formula, bracketed when negative: "(-6)".
std::string term(const Rational& q) {
  return q < 0 ? "(" + fraction(q) + ")" : fraction(q);
}
// "p = a2 + u(b2 - a2) + v(c2 - a2)": the points of triangle t.
std::string frameOf(const Figure& t) {
  const std::string a = nameOf(t, 0), b = nameOf(t, 1), c = nameOf(t, 2);
  return "p = " + a + " + u(" + b + " - " + a + ") + v(" + c + " - " + a + ")";
}

// Everything one pass writes to.
struct Pass {
  const Names& names;
  Writer& out;
  std::vector<PlaneEquation>& planes;
  bool ruleTold = false;  // when a point is in a triangle, said once

  // Step: points against triangle t, "p = a2 + u(b2 - a2) + v(c2 - a2)".
  void placeStep(const std::string& what, const Figure& t);

  // A point of the intersection as the text names it: "M = (8/3, 1, 0) ~ ..."
  // for a corner of the answer.
  std::string named(const Vec& p) const {
    const std::string letter = names.of(p);
    if (!letter.empty()) return letter + " = " + pointWithDecimals(p);
    return pointWithDecimals(p) + " (u preseku je, ali nije njegovo teme)";
  }
};

void Pass::placeStep(const std::string& what, const Figure& t) {
  out.step(what + " prema " + dative(t) + ", " + frameOf(t) + ":");
  if (!ruleTold) out.more("(p je u trouglu kad je u >= 0, v >= 0 i u + v <= 1)");
  ruleTold = true;
}

// "MN": the two ends of a segment of the answer, in the order of its letters.
std::string segmentLetters(const Names& names, const Vec& p, const Vec& q) {
  const std::string a = names.of(p), b = names.of(q);
  return a < b ? a + b : b + a;
}

// ---- Planes -----------------------------------------------------------------

// A x + B y + C z + D = 0 with integers.
struct Equation {
  Integer a, b, c, d;

  Vec normal() const { return {Rational(a), Rational(b), Rational(c)}; }
  Rational at(const Vec& p) const {
    return Rational(a) * p.x + Rational(b) * p.y + Rational(c) * p.z + Rational(d);
  }
};

// The plane across n through a point, with integer coefficients without a
// common divisor and the first non-zero of A, B, C positive.
Equation equationThrough(const Vec& n, const Vec& point) {
  const Rational q[4] = {n.x, n.y, n.z, -dot(n, point)};
  Integer common = 1;
  for (const Rational& r : q) common = lcm(common, Integer(denominator(r)));
  Integer whole[4];
  Integer divisor = 0;
  for (int i = 0; i < 4; ++i) {
    const Rational scaled = q[i] * common;
    whole[i] = numerator(scaled);
    divisor = divisor == 0 ? Integer(abs(whole[i])) : Integer(gcd(divisor, abs(whole[i])));
  }
  const Integer& first = whole[0] != 0 ? whole[0] : (whole[1] != 0 ? whole[1] : whole[2]);
  if (first < 0) divisor = -divisor;
  for (Integer& k : whole) k /= divisor;
  return {whole[0], whole[1], whole[2], whole[3]};
}

// "2x - y + 3z - 5 = 0": no coefficient 1, no zero term.
std::string equationText(const Equation& e) {
  const Integer* const k[3] = {&e.a, &e.b, &e.c};
  const char* const variable[3] = {"x", "y", "z"};
  std::string text;
  for (int i = 0; i < 3; ++i) {
    if (*k[i] == 0) continue;
    const Integer size = abs(*k[i]);
    const std::string sign = text.empty() ? (*k[i] < 0 ? "-" : "") : (*k[i] < 0 ? " - " : " + ");
    text += sign + (size == 1 ? "" : size.str()) + variable[i];
  }
  if (e.d != 0) text += (e.d < 0 ? " - " : " + ") + Integer(abs(e.d)).str();
  return text + " = 0";
}

Vec normalOf(const Figure& t) {
  return cross(t.p[1] - t.p[0], t.p[2] - t.p[0]);
}

// Step: the plane of a proper triangle, from its normal (b - a) x (c - a).
Equation planeStep(Pass& w, const Figure& t) {
  const std::string a = nameOf(t, 0), b = nameOf(t, 1), c = nameOf(t, 2);
  const std::string n = "n" + std::to_string(t.number);
  const Vec u = t.p[1] - t.p[0], v = t.p[2] - t.p[0];
  w.out.step("Ravan " + genitive(t) + " prolazi kroz " + a + ", normala joj je " + n + " = (" + b +
             " - " + a + ") x (" + c + " - " + a + "):");
  w.out.more(n + " = " + pointText(u) + " x " + pointText(v) + " = " + pointText(cross(u, v)) +
             ".");
  const Equation e = equationThrough(cross(u, v), t.p[0]);
  w.out.more("Jednacina " + n + " . (p - " + a +
             ") = 0, celim brojevima bez zajednickog delioca: " + equationText(e) + ".");
  w.planes.push_back({t.number, {e.a.str(), e.b.str(), e.c.str(), e.d.str()}});
  return e;
}

// ---- In one plane -------------------------------------------------------------

// Coordinates in the axis plane onto which a plane across n projects one to
// one: the axis of n's largest component is left out. Parameters along
// lines, and the u, v of a point in a triangle, stay the same.
struct Flat {
  int dropped = 2;

  std::pair<Rational, Rational> operator()(const Vec& p) const {
    if (dropped == 0) return {p.y, p.z};
    if (dropped == 1) return {p.z, p.x};
    return {p.x, p.y};
  }
  // Twice the signed area of u and v.
  Rational cross(const Vec& u, const Vec& v) const {
    const auto [ux, uy] = (*this)(u);
    const auto [vx, vy] = (*this)(v);
    return ux * vy - uy * vx;
  }
};

Flat flatFor(const Vec& n) {
  const Rational ax = abs(n.x), ay = abs(n.y), az = abs(n.z);
  if (ax >= ay && ax >= az) return {0};
  if (ay >= az) return {1};
  return {2};
}

// Where a point of a triangle's plane lies: p = a + u(b - a) + v(c - a), in
// the triangle when u >= 0, v >= 0 and u + v <= 1.
struct Place {
  Rational u, v;
  bool inside = false;
  std::string where;  // "u trouglu", "na ivici a2b2", "u temenu b2", "van trougla"
};

Place placeIn(const Vec& p, const Figure& t) {
  const Flat flat = flatFor(normalOf(t));
  const Vec ab = t.p[1] - t.p[0], ac = t.p[2] - t.p[0], ap = p - t.p[0];
  const Rational area = flat.cross(ab, ac);
  Place place;
  place.u = flat.cross(ap, ac) / area;
  place.v = flat.cross(ab, ap) / area;
  const Rational rest = 1 - place.u - place.v;
  place.inside = place.u >= 0 && place.v >= 0 && rest >= 0;
  if (!place.inside) {
    place.where = "van trougla";
  } else if (place.u == 0 && place.v == 0) {
    place.where = "u temenu " + nameOf(t, 0);
  } else if (place.u == 1) {
    place.where = "u temenu " + nameOf(t, 1);
  } else if (place.v == 1) {
    place.where = "u temenu " + nameOf(t, 2);
  } else if (place.v == 0) {
    place.where = "na ivici " + edgeName(t, 0, 1);
  } else if (place.u == 0) {
    place.where = "na ivici " + edgeName(t, 0, 2);
  } else if (rest == 0) {
    place.where = "na ivici " + edgeName(t, 1, 2);
  } else {
    place.where = "u trouglu";
  }
  return place;
}

// "u = 1/2, v = 1/4, u + v = 3/4, u trouglu": u + v only where it decides.
std::string placeText(const Place& place) {
  std::string text = "u = " + fraction(place.u) + ", v = " + fraction(place.v);
  if (place.u >= 0 && place.v >= 0) text += ", u + v = " + fraction(place.u + place.v);
  return text + ", " + place.where;
}

void addDistinct(std::vector<Vec>& points, const Vec& p) {
  if (std::find(points.begin(), points.end(), p) == points.end()) points.push_back(p);
}

// The corners of the convex hull of distinct points of one plane, in order
// around it, without points on a straight stretch of its outline; the two
// ends when the points lie on one line.
std::vector<Vec> outline(std::vector<Vec> points, const Flat& flat) {
  if (points.size() <= 1) return points;
  std::sort(points.begin(), points.end(),
            [&flat](const Vec& a, const Vec& b) { return flat(a) < flat(b); });
  bool collinear = true;
  for (std::size_t i = 2; i < points.size() && collinear; ++i) {
    collinear = flat.cross(points[1] - points[0], points[i] - points[0]) == 0;
  }
  if (collinear) return {points.front(), points.back()};
  // Andrew's monotone chain, keeping only strict left turns.
  std::vector<Vec> hull;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t start = hull.size();
    for (std::size_t k = 0; k < points.size(); ++k) {
      const Vec& p = pass == 0 ? points[k] : points[points.size() - 1 - k];
      while (hull.size() >= start + 2 &&
             flat.cross(hull.back() - hull[hull.size() - 2], p - hull[hull.size() - 2]) <= 0) {
        hull.pop_back();
      }
      hull.push_back(p);
    }
    hull.pop_back();
  }
  return hull;
}

// Step: each corner of triangle t against triangle o (both in one plane).
void cornersStep(Pass& w, const Figure& t, const Figure& o, std::vector<Vec>& found) {
  w.placeStep("Temena " + genitive(t), o);
  for (int k = 0; k < 3; ++k) {
    const Place place = placeIn(t.p[k], o);
    w.out.more(nameOf(t, k) + ": " + placeText(place) +
               (place.inside ? ": " + w.named(t.p[k]) : "") + ".");
    if (place.inside) addDistinct(found, t.p[k]);
  }
}

constexpr int kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};

// Where segment p1-p2 meets segment q1-q2 of the same plane: p1 + s(p2 -
// p1) = q1 + t(q2 - q1), or for two segments on one line the stretch s from
// lo to hi of p1-p2 that they share.
struct Meeting {
  enum Kind { Nothing, Crossing, Overlap } kind = Nothing;
  Rational s, t;    // Crossing
  Rational lo, hi;  // Overlap
};

Meeting meet(const Vec& p1, const Vec& p2, const Vec& q1, const Vec& q2, const Flat& flat) {
  const Vec r = p2 - p1, along = q2 - q1, gap = q1 - p1;
  const Rational area = flat.cross(r, along);
  Meeting m;
  if (area != 0) {
    m.s = flat.cross(gap, along) / area;
    m.t = flat.cross(gap, r) / area;
    if (m.s >= 0 && m.s <= 1 && m.t >= 0 && m.t <= 1) m.kind = Meeting::Crossing;
    return m;
  }
  if (flat.cross(gap, r) != 0) return m;  // parallel, on different lines
  const Rational rr = dot(r, r);
  const Rational a = dot(gap, r) / rr, b = dot(q2 - p1, r) / rr;
  m.lo = std::max(Rational(0), std::min(a, b));
  m.hi = std::min(Rational(1), std::max(a, b));
  if (m.lo <= m.hi) m.kind = Meeting::Overlap;
  return m;
}

const char* polygonName(std::size_t corners) {
  static const char* const kNames[] = {"trougao", "cetvorougao", "petougao", "sestougao"};
  return corners >= 3 && corners <= 6 ? kNames[corners - 3] : "mnogougao";
}

// Step: what the points found make: nothing, a point, a segment or a
// polygon, whose corners are then listed around it.
std::vector<Vec> commonPart(Pass& w, const std::vector<Vec>& found, const Flat& flat) {
  std::vector<Vec> answer = outline(found, flat);
  const Names& names = w.names;
  if (answer.empty()) {
    w.out.step("Nema nijedne zajednicke tacke: trouglovi se ne seku.");
  } else if (answer.size() == 1) {
    w.out.step("Jedina zajednicka tacka je " + names.of(answer[0]) + ".");
  } else if (answer.size() == 2) {
    if (names.of(answer[1]) < names.of(answer[0])) std::swap(answer[0], answer[1]);
    w.out.step("Zajednicke tacke leze na jednoj pravoj: presek je duz " +
               segmentLetters(names, answer[0], answer[1]) + ".");
  } else {
    // Around the polygon from the corner named first in the answer.
    const auto first = std::find_if(answer.begin(), answer.end(), [&names](const Vec& p) {
      return !names.letters.empty() && names.of(p) == names.letters.substr(0, 1);
    });
    if (first != answer.end()) std::rotate(answer.begin(), first, answer.end());
    std::string around, letters;
    for (const Vec& p : answer) {
      around += (around.empty() ? "" : ", ") + names.of(p);
      letters += names.of(p);
    }
    // The same cycle either way round: M N P ... or M ... P N.
    const std::string reversed =
        letters.empty() ? letters : letters[0] + std::string(letters.rbegin(), letters.rend() - 1);
    const bool sameOrder = letters == names.letters || reversed == names.letters;
    w.out.step(std::string("Presek je ") + polygonName(answer.size()) +
               "; temena redom po obodu: " + around + ".");
    if (!sameOrder) w.out.more("(Izvestaj ih navodi redom kojim ih je nasao.)");
  }
  return answer;
}

// Triangles t1 and t2 in one plane: corners inside the other, edge
// crossings, then the polygon they make.
std::vector<Vec> inOnePlane(Pass& w, const Figure& t1, const Figure& t2) {
  const Flat flat = flatFor(normalOf(t1));
  std::vector<Vec> found;
  cornersStep(w, t1, t2, found);
  cornersStep(w, t2, t1, found);
  std::vector<std::string> lines, overlaps;
  for (const auto& e1 : kEdges) {
    for (const auto& e2 : kEdges) {
      const Vec &p1 = t1.p[e1[0]], &p2 = t1.p[e1[1]], &q1 = t2.p[e2[0]], &q2 = t2.p[e2[1]];
      const Meeting m = meet(p1, p2, q1, q2, flat);
      const std::string pair = edgeName(t1, e1[0], e1[1]) + " i " + edgeName(t2, e2[0], e2[1]);
      if (m.kind == Meeting::Crossing) {
        // A crossing at a corner is that corner, found above.
        const Vec at = p1 + m.s * (p2 - p1);
        addDistinct(found, at);
        if (m.s > 0 && m.s < 1 && m.t > 0 && m.t < 1) {
          lines.push_back(pair + ": s = " + fraction(m.s) + ", t = " + fraction(m.t) + ": " +
                          w.named(at) + ".");
        }
      } else if (m.kind == Meeting::Overlap && m.lo < m.hi) {
        overlaps.push_back(pair +
                           " leze na istoj pravoj i preklapaju se; krajevi preklapanja su "
                           "temena nadjena gore.");
      }
    }
  }
  if (lines.empty()) {
    w.out.step("Nijedna ivica prvog trougla ne sece ivicu drugog van temena.");
  } else {
    w.out.step("Ivice koje se seku van temena, p1 + s(p2 - p1) = q1 + t(q2 - q1) za 0 < s, t < 1:");
  }
  for (const std::string& line : lines) w.out.more(line);
  for (const std::string& line : overlaps) w.out.more(line);
  return commonPart(w, found, flat);
}

// ---- In different planes --------------------------------------------------

// The part of a triangle in the other's plane.
struct Cut {
  enum Contact { Apart, InPlane, Across } contact = Apart;
  std::vector<Vec> points;         // one or two
  std::vector<std::string> names;  // "U1", "U2"
};

// Step: the corners of t in the equation of o's plane, what their signs say,
// and the points where t meets that plane (letter "U" or "V").
Cut cutStep(Pass& w, const Figure& t, const Figure& o, const Equation& e, const char* letter) {
  Rational v[3];
  std::vector<int> zero, plus, minus;
  for (int k = 0; k < 3; ++k) {
    v[k] = e.at(t.p[k]);
    (v[k] == 0 ? zero : (v[k] > 0 ? plus : minus)).push_back(k);
  }
  w.out.step("Temena " + genitive(t) + " u jednacini ravni " + genitive(o) + ": " + nameOf(t, 0) +
             ": " + number(v[0]) + ", " + nameOf(t, 1) + ": " + number(v[1]) + ", " + nameOf(t, 2) +
             ": " + number(v[2]) + ".");
  Cut cut;
  if (zero.size() == 3) {
    w.out.more("Sve tri vrednosti su 0: " + nominative(t) + " lezi u ravni " + genitive(o) +
               ", pa su trouglovi u istoj ravni.");
    cut.contact = Cut::InPlane;
    return cut;
  }
  if (plus.size() == 3 || minus.size() == 3) {
    w.out.more(std::string("Sve tri vrednosti su ") +
               (plus.size() == 3 ? "pozitivne" : "negativne") +
               ": temena su sa iste strane ravni, pa se trouglovi ne seku.");
    return cut;
  }
  cut.contact = Cut::Across;
  std::vector<int> corners = zero;  // corners in the plane
  std::vector<std::pair<int, int>> edges;
  auto edge = [](int i, int j) { return std::make_pair(std::min(i, j), std::max(i, j)); };
  if (zero.size() == 2) {
    const int k = plus.empty() ? minus[0] : plus[0];
    w.out.more(nameOf(t, zero[0]) + " i " + nameOf(t, zero[1]) + " leze u ravni, " + nameOf(t, k) +
               " ne: ivica " + edgeName(t, zero[0], zero[1]) + " lezi u toj ravni.");
  } else if (zero.size() == 1) {
    const int k = zero[0], i = k == 0 ? 1 : 0, j = 3 - k - i;
    if (plus.size() == 2 || minus.size() == 2) {
      w.out.more("Samo " + nameOf(t, k) + " lezi u ravni, " + nameOf(t, i) + " i " + nameOf(t, j) +
                 " su sa iste strane: " + nominative(t) + " je dodiruje samo temenom " +
                 nameOf(t, k) + ".");
    } else {
      w.out.more(nameOf(t, k) + " lezi u ravni, a " + nameOf(t, i) + " i " + nameOf(t, j) +
                 " su sa razlicitih strana: ravan prolazi kroz " + nameOf(t, k) + " i sece ivicu " +
                 edgeName(t, i, j) + ".");
      edges.push_back(edge(i, j));
    }
  } else {
    const int lone = plus.size() == 1 ? plus[0] : minus[0];
    const std::vector<int>& others = plus.size() == 1 ? minus : plus;
    edges = {edge(lone, others[0]), edge(lone, others[1])};
    w.out.more(nameOf(t, lone) + " je sa jedne strane ravni, " + nameOf(t, others[0]) + " i " +
               nameOf(t, others[1]) + " sa druge: ravan sece ivice " +
               edgeName(t, edges[0].first, edges[0].second) + " i " +
               edgeName(t, edges[1].first, edges[1].second) + ".");
  }
  std::string inPlane;
  for (const int k : corners) {
    cut.names.push_back(letter + std::to_string(cut.points.size() + 1));
    cut.points.push_back(t.p[k]);
    inPlane += (inPlane.empty() ? "" : ", ") + cut.names.back() + " = " + nameOf(t, k) + " = " +
               pointText(t.p[k]);
  }
  if (!inPlane.empty()) w.out.more(inPlane + ".");
  for (const auto& [i, j] : edges) {
    const Rational at = v[i] / (v[i] - v[j]);
    cut.names.push_back(letter + std::to_string(cut.points.size() + 1));
    cut.points.push_back(t.p[i] + at * (t.p[j] - t.p[i]));
    w.out.more("Ivica " + edgeName(t, i, j) + ": t = " + fraction(v[i]) + "/(" + fraction(v[i]) +
               " - " + term(v[j]) + ") = " + number(at) + ",");
    w.out.more(cut.names.back() + " = " + nameOf(t, i) + " + t(" + nameOf(t, j) + " - " +
               nameOf(t, i) + ") = " + pointWithDecimals(cut.points.back()) + ".");
  }
  return cut;
}

// "od s = 0 do s = 1/2", or "samo u tacki s = 0" for a single point.
std::string stretch(const Rational& lo, const Rational& hi) {
  if (lo == hi) return "samo u tacki s = " + number(lo);
  return "od s = " + number(lo) + " do s = " + number(hi);
}

// Step: both cuts lie on the line where the planes meet; their positions
// along it, and what they share.
std::vector<Vec> alongTheLine(Pass& w, const Equation& e1, const Equation& e2, const Cut& one,
                              const Cut& two) {
  const Vec d = cross(e1.normal(), e2.normal());
  w.out.step(
      "Oba preseka leze na pravoj po kojoj se ravni seku, pravca d (proizvod normala iz "
      "jednacina):");
  w.out.more("d = " + pointText(e1.normal()) + " x " + pointText(e2.normal()) + " = " +
             pointText(d) + ".");
  const Vec& origin = one.points[0];
  const Rational dd = dot(d, d);
  auto position = [&](const Vec& p) { return Rational(dot(d, p - origin) / dd); };
  std::string positions;
  Rational lo[2], hi[2];
  const Cut* cuts[2] = {&one, &two};
  for (int c = 0; c < 2; ++c) {
    for (std::size_t i = 0; i < cuts[c]->points.size(); ++i) {
      const Rational s = position(cuts[c]->points[i]);
      if (i == 0 || s < lo[c]) lo[c] = s;
      if (i == 0 || s > hi[c]) hi[c] = s;
      positions += (i > 0 ? ", " : (c > 0 ? "; " : "")) + cuts[c]->names[i] + ": " + number(s);
    }
  }
  w.out.more("Polozaj tacke p na njoj je s = d . (p - " + one.names[0] + ") / d . d:");
  w.out.more(positions + ".");
  w.out.more("Prvi trougao je na pravoj " + stretch(lo[0], hi[0]) + ",");
  w.out.more("drugi " + stretch(lo[1], hi[1]) + ".");
  const Rational from = std::max(lo[0], lo[1]), to = std::min(hi[0], hi[1]);
  // The cut point at a position, by its name: "U1 (M)".
  auto at = [&](const Rational& s, Vec& point) {
    for (const Cut* cut : cuts) {
      for (std::size_t i = 0; i < cut->points.size(); ++i) {
        if (position(cut->points[i]) != s) continue;
        point = cut->points[i];
        const std::string letter = w.names.of(point);
        return cut->names[i] + (letter.empty() ? "" : " (" + letter + ")");
      }
    }
    return std::string();
  };
  Vec first, last;
  if (from > to) {
    w.out.more("Ti delovi prave se ne preklapaju, pa trouglovi nemaju zajednickih tacaka.");
    return {};
  }
  if (from == to) {
    const std::string name = at(from, first);
    w.out.more("Zajednicka im je samo tacka s = " + number(from) + ": presek trouglova je tacka " +
               name + ".");
    return {first};
  }
  const std::string start = at(from, first), end = at(to, last);
  w.out.more("Zajednicko im je " + stretch(from, to) + ": presek trouglova je duz od " + start +
             " do " + end + ".");
  return {first, last};
}

// ---- A point or a segment -----------------------------------------------------

std::string figureName(const Figure& f) {
  if (f.corners == 1) return nameOf(f, 0);
  return edgeName(f, f.ends[0], f.ends[1]);
}

// Step: what a triangle that is not a proper one is taken as, and why.
void figureStep(Pass& w, const Figure& f) {
  const std::string a = nameOf(f, 0), b = nameOf(f, 1), c = nameOf(f, 2);
  if (f.corners == 1) {
    w.out.step(capitalised(nominative(f)) + ": sva tri temena su ista tacka " + pointText(f.p[0]) +
               ", pa ga uzimamo kao tacku " + a + ".");
    return;
  }
  std::string same;
  for (const auto& e : kEdges) {
    if (f.p[e[0]] == f.p[e[1]])
      same = " (" + nameOf(f, e[0]) + " i " + nameOf(f, e[1]) + " su ista tacka)";
  }
  w.out.step(capitalised(nominative(f)) + ": (" + b + " - " + a + ") x (" + c + " - " + a +
             ") = (0, 0, 0), pa temena leze na jednoj pravoj" + same + ";");
  w.out.more("uzimamo ga kao duz " + figureName(f) + " izmedju dva najudaljenija temena.");
}

// Step: a point of t's plane against triangle t.
std::vector<Vec> pointInTriangleStep(Pass& w, const std::string& name, const Vec& p,
                                     const Figure& t) {
  const Place place = placeIn(p, t);
  w.placeStep("Tacka " + name, t);
  w.out.more(placeText(place) +
             (place.inside ? ": " + w.named(p) + "." : ", pa nema zajednickih tacaka."));
  if (!place.inside) return {};
  return {p};
}

std::vector<Vec> pointAgainstTriangle(Pass& w, const Figure& s, const Figure& t,
                                      const Equation& e) {
  const Rational value = e.at(s.p[0]);
  w.out.step("Tacka " + nameOf(s, 0) + " u jednacini ravni " + genitive(t) + ": " + number(value) +
             (value == 0 ? ", pa lezi u toj ravni."
                         : ", nije 0: tacka nije u toj ravni, pa nema zajednickih tacaka."));
  if (value != 0) return {};
  return pointInTriangleStep(w, nameOf(s, 0), s.p[0], t);
}

// A segment s in the plane of triangle t: its ends in t, its crossings with
// t's edges, then the stretch they bound.
std::vector<Vec> segmentInPlane(Pass& w, const Figure& s, const Figure& t) {
  const Flat flat = flatFor(normalOf(t));
  const int i = s.ends[0], j = s.ends[1];
  const Vec &p1 = s.p[i], &p2 = s.p[j];
  std::vector<Vec> found;
  w.placeStep("Krajevi duzi " + figureName(s), t);
  for (const int k : {i, j}) {
    const Place place = placeIn(s.p[k], t);
    w.out.more(nameOf(s, k) + ": " + placeText(place) +
               (place.inside ? ": " + w.named(s.p[k]) : "") + ".");
    if (place.inside) addDistinct(found, s.p[k]);
  }
  std::vector<std::string> lines;
  for (const auto& e : kEdges) {
    const Meeting m = meet(p1, p2, t.p[e[0]], t.p[e[1]], flat);
    const std::string pair = figureName(s) + " i " + edgeName(t, e[0], e[1]);
    if (m.kind == Meeting::Crossing) {
      const Vec point = p1 + m.s * (p2 - p1);
      addDistinct(found, point);
      if (m.s > 0 && m.s < 1) {
        lines.push_back(pair + ": s = " + fraction(m.s) + ", t = " + fraction(m.t) + ": " +
                        w.named(point) + ".");
      }
    } else if (m.kind == Meeting::Overlap) {
      addDistinct(found, p1 + m.lo * (p2 - p1));
      addDistinct(found, p1 + m.hi * (p2 - p1));
      lines.push_back(pair + " leze na istoj pravoj; zajednicko im je " + stretch(m.lo, m.hi) +
                      ".");
    }
  }
  const std::string a = nameOf(s, i), b = nameOf(s, j);
  if (lines.empty()) {
    w.out.step("Duz " + figureName(s) + " ne sece nijednu ivicu " + genitive(t) +
               " izmedju svojih krajeva.");
  } else {
    w.out.step("Duz " + figureName(s) + " i ivice " + genitive(t) + ", " + a + " + s(" + b + " - " +
               a + ") = q1 + t(q2 - q1) za 0 < s < 1 i 0 <= t <= 1:");
    for (const std::string& line : lines) w.out.more(line);
  }
  // The found points lie on the segment: the answer is the two farthest.
  const Vec r = p2 - p1;
  std::sort(found.begin(), found.end(),
            [&](const Vec& x, const Vec& y) { return dot(x - p1, r) < dot(y - p1, r); });
  if (found.size() > 2) found = {found.front(), found.back()};
  if (found.empty()) {
    w.out.step("Nijedna tacka duzi nije u trouglu: nemaju zajednickih tacaka.");
  } else if (found.size() == 1) {
    w.out.step("Zajednicka je samo tacka " + w.names.of(found[0]) + ".");
  } else {
    w.out.step("Presek je duz " + segmentLetters(w.names, found[0], found[1]) + ".");
  }
  return found;
}

std::vector<Vec> segmentAgainstTriangle(Pass& w, const Figure& s, const Figure& t,
                                        const Equation& e) {
  const int i = s.ends[0], j = s.ends[1];
  const Rational vi = e.at(s.p[i]), vj = e.at(s.p[j]);
  const std::string a = nameOf(s, i), b = nameOf(s, j);
  w.out.step("Krajevi duzi " + figureName(s) + " u jednacini ravni " + genitive(t) + ": " + a +
             ": " + number(vi) + ", " + b + ": " + number(vj) + ".");
  if (vi == 0 && vj == 0) {
    w.out.more("Oba kraja leze u ravni, pa i cela duz.");
    return segmentInPlane(w, s, t);
  }
  if (vi * vj > 0) {
    w.out.more(
        "Oba kraja su sa iste strane ravni: duz je ne dodiruje, pa nema zajednickih tacaka.");
    return {};
  }
  if (vi == 0 || vj == 0) {
    const std::string in = vi == 0 ? a : b;
    w.out.more("Kraj " + in + " lezi u ravni, drugi ne: to je jedina tacka duzi u ravni.");
    return pointInTriangleStep(w, in, vi == 0 ? s.p[i] : s.p[j], t);
  }
  const Rational at = vi / (vi - vj);
  const Vec crossing = s.p[i] + at * (s.p[j] - s.p[i]);
  w.out.more("Krajevi su sa razlicitih strana: duz probija ravan u tacki X,");
  w.out.more("t = " + fraction(vi) + "/(" + fraction(vi) + " - " + term(vj) + ") = " + number(at) +
             ", X = " + a + " + t(" + b + " - " + a + ") = " + pointWithDecimals(crossing) + ".");
  return pointInTriangleStep(w, "X", crossing, t);
}

std::vector<Vec> segmentAgainstSegment(Pass& w, const Figure& s, const Figure& o) {
  const Vec &p1 = s.p[s.ends[0]], &p2 = s.p[s.ends[1]];
  const Vec &q1 = o.p[o.ends[0]], &q2 = o.p[o.ends[1]];
  const std::string a = nameOf(s, s.ends[0]), b = nameOf(s, s.ends[1]);
  const std::string c = nameOf(o, o.ends[0]), d = nameOf(o, o.ends[1]);
  const std::string both = "Duzi " + figureName(s) + " i " + figureName(o);
  const Vec r = p2 - p1, along = q2 - q1, gap = q1 - p1, normal = cross(r, along);
  if (isZero(normal)) {
    if (!isZero(cross(gap, r))) {
      w.out.step(both + " su paralelne, a ne leze na istoj pravoj: nemaju zajednickih tacaka.");
      return {};
    }
    const Rational rr = dot(r, r);
    const Rational sc = dot(gap, r) / rr, sd = dot(q2 - p1, r) / rr;
    w.out.step(both + " leze na istoj pravoj; polozaji na njoj, p = " + a + " + s(" + b + " - " +
               a + "):");
    w.out.more(a + ": 0, " + b + ": 1, " + c + ": " + number(sc) + ", " + d + ": " + number(sd) +
               ".");
    const Rational lo = std::max(Rational(0), std::min(sc, sd));
    const Rational hi = std::min(Rational(1), std::max(sc, sd));
    if (lo > hi) {
      w.out.more("Ne preklapaju se: nemaju zajednickih tacaka.");
      return {};
    }
    const Vec from = p1 + lo * r, to = p1 + hi * r;
    if (lo == hi) {
      w.out.more("Zajednicka im je samo tacka s = " + number(lo) + ": " + w.named(from) + ".");
      return {from};
    }
    w.out.more("Zajednicko im je " + stretch(lo, hi) + ": duz " +
               segmentLetters(w.names, from, to) + ".");
    return {from, to};
  }
  const Rational mixed = dot(gap, normal);
  if (mixed != 0) {
    w.out.step("Prave duzi " + figureName(s) + " i " + figureName(o) + " su mimoilazne: (" + c +
               " - " + a + ") . ((" + b + " - " + a + ") x (" + d + " - " + c +
               ")) = " + number(mixed) + ",");
    w.out.more("nije 0, pa nemaju zajednickih tacaka.");
    return {};
  }
  const Rational nn = dot(normal, normal);
  const Rational sp = dot(cross(gap, along), normal) / nn, tp = dot(cross(gap, r), normal) / nn;
  w.out.step("Prave duzi " + figureName(s) + " i " + figureName(o) + " se seku: " + a + " + s(" +
             b + " - " + a + ") = " + c + " + t(" + d + " - " + c + ") za s = " + number(sp) +
             ", t = " + number(tp) + ".");
  if (sp < 0 || sp > 1 || tp < 0 || tp > 1) {
    w.out.more(
        "Bar jedan od njih nije izmedju 0 i 1: ta tacka nije na obe duzi, pa nemaju "
        "zajednickih tacaka.");
    return {};
  }
  const Vec point = p1 + sp * r;
  w.out.more("Oba su izmedju 0 i 1: presek je tacka " + w.named(point) + ".");
  return {point};
}

std::vector<Vec> pointAgainstSegment(Pass& w, const Figure& s, const Figure& o) {
  const Vec& p = s.p[0];
  const Vec &q1 = o.p[o.ends[0]], &q2 = o.p[o.ends[1]];
  const std::string a = nameOf(s, 0), c = nameOf(o, o.ends[0]), d = nameOf(o, o.ends[1]);
  const Vec r = q2 - q1, off = cross(p - q1, r);
  const std::string product =
      "(" + a + " - " + c + ") x (" + d + " - " + c + ") = " + pointText(off);
  if (!isZero(off)) {
    w.out.step("Tacka " + a + " prema duzi " + figureName(o) + ": " + product + ", nije nula:");
    w.out.more("tacka nije na pravoj te duzi, pa nema zajednickih tacaka.");
    return {};
  }
  const Rational sp = dot(p - q1, r) / dot(r, r);
  w.out.step("Tacka " + a + " lezi na pravoj duzi " + figureName(o) + ": " + product + ",");
  w.out.more(a + " = " + c + " + s(" + d + " - " + c + ") za s = " + number(sp) + ".");
  if (sp < 0 || sp > 1) {
    w.out.more("s nije izmedju 0 i 1: tacka je van duzi, pa nema zajednickih tacaka.");
    return {};
  }
  w.out.more("s je izmedju 0 i 1: presek je tacka " + w.named(p) + ".");
  return {p};
}

std::vector<Vec> pointAgainstPoint(Pass& w, const Figure& s, const Figure& o) {
  const bool same = s.p[0] == o.p[0];
  w.out.step("Tacke " + nameOf(s, 0) + " i " + nameOf(o, 0) +
             (same ? " su ista tacka: presek je " + w.named(s.p[0]) + "."
                   : " su razlicite: nemaju zajednickih tacaka."));
  if (!same) return {};
  return {s.p[0]};
}

}  // namespace

// ---- Shared with the rest of the explanation --------------------------------

std::string Names::of(const Vec& p) const {
  for (std::size_t i = 0; i < corners.size() && i < letters.size(); ++i) {
    if (corners[i] == p) return letters.substr(i, 1);
  }
  return "";
}

Figure figureOf(int number, const Vec& a, const Vec& b, const Vec& c) {
  Figure f;
  f.number = number;
  f.p = {a, b, c};
  f.ends = {0, 0};
  if (!isZero(cross(b - a, c - a))) return f;
  Rational farthest = 0;
  for (const auto& e : kEdges) {
    const Vec d = f.p[e[1]] - f.p[e[0]];
    if (dot(d, d) > farthest) farthest = dot(d, d), f.ends = {e[0], e[1]};
  }
  f.corners = farthest == 0 ? 1 : 2;
  return f;
}

Rational squaredDistance(const Vec& p, const Figure& f) {
  auto toSegment = [&p](const Vec& a, const Vec& b) {
    const Vec r = b - a;
    const Rational rr = dot(r, r);
    Rational t = rr == 0 ? Rational(0) : Rational(dot(p - a, r) / rr);
    t = std::min(Rational(1), std::max(Rational(0), t));
    const Vec off = p - (a + t * r);
    return Rational(dot(off, off));
  };
  if (f.corners == 1) return dot(p - f.p[0], p - f.p[0]);
  if (f.corners == 2) return toSegment(f.p[f.ends[0]], f.p[f.ends[1]]);
  // Straight across to the plane when that lands inside, else to an edge.
  const Vec n = normalOf(f);
  const Rational height = dot(n, p - f.p[0]), nn = dot(n, n);
  if (placeIn(p - (height / nn) * n, f).inside) return height * height / nn;
  Rational nearest = toSegment(f.p[0], f.p[1]);
  nearest = std::min(nearest, toSegment(f.p[0], f.p[2]));
  return std::min(nearest, toSegment(f.p[1], f.p[2]));
}

std::vector<Vec> workedSteps(const std::array<Vec, 6>& corners, const Names& names, Writer& out,
                             std::vector<PlaneEquation>& planes) {
  Pass w{names, out, planes};
  const Figure one = figureOf(1, corners[0], corners[1], corners[2]);
  const Figure two = figureOf(2, corners[3], corners[4], corners[5]);
  // 1. Two proper triangles: each plane, then each triangle against the
  //    other's plane; in one plane, or along the line where the planes meet.
  if (one.corners == 3 && two.corners == 3) {
    const Equation e1 = planeStep(w, one), e2 = planeStep(w, two);
    const Cut cut1 = cutStep(w, one, two, e2, "U");
    if (cut1.contact == Cut::Apart) return {};
    if (cut1.contact == Cut::InPlane) return inOnePlane(w, one, two);
    const Cut cut2 = cutStep(w, two, one, e1, "V");
    if (cut2.contact == Cut::Apart) return {};
    return alongTheLine(w, e1, e2, cut1, cut2);
  }
  // 2. A point or a segment: what each figure is, then the smaller against
  //    the larger.
  Equation planeOf[2];
  const Figure* figures[2] = {&one, &two};
  for (int k = 0; k < 2; ++k) {
    if (figures[k]->corners == 3) {
      planeOf[k] = planeStep(w, *figures[k]);
    } else {
      figureStep(w, *figures[k]);
    }
  }
  const int big = two.corners < one.corners ? 0 : 1;
  const Figure &small = *figures[1 - big], &large = *figures[big];
  if (large.corners == 3) {
    return small.corners == 1 ? pointAgainstTriangle(w, small, large, planeOf[big])
                              : segmentAgainstTriangle(w, small, large, planeOf[big]);
  }
  if (large.corners == 2) {
    return small.corners == 1 ? pointAgainstSegment(w, small, large)
                              : segmentAgainstSegment(w, small, large);
  }
  return pointAgainstPoint(w, small, large);
}

}  // namespace steps
