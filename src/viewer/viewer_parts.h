// The pieces of the window that tests drive one by one: the set-up before the
// event loop, the callbacks, the drawing of single shapes and the program-wide
// camera, mouse and display state. The program itself needs only viewer.h.
#pragma once

#include <string>

#include "geometry.h"
#include "scene.h"

// Camera, placed once from the scene bounds.
extern float centerX;         // x of the view centre
extern float centerY;         // y of the view centre
extern float cameraDistance;  // distance of the camera from the plane z = 0
extern float nearPlane;       // distances of the clipping planes from the camera
extern float farPlane;
extern float viewAspect;  // width / height of the window, set by reshape

// Mouse, as of the last handled event.
extern int lastX;  // window x
extern int lastY;  // window y, growing downwards
// The point under the cursor on the near clipping plane at the last press;
// panning keeps it under the cursor.
extern Point pressPoint;
extern bool leftDown;
extern bool middleDown;
extern bool rightDown;
extern bool turnInSpace;  // the right button was pressed with Shift

// What is drawn over the shapes, switched by keys.
extern bool labelsShown;     // L: names beside the points; on at start
extern bool planeLineShown;  // P: the line where the planes meet; off at start
extern bool helpShown;       // H: the help; off at start
extern bool saveRequested;   // S: the next frame is saved as a PNG file

// Frames drawn so far: the display callback counts its calls.
extern long framesDrawn;

// Everything startViewer does before the event loop: the window, the clear
// colour, the camera and the callbacks. Leaves the model-view matrix current.
// Without a display it prints noDisplayMessage on standard error and ends the
// program with status 1.
//
//   setUpViewer(&argc, argv);
void setUpViewer(int* argc, char** argv);

// The one line said when no window can be opened: display is the display's
// name (null or empty for none), program the program's path.
std::string noDisplayMessage(const char* display, const char* program);

// Places the camera from scene.minPoint and scene.maxPoint and loads both
// matrices for it. Needs a current OpenGL context.
void placeCamera();

// The GLUT callbacks.
void display();
void reshape(int width, int height);
// state: 0 pressed, 1 released; shift: Shift was held (GLUT's callback asks
// GLUT for it).
void mouse(int button, int state, int x, int y, bool shift = false);
void motion(int x, int y);
void keyboard(unsigned char key, int x, int y);
void special(int key, int x, int y);  // arrows and Home

// One shape of the scene each.
void drawSegment(Segment segment);
void drawLine(Line line);
void drawCircle(Circle circle);

// The names beside the points (while labelsShown), the hint "H: pomoc" in the
// top right corner and the help (while helpShown), in window pixels.
void drawOverlay();

// Saves the frame just drawn as trikros-YYYYMMDD-HHMMSS.png in the current
// folder and says where on standard error.
void saveWindowPicture();

// Makes a colour of the table the drawing colour; any other index leaves
// the current colour as it is.
void setColor(ColorIndex color);
