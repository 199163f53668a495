// The window that shows the scene and lets the user turn, pan and zoom it.
#pragma once

// Opens the window "Geometrija - prikaz zadatka", places the camera from the
// scene bounds and runs the event loop, which does not return.
//
//   startViewer(argc, argv);
void startViewer(int argc, char** argv);
