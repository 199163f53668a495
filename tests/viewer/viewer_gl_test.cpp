// The camera, the mouse and the drawing of the viewer, checked in a real
// OpenGL context (Mesa, software) on a private X server: the callbacks are
// called directly and the matrices, the viewport and the drawn vertices are
// read back from OpenGL and compared with plain matrix arithmetic.
#include <GL/freeglut.h>
#include <GL/glu.h>
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
#include "view_math.h"
#include "viewer_parts.h"
#include "xharness.h"

namespace {

using viewmath::Matrix;

constexpr unsigned kInnerTimeoutSeconds = 60;
constexpr double kE = 2.718281828459045;
// The angle of a 50-pixel right drag in a 1024-pixel-wide viewport.
constexpr double kFiftyPixelTurn = 50.0 / 1025.0 * 180.0;

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

Matrix readMatrix(GLenum which) {
  Matrix m{};
  glGetDoublev(which, m.data());
  return m;
}
Matrix projectionMatrix() {
  return readMatrix(GL_PROJECTION_MATRIX);
}
Matrix modelViewMatrix() {
  return readMatrix(GL_MODELVIEW_MATRIX);
}

struct Viewport {
  GLint x, y, width, height;
};
Viewport viewport() {
  Viewport v{};
  glGetIntegerv(GL_VIEWPORT, &v.x);
  return v;
}

void expectNear(const Matrix& actual, const Matrix& expected, double tolerance = 1e-5) {
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(actual[i], expected[i], tolerance * (1.0 + std::fabs(expected[i])))
        << "element (" << i % 4 << ", " << i / 4 << ")";
  }
}

// What the mouse did to the view: the factor by which the projection matrix
// was multiplied on the right since `before`.
Matrix mouseTransform(const Matrix& before) {
  return viewmath::inverse(before) * projectionMatrix();
}

// A transformation of the view about the axis through (centerX, centerY,
// cameraDistance), as turning and zooming make it.
Matrix aboutCameraAxis(const Matrix& transform) {
  return viewmath::translation(centerX, centerY, cameraDistance) * transform *
         viewmath::translation(-centerX, -centerY, -cameraDistance);
}

// The point that a press at window (x, y) should record, worked out from the
// matrices by hand: window depth 0 is the near plane, z = -1 after projection.
Point nearPlanePointUnder(int x, int y) {
  const Viewport v = viewport();
  const double ndcX = 2.0 * (x - v.x) / v.width - 1.0;
  const double ndcY = 2.0 * (v.height - y - 1 - v.y) / v.height - 1.0;
  const viewmath::Vector p = viewmath::inverse(projectionMatrix() * modelViewMatrix()) *
                             viewmath::Vector{{ndcX, ndcY, -1.0, 1.0}};
  Point point;
  point.x = static_cast<float>(p[0] / p[3]);
  point.y = static_cast<float>(p[1] / p[3]);
  point.z = static_cast<float>(p[2] / p[3]);
  return point;
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
    placeCamera();
    reshape(1024, 700);
    leftDown = middleDown = rightDown = turnInSpace = false;
    labelsShown = true;
    planeLineShown = helpShown = false;
    lastX = lastY = 0;
    pressPoint = Point{};
    glColor3f(0.25f, 0.5f, 0.75f);
  }
};

// ---------------------------------------------------------------- camera

struct Bounds {
  const char* name;
  Point low, high;
};

void PrintTo(const Bounds& bounds, std::ostream* out) {
  *out << bounds.name;
}

class FirstViewOfBounds : public ViewerTest, public ::testing::WithParamInterface<Bounds> {};

