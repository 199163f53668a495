// The drawing list without a display: the first view frames the figure at
// every scale, the names never cover one another, the gestures move the
// camera by their quantities and keep the figure's centre, and every size
// grows with the picture.
#include "drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "exact.h"
#include "figure_scene.h"

std::vector<std::pair<std::string, std::array<Point, 6>>> generatedPairs();
std::vector<std::array<Point, 6>> pairsForDepth(int each);

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Figure {
  std::string name;
  std::array<Point, 6> corners;
};

void PrintTo(const Figure& figure, std::ostream* out) {
  *out << figure.name;
}

std::vector<Figure> allFigures() {
  std::vector<Figure> figures;
  for (int number = 1; number <= kFixedCaseCount; ++number) {
    figures.push_back({"case" + std::to_string(number), fixedCase(number)});
  }
  for (auto& [name, corners] : generatedPairs()) figures.push_back({name, corners});
  return figures;
}

std::vector<drawing::Label> labelsOf(const drawing::List& list) {
  std::vector<drawing::Label> labels;
  for (const drawing::Mark& mark : list.marks) {
    if (const auto* label = std::get_if<drawing::Label>(&mark)) labels.push_back(*label);
  }
  return labels;
}

class FirstView : public ::testing::TestWithParam<Figure> {};

// At the window's size and at the PNG's: the figure, seen as the first view
// shows it, takes at least 60 % of the smaller side and lies in the picture,
// and so it does after any turn; no two labels meet (the axes' letters and
// numbers, the corners' names, the orientation mark's letters), and each lies
// in the picture.
TEST_P(FirstView, FramesTheFigureAndKeepsTheNamesApart) {
  buildFigureScene(GetParam().corners);
  for (const auto& [width, height] : {std::pair{1024, 700}, std::pair{1600, 1200}}) {
    SCOPED_TRACE(::testing::Message() << width << " x " << height);
    const View view = firstView(width, height);
    const Frame frame = frameOf(scene, width, height);
    double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
    for (const Face& face : scene.faces) {
      for (const Point& corner : face.corners) {
        const drawing::Spot s = project(frame, view, corner);
        left = std::min(left, s.x), right = std::max(right, s.x);
        top = std::min(top, s.y), bottom = std::max(bottom, s.y);
      }
    }
    const double side = std::min(width, height);
    EXPECT_GE(std::max(right - left, bottom - top), 0.6 * side);
    // 100 turns at random, from the keys' and the drags' gestures.
    std::srand(7);
    for (int turn = 0; turn < 100; ++turn) {
      const View turned = spinBy(turnBy(view, std::rand() % 360, std::rand() % 360),
                                 std::rand() % 900, std::rand() % 900);
      for (const Face& face : scene.faces) {
        for (const Point& corner : face.corners) {
          const drawing::Spot s = project(frame, turned, corner);
          EXPECT_TRUE(s.x >= 0 && s.x <= width && s.y >= 0 && s.y <= height) << turn;
        }
      }
    }

    const std::vector<drawing::Label> labels = labelsOf(drawScene(scene, view, Shown{}));
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const auto a = drawing::labelBox(labels[i]);
      EXPECT_TRUE(a[0] >= 0 && a[1] >= 0 && a[2] <= width && a[3] <= height) << labels[i].text;
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        const auto b = drawing::labelBox(labels[j]);
        const bool meet = a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
        EXPECT_FALSE(meet) << labels[i].text << " and " << labels[j].text;
      }
    }
    // Every corner's name is there.
    for (const char* name : {"a1", "b1", "c1", "a2", "b2", "c2"}) {
      EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [name](const drawing::Label& l) {
        return l.text == name || l.text == std::string(name) + ",";
      })) << name;
    }
  }
}

