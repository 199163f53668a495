// A student's answer judged exactly against the common part of the two triangles: the kind,
// each corner, what is repeated or missing, and the order around a polygon.
#include <algorithm>

#include "input.h"
#include "measures.h"
#include "messages.h"
#include "tasks.h"

namespace {

using exact::Rational;
using exact::Vec;

// Sentences by the count of the true answer (or of the student's, for the kind).
constexpr const char* kKindRight[7] = {
    N_("Tacno je da trouglovi nemaju zajednickih tacaka."),
    N_("Tacno je da je presek tacka."),
    N_("Tacno je da je presek duz."),
    N_("Tacno je da je presek trougao."),
    N_("Tacno je da je presek cetvorougao."),
    N_("Tacno je da je presek petougao."),
    N_("Tacno je da je presek sestougao."),
};
constexpr const char* kKindWrong[7] = {
    N_("Nije tacno da trouglovi nemaju zajednickih tacaka."),
    N_("Presek nije tacka."),
    N_("Presek nije duz."),
    N_("Presek nije trougao."),
    N_("Presek nije cetvorougao."),
    N_("Presek nije petougao."),
    N_("Presek nije sestougao."),
};
// By the true answer: a point [0], a segment [1], a polygon [2].
constexpr const char* kCornerRight[3] = {
    N_("Tacka %s = %s je tacna: to je zajednicka tacka trouglova."),
    N_("Tacka %s = %s je tacna: to je kraj duzi preseka."),
    N_("Tacka %s = %s je tacna: to je teme preseka."),
};
constexpr const char* kCommonOnly[3] = {
    N_("Tacka %s = %s jeste zajednicka, ali nije zajednicka tacka trouglova."),
    N_("Tacka %s = %s jeste zajednicka, ali nije kraj duzi preseka."),
    N_("Tacka %s = %s jeste zajednicka, ali nije teme preseka."),
};
constexpr const char* kRounded[3] = {
    N_("Tacka %s = %s je samo priblizno zajednicka tacka; napisite je tacno, razlomcima."),
    N_("Tacka %s = %s je samo priblizno kraj duzi preseka; napisite ga tacno, razlomcima."),
    N_("Tacka %s = %s je samo priblizno teme preseka; napisite ga tacno, razlomcima."),
};
constexpr const char* kMissingPoint = N_("Nedostaje zajednicka tacka.");
constexpr const char* kMissingEnds[3] = {"", N_("Nedostaje jedan kraj duzi."),
                                         N_("Nedostaju oba kraja duzi.")};
constexpr const char* kMissingCorners[7] = {
    "",
    N_("Nedostaje jedno teme."),
    N_("Nedostaju dva temena."),
    N_("Nedostaju tri temena."),
    N_("Nedostaju cetiri temena."),
    N_("Nedostaje pet temena."),
    N_("Nedostaje sest temena."),
};

// The decimals of a word written with a point and no exponent ("0.33" has 2), else 0.
int decimalsOf(const std::string& word) {
  const std::size_t point = word.find('.');
  if (point == std::string::npos || word.find_first_of("eE/") != std::string::npos) return 0;
  return static_cast<int>(word.size() - point - 1);
}

// True when the typed coordinate is the true one, or the true one rounded to its decimals.
bool roundsTo(const std::string& word, const Rational& typed, const Rational& truth) {
  if (typed == truth) return true;
  const int decimals = decimalsOf(word);
  if (decimals == 0) return false;
  Rational half{1, 2};
  for (int i = 0; i < decimals; ++i) half /= 10;
  return abs(typed - truth) <= half;
}

// Whether the student's corners go around the polygon: each the next of the one before, all
// in one direction, from any corner.
bool inOrderAround(const std::vector<int>& at, int corners) {
  const std::size_t n = at.size();
  bool forward = true, backward = true;
  for (std::size_t k = 0; k < n; ++k) {
    const int next = at[(k + 1) % n];
    forward = forward && next == (at[k] + 1) % corners;
    backward = backward && next == (at[k] + corners - 1) % corners;
  }
  return forward || backward;
}

}  // namespace