// Every corner of the bounds' box lies inside the window with a margin, in
// front of the near plane and before the far one, and the box fills most of
// the window in width or height.
TEST_P(FirstViewOfBounds, HoldsTheWholeBoxWithAMargin) {
  const Bounds& b = GetParam();
  scene.minPoint = b.low;
  scene.maxPoint = b.high;
  placeCamera();
  reshape(1024, 700);
  const Matrix view = projectionMatrix() * modelViewMatrix();
  double largest = 0.0;
  for (int corner = 0; corner < 8; ++corner) {
    const double x = corner & 1 ? b.high.x : b.low.x, y = corner & 2 ? b.high.y : b.low.y,
                 z = corner & 4 ? b.high.z : b.low.z;
    const viewmath::Vector clip = view * viewmath::Vector{{x, y, z, 1.0}};
    SCOPED_TRACE(::testing::Message() << "corner (" << x << ", " << y << ", " << z << ")");
    ASSERT_GT(clip[3], 0.0);
    EXPECT_LT(std::fabs(clip[0] / clip[3]), 0.9);
    EXPECT_LT(std::fabs(clip[1] / clip[3]), 0.9);
    EXPECT_LT(std::fabs(clip[2] / clip[3]), 1.0);  // between the near and far planes
    largest = std::max({largest, std::fabs(clip[0] / clip[3]), std::fabs(clip[1] / clip[3])});
  }
  EXPECT_GT(largest, 0.8);
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, FirstViewOfBounds,
    ::testing::Values(Bounds{"AxesAlone", {0, 0, 0}, {10, 10, 20}},
                      Bounds{"MillionEveryWay", {-1e6f, -1e6f, -1e6f}, {1e6f, 1e6f, 1e6f}},
                      Bounds{"DeepInZ", {0, 0, -1e6f}, {10, 10, 1e6f}},
                      Bounds{"AllFarOut", {9e5f, 9e5f, 9e5f}, {1e6f, 1e6f, 1e6f}}),
    [](const ::testing::TestParamInfo<Bounds>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- reshape

TEST_F(ViewerTest, ReshapeLoadsThePlainPerspectiveForTheNewSize) {
  mouse(kRight, kPressed, 100, 100);
  motion(160, 180);
  mouse(kRight, kReleased, 160, 180);
  mouse(kMiddle, kPressed, 100, 100);
  motion(100, 400);
  mouse(kMiddle, kReleased, 100, 400);
  mouse(kLeft, kPressed, 100, 100);
  motion(300, 250);

  reshape(800, 600);

  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_PROJECTION);
  const Viewport v = viewport();
  EXPECT_EQ(v.x, 0);
  EXPECT_EQ(v.y, 0);
  EXPECT_EQ(v.width, 800);
  EXPECT_EQ(v.height, 600);
  expectNear(projectionMatrix(), viewmath::perspective(30, 800.0f / 600.0f, nearPlane, farPlane));
  expectNear(modelViewMatrix(), viewmath::translation(-5, -5, -cameraDistance));
}

TEST_F(ViewerTest, ReshapeTakesHeightZeroAsOne) {
  reshape(640, 0);
  EXPECT_EQ(viewport().width, 640);
  EXPECT_EQ(viewport().height, 1);
  const Matrix projection = projectionMatrix();
  expectNear(projection, viewmath::perspective(30, 640, nearPlane, farPlane));
  for (double element : projection.elements) EXPECT_TRUE(std::isfinite(element));
}

// ---------------------------------------------------------------- mouse

TEST_F(ViewerTest, PressRecordsPositionAndThePointOnTheNearPlane) {
  const Point expected = nearPlanePointUnder(300, 200);
  mouse(kLeft, kPressed, 300, 200);
  EXPECT_EQ(lastX, 300);
  EXPECT_EQ(lastY, 200);
  EXPECT_NEAR(pressPoint.x, expected.x, 1e-5);
  EXPECT_NEAR(pressPoint.y, expected.y, 1e-5);
  EXPECT_NEAR(pressPoint.z, expected.z, 1e-5);
  EXPECT_EQ(pressPoint.color, 9);
  EXPECT_NEAR(pressPoint.z, cameraDistance - nearPlane, 1e-4);
  EXPECT_TRUE(leftDown);
  EXPECT_FALSE(middleDown);
  EXPECT_FALSE(rightDown);
}

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
  const Point expected = nearPlanePointUnder(412, 321);
  mouse(b.button, kPressed, 412, 321);
  EXPECT_EQ(leftDown, b.left);
  EXPECT_EQ(middleDown, b.middle);
  EXPECT_EQ(rightDown, b.right);
  EXPECT_EQ(lastX, 412);
  EXPECT_EQ(lastY, 321);
  EXPECT_NEAR(pressPoint.x, expected.x, 1e-5);
  EXPECT_NEAR(pressPoint.y, expected.y, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Viewer, PressOfButton,
                         ::testing::Values(ButtonFlags{kLeft, true, false, false},
                                           ButtonFlags{kMiddle, false, true, false},
                                           ButtonFlags{kRight, false, false, true},
                                           // The wheel and any other number hold nothing.
                                           ButtonFlags{kWheelUp, false, false, false},
                                           ButtonFlags{kWheelDown, false, false, false},
                                           ButtonFlags{7, false, false, false},
                                           ButtonFlags{-1, false, false, false},
                                           ButtonFlags{INT_MAX, false, false, false},
                                           ButtonFlags{INT_MIN, false, false, false}));

TEST_F(ViewerTest, WheelPressRequestsARedisplayAndAFollowingMotionDoesNothing) {
  EXPECT_EQ(redisplaysCausedBy([] { mouse(kWheelUp, kPressed, 200, 200); }), 1);
  const Matrix before = projectionMatrix();
  EXPECT_EQ(redisplaysCausedBy([] { motion(260, 300); }), 0);
  expectNear(projectionMatrix(), before, 0.0);
  EXPECT_EQ(lastX, 200);
  EXPECT_EQ(lastY, 200);
}

TEST_F(ViewerTest, AnyReleaseClearsEveryFlag) {
  for (int released : {0, 1, 2, 4, 9}) {
    mouse(kLeft, kPressed, 10, 10);
    mouse(kMiddle, kPressed, 10, 10);
    mouse(kRight, kPressed, 10, 10);
    const Point recorded = pressPoint;
    mouse(released, kReleased, 500, 500);
    EXPECT_FALSE(leftDown || middleDown || rightDown) << "release of button " << released;
    // A release records nothing.
    EXPECT_EQ(lastX, 10);
    EXPECT_EQ(pressPoint.x, recorded.x);
  }
  EXPECT_EQ(redisplaysCausedBy([] { mouse(kLeft, kReleased, 0, 0); }), 1);
}

TEST_F(ViewerTest, ReleasingOneOfTwoHeldButtonsStopsAllDragging) {
  mouse(kLeft, kPressed, 100, 100);
  mouse(kRight, kPressed, 100, 100);
  mouse(kRight, kReleased, 100, 100);
  const Matrix before = projectionMatrix();
  EXPECT_EQ(redisplaysCausedBy([] { motion(200, 250); }), 0);
  expectNear(projectionMatrix(), before, 0.0);
  EXPECT_EQ(lastX, 100);
  EXPECT_EQ(lastY, 100);
}

TEST_F(ViewerTest, MotionAtTheLastPositionChangesNothing) {
  mouse(kRight, kPressed, 123, 456);
  const Matrix before = projectionMatrix();
  EXPECT_EQ(redisplaysCausedBy([] { motion(123, 456); }), 0);
  expectNear(projectionMatrix(), before, 0.0);
}

// ---------------------------------------------------------------- drags

struct Turn {
  const char* name;
  int dx, dy;
  int viewportWidth;
  double degrees;
};

void PrintTo(const Turn& turn, std::ostream* out) {
  *out << turn.name;
}

class RightDrag : public ViewerTest, public ::testing::WithParamInterface<Turn> {};

TEST_P(RightDrag, TurnsAboutTheViewAxisByTheDragLength) {
  const Turn& t = GetParam();
  reshape(t.viewportWidth, 700);
  const Matrix before = projectionMatrix();
  mouse(kRight, kPressed, 500, 300);
  EXPECT_EQ(redisplaysCausedBy([] {
              const Turn& turn = RightDrag::GetParam();
              motion(500 + turn.dx, 300 + turn.dy);
            }),
            1);

  const Matrix change = mouseTransform(before);
  // Remove the move to and from the axis, leaving the turn itself.
  const Matrix turn = viewmath::translation(-centerX, -centerY, -cameraDistance) * change *
                      viewmath::translation(centerX, centerY, cameraDistance);
  const double degrees =
      std::atan2(viewmath::at(turn, 1, 0), viewmath::at(turn, 0, 0)) * 180.0 / viewmath::kPi;
  // Turns a whole number of times apart look the same.
  EXPECT_NEAR(std::remainder(degrees - t.degrees, 360.0), 0.0, 1e-2);
  expectNear(change, aboutCameraAxis(viewmath::rotationZ(t.degrees)), 1e-4);
  EXPECT_EQ(lastX, 500 + t.dx);
  EXPECT_EQ(lastY, 300 + t.dy);
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, RightDrag,
    ::testing::Values(Turn{"Down", 0, 50, 1024, kFiftyPixelTurn},
                      Turn{"Right", 50, 0, 1024, -kFiftyPixelTurn},
                      Turn{"Up", 0, -50, 1024, kFiftyPixelTurn},
                      Turn{"Left", -50, 0, 1024, kFiftyPixelTurn},
                      Turn{"DownRight", 30, 40, 1024, -kFiftyPixelTurn},
                      Turn{"DownLeft", -30, 40, 1024, kFiftyPixelTurn},
                      Turn{"NarrowWindow", 0, 50, 400, 50.0 / 401.0 * 180.0},
                      // Window coordinates far apart: the squares pass the int range.
                      Turn{"Huge", 60000, 0, 1024, -60000.0 / 1025.0 * 180.0}),
    [](const ::testing::TestParamInfo<Turn>& info) { return std::string(info.param.name); });

struct Zoom {
  const char* name;
  std::vector<int> held;
  int dy;
  double factor;
};

void PrintTo(const Zoom& zoom, std::ostream* out) {
  *out << zoom.name;
}

class ZoomDrag : public ViewerTest, public ::testing::WithParamInterface<Zoom> {};

TEST_P(ZoomDrag, ScalesAboutTheViewAxisByEToTheDragOver2100) {
  const Zoom& z = GetParam();
  const Matrix before = projectionMatrix();
  for (int button : z.held) mouse(button, kPressed, 400, 300);
  motion(400, 300 + z.dy);
  expectNear(mouseTransform(before), aboutCameraAxis(viewmath::scaling(z.factor)), 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, ZoomDrag,
    ::testing::Values(Zoom{"MiddleDown2100", {kMiddle}, 2100, kE},
                      Zoom{"MiddleUp2100", {kMiddle}, -2100, 1.0 / kE},
                      Zoom{"MiddleWithLeft", {kLeft, kMiddle}, 300, std::exp(300.0 / 2100.0)},
                      Zoom{"MiddleWithRight", {kRight, kMiddle}, 300, std::exp(300.0 / 2100.0)},
                      Zoom{"LeftAndRight", {kLeft, kRight}, 300, std::exp(300.0 / 2100.0)},
                      Zoom{"RightAndLeft", {kRight, kLeft}, -300, std::exp(-300.0 / 2100.0)}),
    [](const ::testing::TestParamInfo<Zoom>& info) { return std::string(info.param.name); });

TEST_F(ViewerTest, ZoomIgnoresSidewaysMovement) {
  const Matrix before = projectionMatrix();
  mouse(kLeft, kPressed, 400, 300);
  mouse(kRight, kPressed, 400, 300);
  motion(700, 300 + 210);
  expectNear(mouseTransform(before), aboutCameraAxis(viewmath::scaling(std::exp(0.1))), 1e-4);
}

TEST_F(ViewerTest, LeftDragKeepsTheGrabbedPointUnderTheCursor) {
  const Matrix before = projectionMatrix();
  mouse(kLeft, kPressed, 300, 200);
  const Point grabbed = pressPoint;
  for (auto [x, y] : {std::pair{700, 500}, std::pair{650, 520}, std::pair{100, 50}}) {
    motion(x, y);
    const Point under = nearPlanePointUnder(x, y);
    EXPECT_NEAR(under.x, grabbed.x, 1e-4) << x << ", " << y;
    EXPECT_NEAR(under.y, grabbed.y, 1e-4) << x << ", " << y;
    EXPECT_NEAR(under.z, grabbed.z, 1e-4) << x << ", " << y;
  }
  // Only a move: no turn, no scale.
  const Matrix change = mouseTransform(before);
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      EXPECT_NEAR(viewmath::at(change, row, column), row == column ? 1.0 : 0.0, 1e-5);
  // The plane z = 0, ten times as far as the near plane, moves a tenth as far.
  const Matrix view = projectionMatrix() * modelViewMatrix();
  const auto centre = viewmath::windowPosition(view, 5, 5, 0, 1024, 700);
  EXPECT_NEAR(centre.x, 512 + (100 - 300) / 10.0, 0.05);
  EXPECT_NEAR(centre.y, 350 + (50 - 200) / 10.0, 0.05);
}

TEST_F(ViewerTest, DragsAccumulateUntilTheNextReshape) {
  const Matrix before = projectionMatrix();
  mouse(kRight, kPressed, 500, 300);
  motion(500, 350);
  motion(500, 400);
  expectNear(mouseTransform(before), aboutCameraAxis(viewmath::rotationZ(2 * kFiftyPixelTurn)),
             1e-4);
  reshape(1024, 700);
  expectNear(projectionMatrix(), before);
}

// ---------------------------------------------------------------- keys

// A key, or a Shift + right drag from (500, 300) by (dx, dy), and what it
// does to a point of the scene seen from the camera (x right, y up, z
// towards the viewer).
struct Turn3d {
  const char* name;
  int special;        // an arrow, or 0
  unsigned char key;  // a letter key, or 0
  int dx, dy;
  double probe[3];  // the point, from the view centre (5, 5, 0)
  int coordinate;   // which of its coordinates changes
  double change;    // and by how much
};

void PrintTo(const Turn3d& turn, std::ostream* out) {
  *out << turn.name;
}

const double kFiveDegrees = 5 * std::sin(5 * viewmath::kPi / 180);
const double kFiftyPixels = 5 * std::sin(kFiftyPixelTurn * viewmath::kPi / 180);

class KeyOrShiftDrag : public ViewerTest, public ::testing::WithParamInterface<Turn3d> {};

TEST_P(KeyOrShiftDrag, TurnsOrZoomsAboutTheViewCentre) {
  const Turn3d& t = GetParam();
  const auto seen = [&t] {  // the plain perspective taken off
    const Matrix plain = viewmath::perspective(30, viewAspect, nearPlane, farPlane);
    return viewmath::inverse(plain) * projectionMatrix() * modelViewMatrix() *
           viewmath::Vector{{5 + t.probe[0], 5 + t.probe[1], t.probe[2], 1}};
  };
  const viewmath::Vector before = seen();
  EXPECT_EQ(redisplaysCausedBy([] {
              const Turn3d& t = KeyOrShiftDrag::GetParam();
              if (t.special != 0) special(t.special, 0, 0);
              if (t.key != 0) keyboard(t.key, 0, 0);
              if (t.special == 0 && t.key == 0) {
                mouse(kRight, kPressed, 500, 300, true);
                motion(500 + t.dx, 300 + t.dy);
              }
            }),
            1);
  const viewmath::Vector after = seen();
  EXPECT_NEAR(after[t.coordinate] / after[3] - before[t.coordinate] / before[3], t.change, 1e-3);
  // The view centre stays where it was.
  const viewmath::Vector centre =
      projectionMatrix() * modelViewMatrix() * viewmath::Vector{{5, 5, 0, 1}};
  EXPECT_NEAR(centre[0] / centre[3], 0.0, 1e-6);
  EXPECT_NEAR(centre[1] / centre[3], 0.0, 1e-6);
}

// Up: the top turns away. Right: the front turns to the right.
INSTANTIATE_TEST_SUITE_P(
    Viewer, KeyOrShiftDrag,
    ::testing::Values(Turn3d{"Up", GLUT_KEY_UP, 0, 0, 0, {0, 5, 0}, 2, -kFiveDegrees},
                      Turn3d{"Right", GLUT_KEY_RIGHT, 0, 0, 0, {0, 0, 5}, 0, kFiveDegrees},
                      Turn3d{"DragUp", 0, 0, 0, -50, {0, 5, 0}, 2, -kFiftyPixels},
                      Turn3d{"DragRight", 0, 0, 50, 0, {0, 0, 5}, 0, kFiftyPixels},
                      Turn3d{"Plus", 0, '+', 0, 0, {5, 0, 0}, 0, 5 * 0.25},
                      Turn3d{"Minus", 0, '-', 0, 0, {0, 5, 0}, 1, 5 * (0.8 - 1)}),
    [](const ::testing::TestParamInfo<Turn3d>& info) { return std::string(info.param.name); });

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

// ---------------------------------------------------------------- drawing

// Captures what a drawing call sends to OpenGL through feedback mode, with a
// projection that maps scene coordinates to window coordinates + 500.
struct Drawn {
  GLenum kind;  // GL_POINT_TOKEN or GL_LINE_TOKEN
  std::array<std::array<float, 3>, 2> at;
  std::array<float, 3> color;
};

std::vector<Drawn> capture(void (*draw)()) {
  glViewport(0, 0, 1000, 1000);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-500, 500, -500, 500, -500, 500);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  std::vector<GLfloat> buffer(100000);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  glMatrixMode(GL_PROJECTION);
  draw();
  const GLint size = glRenderMode(GL_RENDER);
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);

  std::vector<Drawn> drawn;
  auto vertex = [&buffer](GLint at) {
    return std::array<float, 3>{buffer[at] - 500, buffer[at + 1] - 500, buffer[at + 2]};
  };
  for (GLint i = 0; i < size;) {
    const auto token = static_cast<GLenum>(buffer[i]);
    if (token == GL_POINT_TOKEN) {
      drawn.push_back(
          {GL_POINT_TOKEN, {vertex(i + 1), {}}, {buffer[i + 4], buffer[i + 5], buffer[i + 6]}});
      i += 1 + 7;
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      drawn.push_back({GL_LINE_TOKEN,
                       {vertex(i + 1), vertex(i + 8)},
                       {buffer[i + 4], buffer[i + 5], buffer[i + 6]}});
      i += 1 + 14;
    } else if (token == GL_BITMAP_TOKEN) {  // a letter of the text over the picture
      i += 1 + 7;
    } else {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
  }
  return drawn;
}

void expectAt(const std::array<float, 3>& at, float x, float y) {
  EXPECT_NEAR(at[0], x, 1e-3);
  EXPECT_NEAR(at[1], y, 1e-3);
}

Point point(float x, float y, float z) {
  Point p;
  p.x = x;
  p.y = y;
  p.z = z;
  return p;
}

TEST_F(ViewerTest, SetColorUsesTheTableAndIgnoresOtherIndices) {
  for (ColorIndex index = -2; index <= 11; ++index) {
    glColor3f(0.25f, 0.5f, 0.75f);
    setColor(index);
    GLfloat color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    const auto rgb = colorOf(index);
    const std::array<float, 3> expected =
        rgb ? std::array<float, 3>{rgb->red, rgb->green, rgb->blue}
            : std::array<float, 3>{0.25f, 0.5f, 0.75f};
    EXPECT_EQ(color[0], expected[0]) << "index " << index;
    EXPECT_EQ(color[1], expected[1]) << "index " << index;
    EXPECT_EQ(color[2], expected[2]) << "index " << index;
  }
  for (ColorIndex index : {INT_MIN, INT_MAX, 1000}) {
    glColor3f(0.25f, 0.5f, 0.75f);
    setColor(index);
    GLfloat color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(color[0], 0.25f);
  }
}

TEST_F(ViewerTest, DrawSegmentDrawsTheLineAndBothEndsInTheSegmentsColour) {
  glPointSize(1.0f);
  const std::vector<Drawn> drawn = capture([] {
    Segment segment(point(1, 2, 3), point(-40, 50, 6));
    segment.first.color = 2;  // the ends' own colours are not drawn
    segment.second.color = 3;
    segment.color = 5;
    drawSegment(segment);
  });
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].kind, GL_LINE_TOKEN);
  expectAt(drawn[0].at[0], 1, 2);
  expectAt(drawn[0].at[1], -40, 50);
  EXPECT_EQ(drawn[1].kind, GL_POINT_TOKEN);
  expectAt(drawn[1].at[0], 1, 2);
  EXPECT_EQ(drawn[2].kind, GL_POINT_TOKEN);
  expectAt(drawn[2].at[0], -40, 50);
  for (const Drawn& d : drawn) EXPECT_EQ(d.color, (std::array<float, 3>{1, 0, 1}));
  GLfloat size = 0;
  glGetFloatv(GL_POINT_SIZE, &size);
  EXPECT_EQ(size, 4.0f);
}

