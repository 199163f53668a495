// The real programs in a private X server: their window is photographed with
// ImageMagick and driven with xdotool, and each picture is checked by the
// colours found where plain matrix arithmetic says the shapes must appear.
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

#include "view_math.h"
#include "xharness.h"

namespace {

using namespace std::chrono_literals;
using viewmath::Matrix;
using xharness::Color;
using xharness::Image;

constexpr unsigned kInnerTimeoutSeconds = 100;
const std::string kTitle = "Geometrija - prikaz zadatka";

constexpr Color kBackground{230, 230, 204};  // clear colour 0.9, 0.9, 0.8
constexpr Color kRed{255, 0, 0};
constexpr Color kBlue{0, 0, 255};
constexpr Color kMagenta{255, 0, 255};
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

// The camera the program places for fixed case 2, whose corners lie within
// the axes (0..10 in x and y, 0..20 in z): above (5, 5), as far beyond z = 20
// as lets the height of 10 fill 85 % of a window seen through 30 degrees, the
// near plane a tenth of the way there.
const double kDistance = 20 + 5 / std::tan(15 * viewmath::kPi / 180) / 0.85;

// The view in a window of the given size, after the mouse has multiplied
// `mouse` onto the projection.
Matrix viewOf(int width, int height, const Matrix& mouse = viewmath::identity()) {
  const float aspect = static_cast<float>(static_cast<double>(width) / height);
  const double far = (kDistance + std::hypot(5.0, 5.0, 20.0)) * 100;
  return viewmath::perspective(30, aspect, kDistance / 10, far) * mouse *
         viewmath::translation(-5, -5, -kDistance);
}

Matrix firstView(int width = 1024, int height = 700) {
  return viewOf(width, height);
}

// A turn or a zoom as a drag makes it: about the axis through the camera,
// in the coordinates the model-view translation gives.
Matrix dragged(const Matrix& transform) {
  return viewOf(1024, 700,
                viewmath::translation(5, 5, kDistance) * transform *
                    viewmath::translation(-5, -5, -kDistance));
}

constexpr double kFiftyPixelTurn = 50.0 / 1025.0 * 180.0;

struct Place {
  double x, y, z;
};

struct Sample {
  Place place;
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