// Zooms and turns, by keys and drags, keep the figure's centre in the middle
// of the picture; a pan moves it with the pointer.
TEST_P(FirstView, ZoomsAndTurnsKeepTheFiguresCentre) {
  buildFigureScene(GetParam().corners);
  const View first = firstView(1024, 700);
  const Frame frame = frameOf(scene, 1024, 700);
  const Point centre{static_cast<float>(frame.centre[0]), static_cast<float>(frame.centre[1]),
                     static_cast<float>(frame.centre[2]), kDefaultColor};
  const View moved[] = {zoomBy(first, kKeyZoom),
                        zoomBy(first, dragZoom(-300)),
                        turnBy(first, -5.0, 0.0),
                        turnBy(first, 0.0, 5.0),
                        spinBy(first, 30, 40),
                        turnBy(panBy(first, 0, 0), 8.0, -3.0),
                        zoomBy(spinBy(first, -7, 2), 1e9)};
  // The centre as a float lies within a float's spacing of the box's centre.
  const double slack = frame.scale * 1e4 *
                       std::max({1.0, std::fabs(frame.centre[0]), std::fabs(frame.centre[1]),
                                 std::fabs(frame.centre[2])}) *
                       6e-8;
  for (const View& view : moved) {
    const drawing::Spot s = project(frame, view, centre);
    EXPECT_NEAR(s.x, 512.0, slack);
    EXPECT_NEAR(s.y, 350.0, slack);
  }
  const drawing::Spot panned = project(frame, panBy(zoomBy(first, 2.0), 37, -12), centre);
  EXPECT_NEAR(panned.x, 512.0 + 37, slack);
  EXPECT_NEAR(panned.y, 350.0 - 12, slack);
}

INSTANTIATE_TEST_SUITE_P(Drawing, FirstView, ::testing::ValuesIn(allFigures()),
                         [](const ::testing::TestParamInfo<Figure>& info) {
                           return info.param.name;
                         });

// ---------------------------------------------------------------- gestures

// Where a gesture moves points one unit from the centre along x, y and z,
// in the view from above of the axes alone (x right, y up, z towards the
// viewer).
struct Gesture {
  const char* name;
  View (*apply)(const View&);
  std::array<double, 3> right;  // on the picture, in units: right, up of the x point;
  std::array<double, 3> up;     // ... and of the y and z points
};

void PrintTo(const Gesture& gesture, std::ostream* out) {
  *out << gesture.name;
}

const double kFifty = 50.0 / 1025.0 * 180.0 * kPi / 180.0;  // a 50-pixel drag, in radians
const double kFive = 5.0 * kPi / 180.0;

class GestureOf : public ::testing::TestWithParam<Gesture> {};