Verdict checkAnswer(const ExplanationWords& task, const StudentAnswer& answer) {
  Verdict verdict;
  // 1. The task's corners, exactly.
  std::array<Vec, 6> t;
  for (std::size_t i = 0; i < 18; ++i) {
    const std::optional<Rational> q = exact::numberOfWord(task[i]);
    if (!q) {
      verdict.lines = {
          _("Zadatak nije potpun (neki broj trouglova nije prihvacen), pa odgovor ne "
            "moze da se proveri.")};
      return verdict;
    }
    (i % 3 == 0 ? t[i / 3].x : i % 3 == 1 ? t[i / 3].y : t[i / 3].z) = *q;
  }

  // 2. The student's corners, each coordinate read as the console reads it.
  const std::size_t given = std::min<std::size_t>(answer.corners.size(), 6);
  std::vector<Vec> points(given);
  bool refused = false;
  for (std::size_t k = 0; k < given; ++k) {
    for (std::size_t axis = 0; axis < 3; ++axis) {
      const std::string& word = answer.corners[k][axis];
      const std::string name = std::string(kCornerNames[k]) + "." + "xyz"[axis];
      const WordReading reading = readNumberWord(word);
      std::string complaint;
      if (word.empty()) {
        complaint = formatted(_("Greska: kod koordinate %s nije unet broj."), name.c_str());
      } else if (reading.refusal != Refusal::None) {
        complaint = formatted(_("Greska: %s."), refusalText(name, reading).c_str());
      } else {
        Rational& q = axis == 0 ? points[k].x : axis == 1 ? points[k].y : points[k].z;
        q = *exact::numberOfWord(word);
      }
      refused = refused || !complaint.empty();
      verdict.complaints.push_back(complaint);
    }
  }
  if (refused) return verdict;
  verdict.complete = true;

  // 3. The kind.
  const std::vector<Vec> truth = exactAnswer(task).corners;
  const int count = static_cast<int>(truth.size());
  const int claimed = std::clamp(answer.count, 0, 6);
  std::vector<std::string> lines;
  lines.push_back(claimed == count ? _(kKindRight[count]) : _(kKindWrong[claimed]));
  bool right = claimed == count && static_cast<int>(given) == count;

  // 4. Each corner: a repeat, a corner of the common part, a rounded one, a common point that is
  //    not a corner, or a point outside one of the triangles.
  const std::size_t by = count <= 1 ? 0 : count == 2 ? 1 : 2;  // a point, a segment, a polygon
  std::vector<bool> found(truth.size(), false);
  std::vector<int> at;  // the true corner each student's corner is, while all are
  for (std::size_t k = 0; k < given; ++k) {
    const Vec& p = points[k];
    const auto& words = answer.corners[k];
    const std::string shown =
        "(" + asShown(words[0]) + ", " + asShown(words[1]) + ", " + asShown(words[2]) + ")";
    const char* name = kCornerNames[k];
    const auto same = std::find(points.begin(), points.begin() + static_cast<long>(k), p);
    if (same != points.begin() + static_cast<long>(k)) {
      lines.push_back(formatted(_("Tacka %s je ista kao tacka %s."), name,
                                kCornerNames[same - points.begin()]));
      right = false;
      continue;
    }
    const auto corner = std::find(truth.begin(), truth.end(), p);
    if (corner != truth.end()) {
      found[static_cast<std::size_t>(corner - truth.begin())] = true;
      at.push_back(static_cast<int>(corner - truth.begin()));
      lines.push_back(formatted(_(kCornerRight[by]), name, shown.c_str()));
      continue;
    }
    right = false;
    bool rounded = false;
    for (std::size_t c = 0; c < truth.size() && !rounded; ++c) {
      rounded = !found[c] && roundsTo(words[0], p.x, truth[c].x) &&
                roundsTo(words[1], p.y, truth[c].y) && roundsTo(words[2], p.z, truth[c].z);
      if (rounded) found[c] = true;
    }
    const bool first = measures::inTriangle(p, t[0], t[1], t[2]);
    const bool second = measures::inTriangle(p, t[3], t[4], t[5]);
    if (rounded) {
      lines.push_back(formatted(_(kRounded[by]), name, shown.c_str()));
    } else if (first && second) {
      lines.push_back(formatted(_(kCommonOnly[by]), name, shown.c_str()));
    } else if (first) {
      lines.push_back(formatted(_("Tacka %s = %s nije zajednicka: ne lezi u drugom trouglu."), name,
                                shown.c_str()));
    } else if (second) {
      lines.push_back(formatted(_("Tacka %s = %s nije zajednicka: ne lezi u prvom trouglu."), name,
                                shown.c_str()));
    } else {
      lines.push_back(
          formatted(_("Tacka %s = %s nije zajednicka: ne lezi ni u jednom od dva trougla."), name,
                    shown.c_str()));
    }
  }

  // 5. What is missing, and the order around a polygon whose corners are all there.
  const int missing = static_cast<int>(std::count(found.begin(), found.end(), false));
  if (missing > 0) {
    right = false;
    lines.push_back(count == 1   ? _(kMissingPoint)
                    : count == 2 ? _(kMissingEnds[missing])
                                 : _(kMissingCorners[missing]));
  }
  if (count >= 3 && static_cast<int>(at.size()) == count) {
    const bool around = inOrderAround(at, count);
    right = right && around;
    lines.push_back(around ? _("Temena su redom po obodu.") : _("Temena nisu redom po obodu."));
  }

  verdict.right = right;
  verdict.lines.push_back(right ? _("Odgovor je tacan.") : _("Odgovor nije tacan."));
  verdict.lines.insert(verdict.lines.end(), lines.begin(), lines.end());
  return verdict;
}