TEST_F(ViewerTest, DrawLineDrawsAHundredDirectionsEachWayAndNoEnds) {
  glPointSize(7.0f);
  const std::vector<Drawn> drawn = capture([] {
    Line line;
    line.point = point(3, 4, 5);
    line.direction = point(1, 2, 0.5f);
    line.color = 6;
    drawLine(line);
  });
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].kind, GL_LINE_TOKEN);
  expectAt(drawn[0].at[0], 103, 204);
  expectAt(drawn[0].at[1], -97, -196);
  EXPECT_EQ(drawn[0].color, (std::array<float, 3>{0, 1, 1}));
  GLfloat size = 0;
  glGetFloatv(GL_POINT_SIZE, &size);
  EXPECT_EQ(size, 7.0f);
}

TEST_F(ViewerTest, DrawCircleDrawsAClosedLoopOfAHundredVertices) {
  const std::vector<Drawn> drawn = capture([] {
    Circle circle;
    circle.center = point(10, -20, 0);
    circle.radius = 100;
    circle.color = 4;
    drawCircle(circle);
  });
  ASSERT_EQ(drawn.size(), 100u);
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const double a = static_cast<float>(i * 2.0 * viewmath::kPi / 100.0);
    EXPECT_EQ(drawn[i].kind, GL_LINE_TOKEN);
    expectAt(drawn[i].at[0], static_cast<float>(10 + 100 * std::cos(a)),
             static_cast<float>(-20 + 100 * std::sin(a)));
    // Each side ends where the next begins; the last closes the loop.
    const auto& next = drawn[(i + 1) % drawn.size()].at[0];
    EXPECT_NEAR(drawn[i].at[1][0], next[0], 1e-4);
    EXPECT_NEAR(drawn[i].at[1][1], next[1], 1e-4);
    EXPECT_EQ(drawn[i].color, (std::array<float, 3>{1, 0.5f, 0}));
  }
}

