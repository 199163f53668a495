// The window: camera, mouse, keys and the drawing of the scene.
#include "viewer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "viewer_parts.h"

float centerX = 0.0f;
float centerY = 0.0f;
float cameraDistance = 0.0f;
float nearPlane = 1.0f;
float farPlane = 1000.0f;
float viewAspect = 1.0f;

int lastX = 0;
int lastY = 0;
Point pressPoint;
bool leftDown = false;
bool middleDown = false;
bool rightDown = false;
bool turnInSpace = false;

bool labelsShown = true;
bool planeLineShown = false;
bool helpShown = false;
bool saveRequested = false;
long framesDrawn = 0;

namespace {

// Every quantity the viewer names is a float; formulas run in double from
// float operands and are rounded once, where the result gets its name.
constexpr double wide(float value) {
  return static_cast<double>(value);
}
constexpr float named(double value) {
  return static_cast<float>(value);
}

constexpr double kFieldOfView = 30.0;  // vertical, degrees
constexpr int kFirstWidth = 1024;
constexpr int kFirstHeight = 700;
// The first view fits the scene's box into this share of the window's width
// and height, leaving a margin for the names beside the corners.
constexpr double kFill = 0.85;
constexpr float kKeyTurn = 5.0f;   // degrees per arrow key
constexpr float kKeyZoom = 1.25f;  // per + key
constexpr unsigned char kEscape = 27;
constexpr GLfloat kPointSize = 4.0f;
constexpr int kCircleVertices = 100;
constexpr double kPi = 3.14159265358979323846;
constexpr float kLineHalfLength = 100.0f;  // in direction vectors

// The point under window position (x, y) on the near clipping plane, with the
// matrices and viewport as they stand. Window y grows downwards, OpenGL's up.
Point unprojectOnNearPlane(int x, int y) {
  GLint viewport[4];
  GLdouble modelView[16];
  GLdouble projection[16];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  GLdouble px = 0.0, py = 0.0, pz = 0.0;
  const GLdouble windowY = static_cast<GLdouble>(viewport[3]) - y - 1;
  gluUnProject(static_cast<GLdouble>(x), windowY, 0.0, modelView, projection, viewport, &px, &py,
               &pz);
  Point point;
  point.x = named(px);
  point.y = named(py);
  point.z = named(pz);
  return point;
}

int viewportWidth() {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  return viewport[2];
}

// Turns and zooms multiply onto the projection, so they act on points already
// moved by the model-view translation, about the point (centerX, centerY,
// cameraDistance) of those moved coordinates.
void moveCameraToOrigin() {
  glTranslatef(centerX, centerY, cameraDistance);
}
void moveOriginToCamera() {
  glTranslatef(-centerX, -centerY, -cameraDistance);
}

// A drag across the whole window turns by half a turn.
float dragDegrees(double pixels) {
  return named(pixels / (viewportWidth() + 1) * 180.0);
}

void rotateBy(int dx, int dy) {
  // In double: the squares of two window distances can pass the int range.
  const float distance =
      named(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
  float angle = dragDegrees(wide(distance));
  if (dx > 0) angle = -angle;
  moveCameraToOrigin();
  glRotatef(angle, 0.0f, 0.0f, 1.0f);
  moveOriginToCamera();
}

void zoomBy(int dy) {
  const float factor = named(std::exp(dy / 2100.0));
  moveCameraToOrigin();
  glScalef(factor, factor, factor);
  moveOriginToCamera();
}

void panTo(Point cursor) {
  glTranslatef(named(wide(cursor.x) - wide(pressPoint.x)),
               named(wide(cursor.y) - wide(pressPoint.y)),
               named(wide(cursor.z) - wide(pressPoint.z)));
}

// Multiplies the inverse of the perspective that reshape loaded.
void multiplyByInversePerspective() {
  const double f = 1.0 / std::tan(kFieldOfView * kPi / 360.0);
  const double n = wide(nearPlane), far = wide(farPlane);
  const double a = (far + n) / (n - far), b = 2.0 * far * n / (n - far);
  GLdouble inverse[16] = {};  // element (row, column) at [column * 4 + row]
  inverse[0] = wide(viewAspect) / f;
  inverse[5] = 1.0 / f;
  inverse[11] = 1.0 / b;  // row 3, column 2
  inverse[14] = -1.0;     // row 2, column 3
  inverse[15] = a / b;
  glMultMatrixd(inverse);
}

// Turns the scene about the screen's horizontal and vertical axes through
// the point straight ahead at the camera distance. The turn goes after every
// earlier turn, pan and zoom (projection = perspective x turn x perspective
// inverse x projection), so its axes are the screen's whatever came before.
void turnOnScreen(float aboutHorizontal, float aboutVertical) {
  GLdouble current[16];
  glMatrixMode(GL_PROJECTION);
  glGetDoublev(GL_PROJECTION_MATRIX, current);
  glLoadIdentity();
  gluPerspective(kFieldOfView, viewAspect, nearPlane, farPlane);
  glTranslatef(0.0f, 0.0f, -cameraDistance);
  glRotatef(aboutHorizontal, 1.0f, 0.0f, 0.0f);
  glRotatef(aboutVertical, 0.0f, 1.0f, 0.0f);
  glTranslatef(0.0f, 0.0f, cameraDistance);
  multiplyByInversePerspective();
  glMultMatrixd(current);
}

// Enlarges the picture about the window's centre, as a lens would: the
// depths, and so the clipping, stay as they are.
void zoomOnScreen(float factor) {
  GLdouble current[16];
  glMatrixMode(GL_PROJECTION);
  glGetDoublev(GL_PROJECTION_MATRIX, current);
  glLoadIdentity();
  glScalef(factor, factor, 1.0f);
  glMultMatrixd(current);
}

// The first view for the window as it stands: the plain perspective.
void loadFirstView() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFieldOfView, viewAspect, nearPlane, farPlane);
}

