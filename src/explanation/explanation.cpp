// The worked solution as a whole: the triangles as typed, the steps, where
// the report differs from the exact answer, and the answer's lines.
#include "explanation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "exact.h"
#include "input.h"
#include "messages.h"
#include "steps.h"

namespace {

using exact::Rational;
using exact::Vec;

// The report's letters, and after them the letters of exact corners that
// the report does not have.
constexpr char kLetters[] = "MNPQRSTUVWXY";

constexpr const char* kCornerNames[6] = {"a1", "b1", "c1", "a2", "b2", "c2"};

using Approximate = std::array<double, 3>;

Approximate approximate(const Vec& p) {
  return {p.x.convert_to<double>(), p.y.convert_to<double>(), p.z.convert_to<double>()};
}

double distance(const Approximate& a, const Approximate& b) {
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

bool close(const Approximate& a, const Approximate& b, double tolerance) {
  for (std::size_t k = 0; k < 3; ++k) {
    if (!(std::fabs(a[k] - b[k]) <= tolerance)) return false;
  }
  return true;
}

// Which report corner is which exact corner: the nearest pairs first, each
// corner in one pair at most, pairs only within the tolerance.
struct Matching {
  std::vector<int> exactOf;   // for each report corner, its exact corner or -1
  std::vector<int> reportOf;  // for each exact corner, its report corner or -1
};

Matching match(const std::vector<Approximate>& report, const std::vector<Approximate>& truth,
               double tolerance) {
  Matching m{std::vector<int>(report.size(), -1), std::vector<int>(truth.size(), -1)};
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (std::size_t i = 0; i < report.size(); ++i) {
    for (std::size_t j = 0; j < truth.size(); ++j) {
      if (close(report[i], truth[j], tolerance)) pairs.emplace_back(i, j);
    }
  }
  std::stable_sort(pairs.begin(), pairs.end(), [&](const auto& a, const auto& b) {
    return distance(report[a.first], truth[a.second]) < distance(report[b.first], truth[b.second]);
  });
  for (const auto& [i, j] : pairs) {
    if (m.exactOf[i] >= 0 || m.reportOf[j] >= 0) continue;
    m.exactOf[i] = static_cast<int>(j);
    m.reportOf[j] = static_cast<int>(i);
  }
  return m;
}

// The point as the report prints it, shortened: "(3.666667, 1, 0)".
std::string reportPoint(const Point& p) {
  return "(" + exact::decimal(exact::ofDouble(p.x)) + ", " + exact::decimal(exact::ofDouble(p.y)) +
         ", " + exact::decimal(exact::ofDouble(p.z)) + ")";
}

// A sentence broken into lines of at most about `width` characters, the
// later ones indented.
std::vector<std::string> wrapped(const std::string& text, std::size_t width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(at, end - at);
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line = "   " + word;
    } else {
      line += (line.empty() ? "" : " ") + word;
    }
    at = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// "M, N, P": letters in a list.
std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// A coordinate as the report prints it (%f), "-0.000000" as "0.000000".
std::string printedDigits(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", value);
  const std::string digits = text;
  return digits.find_first_of("123456789") == std::string::npos && digits[0] == '-'
             ? digits.substr(1)
             : digits;
}

// An exact coordinate rounded to six decimals, as %f would print it.
std::string sixDecimals(const Rational& q) {
  const Rational scaled = abs(q) * 1000000;
  const exact::Integer rounded =
      (numerator(scaled) * 2 + denominator(scaled)) / (2 * denominator(scaled));
  std::string digits = rounded.str();
  if (digits.size() < 7) digits.insert(0, 7 - digits.size(), '0');
  digits.insert(digits.size() - 6, ".");
  return (q < 0 && rounded != 0 ? "-" : "") + digits;
}

// Everything the notes compare: the exact corners with their letters, the
// report's points, and which is which.
struct Comparison {
  const std::vector<Vec>& answer;
  const std::string& letterOf;
  const std::vector<Approximate>& truth;
  const Intersection& reported;
  const std::vector<Approximate>& printed;
  const Matching& m;
};

// The report's point nearest an exact corner, or the exact corner nearest a
// report point, if one lies within the tolerance; -1 if none.
int nearestWithin(const Approximate& p, const std::vector<Approximate>& others, double within) {
  int nearest = -1;
  for (std::size_t k = 0; k < others.size(); ++k) {
    if (!close(p, others[k], within)) continue;
    if (nearest < 0 ||
        distance(p, others[k]) < distance(p, others[static_cast<std::size_t>(nearest)])) {
      nearest = static_cast<int>(k);
    }
  }
  return nearest;
}

// The sentences saying where the report and the exact answer differ: exact
// corners that the report gives as one point, report points that stand for
// one exact corner, exact corners the report has no point for, and report
// points that are not exact corners, each with its distance.
std::string differenceNote(const Comparison& c, const std::array<Vec, 6>& typed,
                           const std::array<steps::Figure, 2>& figures, double tolerance) {
  using steps::say;
  std::string text =
      say(_("Napomena: izvestaj se ovde razlikuje od tacnog racuna, jer program odlucuje u okviru "
            "tolerancije %s."),
          exact::approximately(tolerance));
  auto add = [&text](const std::string& sentence) { text += " " + sentence; };
  const std::size_t exacts = c.answer.size(), points = c.printed.size();
  // Exact corners within the program's tolerance of a report point that has
  // its own exact corner: they are that one point of the report.
  std::vector<std::vector<std::size_t>> mergedInto(points);
  std::vector<std::vector<std::size_t>> standingFor(exacts);
  for (std::size_t j = 0; j < exacts; ++j) {
    if (c.m.reportOf[j] >= 0) continue;
    const int i = nearestWithin(c.truth[j], c.printed, tolerance);
    if (i >= 0) {
      mergedInto[static_cast<std::size_t>(i)].push_back(j);
      continue;
    }
    if (points == 0) {
      add(say(_("Tacno racunato, %s je zajednicka tacka, a izvestaj je nema."),
              c.letterOf.substr(j, 1) + " = " + exact::pointText(c.answer[j])));
      continue;
    }
    std::size_t nearest = 0;
    for (std::size_t k = 1; k < points; ++k) {
      if (distance(c.truth[j], c.printed[k]) < distance(c.truth[j], c.printed[nearest]))
        nearest = k;
    }
    add(say(_("Tacno teme %s nema para u izvestaju; najbliza mu je tacka %s, na rastojanju %s."),
            c.letterOf.substr(j, 1) + " = " + exact::pointText(c.answer[j]),
            std::string(1, kLetters[nearest]),
            exact::approximately(distance(c.truth[j], c.printed[nearest]))));
  }
  for (std::size_t i = 0; i < points; ++i) {
    if (mergedInto[i].empty()) continue;
    std::vector<std::string> names;
    std::vector<std::size_t> group = mergedInto[i];
    if (c.m.exactOf[i] >= 0) group.insert(group.begin(), static_cast<std::size_t>(c.m.exactOf[i]));
    double farthest = 0.0;
    for (const std::size_t j : group) {
      names.push_back(c.letterOf.substr(j, 1));
      for (const std::size_t k : group)
        farthest = std::max(farthest, distance(c.truth[j], c.truth[k]));
    }
    std::sort(names.begin(), names.end());
    add(say(_("Tacna temena %s su medjusobno na rastojanju najvise %s, pa ih izvestaj daje kao "
              "jednu tacku %s."),
            listed(names), exact::approximately(farthest), std::string(1, kLetters[i])));
  }
  // Report points within the tolerance of an exact corner that has its own
  // report point, and report points near no exact corner.
  std::vector<std::size_t> blamed;
  for (std::size_t i = 0; i < points; ++i) {
    if (c.m.exactOf[i] >= 0) continue;
    const int j = nearestWithin(c.printed[i], c.truth, tolerance);
    if (j >= 0) {
      standingFor[static_cast<std::size_t>(j)].push_back(i);
    } else {
      blamed.push_back(i);
    }
  }
  for (std::size_t j = 0; j < exacts; ++j) {
    if (standingFor[j].empty()) continue;
    std::vector<std::string> names;
    if (c.m.reportOf[j] >= 0) names.push_back(std::string(1, kLetters[c.m.reportOf[j]]));
    for (const std::size_t i : standingFor[j]) names.push_back(std::string(1, kLetters[i]));
    std::sort(names.begin(), names.end());
    add(say(_("Tacke %s iz izvestaja su blize od tolerancije tacnom temenu %s, pa stoje za tu "
              "jednu tacku."),
            listed(names), c.letterOf.substr(j, 1) + " = " + exact::pointText(c.answer[j])));
  }
  for (const std::size_t i : blamed) {
    const Point& p = c.reported.corners[i];
    const std::string letter(1, kLetters[i]);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
      add(say(_("Tacka %s iz izvestaja nije konacna."), letter));
      continue;
    }
    // A typed corner, as its floats, is that corner exactly.
    Vec at{exact::ofDouble(p.x), exact::ofDouble(p.y), exact::ofDouble(p.z)};
    std::string corner;
    for (std::size_t k = 0; k < typed.size(); ++k) {
      const Approximate t = approximate(typed[k]);
      if (static_cast<float>(t[0]) == p.x && static_cast<float>(t[1]) == p.y &&
          static_cast<float>(t[2]) == p.z) {
        at = typed[k];
        corner = kCornerNames[k];
        break;
      }
    }
    std::string away[2];
    for (int k = 0; k < 2; ++k) {
      const Rational squared = steps::squaredDistance(at, figures[static_cast<std::size_t>(k)]);
      if (squared != 0) away[k] = exact::approximately(std::sqrt(squared.convert_to<double>()));
    }
    const std::string point = reportPoint(p);
    if (away[0].empty() && away[1].empty()) {
      add(say(_("Tacka %s %s iz izvestaja lezi u oba trougla, ali nije teme tacnog preseka."),
              letter, point));
    } else if (away[1].empty()) {
      add(say(_("Tacka %s %s iz izvestaja nije u tacnom preseku: od prvog trougla udaljena je "
                "%s."),
              letter, point, away[0]));
    } else if (away[0].empty()) {
      add(say(_("Tacka %s %s iz izvestaja nije u tacnom preseku: od drugog trougla udaljena je "
                "%s."),
              letter, point, away[1]));
    } else {
      add(say(_("Tacka %s %s iz izvestaja nije u tacnom preseku: od prvog trougla udaljena je "
                "%s, a od drugog %s."),
              letter, point, away[0], away[1]));
    }
    if (!corner.empty()) add(say(_("Tacka %s iz izvestaja je teme %s."), letter, corner));
  }
  return text;
}

// The one sentence for every report point whose printed digits differ from
// its exact corner rounded to six decimals; empty when none does.
std::string digitsNote(const Comparison& c, double tolerance) {
  std::vector<std::string> pairs;
  for (std::size_t i = 0; i < c.printed.size(); ++i) {
    if (c.m.exactOf[i] < 0) continue;
    const Point& p = c.reported.corners[i];
    const Vec& e = c.answer[static_cast<std::size_t>(c.m.exactOf[i])];
    const std::string shown =
        "(" + printedDigits(p.x) + ", " + printedDigits(p.y) + ", " + printedDigits(p.z) + ")";
    const std::string rounded =
        "(" + sixDecimals(e.x) + ", " + sixDecimals(e.y) + ", " + sixDecimals(e.z) + ")";
    if (shown != rounded)
      pairs.push_back(std::string(1, kLetters[i]) + " " + shown + " / " + rounded);
  }
  if (pairs.empty()) return "";
  return steps::say(
      _("Napomena: program racuna sa brojevima jednostruke preciznosti (oko sedam znacajnih "
        "cifara) i odlucuje u okviru tolerancije %s, pa se cifre ovih tacaka izvestaja razlikuju "
        "od tacnih temena zaokruzenih na sest decimala (prvo izvestaj, pa tacno): %s."),
      exact::approximately(tolerance), listed(pairs));
}

// "a1 (-4.7, -2, 2.4), b1 (...), c1 (...)": a triangle's corners as typed.
std::string cornersAsTyped(const ExplanationWords& words, const std::array<Vec, 6>& c, int first) {
  std::string text;
  for (int k = first; k < first + 3; ++k) {
    const Vec& p = c[static_cast<std::size_t>(k)];
    const auto word = [&](int i) { return words[static_cast<std::size_t>(3 * k + i)]; };
    text += std::string(k > first ? ", " : "") + kCornerNames[k] + " (" +
            exact::typedNumber(word(0), p.x) + ", " + exact::typedNumber(word(1), p.y) + ", " +
            exact::typedNumber(word(2), p.z) + ")";
  }
  return text;
}

// The six corners exactly as typed, and the largest coordinate in size;
// nothing when a word is not a number.
std::optional<std::array<Vec, 6>> cornersOfWords(const ExplanationWords& words, double& largest) {
  std::array<Vec, 6> corners;
  Rational* const coordinates[18] = {
      &corners[0].x, &corners[0].y, &corners[0].z, &corners[1].x, &corners[1].y, &corners[1].z,
      &corners[2].x, &corners[2].y, &corners[2].z, &corners[3].x, &corners[3].y, &corners[3].z,
      &corners[4].x, &corners[4].y, &corners[4].z, &corners[5].x, &corners[5].y, &corners[5].z};
  largest = 0.0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::optional<Rational> value = exact::numberOfWord(words[i]);
    if (!value) return std::nullopt;
    *coordinates[i] = *value;
    largest = std::max(largest, std::fabs(value->convert_to<double>()));
  }
  return corners;
}

