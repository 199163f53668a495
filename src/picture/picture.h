// Pictures of the first view written to files (PNG, SVG or PDF) with cairo:
// no display and no X server needed.
#pragma once

#include <string>

#include "drawing.h"
#include "scene.h"

// Writes the first view of the scene into the file, in the format its name
// ends with (in either case): .png 1600 x 1200 pixels, .svg 800 x 600
// (a web page's pixels), .pdf one A4 page in landscape. An existing file is replaced.
// Returns "" when the whole file was written, else the one Serbian line
// saying why not; a file left half written is removed.
//
//   const std::string error = writePicture(scene, "slika.svg");
std::string writePicture(const Scene& scene, const std::string& path);

// Paints the list on a cairo context (cairo_t*), in the list's pixels:
// what writePicture does for each format.
//
//   paintOnCairo(context, drawScene(scene, firstView(1600, 1200), shown));
void paintOnCairo(void* context, const drawing::List& list);