  // Waits until the picture differs from `before` (if given) and then stays
  // the same between two shots: the program has handled what it was sent.
  Image settledPicture(const std::optional<Image>& before) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    Image last;
    while (std::chrono::steady_clock::now() < deadline) {
      Image now = xharness::screenshot(window_);
      const bool changed = !before || !(now == *before);
      if (now.width > 0 && changed && now == last) return now;
      last = std::move(now);
      std::this_thread::sleep_for(50ms);
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

// Whether the picture shows the colour where the view puts the place.
::testing::AssertionResult shows(const Image& image, const Matrix& view, const Sample& sample,
                                 int radius = 2) {
  const auto at = viewmath::windowPosition(view, sample.place.x, sample.place.y, sample.place.z,
                                           image.width, image.height);
  const int x = static_cast<int>(at.x);
  const int y = static_cast<int>(at.y);
  if (image.hasNear(sample.color, x, y, radius)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "no " << sample.color << " near pixel (" << x << ", " << y << ") for ("
         << sample.place.x << ", " << sample.place.y << ", " << sample.place.z << ")";
}

// Fails for any pixel that is none of the given colours: lines and points
// are drawn without smoothing, so nothing else may appear.
::testing::AssertionResult onlyColors(const Image& image, const std::vector<Color>& colors) {
  long counted = 0;
  for (const Color& color : colors) counted += image.count(color);
  const long others = static_cast<long>(image.pixels.size()) - counted;
  if (others == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << others << " pixels of other colours";
}

// ------------------------------------------------------------- first view

// Pixels of the colour in the window rectangle [left, right) x [top, bottom),
// and the leftmost and rightmost column that has one.
struct Found {
  long count = 0;
  int leftmost = INT_MAX, rightmost = INT_MIN;
};

Found inBox(const Image& image, Color color, int left, int top, int right, int bottom) {
  Found found;
  for (int y = std::max(top, 0); y < std::min(bottom, image.height); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, image.width); ++x) {
      if (!(image.at(x, y) == color)) continue;
      ++found.count;
      found.leftmost = std::min(found.leftmost, x);
      found.rightmost = std::max(found.rightmost, x);
    }
  }
  return found;
}

class FirstViewOf : public ProgramTest, public ::testing::WithParamInterface<int> {};

// Nothing runs into the window's edge, so every shape that shows at all
// shows whole.
TEST_P(FirstViewOf, ShowsTheAxesBothTrianglesAndTheIntersectionUncut) {
  const int number = GetParam();
  ASSERT_NO_FATAL_FAILURE(
      start((number < 10 ? "trikros-case0" : "trikros-case") + std::to_string(number)));
  ASSERT_EQ(picture_.width, 1024);
  ASSERT_EQ(picture_.height, 700);
  EXPECT_TRUE(onlyColors(picture_, {kBackground, kBlue, kMagenta, kRed, kBlack}));
  for (Color shown : {kBlue, kMagenta, kRed, kBlack}) EXPECT_GT(picture_.count(shown), 0);
  long atEdge = 0;
  for (int y = 0; y < 700; ++y)
    for (int x = 0; x < 1024; ++x)
      atEdge += (x < 3 || x >= 1021 || y < 3 || y >= 697) && !(picture_.at(x, y) == kBackground);
  EXPECT_EQ(atEdge, 0);
}

INSTANTIATE_TEST_SUITE_P(Viewer, FirstViewOf, ::testing::Range(1, 13),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return (info.param < 10 ? "case0" : "case") + std::to_string(info.param);
                         });

TEST_F(ProgramTest, NamesSitBesideTheirCornersUntilLTurnsThemOff) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  // Up and to the right of a corner, where its name goes in case 2; a2 and M
  // share a point: "a2, M", the magenta name before the red one.
  const struct {
    Place corner;
    Color color;
    int width;
  } names[] = {{{4, 1, 0}, kBlue, 20},
               {{1, 5, 0}, kBlue, 20},
               {{4, 3, 0}, kMagenta, 50},
               {{4, 3, 0}, kRed, 50}};
  const auto beside = [this](const auto& name) {
    const auto at = viewmath::windowPosition(firstView(), name.corner.x, name.corner.y,
                                             name.corner.z, 1024, 700);
    const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
    return inBox(picture_, name.color, x + 5, y - 22, x + 5 + name.width, y - 3);
  };
  for (const auto& name : names) EXPECT_GT(beside(name).count, 0);
  EXPECT_LT(beside(names[2]).rightmost, beside(names[3]).leftmost);

  const Image named = picture_;
  picture_ = pictureAfter(keys("l"));
  for (const auto& name : names) EXPECT_EQ(beside(name).count, 0);
  picture_ = pictureAfter(keys("L"));
  EXPECT_TRUE(picture_ == named);
}

// ------------------------------------------------------------- mouse

TEST_F(ProgramTest, RightDragsTurnThePictureAndAResizeBringsBackTheFirstView) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  const Image first = picture_;
  const Sample point{{4, 3, 0}, kRed};
  const Sample cornerA1{{4, 5, 0}, kBlue};
  const Sample cornerB2{{4, 6, 3}, kMagenta};

  // Straight down: a positive turn of about 8.78 degrees.
  drag(3, {500, 300}, {500, 350});
  picture_ = settledPicture(first);
  const Matrix turnedLeft = dragged(viewmath::rotationZ(kFiftyPixelTurn));
  EXPECT_TRUE(shows(picture_, turnedLeft, point));
  EXPECT_TRUE(shows(picture_, turnedLeft, cornerA1));
  EXPECT_TRUE(shows(picture_, turnedLeft, cornerB2));
  EXPECT_FALSE(shows(picture_, firstView(), point));

