// The numbered steps of the worked solution: the plane of each triangle, the
// side of every corner, the cuts along the line where the planes meet; in
// one plane, corners inside and edge crossings; and a point or a segment
// against the other figure. Every sentence is whole, from the catalog.
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

// ---- Names and formulas -------------------------------------------------------

const char* const kCornerNames[6] = {"a1", "b1", "c1", "a2", "b2", "c2"};

std::string nameOf(const Figure& f, int k) {
  return kCornerNames[3 * (f.number - 1) + k];
}
std::string edgeName(const Figure& f, int i, int j) {
  return nameOf(f, i) + nameOf(f, j);
}
// The sentence about the first triangle or about the second.
const char* pick(const Figure& f, const char* first, const char* second) {
  return f.number == 1 ? first : second;
}
// A value that is multiplied or divided, bracketed when it is a fraction or
// negative: "(531/2)", "(-4)", "7".
std::string factor(const Rational& q) {
  return q < 0 || denominator(q) != 1 ? "(" + fraction(q) + ")" : fraction(q);
}
// "a - b" with the sign of b folded in: "531/2 + 209" for 531/2 - (-209).
std::string difference(const Rational& a, const Rational& b) {
  return fraction(a) + (b < 0 ? " + " + fraction(-b) : " - " + fraction(b));
}
// "t = (531/2) / (531/2 + 209) = 531/949 (0.559536)": the zero of A + t(B - A).
std::string zeroAt(const Rational& a, const Rational& b) {
  return "t = " + factor(a) + " / (" + difference(a, b) + ") = " + number(a / (a - b));
}
// "p = a2 + u(b2 - a2) + v(c2 - a2)": the points of triangle t.
std::string frameOf(const Figure& t) {
  const std::string a = nameOf(t, 0), b = nameOf(t, 1), c = nameOf(t, 2);
  return "p = " + a + " + u(" + b + " - " + a + ") + v(" + c + " - " + a + ")";
}
// "-3u + 2v = 1": one equation of a 2 x 2 system in the unknowns x and y,
// without a zero term; a fraction as a factor in brackets: "(3/2)u".
std::string equationOf(const Rational& a, const char* x, const Rational& b, const char* y,
                       const Rational& c) {
  std::string text;
  for (const auto& [k, unknown] : {std::make_pair(a, x), std::make_pair(b, y)}) {
    if (k == 0) continue;
    const Rational size = abs(k);
    text += text.empty() ? (k < 0 ? "-" : "") : (k < 0 ? " - " : " + ");
    if (size != 1) text += denominator(size) == 1 ? fraction(size) : "(" + fraction(size) + ")";
    text += unknown;
  }
  return (text.empty() ? "0" : text) + " = " + fraction(c);
}

// Everything one pass writes to, and what it has already told.
struct Pass {
  const Names& names;
  Writer& out;
  std::vector<PlaneEquation>& planes;
  bool ruleTold = false;      // when a point is in a triangle
  bool zeroTold = false;      // why t = A / (A - B)
  bool crossingTold = false;  // the system for s and t of two edges

  // A point of the answer as the text names it: "M = (8/3, 1, 0) ~ (...)";
  // another point of the intersection with a sentence saying so.
  std::string named(const Vec& p) const {
    const std::string letter = names.of(p);
    if (!letter.empty()) return letter + " = " + pointWithDecimals(p);
    return pointWithDecimals(p) + " " + _("(To je tacka preseka, ali nije njegovo teme.)");
  }
  // Why the zero of the plane's value on an edge is at t = A / (A - B), once.
  void tellZero() {
    if (zeroTold) return;
    zeroTold = true;
    out.more(_(
        "(Duz ivice od a do b, u tacki a + t(b - a), vrednost leve strane je A + t(B - A), gde su "
        "A i B vrednosti u a i b; ona je 0 za t = A / (A - B).)"));
  }
};

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
  const std::string a = nameOf(t, 0);
  const std::string n = "n" + std::to_string(t.number);
  const Vec u = t.p[1] - t.p[0], v = t.p[2] - t.p[0];
  w.out.step(pick(
      t, _("Ravan prvog trougla prolazi kroz a1, a normala joj je n1 = (b1 - a1) x (c1 - a1):"),
      _("Ravan drugog trougla prolazi kroz a2, a normala joj je n2 = (b2 - a2) x (c2 - a2):")));
  w.out.more(n + " = " + pointText(u) + " x " + pointText(v) + " = " + pointText(cross(u, v)) +
             ".");
  const Equation e = equationThrough(cross(u, v), t.p[0]);
  w.out.more(say(_("Jednacina ravni je %s . (p - %s) = 0, a celim brojevima bez zajednickog "
                   "delioca: %s."),
                 n, a, equationText(e)));
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
    if (dropped == 1) return {p.x, p.z};
    return {p.x, p.y};
  }
  // The names of the two coordinates kept.
  const char* first() const { return dropped == 0 ? "y" : "x"; }
  const char* second() const { return dropped == 2 ? "y" : "z"; }
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
  enum Where { Inside, AtCorner, OnEdge, Outside } where = Outside;
  std::string at;       // the corner or the edge
  std::string failing;  // the conditions that fail: "v < 0", "u + v > 1"
};

