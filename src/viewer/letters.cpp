// Labels with letters beyond ASCII (č, ђ, ...), which the toolkit's stroke font lacks: set by
// cairo into an image and put into the window as pixels.
#include <GL/freeglut.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "viewer_parts.h"

namespace {

constexpr const char* kFontFamily = "DejaVu Sans";
constexpr double kHaloWidth = 0.42;  // the halo's stroke width, in capital heights

void setColour(cairo_t* cr, const Rgb& rgb) {
  cairo_set_source_rgb(cr, rgb.red, rgb.green, rgb.blue);
}

}  // namespace

bool needsOtherLetters(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

void paintOtherLetters(const drawing::Label& label, const Rgb& halo) {
  // 1. The font at the label's capital height, smaller where the text would run wider.
  cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* measure = cairo_create(probe);
  cairo_select_font_face(measure, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(measure, 100.0);
  cairo_text_extents_t capital{}, whole{};
  cairo_text_extents(measure, "H", &capital);
  cairo_text_extents(measure, label.text.c_str(), &whole);
  cairo_destroy(measure);
  cairo_surface_destroy(probe);
  if (capital.height <= 0.0 || whole.x_advance <= 0.0) return;
  double size = 100.0 * label.height / capital.height;
  if (label.width > 0.0) size = std::min(size, 100.0 * label.width / whole.x_advance);

  // 2. The letters, with their halo, on a clear image a little larger than they are.
  const double margin = kHaloWidth * label.height;
  const int width = static_cast<int>(std::ceil(whole.x_advance * size / 100.0 + 2.0 * margin));
  const int height = static_cast<int>(std::ceil(1.5 * size + 2.0 * margin));
  const double baseline = margin + size;  // from the image's top
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> image(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy);
  cairo_t* cr = cairo_create(image.get());
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, margin, baseline);
  cairo_text_path(cr, label.text.c_str());
  if (label.halo) {
    setColour(cr, halo);
    cairo_set_line_width(cr, kHaloWidth * label.height);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  setColour(cr, label.color);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(image.get());

  // 3. Into the window, top row first, the baseline where the label's is. The raster
  //    position starts at the window's top left corner, which is always inside it.
  glRasterPos2d(0.0, 0.0);
  glBitmap(0, 0, 0.0f, 0.0f, static_cast<GLfloat>(label.at.x - margin),
           static_cast<GLfloat>(-(label.at.y - baseline)), nullptr);
  glPixelZoom(1.0f, -1.0f);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, cairo_image_surface_get_stride(image.get()) / 4);
  glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);  // cairo's pixels carry their alpha already
  glDrawPixels(width, height, GL_BGRA, GL_UNSIGNED_BYTE, cairo_image_surface_get_data(image.get()));
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelZoom(1.0f, 1.0f);
}
