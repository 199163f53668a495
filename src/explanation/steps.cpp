// The numbered steps of the worked solution: the plane of each triangle,
// and two triangles in one plane (corners inside, edge crossings, the
// polygon); the cases in different planes are in along_line.cpp, a point or
// a segment in figures.cpp. Every sentence is whole, from the catalog.
#include "steps.h"

#include <algorithm>
#include <utility>

#include "method.h"

namespace steps {

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

// "MN": the two ends of a segment of the answer, in the order of its letters.
std::string segmentLetters(const Names& names, const Vec& p, const Vec& q) {
  const std::string a = names.of(p), b = names.of(q);
  return a < b ? a + b : b + a;
}
// ---- Planes -----------------------------------------------------------------

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

Flat flatFor(const Vec& n) {
  const Rational ax = abs(n.x), ay = abs(n.y), az = abs(n.z);
  if (ax >= ay && ax >= az) return {0};
  if (ay >= az) return {1};
  return {2};
}

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
                      bool apart) {
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