Place placeIn(const Vec& p, const Figure& t) {
  const Flat flat = flatFor(normalOf(t));
  const Vec ab = t.p[1] - t.p[0], ac = t.p[2] - t.p[0], ap = p - t.p[0];
  const Rational area = flat.cross(ab, ac);
  Place place;
  place.u = flat.cross(ap, ac) / area;
  place.v = flat.cross(ab, ap) / area;
  const Rational rest = 1 - place.u - place.v;
  auto fails = [&place](const char* condition) {
    place.failing += (place.failing.empty() ? "" : ", ") + std::string(condition);
  };
  if (place.u < 0) fails("u < 0");
  if (place.v < 0) fails("v < 0");
  if (rest < 0) fails("u + v > 1");
  if (!place.failing.empty()) return place;
  place.where = Place::AtCorner;
  if (place.u == 0 && place.v == 0) {
    place.at = nameOf(t, 0);
  } else if (place.u == 1) {
    place.at = nameOf(t, 1);
  } else if (place.v == 1) {
    place.at = nameOf(t, 2);
  } else {
    place.where = Place::OnEdge;
    if (place.v == 0) {
      place.at = edgeName(t, 0, 1);
    } else if (place.u == 0) {
      place.at = edgeName(t, 0, 2);
    } else if (rest == 0) {
      place.at = edgeName(t, 1, 2);
    } else {
      place.where = Place::Inside;
    }
  }
  return place;
}

// "u = 1/2, v = 1/4, u + v = 3/4": u + v only where it decides.
std::string placeValues(const Place& place) {
  std::string text = "u = " + fraction(place.u) + ", v = " + fraction(place.v);
  if (place.u >= 0 && place.v >= 0) text += ", u + v = " + fraction(place.u + place.v);
  return text;
}

// One line: where the point called `name` lies in the triangle; `found`
// names it as a point of the intersection. Outside, `apart` says that
// there is then no common point.
std::string placeLine(const std::string& name, const Place& place, const std::string& found,
                      bool apart = false) {
  const std::string values = placeValues(place);
  switch (place.where) {
    case Place::Inside:
      return say(_("%s: %s, u trouglu: %s."), name, values, found);
    case Place::AtCorner:
      return say(_("%s: %s, u temenu %s: %s."), name, values, place.at, found);
    case Place::OnEdge:
      return say(_("%s: %s, na ivici %s: %s."), name, values, place.at, found);
    case Place::Outside:
      break;
  }
  if (apart) {
    return say(_("%s: %s, van trougla (%s), pa nema zajednickih tacaka."), name, values,
               place.failing);
  }
  return say(_("%s: %s, van trougla (%s)."), name, values, place.failing);
}

