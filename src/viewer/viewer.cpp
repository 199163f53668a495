// The window: the mouse and the keys move the camera, and each frame paints
// the scene's drawing list.
#include "viewer.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "messages.h"
#include "viewer_parts.h"

View view;
Shown shown;

int lastX = 0;
int lastY = 0;
bool leftDown = false;
bool middleDown = false;
bool rightDown = false;
bool turnInSpace = false;

bool saveRequested = false;
long framesDrawn = 0;

namespace {

constexpr int kFirstWidth = 1024;
constexpr int kFirstHeight = 700;
constexpr int kSamples = 4;  // multisampling, where the display offers it
constexpr unsigned char kEscape = 27;
constexpr int kWheelAway = 3;  // GLUT reports the wheel's notches as buttons 3 and 4
constexpr int kWheelTowards = 4;

// The window's title in UTF-8 as well, for the letters beyond Latin-1 that
// the toolkit's title cannot carry (window managers show this one).
void setTitle(const char* title) {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0) return;
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title),
                  static_cast<int>(std::strlen(title)));
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

}  // namespace

void setUpViewer(int* argc, char** argv) {
  const char* name = displayName(*argc, argv);
  if (!canOpenDisplay(name)) {
    std::fprintf(stderr, "%s\n", noDisplayMessage(name, argv[0]).c_str());
    std::exit(1);
  }
  glutInit(argc, argv);
  // Smooth edges from multisampling; a display without it gets smooth lines
  // alone (paint.cpp).
  glutSetOption(GLUT_MULTISAMPLE, kSamples);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_MULTISAMPLE);
  if (!glutGet(GLUT_DISPLAY_MODE_POSSIBLE)) glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
  glutInitWindowSize(kFirstWidth, kFirstHeight);
  glutInitWindowPosition(100, 50);
  const char* title = _("Geometrija - prikaz zadatka");
  glutCreateWindow(title);
  setTitle(title);
  view = firstView(kFirstWidth, kFirstHeight);
  shown.turnHint = true;  // until the first turn in space

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
  if (display == nullptr || *display == '\0') {
    return formatted(_("Prozor sa slikom ne moze da se otvori: nema ekrana (promenljiva DISPLAY "
                       "nije postavljena). Izvestaj iznad je potpun; sliku i bez ekrana zapisuje "
                       "opcija --slika, npr. %s --slika slika.png"),
                     program);
  }
  return formatted(_("Prozor sa slikom ne moze da se otvori: ekran '%s' nije dostupan. Izvestaj "
                     "iznad je potpun; sliku i bez ekrana zapisuje opcija --slika, npr. %s --slika "
                     "slika.png"),
                   display, program);
}

void startViewer(int argc, char** argv) {
  setUpViewer(&argc, argv);
  glutMainLoop();
}

void display() {
  ++framesDrawn;
  paintList(drawScene(scene, view, shown));
  if (saveRequested) {
    saveRequested = false;
    saveWindowPicture();
  }
  glutSwapBuffers();
}

// A new size brings back the first view, framed for it: every turn, pan and
// zoom so far is dropped.
void reshape(int width, int height) {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  view = firstView(width, height);
  shown.turnHint = true;
}

void mouse(int button, int state, int x, int y, bool shift) {
  if (state == GLUT_UP) {
    // Any release ends every drag, even with another button still held.
    leftDown = middleDown = rightDown = turnInSpace = false;
  } else if (state == GLUT_DOWN) {
    lastX = x;
    lastY = y;
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
      case kWheelAway:  // a notch away from the user zooms in, as + does
        view = zoomBy(view, kKeyZoom);
        break;
      case kWheelTowards:
        view = zoomBy(view, 1.0 / kKeyZoom);
        break;
      default:  // extra buttons hold nothing
        break;
    }
  }
  glutPostRedisplay();
}

void motion(int x, int y) {
  const int dx = x - lastX;
  const int dy = y - lastY;
  if (dx == 0 && dy == 0) return;

  if (middleDown || (leftDown && rightDown)) {
    view = zoomBy(view, dragZoom(dy));
  } else if (leftDown) {
    view = panBy(view, dx, dy);
  } else if (rightDown && turnInSpace) {
    // Up turns the top away, right turns the front to the right.
    view = turnBy(view, dragDegrees(view, dy), dragDegrees(view, dx));
    shown.turnHint = false;
  } else if (rightDown) {
    view = spinBy(view, dx, dy);
    shown.turnHint = false;
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
      view = zoomBy(view, kKeyZoom);
      break;
    case '-':
      view = zoomBy(view, 1.0 / kKeyZoom);
      break;
    case 'f':
      view = firstView(view.width, view.height);
      shown.turnHint = true;  // the picture as it first was
      break;
    case '1':
      view = viewFrom(view, Standpoint::Top);
      break;
    case '2':
      view = viewFrom(view, Standpoint::Front);
      break;
    case '3':
      view = viewFrom(view, Standpoint::Side);
      break;
    case 'l':
      shown.labels = !shown.labels;
      break;
    case 'p':
      shown.planeLine = !shown.planeLine;
      break;
    case 't':
      shown.fills = !shown.fills;
      break;
    case 'h':
      shown.help = !shown.help;
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
  if (key == GLUT_KEY_UP || key == GLUT_KEY_DOWN || key == GLUT_KEY_LEFT || key == GLUT_KEY_RIGHT) {
    shown.turnHint = false;
  }
  switch (key) {
    case GLUT_KEY_UP:  // the top turns away, as with a drag upwards
      view = turnBy(view, -kKeyTurnDegrees, 0.0);
      break;
    case GLUT_KEY_DOWN:
      view = turnBy(view, kKeyTurnDegrees, 0.0);
      break;
    case GLUT_KEY_LEFT:
      view = turnBy(view, 0.0, -kKeyTurnDegrees);
      break;
    case GLUT_KEY_RIGHT:
      view = turnBy(view, 0.0, kKeyTurnDegrees);
      break;
    case GLUT_KEY_HOME:
      view = firstView(view.width, view.height);
      shown.turnHint = true;
      break;
    case GLUT_KEY_F11:
      glutFullScreenToggle();  // the new size comes back through reshape
      return;
    default:
      return;
  }
  glutPostRedisplay();
}