// The sentences for a triangle that the program, within its tolerance,
// takes for a segment or a point while exactly it is more: the report's
// note says so, and the explanation works with the corners as typed.
std::vector<std::string> shapeNotes(const ExplanationWords& words,
                                    const std::array<steps::Figure, 2>& figures) {
  Point floats[6];
  Wide wide[6];
  for (std::size_t k = 0; k < 6; ++k) {
    float* const f[3] = {&floats[k].x, &floats[k].y, &floats[k].z};
    double* const d[3] = {&wide[k].x, &wide[k].y, &wide[k].z};
    for (std::size_t i = 0; i < 3; ++i) {
      const TypedNumber n = readNumberWord(words[3 * k + i]).number;
      *f[i] = n.nearest;
      *d[i] = n.value;
    }
  }
  const double tolerance =
      toleranceFor({floats[0], floats[1], floats[2], floats[3], floats[4], floats[5]});
  std::vector<std::string> notes;
  for (std::size_t t = 0; t < 2; ++t) {
    const Point* const corners[3] = {&floats[3 * t], &floats[3 * t + 1], &floats[3 * t + 2]};
    const Wide exact[3] = {wide[3 * t], wide[3 * t + 1], wide[3 * t + 2]};
    const int taken = shapeOf(corners, exact, tolerance).corners;
    if (taken >= figures[t].corners) continue;
    // By what the program takes the triangle for (a segment, a point), then which one it is.
    static const char* const kTakenFor[2][2] = {
        {N_("Napomena: program prvi trougao u okviru tolerancije %s uzima kao duz, jer su mu "
            "temena skoro na jednoj pravoj; ovde se racuna tacno, sa temenima kako su zadata, pa "
            "je to pravi trougao."),
         N_("Napomena: program drugi trougao u okviru tolerancije %s uzima kao duz, jer su mu "
            "temena skoro na jednoj pravoj; ovde se racuna tacno, sa temenima kako su zadata, pa "
            "je to pravi trougao.")},
        {N_("Napomena: program prvi trougao u okviru tolerancije %s uzima kao tacku, jer su mu "
            "temena skoro ista tacka; ovde se racuna tacno, sa temenima kako su zadata."),
         N_("Napomena: program drugi trougao u okviru tolerancije %s uzima kao tacku, jer su mu "
            "temena skoro ista tacka; ovde se racuna tacno, sa temenima kako su zadata.")}};
    notes.push_back(
        steps::say(_(kTakenFor[taken == 2 ? 0 : 1][t]), exact::approximately(tolerance)));
  }
  return notes;
}

}  // namespace

