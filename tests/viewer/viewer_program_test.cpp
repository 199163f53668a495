// The real programs in a private X server: their window is photographed with
// ImageMagick and driven with xdotool, and each picture is checked by the
// colours found where the drawing list says the shapes must appear.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "drawing.h"
#include "figure_scene.h"
#include "xharness.h"

namespace {

using namespace std::chrono_literals;
using xharness::Color;
using xharness::Image;

constexpr unsigned kInnerTimeoutSeconds = 100;
const std::string kTitle = "Geometrija - prikaz zadatka";

constexpr Color kBackground{230, 230, 204};  // clear colour 0.9, 0.9, 0.8
constexpr Color kRed{255, 0, 0};
constexpr Color kBlue{0, 0, 255};
constexpr Color kMagenta{204, 0, 204};
constexpr Color kBlack{0, 0, 0};

std::string program(const std::string& name) {
  return std::string(TRIKROS_PROGRAM_DIR) + "/" + name;
}

// Keeps Mesa's driver loaded to the end, so that LeakSanitizer can tell the
// graphics libraries' allocations from ours (tests/support/keep_loaded.cpp).
std::vector<std::string> programEnvironment() {
  return {std::string("LD_PRELOAD=") + TRIKROS_PROGRAM_PRELOAD};
}

const std::string kCase10Report =
    "Presek zadatih trouglova je sestougao odredjen Tackama:\n"
    "M (3.666667, 1.000000, 0.000000), N (2.666667, 1.000000, 0.000000), "
    "P (3.000000, 3.000000, 0.000000), Q (2.250000, 2.250000, 0.000000), "
    "R (4.000000, 1.500000, 0.000000), S (4.000000, 3.000000, 0.000000).\n";

// The corners of fixed case 2 as typed in, one number per prompt.
const std::string kCase02Input = "4 5 0 4 1 0 1 5 0\n4 3 0 4 6 3 2 3 5\n";

// Where a corner of fixed case `number` appears in a window of the given
// size after the gesture.
drawing::Spot placeOf(int number, Point corner, View (*gesture)(const View&) = nullptr,
                      int width = 1024, int height = 700) {
  buildFigureScene(fixedCase(number));
  const View first = firstView(width, height);
  return project(frameOf(scene, width, height), gesture ? gesture(first) : first, corner);
}

const Point kCase02M{4, 3, 0, 9}, kCase02A1{4, 5, 0, 9}, kCase02B2{4, 6, 3, 9};

struct Sample {
  Point place;
  Color color;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xharness::startWatchdog(kInnerTimeoutSeconds);
    server_ = std::make_unique<xharness::PrivateXServer>();
  }
  void TearDown() override {
    child_.reset();
    server_.reset();
  }

  // Starts the program (in the given folder, if any) and waits for its
  // first picture.
  void start(const std::string& name, const std::string& input = "",
             const std::string& folder = "") {
    std::vector<std::string> argv{program(name)};
    if (!folder.empty()) argv.insert(argv.begin(), {"env", "-C", folder});
    child_ = std::make_unique<xharness::Child>(argv, input, programEnvironment());
    window_ = xharness::findWindow(kTitle, 30s);
    ASSERT_NE(window_, 0u) << "no window; the program wrote:\n"
                           << child_->output() << child_->errors();
    picture_ = settledPicture(std::nullopt);
    ASSERT_GT(picture_.width, 0) << "no picture of the window";
  }