// Step: the points called by the step's sentence against triangle t; the
// first time, the rule and how u and v are found, for the first point.
void placeStep(Pass& w, const std::string& sentence, const Figure& t, const std::string& name,
               const Vec& p) {
  w.out.step(sentence);
  if (w.ruleTold) return;
  w.ruleTold = true;
  w.out.more(_("(Tacka p je u trouglu kad je u >= 0, v >= 0 i u + v <= 1.)"));
  const Flat flat = flatFor(normalOf(t));
  const auto [bx, by] = flat(t.p[1] - t.p[0]);
  const auto [cx, cy] = flat(t.p[2] - t.p[0]);
  const auto [px, py] = flat(p - t.p[0]);
  const Place place = placeIn(p, t);
  w.out.more(say(_("(Za %s, po koordinatama %s i %s, u i v resavaju sistem %s; %s, pa je u = %s, "
                   "v = %s.)"),
                 name, flat.first(), flat.second(), equationOf(bx, "u", cx, "v", px),
                 equationOf(by, "u", cy, "v", py), fraction(place.u), fraction(place.v)));
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
  placeStep(w,
            say(pick(t, _("Temena prvog trougla prema drugom trouglu, gde je %s:"),
                     _("Temena drugog trougla prema prvom trouglu, gde je %s:")),
                frameOf(o)),
            o, nameOf(t, 0), t.p[0]);
  for (int k = 0; k < 3; ++k) {
    const Place place = placeIn(t.p[k], o);
    const bool inside = place.where != Place::Outside;
    w.out.more(placeLine(nameOf(t, k), place, inside ? w.named(t.p[k]) : ""));
    if (inside) addDistinct(found, t.p[k]);
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

// The system for s and t of two crossing segments, with its solution, the
// first time: s(p2 - p1) - t(q2 - q1) = q1 - p1 in the two coordinates kept.
void tellCrossing(Writer& out, const std::string& one, const std::string& two, const Vec& p1,
                  const Vec& p2, const Vec& q1, const Vec& q2, const Flat& flat, const Meeting& m) {
  const auto [rx, ry] = flat(p2 - p1);
  const auto [ax, ay] = flat(q1 - q2);
  const auto [gx, gy] = flat(q1 - p1);
  out.more(say(_("(Za %s i %s, po koordinatama %s i %s, s i t resavaju sistem %s; %s, pa je "
                 "s = %s, t = %s.)"),
               one, two, flat.first(), flat.second(), equationOf(rx, "s", ax, "t", gx),
               equationOf(ry, "s", ay, "t", gy), fraction(m.s), fraction(m.t)));
}

// Step: what the points found make: nothing, a point, a segment or a
// polygon, whose corners are then listed around it.
std::vector<Vec> commonPart(Pass& w, const std::vector<Vec>& found, const Flat& flat) {
  std::vector<Vec> answer = outline(found, flat);
  const Names& names = w.names;
  if (answer.empty()) {
    w.out.step(_("Nema nijedne zajednicke tacke: trouglovi se ne seku."));
  } else if (answer.size() == 1) {
    w.out.step(say(_("Jedina zajednicka tacka je %s."), names.of(answer[0])));
  } else if (answer.size() == 2) {
    w.out.step(say(_("Zajednicke tacke leze na jednoj pravoj: presek je duz %s."),
                   segmentLetters(names, answer[0], answer[1])));
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
    const char* const kinds[4] = {_("Presek je trougao; temena redom po obodu: %s."),
                                  _("Presek je cetvorougao; temena redom po obodu: %s."),
                                  _("Presek je petougao; temena redom po obodu: %s."),
                                  _("Presek je sestougao; temena redom po obodu: %s.")};
    w.out.step(say(kinds[std::min<std::size_t>(answer.size(), 6) - 3], around));
    w.out.more(
        _("(Svako teme zajednickog dela je teme jednog trougla koje lezi u drugom ili tacka u "
          "kojoj se seku ivice oba trougla, pa su gore nadjena sva njegova temena.)"));
    // The same cycle either way round: M N P ... or M ... P N.
    const std::string reversed =
        letters.empty() ? letters : letters[0] + std::string(letters.rbegin(), letters.rend() - 1);
    std::string found = names.letters.substr(0, std::min(names.letters.size(), answer.size()));
    if (letters != found && reversed != found) {
      w.out.more(_("(Izvestaj ih navodi redom kojim ih je nasao, a resenje redom po obodu.)"));
    }
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
  Writer told;  // the system for the first crossing, written before the lines
  for (const auto& e1 : kEdges) {
    for (const auto& e2 : kEdges) {
      const Vec &p1 = t1.p[e1[0]], &p2 = t1.p[e1[1]], &q1 = t2.p[e2[0]], &q2 = t2.p[e2[1]];
      const Meeting m = meet(p1, p2, q1, q2, flat);
      const std::string one = edgeName(t1, e1[0], e1[1]), two = edgeName(t2, e2[0], e2[1]);
      if (m.kind == Meeting::Crossing) {
        // A crossing at a corner is that corner, found above.
        const Vec at = p1 + m.s * (p2 - p1);
        addDistinct(found, at);
        if (m.s > 0 && m.s < 1 && m.t > 0 && m.t < 1) {
          if (!w.crossingTold) {
            w.crossingTold = true;
            tellCrossing(told, one, two, p1, p2, q1, q2, flat, m);
          }
          lines.push_back(say(_("%s i %s: s = %s, t = %s: %s."), one, two, fraction(m.s),
                              fraction(m.t), w.named(at)));
        }
      } else if (m.kind == Meeting::Overlap && m.lo < m.hi) {
        overlaps.push_back(say(_("%s i %s leze na istoj pravoj i preklapaju se; krajevi "
                                 "preklapanja su temena nadjena gore."),
                               one, two));
      }
    }
  }
  if (lines.empty()) {
    w.out.step(_("Nijedna ivica prvog trougla ne sece ivicu drugog van temena."));
  } else {
    w.out.step(
        _("Ivice koje se seku van temena: ivica p1p2 prvog i ivica q1q2 drugog trougla se seku "
          "u tacki p1 + s(p2 - p1) = q1 + t(q2 - q1) za 0 < s < 1 i 0 < t < 1."));
  }
  for (const std::string& line : told.lines) w.out.lines.push_back(line);
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

  // "U1U2", or "U1" for a point.
  std::string name() const { return names.size() == 2 ? names[0] + names[1] : names[0]; }
};

// Step: the corners of t in the equation of the other plane, what their signs say,
// and the points where t meets that plane (letter "U" or "V").
Cut cutStep(Pass& w, const Figure& t, const Equation& e, const char* letter) {
  Rational v[3];
  std::vector<int> zero, plus, minus;
  for (int k = 0; k < 3; ++k) {
    v[k] = e.at(t.p[k]);
    (v[k] == 0 ? zero : (v[k] > 0 ? plus : minus)).push_back(k);
  }
  const std::string values = nameOf(t, 0) + ": " + number(v[0]) + ", " + nameOf(t, 1) + ": " +
                             number(v[1]) + ", " + nameOf(t, 2) + ": " + number(v[2]);
  w.out.step(say(pick(t,
                      _("Vrednosti leve strane jednacine ravni drugog trougla u temenima prvog "
                        "trougla: %s."),
                      _("Vrednosti leve strane jednacine ravni prvog trougla u temenima drugog "
                        "trougla: %s.")),
                 values));
  Cut cut;
  if (zero.size() == 3) {
    w.out.more(pick(t,
                    _("Sve tri vrednosti su 0: prvi trougao lezi u ravni drugog trougla, pa su "
                      "trouglovi u istoj ravni."),
                    _("Sve tri vrednosti su 0: drugi trougao lezi u ravni prvog trougla, pa su "
                      "trouglovi u istoj ravni.")));
    cut.contact = Cut::InPlane;
    return cut;
  }
  if (plus.size() == 3 || minus.size() == 3) {
    w.out.more(plus.size() == 3 ? _("Sve tri vrednosti su pozitivne: temena su sa iste strane "
                                    "ravni, pa se trouglovi ne seku.")
                                : _("Sve tri vrednosti su negativne: temena su sa iste strane "
                                    "ravni, pa se trouglovi ne seku."));
    return cut;
  }
  cut.contact = Cut::Across;
  std::vector<int> corners = zero;  // corners in the plane
  std::vector<std::pair<int, int>> edges;
  auto edge = [](int i, int j) { return std::make_pair(std::min(i, j), std::max(i, j)); };
  if (zero.size() == 2) {
    const int k = plus.empty() ? minus[0] : plus[0];
    w.out.more(say(_("%s i %s leze u ravni, a %s ne: ivica %s lezi u toj ravni."),
                   nameOf(t, zero[0]), nameOf(t, zero[1]), nameOf(t, k),
                   edgeName(t, zero[0], zero[1])));
  } else if (zero.size() == 1) {
    const int k = zero[0], i = k == 0 ? 1 : 0, j = 3 - k - i;
    if (plus.size() == 2 || minus.size() == 2) {
      w.out.more(say(pick(t,
                          _("Samo %s lezi u ravni, a %s i %s su sa iste strane: prvi trougao "
                            "dodiruje tu ravan samo temenom %s."),
                          _("Samo %s lezi u ravni, a %s i %s su sa iste strane: drugi trougao "
                            "dodiruje tu ravan samo temenom %s.")),
                     nameOf(t, k), nameOf(t, i), nameOf(t, j), nameOf(t, k)));
    } else {
      w.out.more(say(_("%s lezi u ravni, a %s i %s su sa razlicitih strana: ravan prolazi kroz "
                       "%s i sece ivicu %s."),
                     nameOf(t, k), nameOf(t, i), nameOf(t, j), nameOf(t, k), edgeName(t, i, j)));
      edges.push_back(edge(i, j));
    }
  } else {
    const int lone = plus.size() == 1 ? plus[0] : minus[0];
    const std::vector<int>& others = plus.size() == 1 ? minus : plus;
    edges = {edge(lone, others[0]), edge(lone, others[1])};
    w.out.more(say(_("%s je sa jedne strane ravni, a %s i %s sa druge: ravan sece ivice %s i %s."),
                   nameOf(t, lone), nameOf(t, others[0]), nameOf(t, others[1]),
                   edgeName(t, edges[0].first, edges[0].second),
                   edgeName(t, edges[1].first, edges[1].second)));
  }
  std::string inPlane;
  for (const int k : corners) {
    cut.names.push_back(letter + std::to_string(cut.points.size() + 1));
    cut.points.push_back(t.p[k]);
    inPlane += (inPlane.empty() ? "" : ", ") + cut.names.back() + " = " + nameOf(t, k) + " = " +
               pointWithDecimals(t.p[k]);
  }
  if (!inPlane.empty()) w.out.more(inPlane + ".");
  if (!edges.empty()) w.tellZero();
  for (const auto& [i, j] : edges) {
    const Rational at = v[i] / (v[i] - v[j]);
    cut.names.push_back(letter + std::to_string(cut.points.size() + 1));
    cut.points.push_back(t.p[i] + at * (t.p[j] - t.p[i]));
    w.out.more(say(_("Ivica %s: %s,"), edgeName(t, i, j), zeroAt(v[i], v[j])));
    w.out.more(cut.names.back() + " = " + nameOf(t, i) + " + t(" + nameOf(t, j) + " - " +
               nameOf(t, i) + ") = " + pointWithDecimals(cut.points.back()) + ".");
  }
  return cut;
}

// Where a triangle lies on the line, as one sentence: from lo to hi, or only
// at one point.
std::string onTheLine(int triangle, const Rational& lo, const Rational& hi) {
  if (lo == hi) {
    return say(triangle == 1 ? _("Prvi trougao je na pravoj samo u tacki s = %s.")
                             : _("Drugi trougao je na pravoj samo u tacki s = %s."),
               number(lo));
  }
  return say(triangle == 1 ? _("Prvi trougao je na pravoj od s = %s do s = %s.")
                           : _("Drugi trougao je na pravoj od s = %s do s = %s."),
             number(lo), number(hi));
}

// Step: both cuts lie on the line where the planes meet; their positions
// along it, and what they share. Positions are measured so that the first
// triangle's part runs from 0 to 1 (the second's, when the first's is a
// point), with the direction reduced to its smallest whole numbers.
std::vector<Vec> alongTheLine(Pass& w, const Equation& e1, const Equation& e2, const Cut& one,
                              const Cut& two) {
  const Vec product = cross(e1.normal(), e2.normal());
  Integer common = 0;
  for (const Rational& k : {product.x, product.y, product.z}) {
    common = gcd(common, Integer(abs(numerator(k))));
  }
  const Vec d = Rational(1, common) * product;
  w.out.step(say(_("Presek prvog trougla sa ravni drugog je %s, a presek drugog trougla sa ravni "
                   "prvog je %s; oba leze na pravoj po kojoj se ravni seku."),
                 one.name(), two.name()));
  w.out.more(
      _("Pravac te prave je d, vektorski proizvod normala iz jednacina, podeljen najvecim "
        "zajednickim deliocem svojih koordinata:"));
  std::string direction = pointText(e1.normal()) + " x " + pointText(e2.normal());
  if (common != 1) direction = "(" + direction + ") / " + common.str();
  w.out.more("d = " + direction + " = " + pointText(d) + ".");
  // The part that runs from 0 to 1: the first cut's, or the second's when the
  // first is a point.
  const Cut& unit = one.points.size() == 2 ? one : two;
  const Vec& origin = unit.points[0];
  const bool apart = unit.points.size() == 2;
  const Rational length = apart ? dot(d, unit.points[1] - origin) : dot(d, d);
  const std::string formula =
      "[d . (p - " + unit.names[0] + ")] / [d . " +
      (apart ? "(" + unit.names[1] + " - " + unit.names[0] + ")" : std::string("d")) + "]";
  auto position = [&](const Vec& p) { return Rational(dot(d, p - origin) / length); };
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
  if (!apart) {
    w.out.more(say(_("Polozaj tacke p na pravoj je s = %s:"), formula));
  } else if (&unit == &one) {
    w.out.more(say(_("Polozaj tacke p na pravoj je s = %s, pa deo prvog trougla ide od s = 0 do "
                     "s = 1:"),
                   formula));
  } else {
    w.out.more(say(_("Polozaj tacke p na pravoj je s = %s, pa deo drugog trougla ide od s = 0 do "
                     "s = 1:"),
                   formula));
  }
  w.out.more(positions + ".");
  w.out.more(say(_("(Tacka prave je p = %s + k d, pa je d . (p - %s) = k (d . d): s raste "
                   "ravnomerno sa k, kao polozaj na pravoj.)"),
                 unit.names[0], unit.names[0]));
  w.out.more(onTheLine(1, lo[0], hi[0]));
  w.out.more(onTheLine(2, lo[1], hi[1]));
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
    w.out.more(_("Ti delovi prave se ne preklapaju, pa trouglovi nemaju zajednickih tacaka."));
    return {};
  }
  if (from == to) {
    const std::string name = at(from, first);
    w.out.more(say(_("Zajednicka im je samo tacka s = %s: presek trouglova je tacka %s."),
                   number(from), name));
    return {first};
  }
  const std::string start = at(from, first), end = at(to, last);
  w.out.more(say(_("Zajednicko im je od s = %s do s = %s: presek trouglova je duz od %s do %s."),
                 number(from), number(to), start, end));
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
    w.out.step(say(pick(f,
                        _("Prvi trougao: sva tri temena su ista tacka %s, pa ga uzimamo kao "
                          "tacku %s."),
                        _("Drugi trougao: sva tri temena su ista tacka %s, pa ga uzimamo kao "
                          "tacku %s.")),
                   pointText(f.p[0]), a));
    return;
  }
  const std::string product = "(" + b + " - " + a + ") x (" + c + " - " + a + ") = (0, 0, 0)";
  w.out.step(say(pick(f, _("Prvi trougao: %s, pa mu temena leze na jednoj pravoj."),
                      _("Drugi trougao: %s, pa mu temena leze na jednoj pravoj.")),
                 product));
  for (const auto& e : kEdges) {
    if (f.p[e[0]] == f.p[e[1]]) {
      w.out.more(say(_("Temena %s i %s su ista tacka."), nameOf(f, e[0]), nameOf(f, e[1])));
    }
  }
  w.out.more(say(_("Uzimamo ga kao duz %s izmedju dva najudaljenija temena."), figureName(f)));
}

// Step: a point called `name` of t's plane against triangle t.
std::vector<Vec> pointInTriangleStep(Pass& w, const std::string& name, const Vec& p,
                                     const Figure& t) {
  const Place place = placeIn(p, t);
  placeStep(w,
            say(pick(t, _("Tacka %s prema prvom trouglu, gde je %s:"),
                     _("Tacka %s prema drugom trouglu, gde je %s:")),
                name, frameOf(t)),
            t, name, p);
  const bool inside = place.where != Place::Outside;
  w.out.more(placeLine(name, place, inside ? w.named(p) : "", true));
  if (!inside) return {};
  return {p};
}

std::vector<Vec> pointAgainstTriangle(Pass& w, const Figure& s, const Figure& t,
                                      const Equation& e) {
  const Rational value = e.at(s.p[0]);
  if (value != 0) {
    w.out.step(say(pick(t,
                        _("Vrednost leve strane jednacine ravni prvog trougla u tacki %s je %s, "
                          "nije 0: tacka nije u toj ravni, pa nema zajednickih tacaka."),
                        _("Vrednost leve strane jednacine ravni drugog trougla u tacki %s je %s, "
                          "nije 0: tacka nije u toj ravni, pa nema zajednickih tacaka.")),
                   nameOf(s, 0), number(value)));
    return {};
  }
  w.out.step(say(pick(t,
                      _("Vrednost leve strane jednacine ravni prvog trougla u tacki %s je 0, pa "
                        "tacka lezi u toj ravni."),
                      _("Vrednost leve strane jednacine ravni drugog trougla u tacki %s je 0, pa "
                        "tacka lezi u toj ravni.")),
                 nameOf(s, 0)));
  return pointInTriangleStep(w, nameOf(s, 0), s.p[0], t);
}

// A segment s in the plane of triangle t: its ends in t, its crossings with
// t's edges, then the stretch they bound.
std::vector<Vec> segmentInPlane(Pass& w, const Figure& s, const Figure& t) {
  const Flat flat = flatFor(normalOf(t));
  const int i = s.ends[0], j = s.ends[1];
  const Vec &p1 = s.p[i], &p2 = s.p[j];
  std::vector<Vec> found;
  placeStep(w,
            say(pick(t, _("Krajevi duzi %s prema prvom trouglu, gde je %s:"),
                     _("Krajevi duzi %s prema drugom trouglu, gde je %s:")),
                figureName(s), frameOf(t)),
            t, nameOf(s, i), p1);
  for (const int k : {i, j}) {
    const Place place = placeIn(s.p[k], t);
    const bool inside = place.where != Place::Outside;
    w.out.more(placeLine(nameOf(s, k), place, inside ? w.named(s.p[k]) : ""));
    if (inside) addDistinct(found, s.p[k]);
  }
  std::vector<std::string> lines;
  Writer told;
  for (const auto& e : kEdges) {
    const Meeting m = meet(p1, p2, t.p[e[0]], t.p[e[1]], flat);
    const std::string edge = edgeName(t, e[0], e[1]);
    if (m.kind == Meeting::Crossing) {
      const Vec point = p1 + m.s * (p2 - p1);
      addDistinct(found, point);
      if (m.s > 0 && m.s < 1) {
        if (!w.crossingTold) {
          w.crossingTold = true;
          tellCrossing(told, figureName(s), edge, p1, p2, t.p[e[0]], t.p[e[1]], flat, m);
        }
        lines.push_back(say(_("%s i %s: s = %s, t = %s: %s."), figureName(s), edge, fraction(m.s),
                            fraction(m.t), w.named(point)));
      }
    } else if (m.kind == Meeting::Overlap) {
      addDistinct(found, p1 + m.lo * (p2 - p1));
      addDistinct(found, p1 + m.hi * (p2 - p1));
      if (m.lo == m.hi) {
        lines.push_back(say(_("%s i %s leze na istoj pravoj; zajednicka im je samo tacka s = %s."),
                            figureName(s), edge, number(m.lo)));
      } else {
        lines.push_back(
            say(_("%s i %s leze na istoj pravoj; zajednicko im je od s = %s do s = %s."),
                figureName(s), edge, number(m.lo), number(m.hi)));
      }
    }
  }
  const std::string a = nameOf(s, i), b = nameOf(s, j);
  if (lines.empty()) {
    w.out.step(say(pick(t, _("Duz %s ne sece nijednu ivicu prvog trougla izmedju svojih krajeva."),
                        _("Duz %s ne sece nijednu ivicu drugog trougla izmedju svojih krajeva.")),
                   figureName(s)));
  } else {
    const std::string meeting = a + " + s(" + b + " - " + a + ") = q1 + t(q2 - q1)";
    w.out.step(say(pick(t,
                        _("Duz %s i ivica q1q2 prvog trougla seku se u tacki %s za 0 < s < 1 i "
                          "0 <= t <= 1:"),
                        _("Duz %s i ivica q1q2 drugog trougla seku se u tacki %s za 0 < s < 1 i "
                          "0 <= t <= 1:")),
                   figureName(s), meeting));
    for (const std::string& line : told.lines) w.out.lines.push_back(line);
    for (const std::string& line : lines) w.out.more(line);
  }
  // The found points lie on the segment: the answer is the two farthest.
  const Vec r = p2 - p1;
  std::sort(found.begin(), found.end(),
            [&](const Vec& x, const Vec& y) { return dot(x - p1, r) < dot(y - p1, r); });
  if (found.size() > 2) found = {found.front(), found.back()};
  if (found.empty()) {
    w.out.step(_("Nijedna tacka duzi nije u trouglu: nemaju zajednickih tacaka."));
  } else if (found.size() == 1) {
    w.out.step(say(_("Zajednicka je samo tacka %s."), w.names.of(found[0])));
  } else {
    w.out.step(say(_("Presek je duz %s."), segmentLetters(w.names, found[0], found[1])));
  }
  return found;
}

std::vector<Vec> segmentAgainstTriangle(Pass& w, const Figure& s, const Figure& t,
                                        const Equation& e) {
  const int i = s.ends[0], j = s.ends[1];
  const Rational vi = e.at(s.p[i]), vj = e.at(s.p[j]);
  const std::string a = nameOf(s, i), b = nameOf(s, j);
  w.out.step(say(pick(t,
                      _("Vrednosti leve strane jednacine ravni prvog trougla u krajevima duzi %s: "
                        "%s."),
                      _("Vrednosti leve strane jednacine ravni drugog trougla u krajevima duzi "
                        "%s: %s.")),
                 figureName(s), a + ": " + number(vi) + ", " + b + ": " + number(vj)));
  if (vi == 0 && vj == 0) {
    w.out.more(_("Oba kraja leze u ravni, pa i cela duz."));
    return segmentInPlane(w, s, t);
  }
  if (vi * vj > 0) {
    w.out.more(
        _("Oba kraja su sa iste strane ravni: duz ne dodiruje tu ravan, pa nema zajednickih "
          "tacaka."));
    return {};
  }
  if (vi == 0 || vj == 0) {
    const std::string in = vi == 0 ? a : b;
    w.out.more(say(_("Kraj %s lezi u ravni, a drugi ne: to je jedina tacka duzi u ravni."), in));
    return pointInTriangleStep(w, in, vi == 0 ? s.p[i] : s.p[j], t);
  }
  const Rational at = vi / (vi - vj);
  const Vec crossing = s.p[i] + at * (s.p[j] - s.p[i]);
  w.out.more(_("Krajevi su sa razlicitih strana, pa duz probija ravan u tacki X:"));
  w.tellZero();
  w.out.more(zeroAt(vi, vj) + ", X = " + a + " + t(" + b + " - " + a +
             ") = " + pointWithDecimals(crossing) + ".");
  return pointInTriangleStep(w, "X", crossing, t);
}

std::vector<Vec> segmentAgainstSegment(Pass& w, const Figure& s, const Figure& o) {
  const Vec &p1 = s.p[s.ends[0]], &p2 = s.p[s.ends[1]];
  const Vec &q1 = o.p[o.ends[0]], &q2 = o.p[o.ends[1]];
  const std::string a = nameOf(s, s.ends[0]), b = nameOf(s, s.ends[1]);
  const std::string c = nameOf(o, o.ends[0]), d = nameOf(o, o.ends[1]);
  const std::string one = figureName(s), two = figureName(o);
  const Vec r = p2 - p1, along = q2 - q1, gap = q1 - p1, normal = cross(r, along);
  if (isZero(normal)) {
    if (!isZero(cross(gap, r))) {
      w.out.step(say(_("Duzi %s i %s su paralelne, a ne leze na istoj pravoj: nemaju zajednickih "
                       "tacaka."),
                     one, two));
      return {};
    }
    const Rational rr = dot(r, r);
    const Rational sc = dot(gap, r) / rr, sd = dot(q2 - p1, r) / rr;
    w.out.step(say(_("Duzi %s i %s leze na istoj pravoj; polozaji na njoj, gde je p = %s:"), one,
                   two, a + " + s(" + b + " - " + a + ")"));
    w.out.more(a + ": 0, " + b + ": 1, " + c + ": " + number(sc) + ", " + d + ": " + number(sd) +
               ".");
    const Rational lo = std::max(Rational(0), std::min(sc, sd));
    const Rational hi = std::min(Rational(1), std::max(sc, sd));
    if (lo > hi) {
      w.out.more(_("Ne preklapaju se: nemaju zajednickih tacaka."));
      return {};
    }
    const Vec from = p1 + lo * r, to = p1 + hi * r;
    if (lo == hi) {
      w.out.more(say(_("Zajednicka im je samo tacka s = %s: %s."), number(lo), w.named(from)));
      return {from};
    }
    w.out.more(say(_("Zajednicko im je od s = %s do s = %s: duz %s."), number(lo), number(hi),
                   segmentLetters(w.names, from, to)));
    return {from, to};
  }
  const Rational mixed = dot(gap, normal);
  const std::string volume =
      "(" + c + " - " + a + ") . [(" + b + " - " + a + ") x (" + d + " - " + c + ")]";
  if (mixed != 0) {
    w.out.step(say(_("Prave duzi %s i %s su mimoilazne: %s = %s, a to nije 0, pa nemaju "
                     "zajednickih tacaka."),
                   one, two, volume, number(mixed)));
    return {};
  }
  const Rational nn = dot(normal, normal);
  const Rational sp = dot(cross(gap, along), normal) / nn, tp = dot(cross(gap, r), normal) / nn;
  w.out.step(say(_("Prave duzi %s i %s leze u jednoj ravni, jer je %s = 0, i nisu paralelne, pa "
                   "se seku."),
                 one, two, volume));
  w.out.more(say(_("Tacka %s = %s je na obema pravim za s = %s, t = %s."),
                 a + " + s(" + b + " - " + a + ")", c + " + t(" + d + " - " + c + ")", number(sp),
                 number(tp)));
  if (sp < 0 || sp > 1) {
    w.out.more(
        _("Broj s nije izmedju 0 i 1: ta tacka nije na obema duzima, pa nemaju "
          "zajednickih tacaka."));
    return {};
  }
  if (tp < 0 || tp > 1) {
    w.out.more(
        _("Broj t nije izmedju 0 i 1: ta tacka nije na obema duzima, pa nemaju "
          "zajednickih tacaka."));
    return {};
  }
  const Vec point = p1 + sp * r;
  w.out.more(say(_("Brojevi s i t su izmedju 0 i 1: presek je tacka %s."), w.named(point)));
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
    w.out.step(say(_("Tacka %s prema duzi %s: %s nije nula, pa tacka nije na pravoj te duzi i "
                     "nema zajednickih tacaka."),
                   a, figureName(o), product));
    return {};
  }
  const Rational sp = dot(p - q1, r) / dot(r, r);
  w.out.step(say(_("Tacka %s lezi na pravoj duzi %s, jer je %s."), a, figureName(o), product));
  w.out.more(say(_("%s = %s za s = %s."), a, c + " + s(" + d + " - " + c + ")", number(sp)));
  if (sp < 0 || sp > 1) {
    w.out.more(_("Broj s nije izmedju 0 i 1: tacka je van duzi, pa nema zajednickih tacaka."));
    return {};
  }
  w.out.more(say(_("Broj s je izmedju 0 i 1: presek je tacka %s."), w.named(p)));
  return {p};
}

std::vector<Vec> pointAgainstPoint(Pass& w, const Figure& s, const Figure& o) {
  if (s.p[0] == o.p[0]) {
    w.out.step(say(_("Tacke %s i %s su ista tacka: presek je %s."), nameOf(s, 0), nameOf(o, 0),
                   w.named(s.p[0])));
    return {s.p[0]};
  }
  w.out.step(
      say(_("Tacke %s i %s su razlicite: nemaju zajednickih tacaka."), nameOf(s, 0), nameOf(o, 0)));
  return {};
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
  if (placeIn(p - (height / nn) * n, f).where != Place::Outside) return height * height / nn;
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
    const Cut cut1 = cutStep(w, one, e2, "U");
    if (cut1.contact == Cut::Apart) return {};
    if (cut1.contact == Cut::InPlane) return inOnePlane(w, one, two);
    const Cut cut2 = cutStep(w, two, e1, "V");
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
