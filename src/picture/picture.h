// Pictures written to files (PNG and PDF with cairo, SVG as text): no
// display and no X server needed.
#pragma once

#include <string>

#include "drawing.h"
#include "scene.h"

// How a file shows the scene: from which standpoint, and on white paper or
// on the screen's cream.
struct PictureLook {
  Standpoint standpoint = Standpoint::First;
  bool screenBackground = false;
};

// Writes the view of the scene into the file, in the format its name ends
// with (in either case): .png 1600 x 1200 pixels, .svg 800 x 600 (a web
// page's pixels, the names as text a drawing program can edit), .pdf one A4
// page in landscape. An existing file is replaced. Returns "" when the whole
// file was written, else the one Serbian line saying why not; a file left
// half written is removed.
//
//   const std::string error = writePicture(scene, "slika.svg");
std::string writePicture(const Scene& scene, const std::string& path, const PictureLook& look = {});

// The drawing list as an SVG document: lines, polygons, circles and <text>
// elements in a sans-serif font.
//
//   const std::string svg = svgOf(drawScene(scene, firstView(800, 600), shown));
std::string svgOf(const drawing::List& list);

// Paints the list on a cairo context (cairo_t*), in the list's pixels:
// what writePicture does for each format.
//
//   paintOnCairo(context, drawScene(scene, firstView(1600, 1200), shown));
void paintOnCairo(void* context, const drawing::List& list);