  // Waits until the window is drawn, its picture differs from `before` (if
  // given), and then stays the same over three shots, a tenth of a second
  // apart: the program has handled what it was sent (a resized window can
  // show its old frame for a moment before it is drawn anew).
  Image settledPicture(const std::optional<Image>& before) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    Image last;
    int same = 0;
    while (std::chrono::steady_clock::now() < deadline) {
      Image now = xharness::screenshot(window_);
      // Before the first frame the window is of one colour.
      const bool drawn =
          now.width > 0 && now.count(now.pixels.front()) < static_cast<long>(now.pixels.size());
      const bool changed = drawn && (!before || !(now == *before));
      same = changed && now == last ? same + 1 : 0;
      if (same == 2) return now;
      last = std::move(now);
      std::this_thread::sleep_for(100ms);
    }
    return last;
  }

  // Sends xdotool commands; positions given for the window are relative to it.
  void xdotool(const std::vector<std::string>& commands) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), commands.begin(), commands.end());
    const xharness::Exit done = xharness::run(argv);
    ASSERT_TRUE(done.exited && done.code == 0) << done.errors;
  }

  std::vector<std::string> moveTo(int x, int y) {
    return {"mousemove", "--window", std::to_string(window_), std::to_string(x), std::to_string(y)};
  }

  // Presses the X button (1 left, 2 middle, 3 right) at `from`, moves to `to`
  // in one step and releases.
  void drag(int button, std::pair<int, int> from, std::pair<int, int> to) {
    std::vector<std::string> commands = moveTo(from.first, from.second);
    commands.insert(commands.end(), {"mousedown", std::to_string(button)});
    const auto move = moveTo(to.first, to.second);
    commands.insert(commands.end(), move.begin(), move.end());
    commands.insert(commands.end(), {"mouseup", std::to_string(button)});
    xdotool(commands);
  }

  // Typing into the window: key names as xdotool knows them, with spaces
  // between.
  std::vector<std::string> keys(const std::string& names) {
    std::vector<std::string> commands{"windowfocus", "--sync", windowId(), "key"};
    std::istringstream each(names);
    for (std::string name; each >> name;) commands.push_back(name);
    return commands;
  }

  // Sends the commands and returns the picture once it has changed.
  Image pictureAfter(const std::vector<std::string>& commands) {
    const Image before = picture_;
    xdotool(commands);
    return settledPicture(before);
  }

  std::string windowId() const { return std::to_string(window_); }

  std::unique_ptr<xharness::PrivateXServer> server_;
  std::unique_ptr<xharness::Child> child_;
  unsigned long window_ = 0;
  Image picture_;
};

// Whether the picture shows the colour at the spot.
::testing::AssertionResult shows(const Image& image, drawing::Spot at, Color color,
                                 int radius = 2) {
  const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
  if (image.hasNear(color, x, y, radius)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "no " << color << " near pixel (" << x << ", " << y << ")";
}

// ------------------------------------------------------------- first view

class FirstViewOf : public ProgramTest, public ::testing::WithParamInterface<int> {};

// Every corner point of the list, where no later point covers it, shows in
// its colour in the window, and all four colours are there.
TEST_P(FirstViewOf, ShowsEveryCornerPointWhereTheListPutsIt) {
  const int number = GetParam();
  ASSERT_NO_FATAL_FAILURE(
      start((number < 10 ? "trikros-case0" : "trikros-case") + std::to_string(number)));
  ASSERT_EQ(picture_.width, 1024);
  ASSERT_EQ(picture_.height, 700);
  buildFigureScene(fixedCase(number));
  std::vector<drawing::Dot> dots;
  for (const drawing::Mark& mark : drawScene(scene, firstView(1024, 700), Shown{}).marks) {
    if (const auto* dot = std::get_if<drawing::Dot>(&mark)) dots.push_back(*dot);
  }
  for (std::size_t i = 0; i < dots.size(); ++i) {
    const bool covered = std::any_of(
        dots.begin() + static_cast<long>(i) + 1, dots.end(), [&dots, i](const drawing::Dot& later) {
          return std::hypot(later.centre.x - dots[i].centre.x, later.centre.y - dots[i].centre.y) <
                 8;
        });
    const Rgb c = dots[i].color;
    const Color color{static_cast<std::uint8_t>(std::lround(c.red * 255)),
                      static_cast<std::uint8_t>(std::lround(c.green * 255)),
                      static_cast<std::uint8_t>(std::lround(c.blue * 255))};
    if (!covered) {
      EXPECT_TRUE(shows(picture_, dots[i].centre, color, 1)) << "dot " << i;
    }
  }
  for (Color shown : {kBlue, kMagenta, kRed, kBlack}) EXPECT_GT(picture_.count(shown), 20);
}

INSTANTIATE_TEST_SUITE_P(Viewer, FirstViewOf, ::testing::Range(1, 13),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return (info.param < 10 ? "case0" : "case") + std::to_string(info.param);
                         });

