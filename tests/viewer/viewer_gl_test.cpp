// The mouse, the keys and the painting of the viewer, checked in a real
// OpenGL context (Mesa, software) on a private X server: the callbacks are
// called directly and the view they leave is compared with the gestures of
// the drawing list; painted marks are read back from the frame.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <memory>
#include <ostream>
#include <thread>
#include <vector>

#include "app.h"
#include "scene.h"
#include "viewer_parts.h"
#include "xharness.h"

// Views compare and print whole, for the checks below.
bool operator==(const View& a, const View& b) {
  return a.width == b.width && a.height == b.height && a.turn == b.turn && a.zoom == b.zoom &&
         a.panX == b.panX && a.panY == b.panY;
}

void PrintTo(const View& v, std::ostream* out) {
  *out << v.width << " x " << v.height << ", zoom " << v.zoom << ", pan (" << v.panX << ", "
       << v.panY << "), turn (" << v.turn[0] << ", " << v.turn[1] << ", " << v.turn[3] << ", "
       << v.turn[4] << ", ...)";
}

namespace {

constexpr unsigned kInnerTimeoutSeconds = 60;

int displayCount = 0;
void countingDisplay() {
  ++displayCount;
  display();
}

// Opens the window and handles its first events (map, size, expose), so
// that none of them arrives in the middle of a test.
void openWindow() {
  static char name[] = "viewer_gl_test";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  scene = Scene{};
  addAxes(Point{});
  displayCount = 0;
  setUpViewer(&argc, argv);
  glutDisplayFunc(countingDisplay);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (displayCount == 0 && std::chrono::steady_clock::now() < deadline) {
    glutPostRedisplay();
    glutMainLoopEvent();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  for (int i = 0; i < 20; ++i) {
    glutMainLoopEvent();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_GT(displayCount, 0) << "the window was never shown";
}

// One X server and one window for the whole test program.
class ViewerWindow : public ::testing::Environment {
 public:
  void SetUp() override {
    xharness::startWatchdog(kInnerTimeoutSeconds);
    server_ = std::make_unique<xharness::PrivateXServer>();
    openWindow();
  }
  void TearDown() override {
    // GLUT lets go of the server before it stops. The libraries it unloads
    // stay mapped (keep_loaded.cpp), so leaks inside them keep their names.
    glutDestroyWindow(glutGetWindow());
    glutExit();
    server_.reset();
  }

 private:
  std::unique_ptr<xharness::PrivateXServer> server_;
};

const auto* const window = ::testing::AddGlobalTestEnvironment(new ViewerWindow);

struct Viewport {
  GLint x, y, width, height;
};
Viewport viewport() {
  Viewport v{};
  glGetIntegerv(GL_VIEWPORT, &v.x);
  return v;
}

// Runs the action and reports how many times the window was redrawn because
// of it (the idle redraw does not run outside the event loop).
int redisplaysCausedBy(void (*action)()) {
  glutMainLoopEvent();
  displayCount = 0;
  action();
  glutMainLoopEvent();
  return displayCount;
}

enum Button { kLeft = 0, kMiddle = 1, kRight = 2, kWheelUp = 3, kWheelDown = 4 };
constexpr int kPressed = 0;
constexpr int kReleased = 1;

class ViewerTest : public ::testing::Test {
 protected:
  // The state right after start-up with the axes alone in the scene, and the
  // window at its first size.
  void SetUp() override {
    scene = Scene{};
    addAxes(Point{});
    reshape(1024, 700);
    leftDown = middleDown = rightDown = turnInSpace = false;
    shown = Shown{};
    lastX = lastY = 0;
  }
};

// ---------------------------------------------------------------- reshape

TEST_F(ViewerTest, ReshapeBringsTheFirstViewForTheNewSize) {
  mouse(kRight, kPressed, 100, 100);
  motion(160, 180);
  mouse(kRight, kReleased, 160, 180);
  keyboard('+', 0, 0);
  reshape(800, 600);
  EXPECT_EQ(view, firstView(800, 600));
  const Viewport v = viewport();
  EXPECT_EQ(v.x, 0);
  EXPECT_EQ(v.y, 0);
  EXPECT_EQ(v.width, 800);
  EXPECT_EQ(v.height, 600);
  reshape(640, 0);  // a height of 0 is taken as 1
  EXPECT_EQ(view, firstView(640, 1));
  EXPECT_EQ(viewport().height, 1);
}

// ---------------------------------------------------------------- mouse

struct ButtonFlags {
  int button;
  bool left, middle, right;
};

void PrintTo(const ButtonFlags& flags, std::ostream* out) {
  *out << "button " << flags.button;
}

class PressOfButton : public ViewerTest, public ::testing::WithParamInterface<ButtonFlags> {};

TEST_P(PressOfButton, SetsOnlyItsOwnFlagButAlwaysRecordsThePress) {
  const ButtonFlags& b = GetParam();
  mouse(b.button, kPressed, 412, 321);
  EXPECT_EQ(leftDown, b.left);
  EXPECT_EQ(middleDown, b.middle);
  EXPECT_EQ(rightDown, b.right);
  EXPECT_EQ(lastX, 412);
  EXPECT_EQ(lastY, 321);
  EXPECT_EQ(view, firstView(1024, 700));
}

INSTANTIATE_TEST_SUITE_P(Viewer, PressOfButton,
                         ::testing::Values(ButtonFlags{kLeft, true, false, false},
                                           ButtonFlags{kMiddle, false, true, false},
                                           ButtonFlags{kRight, false, false, true},
                                           // Any other number holds nothing.
                                           ButtonFlags{5, false, false, false},
                                           ButtonFlags{7, false, false, false},
                                           ButtonFlags{-1, false, false, false},
                                           ButtonFlags{INT_MAX, false, false, false},
                                           ButtonFlags{INT_MIN, false, false, false}));

// A notch of the wheel away zooms in as + does, towards the user out as -
// does; it holds no button, so a following motion does nothing.
TEST_F(ViewerTest, WheelNotchZoomsAndAFollowingMotionDoesNothing) {
  EXPECT_EQ(redisplaysCausedBy([] { mouse(kWheelUp, kPressed, 200, 200); }), 1);
  EXPECT_EQ(redisplaysCausedBy([] { motion(260, 300); }), 0);
  EXPECT_EQ(view, zoomBy(firstView(1024, 700), kKeyZoom));
  mouse(kWheelDown, kPressed, 200, 200);
  mouse(kWheelDown, kPressed, 200, 200);
  EXPECT_EQ(view,
            zoomBy(zoomBy(zoomBy(firstView(1024, 700), kKeyZoom), 1 / kKeyZoom), 1 / kKeyZoom));
  EXPECT_EQ(lastX, 200);
  EXPECT_EQ(lastY, 200);
}

TEST_F(ViewerTest, AnyReleaseClearsEveryFlag) {
  for (int released : {0, 1, 2, 4, 9}) {
    mouse(kLeft, kPressed, 10, 10);
    mouse(kMiddle, kPressed, 10, 10);
    mouse(kRight, kPressed, 10, 10);
    mouse(released, kReleased, 500, 500);
    EXPECT_FALSE(leftDown || middleDown || rightDown) << "release of button " << released;
    EXPECT_EQ(lastX, 10);  // a release records nothing
  }
  EXPECT_EQ(redisplaysCausedBy([] { mouse(kLeft, kReleased, 0, 0); }), 1);
}

TEST_F(ViewerTest, ReleasingOneOfTwoHeldButtonsStopsAllDragging) {
  mouse(kLeft, kPressed, 100, 100);
  mouse(kRight, kPressed, 100, 100);
  mouse(kRight, kReleased, 100, 100);
  EXPECT_EQ(redisplaysCausedBy([] { motion(200, 250); }), 0);
  EXPECT_EQ(view, firstView(1024, 700));
  EXPECT_EQ(lastX, 100);
  EXPECT_EQ(lastY, 100);
}

TEST_F(ViewerTest, MotionAtTheLastPositionChangesNothing) {
  mouse(kRight, kPressed, 123, 456);
  EXPECT_EQ(redisplaysCausedBy([] { motion(123, 456); }), 0);
  EXPECT_EQ(view, firstView(1024, 700));
}

// ---------------------------------------------------------------- drags and keys

// Buttons held (with Shift for a right press) and a drag from (500, 300) by
// (dx, dy), or a key; and the gesture of the drawing list it must make.
struct Input {
  const char* name;
  std::vector<int> held;
  bool shift;
  int dx, dy;
  int key;  // a letter, or -GLUT_KEY_... for a special key; 0 for a drag
  View (*expected)(const View&);
};

void PrintTo(const Input& input, std::ostream* out) {
  *out << input.name;
}

class InputMakes : public ViewerTest, public ::testing::WithParamInterface<Input> {};

TEST_P(InputMakes, ItsGestureAndOneRedisplay) {
  const Input& in = GetParam();
  const View before = zoomBy(panBy(view, 5, 7), 1.5);  // not the first view
  view = before;
  for (int button : in.held) mouse(button, kPressed, 500, 300, in.shift);
  EXPECT_EQ(redisplaysCausedBy([] {
              const Input& in = InputMakes::GetParam();
              if (in.key > 0) keyboard(static_cast<unsigned char>(in.key), 0, 0);
              if (in.key < 0) special(-in.key, 0, 0);
              if (in.key == 0) motion(500 + in.dx, 300 + in.dy);
            }),
            1);
  EXPECT_EQ(view, in.expected(before));
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, InputMakes,
    ::testing::Values(
        Input{"LeftDragPans",
              {kLeft},
              false,
              40,
              -30,
              0,
              [](const View& v) { return panBy(v, 40, -30); }},
        Input{"RightDragSpins",
              {kRight},
              false,
              30,
              40,
              0,
              [](const View& v) { return spinBy(v, 30, 40); }},
        Input{"ShiftRightDragTurns",
              {kRight},
              true,
              60,
              -50,
              0,
              [](const View& v) { return turnBy(v, dragDegrees(v, -50), dragDegrees(v, 60)); }},
        Input{"MiddleDragZooms",
              {kMiddle},
              false,
              200,
              300,
              0,
              [](const View& v) { return zoomBy(v, dragZoom(300)); }},
        Input{"MiddleWithLeftZooms",
              {kLeft, kMiddle},
              false,
              0,
              -210,
              0,
              [](const View& v) { return zoomBy(v, dragZoom(-210)); }},
        Input{"LeftAndRightZoom",
              {kRight, kLeft},
              false,
              0,
              300,
              0,
              [](const View& v) { return zoomBy(v, dragZoom(300)); }},
        Input{"Plus", {}, false, 0, 0, '+', [](const View& v) { return zoomBy(v, kKeyZoom); }},
        Input{"Equals", {}, false, 0, 0, '=', [](const View& v) { return zoomBy(v, kKeyZoom); }},
        Input{"Minus", {}, false, 0, 0, '-', [](const View& v) { return zoomBy(v, 1 / kKeyZoom); }},
        Input{"Up",
              {},
              false,
              0,
              0,
              -GLUT_KEY_UP,
              [](const View& v) { return turnBy(v, -kKeyTurnDegrees, 0); }},
        Input{"Down",
              {},
              false,
              0,
              0,
              -GLUT_KEY_DOWN,
              [](const View& v) { return turnBy(v, kKeyTurnDegrees, 0); }},
        Input{"Left",
              {},
              false,
              0,
              0,
              -GLUT_KEY_LEFT,
              [](const View& v) { return turnBy(v, 0, -kKeyTurnDegrees); }},
        Input{"Right",
              {},
              false,
              0,
              0,
              -GLUT_KEY_RIGHT,
              [](const View& v) { return turnBy(v, 0, kKeyTurnDegrees); }},
        Input{
            "F", {}, false, 0, 0, 'F', [](const View& v) { return firstView(v.width, v.height); }},
        Input{
            "f", {}, false, 0, 0, 'f', [](const View& v) { return firstView(v.width, v.height); }},
        Input{
            "1", {}, false, 0, 0, '1', [](const View& v) { return viewFrom(v, Standpoint::Top); }},
        Input{"2",
              {},
              false,
              0,
              0,
              '2',
              [](const View& v) { return viewFrom(v, Standpoint::Front); }},
        Input{
            "3", {}, false, 0, 0, '3', [](const View& v) { return viewFrom(v, Standpoint::Side); }},
        Input{"Home",
              {},
              false,
              0,
              0,
              -GLUT_KEY_HOME,
              [](const View& v) { return firstView(v.width, v.height); }}),
    [](const ::testing::TestParamInfo<Input>& info) { return std::string(info.param.name); });

// The line on turning in space stays until the first turn, by a key or a
// drag, and comes back with the first view.
TEST_F(ViewerTest, TheTurnHintGoesAtTheFirstTurn) {
  for (void (*turn)() : {+[] { special(GLUT_KEY_LEFT, 0, 0); },
                         +[] { mouse(kRight, kPressed, 10, 10), motion(20, 10); }}) {
    shown.turnHint = true;
    keyboard('+', 0, 0);
    special(GLUT_KEY_HOME, 0, 0);
    EXPECT_TRUE(shown.turnHint);
    turn();
    EXPECT_FALSE(shown.turnHint);
    keyboard('f', 0, 0);
    EXPECT_TRUE(shown.turnHint);
  }
}

TEST_F(ViewerTest, LettersSwitchWhatIsShownAndOthersDoNothing) {
  for (const char key : {'l', 'L'}) {
    const bool before = shown.labels;
    EXPECT_EQ(redisplaysCausedBy([] {}), 0);
    keyboard(static_cast<unsigned char>(key), 0, 0);
    EXPECT_NE(shown.labels, before);
  }
  keyboard('p', 0, 0);
  keyboard('T', 0, 0);
  keyboard('h', 0, 0);
  EXPECT_TRUE(shown.planeLine);
  EXPECT_FALSE(shown.fills);
  EXPECT_TRUE(shown.help);
  EXPECT_EQ(redisplaysCausedBy([] { keyboard('x', 0, 0); }), 0);
  EXPECT_EQ(redisplaysCausedBy([] { keyboard('4', 0, 0); }), 0);  // the standard views are 1 to 3
  EXPECT_EQ(redisplaysCausedBy([] { special(GLUT_KEY_F5, 0, 0); }), 0);
}

// The event loop itself, left after a second with nothing happening: the
// picture is drawn at most once (for an exposure still pending), not over
// and over. GLUT closes everything when its loop ends, so the window is
// opened again for the tests after this one.
TEST_F(ViewerTest, IdleWindowIsNotDrawnAgain) {
  redisplaysCausedBy([] {});
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
  glutTimerFunc(
      1000, [](int) { glutLeaveMainLoop(); }, 0);
  const long before = framesDrawn;
  glutMainLoop();
  EXPECT_LE(framesDrawn - before, 1);
  openWindow();
}

// ---------------------------------------------------------------- painting

// The frame as painted so far, rows from the top.
xharness::Image readFrame() {
  const Viewport v = viewport();
  std::vector<unsigned char> rgb(static_cast<std::size_t>(v.width) * v.height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, v.width, v.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  xharness::Image image;
  image.width = v.width;
  image.height = v.height;
  for (int y = v.height - 1; y >= 0; --y) {
    for (int x = 0; x < v.width; ++x) {
      const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * v.width + x) * 3];
      image.pixels.push_back({p[0], p[1], p[2]});
    }
  }
  return image;
}

// Lines as wide as the list says, points as round and as large, polygons
// see-through, and each label's letters within the box the list gives it.
TEST_F(ViewerTest, PaintsEachMarkWhereAndAsTheListSays) {
  drawing::List list;
  list.width = 1024;
  list.height = 700;
  list.background = {0.9f, 0.9f, 0.8f};
  list.halo = {1.0f, 1.0f, 0.96f};
  const Rgb red{1, 0, 0}, blue{0, 0, 1};
  list.marks = {drawing::Polygon{{{600, 100}, {900, 100}, {900, 400}}, blue, 0.2},
                drawing::Line{{100, 100.5}, {400, 100.5}, red, 3.0},
                drawing::Dot{{200, 300}, 10.0, blue},
                drawing::Label{"Mb2,", {100, 600}, 40, textWidth("Mb2,", 40) * 0.8, red, true}};
  paintList(list);
  const xharness::Image frame = readFrame();
  const xharness::Color background{230, 230, 204}, pureRed{255, 0, 0}, pureBlue{0, 0, 255};
  // A line 3 pixels wide: rows 99 to 101 wholly red, 97 and 103 untouched.
  for (int row : {99, 100, 101}) EXPECT_EQ(frame.at(250, row), pureRed) << row;
  for (int row : {97, 103}) EXPECT_EQ(frame.at(250, row), background) << row;
  // A point of radius 10: blue within 9, not beyond 11.
  EXPECT_EQ(frame.at(209, 300), pureBlue);
  EXPECT_EQ(frame.at(200, 291), pureBlue);
  EXPECT_EQ(frame.at(212, 300), background);
  EXPECT_EQ(frame.at(207, 308), background);
  // A fifth of blue over the background.
  const xharness::Color see = frame.at(850, 200);
  EXPECT_NEAR(see.red, 230 * 0.8, 2);
  EXPECT_NEAR(see.blue, 204 * 0.8 + 255 * 0.2, 2);
  // The letters (red) inside the label's box, shrunk to its width; the
  // halo no further than half its own width beyond.
  const auto box = drawing::labelBox(std::get<drawing::Label>(list.marks[3]));
  int inkLeft = 9999, inkRight = -1, inkTop = 9999, inkBottom = -1, outside = 0;
  for (int y = 500; y < 700; ++y) {
    for (int x = 0; x < 600; ++x) {
      const xharness::Color c = frame.at(x, y);
      if (c.red > 200 && c.green < 60) {
        inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
        inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
      }
      const bool inHalo =
          x >= box[0] - 10 && x <= box[2] + 10 && y >= box[1] - 10 && y <= box[3] + 10;
      if (!inHalo && !(c == background)) ++outside;
    }
  }
  EXPECT_GE(inkLeft, box[0] - 3);
  EXPECT_LE(inkRight, box[2] + 3);
  EXPECT_GE(inkTop, box[1] - 3);
  EXPECT_LE(inkBottom, box[3] + 3);
  EXPECT_GT(inkRight - inkLeft, 0.8 * (box[2] - box[0]));
  EXPECT_EQ(outside, 0);
}

}  // namespace
