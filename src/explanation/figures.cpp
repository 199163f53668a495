// The worked solution where a triangle is a point or a segment: what it is
// taken as, then the smaller figure against the larger.
#include <algorithm>

#include "method.h"

namespace steps {

namespace {

std::string figureName(const Figure& f) {
  if (f.corners == 1) return nameOf(f, 0);
  return edgeName(f, f.ends[0], f.ends[1]);
}

}  // namespace

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

namespace {

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

}  // namespace

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

namespace {

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

}  // namespace

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

}  // namespace steps
