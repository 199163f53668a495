// The pieces of the window that tests drive one by one: the set-up before the
// event loop, the callbacks, the painting of a drawing list and the
// program-wide camera, mouse and display state. The program itself needs
// only viewer.h.
#pragma once

#include <string>

#include "drawing.h"

// The camera and what is shown; the picture is drawScene(scene, view, shown).
extern View view;
extern Shown shown;

// Mouse, as of the last handled event.
extern int lastX;  // window x
extern int lastY;  // window y, growing downwards
extern bool leftDown;
extern bool middleDown;
extern bool rightDown;
extern bool turnInSpace;  // the right button was pressed with Shift

extern bool saveRequested;  // S: the next frame is saved as a PNG file

// Frames drawn so far: the display callback counts its calls.
extern long framesDrawn;

// Everything startViewer does before the event loop: the window (with
// multisampling where the display offers it), the first view and the
// callbacks. Without a display it prints noDisplayMessage on standard error
// and ends the program with status 1.
//
//   setUpViewer(&argc, argv);
void setUpViewer(int* argc, char** argv);

// The one line said when no window can be opened: display is the display's
// name (null or empty for none), program the program's path.
std::string noDisplayMessage(const char* display, const char* program);

// The GLUT callbacks.
void display();
void reshape(int width, int height);
// state: 0 pressed, 1 released; shift: Shift was held (GLUT's callback asks
// GLUT for it).
void mouse(int button, int state, int x, int y, bool shift = false);
void motion(int x, int y);
void keyboard(unsigned char key, int x, int y);
void special(int key, int x, int y);  // arrows, Home and F11

// Paints the list over the whole viewport, in its pixels: faces, lines,
// points and labels (GLUT's stroke font, scaled to each label's height and
// width, over a halo).
//
//   paintList(drawScene(scene, view, shown));
void paintList(const drawing::List& list);

// A label whose letters go beyond ASCII (the messages in Serbian and other
// languages), which GLUT's stroke font lacks, is set by cairo in DejaVu Sans
// and drawn as pixels at the same height and place.
//
//   if (needsOtherLetters(label.text)) paintOtherLetters(label, list.halo);
bool needsOtherLetters(const std::string& text);
void paintOtherLetters(const drawing::Label& label, const Rgb& halo);

// Saves the frame just drawn as trikros-YYYYMMDD-HHMMSS.png in the current
// folder and says where on standard error.
void saveWindowPicture();
