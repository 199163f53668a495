// New tasks: two triangles drawn on small integer grids in planes, kept when their common part is
// of the kind asked and the pair keeps to everything a task keeps to.
#include <random>

#include "geometry.h"
#include "input.h"
#include "intersection.h"
#include "measures.h"
#include "messages.h"
#include "tasks.h"

namespace {

using exact::Rational;
using exact::Vec;
using Int3 = std::array<int, 3>;
using Flat = std::array<int, 2>;  // a point of a grid: steps along u and along v
using Pair = std::array<Int3, 6>;

// Candidates tried before giving up: far more than any kind needs (see the tests).
constexpr int kAttempts = 40000;

// SplitMix64: a fixed generator whose numbers are the same on every machine and library,
// mapped to integers by our own arithmetic (std:: distributions differ between libraries).
struct Draw {
  std::uint64_t state;

  std::uint64_t next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // An integer from low to high, both included (the bias of % is below 2^-50 here).
  int between(int low, int high) {
    return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool oneIn(int n) { return between(1, n) == 1; }
};

// Separate streams of one seed: the kind drawn, and the task itself.
enum Stream : std::uint64_t { kCountStream = 1, kSettingStream = 2, kTaskStream = 3 };

Draw drawFor(std::uint64_t seed, Stream stream) {
  Draw mix{seed ^ (stream * 0xD1B54A32D192ED03ull)};
  return Draw{mix.next()};
}

Int3 crossOf(const Int3& a, const Int3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

bool isZero(const Int3& a) {
  return a[0] == 0 && a[1] == 0 && a[2] == 0;
}

int flatCross(const Flat& o, const Flat& a, const Flat& b) {
  return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
}

// A plane's grid: the points origin + i u + j v.
struct Grid {
  Int3 origin, u, v;

  Int3 at(const Flat& f) const {
    Int3 p;
    for (int k = 0; k < 3; ++k) p[k] = origin[k] + f[0] * u[k] + f[1] * v[k];
    return p;
  }
};

// A step to one of the 26 neighbours of a point of the integer lattice.
Int3 step(Draw& draw) {
  const int k = draw.between(0, 25);
  const int n = k < 13 ? k : k + 1;  // 13 would be (0, 0, 0)
  return {n / 9 - 1, n / 3 % 3 - 1, n % 3 - 1};
}

// A grid through origin: one of the coordinate planes' directions a third of the time, else
// two steps that span a plane (tilted, or upright).
Grid gridThrough(Draw& draw, const Int3& origin) {
  Grid grid{origin, {}, {}};
  if (draw.oneIn(3)) {
    const int axis = draw.between(0, 2);
    grid.u = {0, 0, 0}, grid.v = {0, 0, 0};
    grid.u[axis] = 1;
    grid.v[(axis + 1) % 3] = 1;
    return grid;
  }
  do {
    grid.u = step(draw);
    grid.v = step(draw);
  } while (isZero(crossOf(grid.u, grid.v)));
  return grid;
}

Int3 somewhere(Draw& draw, int range) {
  return {draw.between(-range / 2, range / 2), draw.between(-range / 2, range / 2),
          draw.between(-range / 2, range / 2)};
}

bool within(const Int3& p, int range) {
  for (const int c : p) {
    if (c < -range || c > range) return false;
  }
  return true;
}

// Steps along a grid from its origin, at most: figures of a size a student draws by hand
// whatever the range (larger ones make larger denominators), placed anywhere in it.
constexpr int kReach = 8;

// A point of the grid within the range, near its origin.
std::optional<Flat> pointOf(Draw& draw, const Grid& grid, int range) {
  const int reach = std::min(range, kReach);
  for (int tries = 0; tries < 20; ++tries) {
    const Flat f{draw.between(-reach, reach), draw.between(-reach, reach)};
    if (within(grid.at(f), range)) return f;
  }
  return std::nullopt;
}

// Three points of the grid that make a triangle, the first given when `first` is.
std::optional<std::array<Flat, 3>> triangleOf(Draw& draw, const Grid& grid, int range,
                                              std::optional<Flat> first = std::nullopt) {
  std::array<Flat, 3> t{};
  for (std::size_t k = 0; k < 3; ++k) {
    const std::optional<Flat> p = k == 0 && first ? first : pointOf(draw, grid, range);
    if (!p) return std::nullopt;
    t[k] = *p;
  }
  if (flatCross(t[0], t[1], t[2]) == 0) return std::nullopt;
  return t;
}

// A point of the grid on the edge of t from corner i to the next (ends included), or on the
// line beyond it when `beyond`.
Flat onEdge(Draw& draw, const std::array<Flat, 3>& t, int i, bool beyond) {
  const Flat& a = t[static_cast<std::size_t>(i)];
  const Flat& b = t[static_cast<std::size_t>((i + 1) % 3)];
  const int di = b[0] - a[0], dj = b[1] - a[1];
  int g = std::abs(di), h = std::abs(dj);  // g = gcd(|di|, |dj|): the grid points on a-b
  while (h != 0) g %= h, std::swap(g, h);
  const int k = beyond ? draw.between(-g, 2 * g) : draw.between(0, g);
  return {a[0] + k * di / g, a[1] + k * dj / g};
}

// A grid point of t, edges included.
std::optional<Flat> pointIn(Draw& draw, const std::array<Flat, 3>& t) {
  const int turn = flatCross(t[0], t[1], t[2]) > 0 ? 1 : -1;
  const auto low = [&t](int k) { return std::min({t[0][k], t[1][k], t[2][k]}); };
  const auto high = [&t](int k) { return std::max({t[0][k], t[1][k], t[2][k]}); };
  for (int tries = 0; tries < 20; ++tries) {
    const Flat p{draw.between(low(0), high(0)), draw.between(low(1), high(1))};
    if (turn * flatCross(t[0], t[1], p) >= 0 && turn * flatCross(t[1], t[2], p) >= 0 &&
        turn * flatCross(t[2], t[0], p) >= 0) {
      return p;
    }
  }
  return std::nullopt;
}

// ---- Candidates ------------------------------------------------------------------------------

// How the second triangle is placed against the first.
enum class Placing {
  Free,       // anywhere near it
  Mirrored,   // through a point near the first's centre, nudged: overlaps of many corners
  OnEdge,     // a corner on an edge of the first (in one plane) or in the first (in space)
  AlongEdge,  // two corners on the line of an edge of the first (in one plane)
};

std::optional<Pair> inOnePlane(Draw& draw, int range, Placing placing) {
  const Grid grid = gridThrough(draw, somewhere(draw, range));
  const auto one = triangleOf(draw, grid, range);
  if (!one) return std::nullopt;
  std::optional<std::array<Flat, 3>> two;
  const int edge = draw.between(0, 2);
  switch (placing) {
    case Placing::Free:
      two = triangleOf(draw, grid, range);
      break;
    case Placing::Mirrored: {
      // Twice the centre, rounded, and nudged: 2m - p for each corner p.
      Flat twice{};
      for (std::size_t k = 0; k < 2; ++k) {
        const int sum = (*one)[0][k] + (*one)[1][k] + (*one)[2][k];
        twice[k] = (2 * sum + (sum >= 0 ? 1 : -1)) / 3 + draw.between(-1, 1);
      }
      two = std::array<Flat, 3>{};
      for (std::size_t k = 0; k < 3; ++k) {
        const bool nudged = draw.oneIn(3);
        const Flat nudge{nudged ? draw.between(-1, 1) : 0, nudged ? draw.between(-1, 1) : 0};
        (*two)[k] = {twice[0] - (*one)[k][0] + nudge[0], twice[1] - (*one)[k][1] + nudge[1]};
      }
      break;
    }
    case Placing::OnEdge:
      two = triangleOf(draw, grid, range, onEdge(draw, *one, edge, false));
      break;
    case Placing::AlongEdge: {
      const Flat p = onEdge(draw, *one, edge, true), q = onEdge(draw, *one, edge, true);
      const std::optional<Flat> r = pointOf(draw, grid, range);
      if (!r || p == q || flatCross(p, q, *r) == 0) return std::nullopt;
      two = std::array<Flat, 3>{p, q, *r};
      break;
    }
  }
  if (!two) return std::nullopt;
  Pair pair;
  for (std::size_t k = 0; k < 3; ++k) {
    pair[k] = grid.at((*one)[k]);
    pair[k + 3] = grid.at((*two)[k]);
  }
  return pair;
}

std::optional<Pair> inSpace(Draw& draw, int range, Placing placing) {
  const Grid first = gridThrough(draw, somewhere(draw, range));
  const auto one = triangleOf(draw, first, range);
  if (!one) return std::nullopt;
  // The second grid through a point of the first triangle (touching it there) or near it.
  const std::optional<Flat> at =
      placing == Placing::OnEdge ? pointIn(draw, *one) : pointOf(draw, first, range);
  if (!at) return std::nullopt;
  const Grid second = gridThrough(draw, first.at(*at));
  if (isZero(crossOf(crossOf(first.u, first.v), crossOf(second.u, second.v)))) return std::nullopt;
  const auto two =
      triangleOf(draw, second, range,
                 placing == Placing::OnEdge ? std::optional<Flat>(Flat{0, 0}) : std::nullopt);
  if (!two) return std::nullopt;
  Pair pair;
  for (std::size_t k = 0; k < 3; ++k) {
    pair[k] = first.at((*one)[k]);
    pair[k + 3] = second.at((*two)[k]);
  }
  return pair;
}

// The placings tried for a kind, in turn.
std::vector<Placing> placingsFor(const TaskKind& kind) {
  const bool plane = kind.setting == Setting::OnePlane;
  switch (kind.count) {
    case 0:
      return {Placing::Free};
    case 1:
      return {Placing::OnEdge, Placing::OnEdge, Placing::Free};
    case 2:
      return plane ? std::vector{Placing::AlongEdge, Placing::AlongEdge, Placing::OnEdge}
                   : std::vector{Placing::Free, Placing::OnEdge};
    case 6:
      return {Placing::Mirrored};
    default:
      return {Placing::Free, Placing::Mirrored};
  }
}

// The corners of each triangle in a drawn order, and the triangles in a drawn order, so that
// no corner is always the special one.
Pair shuffled(Draw& draw, Pair pair) {
  for (std::size_t t = 0; t < 6; t += 3) {
    for (std::size_t k = 2; k > 0; --k) {
      std::swap(pair[t + k],
                pair[t + static_cast<std::size_t>(draw.between(0, static_cast<int>(k)))]);
    }
  }
  if (draw.oneIn(2)) {
    for (std::size_t k = 0; k < 3; ++k) std::swap(pair[k], pair[k + 3]);
  }
  return pair;
}

// ---- Keeping a candidate ------------------------------------------------------------------

// Whether one triangle crosses the other's plane: a task with no common point where neither does
// is settled at a glance.
bool eitherCrosses(const std::array<Vec, 6>& c) {
  for (std::size_t t = 0; t < 6; t += 3) {
    const std::size_t o = 3 - t;
    const Vec n = measures::normalOf(c[o], c[o + 1], c[o + 2]);
    bool below = false, above = false;
    for (std::size_t k = t; k < t + 3; ++k) {
      const Rational value = measures::planeValue(c[k], c[o], n);
      below = below || value < 0;
      above = above || value > 0;
    }
    if (below && above) return true;
  }
  return false;
}

// Corners of the answer at least this far apart, so that their names and the polygon read
// well on a picture.
const Rational kReadable{1, 2};

// The exact answer when the candidate makes a task of the kind, else nothing.
std::optional<std::vector<Vec>> answerIfKept(const Pair& pair, const TaskKind& kind) {
  // 1. A first look with the report's own computation: the kind, in a fraction of a microsecond.
  std::array<Point, 6> floats;
  for (std::size_t k = 0; k < 6; ++k) {
    floats[k] = Point{static_cast<float>(pair[k][0]), static_cast<float>(pair[k][1]),
                      static_cast<float>(pair[k][2])};
  }
  const auto& [a1, b1, c1, a2, b2, c2] = floats;
  if (findIntersection(a1, b1, c1, a2, b2, c2).count != kind.count) return std::nullopt;

  // 2. Exactly: proper triangles, the setting, the margins and the answer's fractions.
  std::array<Vec, 6> c;
  for (std::size_t k = 0; k < 6; ++k) c[k] = Vec{pair[k][0], pair[k][1], pair[k][2]};
  if (!properAndNotThin(c)) return std::nullopt;
  const Vec n1 = measures::normalOf(c[0], c[1], c[2]);
  bool onePlane = true;
  for (std::size_t k = 3; k < 6; ++k)
    onePlane = onePlane && measures::planeValue(c[k], c[0], n1) == 0;
  if (onePlane != (kind.setting == Setting::OnePlane)) return std::nullopt;
  if (kind.count == 0 && !onePlane && !eitherCrosses(c)) return std::nullopt;
  ExplanationWords words;
  for (std::size_t i = 0; i < 18; ++i) words[i] = std::to_string(pair[i / 3][i % 3]);
  std::vector<Vec> answer = exactAnswer(words).corners;
  if (static_cast<int>(answer.size()) != kind.count) return std::nullopt;
  for (const Vec& p : answer) {
    for (const Rational* q : {&p.x, &p.y, &p.z}) {
      if (boost::multiprecision::denominator(*q) > kLargestDenominator) return std::nullopt;
    }
  }
  for (std::size_t i = 0; i < answer.size(); ++i) {
    for (std::size_t j = i + 1; j < answer.size(); ++j) {
      if (measures::squaredLength(answer[j] - answer[i]) < kReadable * kReadable) {
        return std::nullopt;
      }
    }
  }
  if (!hasMargins(c, answer, marginFor(c))) return std::nullopt;

  // 3. The report says the same, to the printed digits.
  if (!reportAgrees(words, answer)) return std::nullopt;
  return answer;
}

}  // namespace

std::optional<PracticeTask> newTask(TaskKind kind, std::uint64_t seed, int range) {
  if (range < kSmallestRange || range > kLargestRange) return std::nullopt;
  if (kind.count < kAnyCount || kind.count > 6) return std::nullopt;
  // 1. What is left to the seed, each from its own stream.
  if (kind.count == kAnyCount) kind.count = drawFor(seed, kCountStream).between(0, 6);
  if (kind.count >= 3) {
    if (kind.setting == Setting::Space) return std::nullopt;  // two planes share at most a line
    kind.setting = Setting::OnePlane;
  }
  if (kind.setting == Setting::Any) {
    kind.setting = drawFor(seed, kSettingStream).oneIn(2) ? Setting::OnePlane : Setting::Space;
  }

  // 2. Candidates of the placings for the kind, in turn, until one is kept.
  Draw draw = drawFor(seed, kTaskStream);
  const std::vector<Placing> placings = placingsFor(kind);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const Placing placing = placings[static_cast<std::size_t>(attempt) % placings.size()];
    const std::optional<Pair> pair = kind.setting == Setting::OnePlane
                                         ? inOnePlane(draw, range, placing)
                                         : inSpace(draw, range, placing);
    if (!pair) continue;
    const Pair task = shuffled(draw, *pair);
    bool inRange = true;
    for (const Int3& p : task) inRange = inRange && within(p, range);
    if (!inRange) continue;
    if (std::optional<std::vector<Vec>> answer = answerIfKept(task, kind)) {
      PracticeTask made{kind, seed, range, {}, std::move(*answer)};
      for (std::size_t i = 0; i < 18; ++i) made.numbers[i] = task[i / 3][i % 3];
      return made;
    }
  }
  return std::nullopt;
}

std::uint64_t freshSeed() {
  std::random_device device;
  return 1 + (static_cast<std::uint64_t>(device()) % 999999);
}

std::uint64_t worksheetTaskSeed(std::uint64_t seed, int index) {
  Draw draw{seed ^ 0x5851F42D4C957F2Dull};
  for (int i = 0; i <= index; ++i) draw.next();
  return draw.next();
}

ExplanationWords taskWords(const PracticeTask& task) {
  ExplanationWords words;
  for (std::size_t i = 0; i < 18; ++i) words[i] = std::to_string(task.numbers[i]);
  return words;
}