// Case 10 on the screen: the edges 2 pixels wide and the intersection's 3,
// the names at least 16 tall; the hexagon's red fill, which T takes away and
// brings back; F11 fills the screen with a larger picture and gives the
// window back.
TEST_F(ProgramTest, MeasuredOnTheScreenCase10IsThickFilledAndLabelled) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case10"));
  const Image first = picture_;
  // The centre of the hexagon: reddish over the two see-through triangles.
  const drawing::Spot middle = placeOf(10, Point{3.25f, 2.0f, 0.0f, 9});
  const Color fill = picture_.at(static_cast<int>(middle.x), static_cast<int>(middle.y));
  EXPECT_TRUE(fill.red > fill.green + 60 && fill.red > fill.blue + 40) << fill;

  picture_ = pictureAfter(keys("t"));
  EXPECT_EQ(picture_.at(static_cast<int>(middle.x), static_cast<int>(middle.y)), kBackground);
  // Widths across a horizontal edge, over the plain background: the sum of
  // each pixel's share of the line's colour down one column.
  const auto widthAcross = [this](Point on, int channel) {
    const drawing::Spot at = placeOf(10, on);
    double width = 0;
    for (int y = static_cast<int>(at.y) - 8; y <= static_cast<int>(at.y) + 8; ++y) {
      const Color c = picture_.at(static_cast<int>(at.x), y);
      const int value = channel == 0 ? c.red : c.green;
      width += 1.0 - value / 230.0;
    }
    return width;
  };
  EXPECT_NEAR(widthAcross(Point{1.5f, 1.0f, 0.0f, 9}, 0), 2.0, 0.5);  // a1-b1, blue
  EXPECT_NEAR(widthAcross(Point{3.2f, 1.0f, 0.0f, 9}, 1), 3.0, 0.5);  // M-N, red
  // The name c1 (blue): rows with its ink above and below its baseline.
  const drawing::Spot c1 = placeOf(10, Point{4, 4, 0, 9});
  int top = 9999, bottom = -1;
  for (int y = static_cast<int>(c1.y) - 60; y < static_cast<int>(c1.y); ++y)
    for (int x = static_cast<int>(c1.x) - 40; x < static_cast<int>(c1.x) + 60; ++x) {
      const Color c = picture_.at(x, y);
      if (c.blue > 150 && c.red < 100 && std::abs(y - static_cast<int>(c1.y)) > 6)
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
  EXPECT_GE(bottom - top + 1, 16);
  EXPECT_LE(bottom - top + 1, 24);

  picture_ = pictureAfter(keys("T"));
  EXPECT_TRUE(picture_ == first);
  // Without a window manager the whole screen is the window's, but the
  // server shows only what lies on the screen: its size is read from X.
  picture_ = pictureAfter(keys("F11"));
  const xharness::Exit geometry = xharness::run({"xdotool", "getwindowgeometry", windowId()});
  EXPECT_NE(geometry.output.find("Geometry: 1280x1024"), std::string::npos) << geometry.output;
  picture_ = pictureAfter(keys("F11"));
  const xharness::Exit back = xharness::run({"xdotool", "getwindowgeometry", windowId()});
  EXPECT_NE(back.output.find("Geometry: 1024x700"), std::string::npos) << back.output;
}

TEST_F(ProgramTest, LTurnsTheNamesOffAndOn) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  const Image named = picture_;
  picture_ = pictureAfter(keys("l"));
  EXPECT_LT(picture_.count(kBlue), named.count(kBlue));
  picture_ = pictureAfter(keys("L"));
  EXPECT_TRUE(picture_ == named);
}

// ------------------------------------------------------------- mouse