// Ends the program with status 0; the report is already out.
void quit() {
  std::fflush(stdout);
  glutLeaveMainLoop();
}

// The X display that glutInit would open: its -display argument, else
// $DISPLAY. Null when neither is given.
const char* displayName(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-display") == 0) return argv[i + 1];
  }
  return std::getenv("DISPLAY");
}

bool canOpenDisplay(const char* name) {
  ::Display* display = XOpenDisplay(name);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

// The mouse callback as GLUT calls it. Shift matters only where a right
// press starts a turn in space; GLUT knows the modifiers only inside an
// input callback.
void mouseWithShift(int button, int state, int x, int y) {
  const bool shift = state == GLUT_DOWN && button == GLUT_RIGHT_BUTTON &&
                     (glutGetModifiers() & GLUT_ACTIVE_SHIFT) != 0;
  mouse(button, state, x, y, shift);
}

void vertex(Point point) {
  glVertex3f(point.x, point.y, point.z);
}

}  // namespace

void setColor(ColorIndex color) {
  if (const auto rgb = colorOf(color)) glColor3f(rgb->red, rgb->green, rgb->blue);
}

void placeCamera() {
  const Point low = scene.minPoint;
  const Point high = scene.maxPoint;
  centerX = named((wide(high.x) + wide(low.x)) * 0.5);
  centerY = named((wide(high.y) + wide(low.y)) * 0.5);
  const double halfWidth = (wide(high.x) - wide(low.x)) * 0.5;
  const double halfHeight = (wide(high.y) - wide(low.y)) * 0.5;
  // The box's face nearest the camera, z = high.z, looks largest; it must
  // fit the window at its first size.
  const double focal = 1.0 / std::tan(kFieldOfView * kPi / 360.0);
  const double firstAspect = static_cast<double>(kFirstWidth) / kFirstHeight;
  double clearance = std::max(focal / firstAspect * halfWidth, focal * halfHeight) / kFill;
  if (!(clearance > 0.0)) clearance = 1.0;  // a scene of one point
  cameraDistance = named(wide(high.z) + clearance);
  // The near plane a tenth of the way to the view centre, as a camera ten
  // away with the near plane at 1 has it (a left drag moves the plane z = 0 a
  // tenth as far as the cursor), but always in front of the nearest face.
  nearPlane = named(std::min(wide(cameraDistance) / 10.0, clearance / 2.0));
  // The far plane well behind every corner of the box, however it is turned
  // about the view centre.
  const double reach =
      std::hypot(halfWidth, halfHeight, std::max(std::fabs(wide(low.z)), std::fabs(wide(high.z))));
  farPlane = named((wide(cameraDistance) + reach) * 100.0);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFieldOfView, 1.0, nearPlane, farPlane);
  gluLookAt(centerX, centerY, cameraDistance, centerX, centerY, 0.0, 0.0, 1.0, 0.0);

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-centerX, -centerY, -cameraDistance);
}

void setUpViewer(int* argc, char** argv) {
  const char* name = displayName(*argc, argv);
  if (!canOpenDisplay(name)) {
    std::fprintf(stderr, "%s\n", noDisplayMessage(name, argv[0]).c_str());
    std::exit(1);
  }
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(1024, 700);
  glutInitWindowPosition(100, 50);
  glutCreateWindow("Geometrija - prikaz zadatka");
  glClearColor(0.9f, 0.9f, 0.8f, 0.0f);

  placeCamera();

  // No idle callback: the picture changes only with these events, so it is
  // drawn only after them and when the window is exposed.
  glutDisplayFunc(display);
  glutMouseFunc(mouseWithShift);
  glutMotionFunc(motion);
  glutReshapeFunc(reshape);
  glutKeyboardFunc(keyboard);
  glutSpecialFunc(special);
}

std::string noDisplayMessage(const char* display, const char* program) {
  const std::string where = display == nullptr || *display == '\0'
                                ? std::string("nema ekrana (promenljiva DISPLAY nije postavljena)")
                                : "ekran '" + std::string(display) + "' nije dostupan";
  return "Prozor sa slikom ne moze da se otvori: " + where +
         ". Izvestaj iznad je potpun; sliku prozora i bez ekrana daje tools/snapshot, npr. "
         "tools/snapshot " +
         program + " slika.png";
}

void startViewer(int argc, char** argv) {
  setUpViewer(&argc, argv);
  glutMainLoop();
}

