// The pieces of the window that tests drive one by one: the set-up before the
// event loop, the callbacks, the drawing of single shapes and the program-wide
// camera and mouse state. The program itself needs only viewer.h.
#pragma once

#include "geometry.h"
#include "scene.h"

// Camera, placed once from the scene bounds.
extern float centerX;         // x of the view centre
extern float centerY;         // y of the view centre
extern float cameraDistance;  // distance of the camera from the plane z = 0

// Mouse, as of the last handled event.
extern int lastX;  // window x
extern int lastY;  // window y, growing downwards
// The point under the cursor on the near clipping plane at the last press;
// panning keeps it under the cursor.
extern Point pressPoint;
extern bool leftDown;
extern bool middleDown;
extern bool rightDown;

// Everything startViewer does before the event loop: the window, the clear
// colour, the camera and the callbacks. Leaves the model-view matrix current.
//
//   setUpViewer(&argc, argv);
void setUpViewer(int* argc, char** argv);

// Places the camera from scene.minPoint and scene.maxPoint and loads both
// matrices for it. Needs a current OpenGL context.
void placeCamera();

// The GLUT callbacks.
void display();
void reshape(int width, int height);
void mouse(int button, int state, int x, int y);  // state: 0 pressed, 1 released
void motion(int x, int y);

// One shape of the scene each.
void drawSegment(Segment segment);
void drawLine(Line line);
void drawCircle(Circle circle);

// Makes colour 0 to 9 of the table the drawing colour; any other index leaves
// the current colour as it is.
void setColor(ColorIndex color);
