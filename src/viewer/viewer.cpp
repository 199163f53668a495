#include "viewer.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cmath>

#include "viewer_parts.h"

float centerX = 0.0f;
float centerY = 0.0f;
float cameraDistance = 0.0f;

int lastX = 0;
int lastY = 0;
Point pressPoint;
bool leftDown = false;
bool middleDown = false;
bool rightDown = false;

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
constexpr double kNear = 1.0;
constexpr double kFar = 1000.0;
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

void rotateBy(int dx, int dy) {
  // In double: the squares of two window distances can pass the int range.
  const float distance =
      named(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
  float angle = named(wide(distance) / (viewportWidth() + 1) * 180.0);
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
  const float width = named(wide(high.x) + std::fabs(wide(low.x)));
  const float height = named(wide(high.y) + std::fabs(wide(low.y)));
  // A tall scene is framed by its height, any other by its width.
  cameraDistance = 5.0 * wide(width) > wide(height) ? width : height;

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFieldOfView, 1.0, kNear, kFar);
  gluLookAt(centerX, centerY, cameraDistance, centerX, centerY, 0.0, 0.0, 1.0, 0.0);

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-centerX, -centerY, -cameraDistance);
}

void setUpViewer(int* argc, char** argv) {
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(1024, 700);
  glutInitWindowPosition(100, 50);
  glutCreateWindow("Geometrija - prikaz zadatka");
  glClearColor(0.9f, 0.9f, 0.8f, 0.0f);

  placeCamera();

  glutDisplayFunc(display);
  glutIdleFunc(display);
  glutMouseFunc(mouse);
  glutMotionFunc(motion);
  glutReshapeFunc(reshape);
}

void startViewer(int argc, char** argv) {
  setUpViewer(&argc, argv);
  glutMainLoop();
}

void display() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  for (const Circle& circle : scene.circles) drawCircle(circle);
  for (const Line& line : scene.lines) drawLine(line);
  for (const Segment& segment : scene.segments) drawSegment(segment);
  for (const Point& point : scene.points) {
    setColor(point.color);
    glPointSize(kPointSize);
    glBegin(GL_POINTS);
    vertex(point);
    glEnd();
  }
  glPopMatrix();
  glFlush();
  glutSwapBuffers();
}

// A new size brings back the plain perspective: every turn, pan and zoom so
// far is dropped.
void reshape(int width, int height) {
  if (height == 0) height = 1;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, width, height);
  const float aspect = named(static_cast<double>(width) / height);
  gluPerspective(kFieldOfView, aspect, kNear, kFar);
}

void mouse(int button, int state, int x, int y) {
  if (state == GLUT_UP) {
    // Any release ends every drag, even with another button still held.
    leftDown = middleDown = rightDown = false;
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
  } else if (rightDown) {
    rotateBy(dx, dy);
  } else {
    return;
  }
  lastX = x;
  lastY = y;
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
