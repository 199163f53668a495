// The worked solution for two triangles in different planes: each against
// the other's plane, then the two cuts along the line where the planes meet.
#include <algorithm>
#include <utility>

#include "method.h"

namespace steps {

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

namespace {

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

}  // namespace

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

}  // namespace steps