TEST_F(ProgramTest, RightDragsTurnThePictureAndAResizeBringsBackTheFirstView) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  const Image first = picture_;
  const Sample samples[] = {{kCase02M, kRed}, {kCase02A1, kBlue}, {kCase02B2, kMagenta}};

  // Straight down: a turn counterclockwise by about 8.78 degrees.
  drag(3, {500, 300}, {500, 350});
  picture_ = settledPicture(first);
  for (const Sample& s : samples) {
    EXPECT_TRUE(shows(picture_, placeOf(2, s.place, [](const View& v) { return spinBy(v, 0, 50); }),
                      s.color));
  }
  EXPECT_FALSE(shows(picture_, placeOf(2, kCase02M), kRed));

  // A new size drops the turn: the first view framed for 800 x 600.
  picture_ = pictureAfter({"windowsize", windowId(), "800", "600"});
  ASSERT_EQ(picture_.width, 800);
  ASSERT_EQ(picture_.height, 600);
  for (const Sample& s : samples) {
    EXPECT_TRUE(shows(picture_, placeOf(2, s.place, nullptr, 800, 600), s.color));
  }

  // Back at the first size, the first picture again, pixel for pixel.
  picture_ = pictureAfter({"windowsize", windowId(), "1024", "700"});
  EXPECT_TRUE(picture_ == first);

  // To the right: the opposite turn.
  drag(3, {500, 300}, {550, 300});
  picture_ = settledPicture(first);
  for (const Sample& s : samples) {
    EXPECT_TRUE(shows(picture_, placeOf(2, s.place, [](const View& v) { return spinBy(v, 50, 0); }),
                      s.color));
  }
}

TEST_F(ProgramTest, LeftDragMovesTheFigureWithThePointer) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  drag(1, {300, 200}, {400, 150});
  picture_ = settledPicture(picture_);
  for (const Sample& s : {Sample{kCase02M, kRed}, Sample{kCase02A1, kBlue}}) {
    const drawing::Spot before = placeOf(2, s.place);
    EXPECT_TRUE(shows(picture_, {before.x + 100, before.y - 50}, s.color));
    EXPECT_FALSE(shows(picture_, before, s.color));
  }
}

struct ZoomCase {
  const char* name;
  std::vector<int> buttons;  // X buttons held together
  int dy;
};

void PrintTo(const ZoomCase& zoom, std::ostream* out) {
  *out << zoom.name;
}

class ZoomingDrag : public ProgramTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(ZoomingDrag, ScalesThePictureByEToTheDragOver2100) {
  const ZoomCase& zoom = GetParam();
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  std::vector<std::string> commands = moveTo(500, 300);
  for (int button : zoom.buttons)
    commands.insert(commands.end(), {"mousedown", std::to_string(button)});
  const auto move = moveTo(500, 300 + zoom.dy);
  commands.insert(commands.end(), move.begin(), move.end());
  for (int button : zoom.buttons)
    commands.insert(commands.end(), {"mouseup", std::to_string(button)});
  picture_ = pictureAfter(commands);

  const auto zoomed = [](const View& v) { return zoomBy(v, dragZoom(ZoomingDrag::GetParam().dy)); };
  EXPECT_TRUE(shows(picture_, placeOf(2, kCase02M, zoomed), kRed));
  EXPECT_TRUE(shows(picture_, placeOf(2, kCase02A1, zoomed), kBlue));
  EXPECT_TRUE(shows(picture_, placeOf(2, kCase02B2, zoomed), kMagenta));
  EXPECT_FALSE(shows(picture_, placeOf(2, kCase02M), kRed));
}

INSTANTIATE_TEST_SUITE_P(Viewer, ZoomingDrag,
                         ::testing::Values(ZoomCase{"MiddleUp", {2}, -210},
                                           ZoomCase{"MiddleDown", {2}, 300},
                                           ZoomCase{"LeftAndRightUp", {1, 3}, -210}),
                         [](const ::testing::TestParamInfo<ZoomCase>& info) {
                           return std::string(info.param.name);
                         });

// Two notches away and four towards the user (the last held while the
// pointer moves) zoom out by two - keys.
TEST_F(ProgramTest, WheelClicksZoom) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  const Image first = picture_;
  std::vector<std::string> commands = moveTo(500, 300);
  for (const char* button : {"4", "5", "5", "4", "5"}) {
    commands.insert(commands.end(), {"click", button});
  }
  // Held wheel "buttons" with the pointer moving: no flag, so no drag.
  commands.insert(commands.end(), {"mousedown", "5"});
  const auto move = moveTo(700, 500);
  commands.insert(commands.end(), move.begin(), move.end());
  commands.insert(commands.end(), {"mouseup", "5"});
  xdotool(commands);
  // A later right drag shows the events have all been handled.
  drag(3, {500, 300}, {500, 350});
  picture_ = settledPicture(first);
  const auto turned = [](const View& v) {
    return spinBy(zoomBy(v, 1 / (kKeyZoom * kKeyZoom)), 0, 50);
  };
  EXPECT_TRUE(shows(picture_, placeOf(2, kCase02A1, turned), kBlue));
  EXPECT_TRUE(shows(picture_, placeOf(2, kCase02B2, turned), kMagenta));
}