void display() {
  ++framesDrawn;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  for (const Circle& circle : scene.circles) drawCircle(circle);
  if (planeLineShown) {
    for (const Line& line : scene.lines) drawLine(line);
  }
  for (const Segment& segment : scene.segments) drawSegment(segment);
  for (const Point& point : scene.points) {
    setColor(point.color);
    glPointSize(kPointSize);
    glBegin(GL_POINTS);
    vertex(point);
    glEnd();
  }
  glPopMatrix();
  drawOverlay();
  if (saveRequested) {
    saveRequested = false;
    saveWindowPicture();
  }
  glFlush();
  glutSwapBuffers();
}

// A new size brings back the plain perspective: every turn, pan and zoom so
// far is dropped.
void reshape(int width, int height) {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  viewAspect = named(static_cast<double>(width) / height);
  loadFirstView();
}

void mouse(int button, int state, int x, int y, bool shift) {
  if (state == GLUT_UP) {
    // Any release ends every drag, even with another button still held.
    leftDown = middleDown = rightDown = turnInSpace = false;
  } else if (state == GLUT_DOWN) {
    lastX = x;
    lastY = y;
    pressPoint = unprojectOnNearPlane(x, y);
    switch (button) {
      case GLUT_LEFT_BUTTON:
        leftDown = true;
        break;
      case GLUT_MIDDLE_BUTTON:
        middleDown = true;
        break;
      case GLUT_RIGHT_BUTTON:
        rightDown = true;
        turnInSpace = shift;
        break;
      default:  // the wheel (3 and 4) and extra buttons hold nothing
        break;
    }
  }
  glutPostRedisplay();
}

void motion(int x, int y) {
  const int dx = x - lastX;
  const int dy = y - lastY;
  if (dx == 0 && dy == 0) return;

  const Point cursor = unprojectOnNearPlane(x, y);
  if (middleDown || (leftDown && rightDown)) {
    zoomBy(dy);
  } else if (leftDown) {
    panTo(cursor);
  } else if (rightDown && turnInSpace) {
    // Up turns the top away, right turns the front to the right.
    turnOnScreen(dragDegrees(dy), dragDegrees(dx));
  } else if (rightDown) {
    rotateBy(dx, dy);
  } else {
    return;
  }
  lastX = x;
  lastY = y;
  glutPostRedisplay();
}

void keyboard(unsigned char key, int, int) {
  switch (std::tolower(key)) {
    case '+':
    case '=':  // + without Shift
      zoomOnScreen(kKeyZoom);
      break;
    case '-':
      zoomOnScreen(1.0f / kKeyZoom);
      break;
    case 'f':
      loadFirstView();
      break;
    case 'l':
      labelsShown = !labelsShown;
      break;
    case 'p':
      planeLineShown = !planeLineShown;
      break;
    case 'h':
      helpShown = !helpShown;
      break;
    case 's':
      saveRequested = true;  // from the next frame drawn
      break;
    case 'q':
    case kEscape:
      quit();
      return;
    default:
      return;  // nothing changed, nothing to draw
  }
  glutPostRedisplay();
}

void special(int key, int, int) {
  switch (key) {
    case GLUT_KEY_UP:  // the top turns away, as with a drag upwards
      turnOnScreen(-kKeyTurn, 0.0f);
      break;
    case GLUT_KEY_DOWN:
      turnOnScreen(kKeyTurn, 0.0f);
      break;
    case GLUT_KEY_LEFT:
      turnOnScreen(0.0f, -kKeyTurn);
      break;
    case GLUT_KEY_RIGHT:
      turnOnScreen(0.0f, kKeyTurn);
      break;
    case GLUT_KEY_HOME:
      loadFirstView();
      break;
    default:
      return;
  }
  glutPostRedisplay();
}

void drawSegment(Segment segment) {
  glPointSize(kPointSize);
  setColor(segment.color);
  glBegin(GL_LINES);
  vertex(segment.first);
  vertex(segment.second);
  glEnd();
  glBegin(GL_POINTS);
  vertex(segment.first);
  vertex(segment.second);
  glEnd();
}

void drawLine(Line line) {
  setColor(line.color);
  const auto along = [&line](float sign) {
    const float reach = sign * kLineHalfLength;
    Point end;
    end.x = named(wide(line.point.x) + wide(reach) * wide(line.direction.x));
    end.y = named(wide(line.point.y) + wide(reach) * wide(line.direction.y));
    end.z = named(wide(line.point.z) + wide(reach) * wide(line.direction.z));
    return end;
  };
  glBegin(GL_LINES);
  vertex(along(1.0f));
  vertex(along(-1.0f));
  glEnd();
}

void drawCircle(Circle circle) {
  setColor(circle.color);
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < kCircleVertices; ++i) {
    const float angle = named(i * 2.0 * kPi / kCircleVertices);
    glVertex3f(named(wide(circle.center.x) + std::cos(wide(angle)) * wide(circle.radius)),
               named(wide(circle.center.y) + std::sin(wide(angle)) * wide(circle.radius)),
               circle.center.z);
  }
  glEnd();
}