TEST_P(GestureOf, MovesThePictureByItsQuantity) {
  scene = Scene{};
  addAxes(Point{});
  const Gesture& g = GetParam();
  const View view = g.apply(viewFrom(firstView(1024, 700), Standpoint::Top));
  const Frame frame = frameOf(scene, 1024, 700);
  const auto& c = frame.centre;
  const Point units[3] = {{static_cast<float>(c[0] + 1), static_cast<float>(c[1]), 0.0f, 9},
                          {static_cast<float>(c[0]), static_cast<float>(c[1] + 1), 0.0f, 9},
                          {static_cast<float>(c[0]), static_cast<float>(c[1]), 1.0f, 9}};
  const Point middle{static_cast<float>(c[0]), static_cast<float>(c[1]), 0.0f, 9};
  for (int i = 0; i < 3; ++i) {
    const drawing::Spot s = project(frame, view, units[i]), o = project(frame, view, middle);
    EXPECT_NEAR((s.x - o.x) / frame.scale, g.right[static_cast<std::size_t>(i)], 1e-9) << i;
    EXPECT_NEAR((o.y - s.y) / frame.scale, g.up[static_cast<std::size_t>(i)], 1e-9) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Drawing, GestureOf,
    ::testing::Values(
        Gesture{"Top", [](const View& v) { return v; }, {1, 0, 0}, {0, 1, 0}},
        // The textbook's view: z straight up, y to the right and a little
        // down, x towards the viewer, down and to the left.
        Gesture{"First",
                [](const View& v) { return firstView(v.width, v.height); },
                {-std::sin(kPi / 6), std::cos(kPi / 6), 0},
                {-std::sin(kPi * 25 / 180) * std::cos(kPi / 6),
                 -std::sin(kPi * 25 / 180) * std::sin(kPi / 6), std::cos(kPi * 25 / 180)}},
        Gesture{"Front",
                [](const View& v) { return viewFrom(v, Standpoint::Front); },
                {0, 1, 0},
                {0, 0, 1}},
        Gesture{"Side",
                [](const View& v) { return viewFrom(v, Standpoint::Side); },
                {-1, 0, 0},
                {0, 0, 1}},
        // A right drag turns about the line of sight: down counterclockwise,
        // to the right clockwise, by 180 degrees a window's width.
        Gesture{"SpinDown",
                [](const View& v) { return spinBy(v, 0, 50); },
                {std::cos(kFifty), -std::sin(kFifty), 0},
                {std::sin(kFifty), std::cos(kFifty), 0}},
        Gesture{"SpinRight",
                [](const View& v) { return spinBy(v, 50, 0); },
                {std::cos(kFifty), std::sin(kFifty), 0},
                {-std::sin(kFifty), std::cos(kFifty), 0}},
        Gesture{"SpinDownRight",
                [](const View& v) { return spinBy(v, 30, 40); },
                {std::cos(kFifty), std::sin(kFifty), 0},
                {-std::sin(kFifty), std::cos(kFifty), 0}},
        // The Up key tips the top away; the front comes up.
        Gesture{"Up",
                [](const View& v) { return turnBy(v, -kKeyTurnDegrees, 0.0); },
                {1, 0, 0},
                {0, std::cos(kFive), std::sin(kFive)}},
        // The Right key turns the front to the right.
        Gesture{"Right",
                [](const View& v) { return turnBy(v, 0.0, kKeyTurnDegrees); },
                {std::cos(kFive), 0, std::sin(kFive)},
                {0, 1, 0}},
        // Shift + right drag up by 50: as the Up key, by the drag's angle.
        Gesture{"ShiftDragUp",
                [](const View& v) { return turnBy(v, dragDegrees(v, -50), 0.0); },
                {1, 0, 0},
                {0, std::cos(kFifty), std::sin(kFifty)}},
        Gesture{
            "Plus", [](const View& v) { return zoomBy(v, kKeyZoom); }, {1.25, 0, 0}, {0, 1.25, 0}},
        Gesture{"Minus",
                [](const View& v) { return zoomBy(v, 1 / kKeyZoom); },
                {0.8, 0, 0},
                {0, 0.8, 0}},
        // A middle drag down by 2100 pixels zooms by e, up by 1 / e.
        Gesture{"DragDown2100",
                [](const View& v) { return zoomBy(v, dragZoom(2100)); },
                {std::exp(1.0), 0, 0},
                {0, std::exp(1.0), 0}},
        Gesture{"DragUp2100",
                [](const View& v) { return zoomBy(v, dragZoom(-2100)); },
                {std::exp(-1.0), 0, 0},
                {0, std::exp(-1.0), 0}},
        // Zoom stops at 10,000 times and at a 10,000th.
        Gesture{"ZoomLimit",
                [](const View& v) { return zoomBy(zoomBy(v, 1e5), 0.5); },
                {5e3, 0, 0},
                {0, 5e3, 0}},
        Gesture{"Huge",
                [](const View& v) { return spinBy(v, 60000, 0); },
                {std::cos(60000.0 / 1025 * kPi), std::sin(60000.0 / 1025 * kPi), 0},
                {-std::sin(60000.0 / 1025 * kPi), std::cos(60000.0 / 1025 * kPi), 0}}),
    [](const ::testing::TestParamInfo<Gesture>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- sizes

// Edges 2 pixels wide, the intersection 3.5, the axes 1.5 and their ticks 1,
// corner points 7 across and names 16 tall in the first window; in
// proportion to the smaller side beyond it.
TEST(Drawing, SizesGrowWithThePicture) {
  buildFigureScene(fixedCase(10));
  for (const auto& [width, height, factor] :
       {std::tuple{1024, 700, 1.0}, std::tuple{1920, 1080, 1080 / 700.0},
        std::tuple{1600, 1200, 1200 / 700.0}}) {
    const drawing::List list = drawScene(scene, firstView(width, height), Shown{});
    std::set<double> lines, dots, labels;
    int fills = 0;  // the triangles', each once
    for (const drawing::Mark& mark : list.marks) {
      if (const auto* line = std::get_if<drawing::Line>(&mark)) lines.insert(line->width);
      if (const auto* fill = std::get_if<drawing::Polygon>(&mark)) fills += fill->opacity < 0.3;
      if (const auto* dot = std::get_if<drawing::Dot>(&mark)) dots.insert(dot->radius);
      if (const auto* label = std::get_if<drawing::Label>(&mark)) labels.insert(label->height);
    }
    EXPECT_EQ(lines,
              (std::set<double>{factor, 1.5 * factor, 2 * factor, 3.5 * factor}));  // mark's: 2
    EXPECT_EQ(dots, (std::set<double>{2.5 * factor, 3.5 * factor}));  // the mark's z: 2.5
    EXPECT_EQ(*labels.rbegin(), 16 * factor);
    EXPECT_EQ(fills, 2);
  }
}

// A letter beyond ASCII takes the room of one letter, whatever its bytes in UTF-8.
TEST(Drawing, TextWidthCountsLettersNotBytes) {
  for (const auto& [text, plain] : {std::pair{"tačka", "tacka"}, std::pair{"тачка", "tacka"},
                                    std::pair{"помоћ", "pomoc"}}) {
    EXPECT_NEAR(textWidth(text, 10.0), textWidth(plain, 10.0), 0.15 * textWidth(plain, 10.0))
        << text;  // counted by bytes, it was nearly twice as wide
  }
}

// Far beyond the picture, at a million and zoomed in as far as it goes,
// every mark stays near the picture and finite.
TEST(Drawing, MarksStayOnThePictureAtAnyScale) {
  buildFigureScene({Point{1e6f, 1e6f, 1e6f, 9}, Point{999999, 1e6f, 1e6f, 9},
                    Point{1e6f, 999999, 1e6f, 9}, Point{-1e6f, -1e6f, -1e6f, 9},
                    Point{1e6f, -1e6f, 0, 9}, Point{0, 1e6f, -1e6f, 9}});
  const View view = zoomBy(turnBy(firstView(1024, 700), 20, 30), 1e9);
  Shown all;
  all.planeLine = all.help = true;
  for (const drawing::Mark& mark : drawScene(scene, view, all).marks) {
    std::vector<drawing::Spot> spots;
    if (const auto* line = std::get_if<drawing::Line>(&mark)) spots = {line->from, line->to};
    if (const auto* polygon = std::get_if<drawing::Polygon>(&mark)) spots = polygon->corners;
    if (const auto* dot = std::get_if<drawing::Dot>(&mark)) spots = {dot->centre};
    for (const drawing::Spot& s : spots) {
      EXPECT_TRUE(s.x >= -20 && s.x <= 1044 && s.y >= -20 && s.y <= 720) << s.x << ", " << s.y;
    }
  }
}

// ---------------------------------------------------------------- depth

// Whether the ray from q towards the viewer (along w) meets the inside of the
// triangle a b c, exactly: q + s w = a + beta (b - a) + gamma (c - a) with
// s, beta, gamma > 0 and beta + gamma < 1. Nothing where q lies within
// `slack` of the triangle's plane or its rim, where rounding may decide.
std::optional<bool> hiddenExactly(const exact::Vec& q, const exact::Vec& w,
                                  const std::vector<Point>& t, double slack) {
  const auto vec = [](const Point& p) {
    return exact::Vec{exact::ofDouble(p.x), exact::ofDouble(p.y), exact::ofDouble(p.z)};
  };
  const exact::Vec a = vec(t[0]), e1 = vec(t[1]) - a, e2 = vec(t[2]) - a, h = q - a;
  const exact::Vec back{-w.x, -w.y, -w.z};
  const exact::Rational det = exact::dot(exact::cross(e1, e2), back);
  if (det == 0) return false;  // seen edge-on
  const exact::Rational beta = exact::dot(exact::cross(h, e2), back) / det;
  const exact::Rational gamma = exact::dot(exact::cross(e1, h), back) / det;
  const exact::Rational s = exact::dot(exact::cross(e1, e2), h) / det;
  const double rim = std::min({beta.convert_to<double>(), gamma.convert_to<double>(),
                               (1 - beta - gamma).convert_to<double>()});
  if (std::fabs(s.convert_to<double>()) < slack || std::fabs(rim) < 1e-6) return std::nullopt;
  return s > 0 && beta > 0 && gamma > 0 && beta + gamma < 1;
}

// Sample points of every edge are dashed exactly where the exact ray test
// says they are hidden, in the first view and in a view from below.
void expectHiddenAsTheRaysSay(const std::array<Point, 6>& c, const std::string& name) {
  buildFigureScene(c);
  const double slack = 1e-5 * figureRadius(scene) + 1e-6 * 1000;
  for (const View& view : {firstView(800, 600), turnBy(firstView(800, 600), 140, 35)}) {
    const exact::Vec w{exact::ofDouble(view.turn[6]), exact::ofDouble(view.turn[7]),
                       exact::ofDouble(view.turn[8])};
    for (const Segment& edge : scene.segments) {
      if (edge.color == kAxisColor) continue;
      const auto parts = hiddenParts(scene, view, edge.first, edge.second);
      for (int k = 0; k <= 32; ++k) {
        const exact::Rational t(k, 32);
        const auto at = [&t](float a, float b) {
          return exact::ofDouble(a) + t * (exact::ofDouble(b) - exact::ofDouble(a));
        };
        const exact::Vec q{at(edge.first.x, edge.second.x), at(edge.first.y, edge.second.y),
                           at(edge.first.z, edge.second.z)};
        bool hidden = false, unsure = false;
        for (const Face& face : scene.faces) {
          if (face.color == 0 || face.color == edge.color) continue;  // its own triangle
          const std::optional<bool> ray = hiddenExactly(q, w, face.corners, slack);
          unsure = unsure || !ray;
          hidden = hidden || ray.value_or(false);
        }
        const double u = k / 32.0;
        const bool dashed = std::any_of(parts.begin(), parts.end(), [u](const auto& part) {
          return part[0] < u && u < part[1];
        });
        const bool nearEnd = std::any_of(parts.begin(), parts.end(), [u](const auto& part) {
          return std::fabs(part[0] - u) < 1e-6 || std::fabs(part[1] - u) < 1e-6;
        });
        if (!unsure && !nearEnd) {
          EXPECT_EQ(dashed, hidden) << name << " t = " << u;
        }
      }
    }
  }
}

TEST(Drawing, HiddenPartsAreDashedWhereTheRaysSay) {
  const std::vector<std::array<Point, 6>> pairs = pairsForDepth(110);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    expectHiddenAsTheRaysSay(pairs[i], "pair " + std::to_string(i));
  }
  // A vertical triangle through a horizontal one from below, and its kin.
  const std::array<Point, 6> chosen[] = {
      {Point{0, 0, 0}, {6, 0, 0}, {0, 6, 0}, {1, 1, -3}, {3, 3, -3}, {2, 2, 4}},
      {Point{0, 0, 0}, {6, 0, 0}, {0, 6, 0}, {1, 1, -3}, {1, 4, -3}, {1, 2, 2}},
      {Point{-2, -2, 1}, {5, -2, 1}, {-2, 5, 1}, {0, 0, -4}, {2, 0, -4}, {1, 0, 6}},
      {Point{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {1, 1, 0}, {1, 1, 5}, {2, 1, 5}},  // touching
      {Point{0, 0, 5}, {6, 0, 5}, {0, 6, 5}, {1, 1, 0}, {2, 1, 0}, {1, 2, 0}},  // apart, below
  };
  for (const auto& pair : chosen) expectHiddenAsTheRaysSay(pair, "chosen");
}

// The first view: for triangles in different planes, z straight up on the
// picture (and, in case 2, b2 and c2 at z 3 and 5 above a2 at z 0); for two
// triangles in one plane, the view straight at it.
TEST_P(FirstView, ShowsZUpOrThePlaneItself) {
  const auto& c = GetParam().corners;
  buildFigureScene(c);
  const View view = firstView(1024, 700);
  const auto normal = [&c](int first) {
    const double u[3] = {c[first + 1].x - c[first].x, c[first + 1].y - c[first].y,
                         c[first + 1].z - c[first].z};
    const double v[3] = {c[first + 2].x - c[first].x, c[first + 2].y - c[first].y,
                         c[first + 2].z - c[first].z};
    return std::array<double, 3>{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                 u[0] * v[1] - u[1] * v[0]};
  };
  const auto n = normal(0), m = normal(3);
  const double size = std::hypot(n[0], n[1], n[2]);
  bool onePlane = size > 0 && std::hypot(m[0], m[1], m[2]) > 0;
  for (int i = 3; i < 6 && onePlane; ++i) {
    const double off =
        (c[i].x - c[0].x) * n[0] + (c[i].y - c[0].y) * n[1] + (c[i].z - c[0].z) * n[2];
    onePlane = std::fabs(off) <= 1e-9 * size * figureRadius(scene);
  }
  if (onePlane) {
    const double along = view.turn[6] * n[0] + view.turn[7] * n[1] + view.turn[8] * n[2];
    EXPECT_NEAR(std::fabs(along), size, 1e-9 * size);
  } else if (std::hypot(n[0], n[1], n[2]) > 0 && std::hypot(m[0], m[1], m[2]) > 0) {
    EXPECT_EQ(view.turn[2], 0.0);  // z has no part to the right
    EXPECT_GT(view.turn[5], 0.8);  // and points up
  }
  if (GetParam().name == "case2") {
    const Frame frame = frameOf(scene, 1024, 700);
    EXPECT_LT(project(frame, view, c[4]).y, project(frame, view, c[3]).y);
    EXPECT_LT(project(frame, view, c[5]).y, project(frame, view, c[3]).y);
  }
}

// Where both triangles are seen, the one painted last is the nearer: a grid of
// places on the first view of pairs in space and of chosen ones.
TEST(Drawing, TheNearerFaceIsPaintedOverTheFarther) {
  const Rgb blue = *colorOf(kFirstTriangleColor), magenta = *colorOf(kSecondTriangleColor);
  for (const auto& pair : pairsForDepth(30)) {
    buildFigureScene(pair);
    const View view = turnBy(firstView(400, 300), 0.0, 20.0);
    const Frame frame = frameOf(scene, 400, 300);
    const auto& t = view.turn;
    std::vector<drawing::Polygon> fills;
    for (const drawing::Mark& mark : drawScene(scene, view, Shown{}).marks) {
      const auto* polygon = std::get_if<drawing::Polygon>(&mark);
      if (polygon && polygon->opacity < 0.3) fills.push_back(*polygon);  // the triangles'
    }
    // How far towards the viewer each triangle's plane lies at a place, and
    // whether its painted pieces cover the place.
    const auto depthAt = [&](int triangle, double right, double up) {
      const Point& a = pair[static_cast<std::size_t>(3 * triangle)];
      const Point& b = pair[static_cast<std::size_t>(3 * triangle + 1)];
      const Point& c = pair[static_cast<std::size_t>(3 * triangle + 2)];
      const double u[3] = {b.x - a.x, b.y - a.y, b.z - a.z},
                   v[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
      const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                           u[0] * v[1] - u[1] * v[0]};
      double from[3];
      for (int k = 0; k < 3; ++k)
        from[k] = frame.centre[static_cast<std::size_t>(k)] +
                  right * t[static_cast<std::size_t>(k)] + up * t[static_cast<std::size_t>(3 + k)];
      const double towards = n[0] * t[6] + n[1] * t[7] + n[2] * t[8];
      return (n[0] * (a.x - from[0]) + n[1] * (a.y - from[1]) + n[2] * (a.z - from[2])) / towards;
    };
    const auto covers = [](const drawing::Polygon& p, double x, double y) {
      int sign = 0;
      for (std::size_t i = 0; i < p.corners.size(); ++i) {
        const auto& a = p.corners[i];
        const auto& b = p.corners[(i + 1) % p.corners.size()];
        const double side = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        if (std::fabs(side) < 1e-3) return false;
        if (sign == 0) sign = side > 0 ? 1 : -1;
        if ((side > 0 ? 1 : -1) != sign) return false;
      }
      return true;
    };
    for (int x = 5; x < 400; x += 10) {
      for (int y = 5; y < 300; y += 10) {
        const drawing::Polygon* last = nullptr;
        bool first = false, second = false;
        for (const drawing::Polygon& fill : fills) {
          if (!covers(fill, x, y)) continue;
          last = &fill;
          (fill.color.red == blue.red && fill.color.blue == blue.blue ? first : second) = true;
        }
        if (!first || !second) continue;
        const double right = (x - 200.0) / frame.scale, up = (150.0 - y) / frame.scale;
        const double d1 = depthAt(0, right, up), d2 = depthAt(1, right, up);
        if (std::fabs(d1 - d2) < 1e-6 * figureRadius(scene)) continue;
        const Rgb nearer = d1 > d2 ? blue : magenta;
        EXPECT_EQ(last->color.red, nearer.red) << x << ", " << y;
        EXPECT_EQ(last->color.green, nearer.green) << x << ", " << y;
      }
    }
  }
}

}  // namespace