// ------------------------------------------------------------- keys

TEST_F(ProgramTest, ArrowsAndShiftDragTurnAndFOrHomeBringBackTheFirstPicture) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  const Image first = picture_;
  const std::vector<std::string> shiftDrag = {
      "keydown", "shift",     "mousemove", "--window",  windowId(), "500",
      "300",     "mousedown", "3",         "mousemove", "--window", windowId(),
      "560",     "250",       "mouseup",   "3",         "keyup",    "shift"};
  for (const auto& [turn, back] :
       {std::pair{keys("Up"), keys("f")}, std::pair{keys("Left Right Right plus"), keys("Home")},
        std::pair{shiftDrag, keys("F")}}) {
    picture_ = pictureAfter(turn);
    EXPECT_FALSE(picture_ == first);
    picture_ = pictureAfter(back);
    EXPECT_TRUE(picture_ == first);
  }
}

TEST_F(ProgramTest, SSavesTheWindowAsAPngInTheCurrentFolder) {
  char folder[] = "/tmp/trikros-save-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  ASSERT_NO_FATAL_FAILURE(start("trikros-case10", "", folder));
  ASSERT_NO_FATAL_FAILURE(xdotool(keys("s")));
  std::string saved;
  for (int tries = 0; tries < 200 && saved.empty(); ++tries) {
    std::this_thread::sleep_for(50ms);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) saved = entry.path();
  }
  ASSERT_FALSE(saved.empty()) << "no file in " << folder;
  std::this_thread::sleep_for(200ms);  // let the writing end
  // The frame as drawn, read before the swap: multisampling resolves a few
  // edge pixels otherwise than the screen does.
  const Image file = xharness::pictureFile(saved);
  ASSERT_EQ(file.width, picture_.width) << saved;
  ASSERT_EQ(file.height, picture_.height);
  long differ = 0;
  for (std::size_t i = 0; i < file.pixels.size(); ++i) {
    const Color a = file.pixels[i], b = picture_.pixels[i];
    differ += std::max({std::abs(a.red - b.red), std::abs(a.green - b.green),
                        std::abs(a.blue - b.blue)}) > 32;
  }
  EXPECT_LT(differ, static_cast<long>(file.pixels.size()) / 50) << saved;
  const std::string name = std::filesystem::path(saved).filename();
  EXPECT_EQ(name.size(), std::string("trikros-YYYYMMDD-HHMMSS.png").size()) << name;
  EXPECT_EQ(name.rfind("trikros-20", 0), 0u) << name;

  xdotool(keys("Escape"));
  const xharness::Exit exit = child_->wait(30s);
  EXPECT_TRUE(exit.exited && exit.code == 0 && exit.output == kCase10Report) << exit.code;
  EXPECT_EQ(exit.errors, "Slika prozora je sacuvana: " + saved + "\n");
  std::filesystem::remove_all(folder);
}

// ------------------------------------------------------------- console

TEST_F(ProgramTest, TrikrosReportIsReadableWhileTheWindowIsOpen) {
  ASSERT_NO_FATAL_FAILURE(start("trikros", kCase02Input));
  const std::string report =
      "Presek zadatih trouglova je Tacka:\nM (4.000000, 3.000000, 0.000000).\n";
  EXPECT_TRUE(child_->waitForOutput(report, 5s)) << child_->output();
  EXPECT_TRUE(child_->running());
  const std::string& output = child_->output();
  EXPECT_EQ(output.find("Uneti tacke prvog trougla:\na1.x = "), 0u);
  EXPECT_NE(output.find("c2.z = " + report), std::string::npos);
  // The same triangles as trikros-case02, so the same picture.
  const Image typed = picture_;
  child_.reset();
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  EXPECT_TRUE(picture_ == typed);
}

