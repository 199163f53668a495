// Fuzz target: the geometry kernel alone, on any floats at all (NaN,
// infinities, huge, tiny and subnormal values). Beside the sanitizers, which
// catch undefined conversions of plane values and the like, it checks that
// every result stays within its documented codes and that an operation writes
// only the outputs its result names.
//
// Input layout: byte 0 picks the operation, byte 1 how the remaining bytes
// become coordinates: raw float bits (4 bytes each), small integers and
// halves (1 byte each, so corners repeat and line up), or picks from a table
// of awkward values (1 byte each). Missing coordinates are 0.
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz_checks.h"
#include "geometry.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Values that sit on the edges of float arithmetic and of the kernel's tests:
// signed zeros, the tolerance, the +-1 plane-value band, the cube root and
// square root of the 32-bit integer range, and the ends of the float range.
constexpr std::array<float, 32> kAwkward = {
    0.0f,    -0.0f,    1.0f,         -1.0f,     0.5f,   2.0f,    3.0f,     10.0f,
    0.1f,    1.0f / 3, 0.00001f,     0.000005f, 0.999f, 1000.0f, -1000.0f, 1290.0f,
    1291.0f, 46341.0f, 2147483648.f, 1e20f,     -1e20f, 1e30f,   FLT_MAX,  -FLT_MAX,
    FLT_MIN, 1e-45f,   -1e-45f,      1e-20f,    kInf,   -kInf,   kNaN,     -kNaN,
};

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  int encoding = 0;

  std::uint8_t byte() { return at < size ? data[at++] : 0; }

  float coordinate() {
    switch (encoding) {
      case 0: {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(byte()) << (8 * i);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
      }
      case 1:
        return static_cast<float>(static_cast<std::int8_t>(byte())) * 0.5f;
      default:
        return kAwkward[byte() % kAwkward.size()];
    }
  }

  Point point(ColorIndex color) {
    Point p;
    p.x = coordinate();
    p.y = coordinate();
    p.z = coordinate();
    p.color = color;
    return p;
  }
};

std::string describeAll(std::initializer_list<Point> points) {
  std::string text;
  for (const Point& p : points) text += describe(p) + "\n";
  return text;
}

// Output slots start as this, so that any write shows.
const Point kUntouched{-7.75f, 12345.0f, -0.0f, 4242};

void checkTrianglePlaneCut(Reader& in) {
  // Distinct colours show which corner was copied whole.
  const Point a = in.point(1), b = in.point(2), c = in.point(3);
  const Point d = in.point(4), e = in.point(5), f = in.point(6);
  Point first = kUntouched, second = kUntouched;
  const int cut = trianglePlaneCut(a, b, c, d, e, f, first, second);
  const std::string context = describeAll({a, b, c, d, e, f, first, second});
  CHECK(cut >= 0 && cut <= 3, context);
  auto isCorner = [&](const Point& p) {
    return sameBits(p, a) || sameBits(p, b) || sameBits(p, c);
  };
  if (cut <= 1) CHECK(sameBits(first, kUntouched) && sameBits(second, kUntouched), context);
  if (cut == 2) CHECK(isCorner(first) && sameBits(second, kUntouched), context);
  if (cut == 3) {
    // Each end is a corner copied whole or a crossing point in colour 9; the
    // first end is a crossing only when no corner lies in the plane, and
    // then so is the second.
    CHECK(isCorner(first) || first.color == kDefaultColor, context);
    CHECK(isCorner(second) || second.color == kDefaultColor, context);
    if (!isCorner(first)) CHECK(!isCorner(second), context);
    if (isCorner(first) && isCorner(second)) CHECK(first.color < second.color, context);
  }
}

void checkSegmentIntersection(Reader& in) {
  const Point p1 = in.point(1), p2 = in.point(2), p3 = in.point(3), p4 = in.point(4);
  Point first = kUntouched, second = kUntouched;
  const int common = segmentIntersection(p1, p2, p3, p4, first, second);
  const std::string context = describeAll({p1, p2, p3, p4, first, second});
  CHECK(common >= 0 && common <= 2, context);
  if (common == 0) CHECK(sameBits(first, kUntouched) && sameBits(second, kUntouched), context);
  if (common == 1) CHECK(first.color == kUntouched.color && sameBits(second, kUntouched), context);
  if (common == 2)
    CHECK(first.color == kUntouched.color && second.color == kUntouched.color, context);
}

void run(const std::uint8_t* data, std::size_t size) {
  Reader in{data, size};
  const int operation = in.byte() % 7;
  in.encoding = in.byte() % 3;
  switch (operation) {
    case 0: {
      const Point a = in.point(1), b = in.point(2), c = in.point(3);
      const float area = triangleArea(a, b, c);
      CHECK(!(area < 0.0f), describeAll({a, b, c}));
      break;
    }
    case 1: {
      const Point a = in.point(1), b = in.point(2), c = in.point(3), p = in.point(4);
      const int inside = pointInTriangle(a, b, c, p);
      CHECK(inside == 0 || inside == 1, describeAll({a, b, c, p}));
      break;
    }
    case 2: {
      const Point p1 = in.point(1), p2 = in.point(2), p3 = in.point(3);
      const Plane plane = planeThroughPoints(p1, p2, p3);
      CHECK(sameBits(plane.point, p1), describeAll({p1, p2, p3}));
      break;
    }
    case 3: {
      Plane plane;
      plane.A = in.coordinate();
      plane.B = in.coordinate();
      plane.C = in.coordinate();
      plane.D = in.coordinate();
      const Point p = in.point(1), q = in.point(2);
      const Point meet = linePlaneIntersection(plane, p, q);
      CHECK(meet.color == kDefaultColor, describeAll({p, q, meet}));
      break;
    }
    case 4: {
      const Point p = in.point(1), a = in.point(2), b = in.point(3);
      const int on = pointOnSegment(p, a, b);
      CHECK(on == 0 || on == 1, describeAll({p, a, b}));
      break;
    }
    case 5:
      checkTrianglePlaneCut(in);
      break;
    default:
      checkSegmentIntersection(in);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  run(data, size);
  return 0;
}