ExactAnswer exactAnswer(const ExplanationWords& words) {
  ExactAnswer result;
  double largest = 0.0;
  const std::optional<std::array<Vec, 6>> corners = cornersOfWords(words, largest);
  if (!corners) return result;
  result.complete = true;
  steps::Writer scratch;
  std::vector<PlaneEquation> planes;
  result.corners = steps::workedSteps(*corners, steps::Names{}, scratch, planes);
  return result;
}

Explanation explain(const ExplanationWords& words, const Intersection& reported) {
  Explanation result;
  // 1. The six corners exactly as typed.
  double largest = 0.0;
  const std::optional<std::array<Vec, 6>> typed = cornersOfWords(words, largest);
  if (!typed) {
    result.lines = {_(kIncompleteTask)};
    return result;
  }
  const std::array<Vec, 6>& corners = *typed;
  result.complete = true;

  // 2. The exact answer, from a first pass over the steps.
  steps::Writer scratch;
  std::vector<PlaneEquation> planes;
  const std::vector<Vec> answer = steps::workedSteps(corners, steps::Names{}, scratch, planes);

  // 3. The report's corners against it, within the program's tolerance (or
  //    the six printed decimals, whichever is coarser). A matched corner
  //    takes the report's letter and place; the rest follow.
  const double tolerance = toleranceForSize(largest);
  const double within = std::max(tolerance, kPrintedAccuracy);
  const int count = std::clamp(reported.count, 0, kMaxCorners);
  std::vector<Approximate> printed, truth;
  for (int i = 0; i < count; ++i) {
    const Point& p = reported.corners[static_cast<std::size_t>(i)];
    printed.push_back(
        {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)});
  }
  for (const Vec& p : answer) truth.push_back(approximate(p));
  const Matching m = match(printed, truth, within);
  std::string letterOf(answer.size(), '?');
  std::vector<std::size_t> order;
  for (int i = 0; i < count; ++i) {
    if (m.exactOf[static_cast<std::size_t>(i)] < 0) continue;
    const auto j = static_cast<std::size_t>(m.exactOf[static_cast<std::size_t>(i)]);
    letterOf[j] = kLetters[i];
    order.push_back(j);
  }
  std::size_t nextLetter = static_cast<std::size_t>(count);
  for (std::size_t j = 0; j < answer.size(); ++j) {
    if (m.reportOf[j] >= 0) continue;
    letterOf[j] = kLetters[nextLetter++];
    order.push_back(j);
  }
  steps::Names names;
  for (const std::size_t j : order) {
    names.corners.push_back(answer[j]);
    names.letters += letterOf[j];
  }
  // The answer's own order: a polygon around it from its first letter, a
  // segment from its first letter to its second.
  std::vector<std::size_t> around(answer.size());
  for (std::size_t j = 0; j < around.size(); ++j) around[j] = j;
  if (answer.size() >= 3) {
    std::rotate(around.begin(),
                std::find(around.begin(), around.end(), order.empty() ? 0 : order[0]),
                around.end());
  } else if (answer.size() == 2 && letterOf[1] < letterOf[0]) {
    std::swap(around[0], around[1]);
  }
  for (const std::size_t j : around) {
    result.corners.push_back(exact::pointText(answer[j]));
    result.decimals.push_back(exact::pointDecimals(answer[j]));
    result.rounded.push_back(exact::isRounded(answer[j]));
  }
  for (const std::size_t j : around) result.letters += letterOf[j];
  result.count = static_cast<int>(answer.size());

  // 4. The text: the triangles, the steps, the note, the answer.
  result.lines = {_("Objasnjenje (tacan racun sa razlomcima; u zagradi je decimalna vrednost):"),
                  _("Oznake: x je vektorski proizvod, a . skalarni proizvod vektora."),
                  steps::say(_("Prvi trougao: %s."), cornersAsTyped(words, corners, 0)),
                  steps::say(_("Drugi trougao: %s."), cornersAsTyped(words, corners, 3))};
  const std::array<steps::Figure, 2> figures = {
      steps::figureOf(1, corners[0], corners[1], corners[2]),
      steps::figureOf(2, corners[3], corners[4], corners[5])};
  for (const std::string& note : shapeNotes(words, figures)) {
    for (const std::string& line : wrapped(note, 96)) result.lines.push_back(line);
  }
  steps::Writer out;
  steps::workedSteps(corners, names, out, result.planes);
  result.lines.insert(result.lines.end(), out.lines.begin(), out.lines.end());
  result.differsFromReport = static_cast<int>(answer.size()) != count ||
                             std::count(m.exactOf.begin(), m.exactOf.end(), -1) > 0;
  const Comparison comparison{answer, letterOf, truth, reported, printed, m};
  std::vector<std::string> notes;
  if (result.differsFromReport) {
    notes.push_back(differenceNote(comparison, corners, figures, tolerance));
  }
  notes.push_back(digitsNote(comparison, tolerance));
  for (const std::string& note : notes) {
    for (const std::string& line : wrapped(note, 96)) result.lines.push_back(line);
  }
  result.lines.push_back(_("Resenje:"));
  if (answer.empty()) result.lines.push_back(_("Trouglovi nemaju zajednickih tacaka."));
  for (const std::size_t j : around) {
    result.lines.push_back(letterOf.substr(j, 1) + " = " + exact::pointWithDecimals(answer[j]));
  }
  return result;
}

std::string explanationText(const Explanation& explanation) {
  std::string text = "\n";
  for (const std::string& line : explanation.lines) text += line + "\n";
  return text;
}

ExplanationWords wordsOfFloats(const std::array<Point, 6>& corners) {
  ExplanationWords words;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    words[3 * i] = exact::floatWord(corners[i].x);
    words[3 * i + 1] = exact::floatWord(corners[i].y);
    words[3 * i + 2] = exact::floatWord(corners[i].z);
  }
  return words;
}
