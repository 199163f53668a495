// Every printed byte depends on the last bit of every rounding, so any change
// to the computation, however harmless it looks (a faster order of steps, a
// compiler flag), must leave the reports of a large, varied set of pairs
// exactly as they were. This test folds those reports and outlines into one
// fingerprint for each kind of pair and compares it with the recorded one.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "../support.h"
#include "intersection.h"

namespace {

// FNV-1a, 64 bits.
class Fingerprint {
 public:
  void add(const std::string& text) {
    for (unsigned char byte : text) {
      hash_ ^= byte;
      hash_ *= 0x100000001b3u;
    }
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325u;
};

// Numbers from the engine's raw output, so that the pairs are the same with
// every standard library.
class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  int integer(int lo, int hi) { return lo + static_cast<int>(engine_() % (hi - lo + 1)); }
  float between(float lo, float hi) {
    return lo + (hi - lo) * (static_cast<float>(engine_() >> 8) * 0x1p-24f);
  }

 private:
  std::mt19937 engine_;
};

// Corners on a grid: integers from lo to hi, times scale; flat ones have
// z = 0 or x = 0. Each coordinate is drawn in its own statement, so that the
// order of drawing does not depend on the compiler.
Point onGrid(Random& r, int lo, int hi, float scale) {
  const float x = scale * static_cast<float>(r.integer(lo, hi));
  const float y = scale * static_cast<float>(r.integer(lo, hi));
  const float z = scale * static_cast<float>(r.integer(lo, hi));
  return pt(x, y, z);
}

Point inZ0(Point p) {
  return pt(p.x, p.y, 0);
}

Point anywhere(Random& r) {
  const float x = r.between(-10, 10);
  const float y = r.between(-10, 10);
  const float z = r.between(-10, 10);
  return pt(x, y, z);
}

// The values a corner stands for, as trikros-differential --judge reads them
// and as the program is given them beside the floats (as typed at the console):
// the floats themselves, or the numbers meant where a float only comes close.
std::string hex(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%a", value);
  return text;
}
std::string asFloats(Point p) {
  return hex(p.x) + " " + hex(p.y) + " " + hex(p.z) + " ";
}
std::string asTenths(Point p) {
  std::string text;
  for (float value : {p.x, p.y, p.z}) {
    const long tenths = std::lround(static_cast<double>(value) * 10);
    text += (tenths < 0 ? "-" : "") + std::to_string(std::labs(tenths) / 10) + "." +
            std::to_string(std::labs(tenths) % 10) + " ";
  }
  return text;
}
std::string onTiltedPlane(Point p) {
  const double x = p.x, y = p.y;
  return hex(x) + " " + hex(y) + " " + hex(0.5 * x - 0.25 * y + 1) + " ";
}

struct Kind {
  const char* name;
  Point (*corner)(Random&);
  std::uint64_t fingerprint;  // of the reports of its pairs
  std::string (*meant)(Point) = asFloats;
};

// The corners as the console keeps them when the meant numbers are typed.
TypedCorners typedAsMeant(const Kind& kind, const Point (&p)[6]) {
  TypedCorners typed;
  for (std::size_t i = 0; i < 6; ++i) {
    const std::string text = kind.meant(p[i]);
    const char* at = text.c_str();
    char* end = nullptr;
    typed[i].x = std::strtod(at, &end);
    typed[i].y = std::strtod(end, &end);
    typed[i].z = std::strtod(end, &end);
  }
  return typed;
}

const Kind kKinds[] = {
    {"integers within 5", [](Random& r) { return onGrid(r, -5, 5, 1); }, 0x60e6d84173cb68e9},
    {"integers within 5 in z = 0", [](Random& r) { return inZ0(onGrid(r, -5, 5, 1)); },
     0x1d1038a29dcf2977},
    {"integers within 5 in x = 0",
     [](Random& r) {
       const Point p = onGrid(r, -5, 5, 1);
       return pt(0, p.y, p.z);
     },
     0x992334c419ed7b58},
    {"halves within 5", [](Random& r) { return onGrid(r, -10, 10, 0.5f); }, 0x24d2535e3cd0641d},
    {"one decimal within 5 in z = 0", [](Random& r) { return inZ0(onGrid(r, -50, 50, 0.1f)); },
     0x193c06c73d2bb196, asTenths},
    {"any floats within 10", anywhere, 0xd1fb841741b2c40a},
    {"any floats in a tilted plane",
     [](Random& r) {
       const Point p = anywhere(r);
       return pt(p.x, p.y, 0.5f * p.x - 0.25f * p.y + 1);
     },
     0x14c058a5f6bc5264, onTiltedPlane},
    {"hundreds", [](Random& r) { return onGrid(r, -5, 5, 100); }, 0x90e76651ce56c601},
};

constexpr int kPairsPerKind = 30000;

// One line for trikros-differential --judge: the pair and the report with its
// line breaks written as |.
void dumpLine(std::FILE* file, const Kind& kind, const Point (&p)[6], const std::string& report) {
  for (const Point& corner : p) std::fputs(kind.meant(corner).c_str(), file);
  std::fputc('\t', file);
  for (char ch : report) std::fputc(ch == '\n' ? '|' : ch, file);
  std::fputc('\n', file);
}

// Pairs that share a corner or an edge, half of each kind, so that touching
// and coplanar answers are frequent. With a dump file, every pair and its
// report go there too.
std::string reportsOf(const Kind& kind, Random& random, std::FILE* dump) {
  std::string all;
  for (int i = 0; i < kPairsPerKind; ++i) {
    Point p[6];
    for (Point& corner : p) corner = kind.corner(random);
    if (i % 4 == 1) p[3] = p[0];
    if (i % 4 == 2) p[3] = p[0], p[4] = p[1];
    const Intersection answer =
        findIntersection(p[0], p[1], p[2], p[3], p[4], p[5], typedAsMeant(kind, p));
    if (dump != nullptr) dumpLine(dump, kind, p, reportText(answer));
    all += reportText(answer);
    for (const auto& [from, to] : outlineEdges(answer)) {
      all += std::to_string(from) + std::to_string(to) + ' ';
    }
    all += '\n';
  }
  return all;
}

// TRIKROS_REPORT_DUMP=FILE also writes every pair and its report to FILE, so
// that a change to the reports can be judged pair by pair.
TEST(Fingerprint, ReportsOfManyPairsStayByteForByteTheSame) {
  Random random(20261207);
  const char* dumpPath = std::getenv("TRIKROS_REPORT_DUMP");
  std::FILE* dump = dumpPath != nullptr ? std::fopen(dumpPath, "w") : nullptr;
  for (const Kind& kind : kKinds) {
    Fingerprint reports;
    reports.add(reportsOf(kind, random, dump));
    EXPECT_EQ(reports.value(), kind.fingerprint)
        << kind.name << ": the reports changed; fingerprint now 0x" << std::hex << reports.value();
  }
  if (dump != nullptr) std::fclose(dump);
}

}  // namespace