  // A new size drops the turn: the plain view at 800 x 600.
  picture_ = pictureAfter({"windowsize", windowId(), "800", "600"});
  ASSERT_EQ(picture_.width, 800);
  ASSERT_EQ(picture_.height, 600);
  EXPECT_TRUE(shows(picture_, firstView(800, 600), point));
  EXPECT_TRUE(shows(picture_, firstView(800, 600), cornerA1));
  EXPECT_TRUE(shows(picture_, firstView(800, 600), cornerB2));

  // Back at the first size, the first picture again, pixel for pixel.
  picture_ = pictureAfter({"windowsize", windowId(), "1024", "700"});
  EXPECT_TRUE(picture_ == first);

  // To the right: the opposite turn.
  drag(3, {500, 300}, {550, 300});
  picture_ = settledPicture(first);
  const Matrix turnedRight = dragged(viewmath::rotationZ(-kFiftyPixelTurn));
  EXPECT_TRUE(shows(picture_, turnedRight, point));
  EXPECT_TRUE(shows(picture_, turnedRight, cornerA1));
  EXPECT_TRUE(shows(picture_, turnedRight, cornerB2));
  EXPECT_FALSE(shows(picture_, firstView(), point));
}

TEST_F(ProgramTest, LeftDragMovesThePlaneATenthOfTheWay) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  drag(1, {300, 200}, {700, 500});
  picture_ = settledPicture(picture_);
  // The grabbed point on the near plane (a tenth of the way to the view
  // centre) follows the cursor, so the plane z = 0 moves by a tenth: 40
  // right, 30 down.
  for (const Sample& sample : {Sample{{4, 3, 0}, kRed}, Sample{{0, 5, 0}, kBlack}}) {
    const auto before = viewmath::windowPosition(firstView(), sample.place.x, sample.place.y,
                                                 sample.place.z, 1024, 700);
    EXPECT_TRUE(picture_.hasNear(sample.color, static_cast<int>(before.x + 40),
                                 static_cast<int>(before.y + 30), 2));
    EXPECT_FALSE(
        picture_.hasNear(sample.color, static_cast<int>(before.x), static_cast<int>(before.y), 2));
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

  const Matrix zoomed = dragged(viewmath::scaling(std::exp(zoom.dy / 2100.0)));
  EXPECT_TRUE(shows(picture_, zoomed, {{4, 3, 0}, kRed}));
  EXPECT_TRUE(shows(picture_, zoomed, {{4, 4.5, 0}, kBlue}));
  EXPECT_TRUE(shows(picture_, zoomed, {{4, 6, 3}, kMagenta}));
  EXPECT_FALSE(shows(picture_, firstView(), {{4, 3, 0}, kRed}));
}

INSTANTIATE_TEST_SUITE_P(Viewer, ZoomingDrag,
                         ::testing::Values(ZoomCase{"MiddleUp", {2}, -210},
                                           ZoomCase{"MiddleDown", {2}, 300},
                                           ZoomCase{"LeftAndRightUp", {1, 3}, -210}),
                         [](const ::testing::TestParamInfo<ZoomCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(ProgramTest, WheelClicksLeaveThePictureAsItIs) {
  ASSERT_NO_FATAL_FAILURE(start("trikros-case02"));
  const Image first = picture_;
  std::vector<std::string> commands = moveTo(500, 300);
  for (const char* button : {"4", "5", "4", "4", "5"}) {
    commands.insert(commands.end(), {"click", button});
  }
  // Held wheel "buttons" with the pointer moving: no flag, so no drag.
  commands.insert(commands.end(), {"mousedown", "4"});
  const auto move = moveTo(700, 500);
  commands.insert(commands.end(), move.begin(), move.end());
  commands.insert(commands.end(), {"mouseup", "4"});
  xdotool(commands);
  // A later right drag shows the events have all been handled.
  drag(3, {500, 300}, {500, 350});
  picture_ = settledPicture(first);
  const Matrix turned = dragged(viewmath::rotationZ(kFiftyPixelTurn));
  EXPECT_TRUE(shows(picture_, turned, {{4, 5, 0}, kBlue}));
  EXPECT_TRUE(shows(picture_, turned, {{4, 6, 3}, kMagenta}));
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
  EXPECT_TRUE(xharness::pictureFile(saved) == picture_) << saved;
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