// Input that ends before the eighteenth number is no task: status 2, no
// report, and the program ends before any window opens.
TEST_F(ProgramTest, TrikrosWithInputThatEndsEarlyOpensNoWindow) {
  xharness::Child child({program("trikros")}, "4 5 0\n", programEnvironment());
  const xharness::Exit exit = child.wait(30s);
  EXPECT_TRUE(exit.exited) << exit.errors;
  EXPECT_EQ(exit.code, 2);
  EXPECT_EQ(exit.output, "Uneti tacke prvog trougla:\na1.x = a1.y = a1.z = b1.x = ");
  EXPECT_EQ(exit.errors, "Greska: ulaz je zavrsen kod koordinate b1.x; zadatak nije resen.\n");
}

// Closing the window or Q ends the program with status 0, its report
// whole on the pipe (Esc: the PNG test).
class Ending : public ProgramTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(Ending, TheProgramWithStatusZeroAndTheReportWhole) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case10"));
  if (GetParam() == std::string("close")) {
    xharness::closeWindow(window_);
  } else {
    xdotool(keys(GetParam()));
  }
  const xharness::Exit exit = child_->wait(30s);
  EXPECT_TRUE(exit.exited) << "ended by signal " << exit.code << "\n" << exit.errors;
  EXPECT_EQ(exit.code, 0) << exit.errors;
  EXPECT_EQ(exit.output, kCase10Report);
}

INSTANTIATE_TEST_SUITE_P(Viewer, Ending, ::testing::Values("close", "Q"));

// ------------------------------------------------------------- robustness

// A few hundred random mouse events and window sizes, the wheel and extra
// buttons included and heights down to 1, then the window is closed. In the
// sanitizer build this is where a stray index or overflow in the callbacks
// would show; the program must keep drawing and end cleanly.
class RandomMouse : public ProgramTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RandomMouse, KeepsDrawingAndClosesCleanly) {
  const std::string name = GetParam();
  ASSERT_NO_FATAL_FAILURE(start(name, name == "trikros" ? kCase02Input : ""));
  std::mt19937 random(static_cast<unsigned>(std::hash<std::string>{}(name)));
  auto between = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };

  int width = 1024, height = 700;
  for (int batch = 0; batch < 6; ++batch) {
    std::vector<std::string> commands;
    for (int event = 0; event < 50; ++event) {
      const int kind = between(0, 9);
      if (kind < 5) {
        // On the screen, so that some moves leave the window (placed at 100, 50).
        commands.insert(commands.end(),
                        {"mousemove", std::to_string(100 + between(-20, width + 20)),
                         std::to_string(50 + between(-20, height + 20))});
      } else if (kind < 7) {
        commands.insert(commands.end(), {"mousedown", std::to_string(between(1, 5))});
      } else if (kind < 9) {
        commands.insert(commands.end(), {"mouseup", std::to_string(between(1, 5))});
      } else {
        width = between(1, 1100);
        height = between(0, 3) == 0 ? 1 : between(1, 900);
        commands.insert(commands.end(),
                        {"windowsize", windowId(), std::to_string(width), std::to_string(height)});
      }
    }
    ASSERT_NO_FATAL_FAILURE(xdotool(commands));
    ASSERT_TRUE(child_->running()) << child_->errors();
  }
  for (const char* button : {"1", "2", "3", "4", "5"}) {
    ASSERT_NO_FATAL_FAILURE(xdotool({"mouseup", button}));
  }

  // Still drawing: at its first size again it shows the first view.
  const Image before = picture_;
  ASSERT_NO_FATAL_FAILURE(xdotool({"windowsize", windowId(), "1024", "700"}));
  picture_ = settledPicture(std::nullopt);
  EXPECT_TRUE(picture_ == before);

  xharness::closeWindow(window_);
  const xharness::Exit exit = child_->wait(60s);
  EXPECT_TRUE(exit.exited) << "ended by signal " << exit.code << "\n" << exit.errors;
  EXPECT_EQ(exit.code, 0) << exit.errors;
  EXPECT_EQ(exit.errors.find("Sanitizer"), std::string::npos) << exit.errors;
  EXPECT_EQ(exit.errors.find("runtime error"), std::string::npos) << exit.errors;
}

INSTANTIATE_TEST_SUITE_P(Viewer, RandomMouse,
                         ::testing::Values("trikros", "trikros-case01", "trikros-case02",
                                           "trikros-case03", "trikros-case04", "trikros-case05",
                                           "trikros-case06", "trikros-case07", "trikros-case08",
                                           "trikros-case09", "trikros-case10", "trikros-case11",
                                           "trikros-case12"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

}  // namespace