TEST_F(ViewerTest, DisplayDrawsCirclesThenLinesThenSegmentsThenPoints) {
  scene = Scene{};
  Circle circle;
  circle.radius = 10;
  circle.color = 1;
  scene.circles.push_back(circle);
  Line line;
  line.direction = point(1, 0, 0);
  line.color = 3;
  scene.lines.push_back(line);
  addSegment(Segment(point(0, 0, 0), point(5, 5, 0)), 2);
  addPoint(point(7, 8, 0), 0);
  Point unknownColour = point(9, 9, 0);
  unknownColour.color = 42;
  scene.points.push_back(unknownColour);

  EXPECT_EQ(capture([] { display(); }).size(), 100u + 3 + 2) << "the line only after P";
  planeLineShown = true;
  const std::vector<Drawn> drawn = capture([] { display(); });
  ASSERT_EQ(drawn.size(), 100u + 1 + 3 + 2);
  EXPECT_EQ(drawn[0].color, (std::array<float, 3>{0, 1, 0}));    // circle
  EXPECT_EQ(drawn[100].color, (std::array<float, 3>{1, 1, 0}));  // line
  EXPECT_EQ(drawn[101].color, (std::array<float, 3>{0, 0, 1}));  // segment
  EXPECT_EQ(drawn[104].kind, GL_POINT_TOKEN);
  expectAt(drawn[104].at[0], 7, 8);
  EXPECT_EQ(drawn[104].color, (std::array<float, 3>{1, 0, 0}));
  // A colour index outside the table keeps the colour drawn before it.
  expectAt(drawn[105].at[0], 9, 9);
  EXPECT_EQ(drawn[105].color, (std::array<float, 3>{1, 0, 0}));
  // The push and pop around the drawing leave the current matrix as it was.
  GLint depth = 0;
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}

}  // namespace
