#include "viewer.h"

// Placeholder until the window is built: the console answer is all there is.
void startViewer(int, char**) {}
