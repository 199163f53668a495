// The drawing list painted with OpenGL, in window pixels.
#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "viewer_parts.h"

namespace {

void* const kFont = GLUT_STROKE_ROMAN;
constexpr double kFontCapHeight = 100.0;  // font units from the baseline to the top of "H"
constexpr double kLetterWeight = 0.13;    // stroke width, in capital heights
constexpr double kHaloWidth = 0.42;       // the halo's stroke width, in capital heights
constexpr int kDotSides = 24;

void colour(const Rgb& rgb, double opacity = 1.0) {
  glColor4d(rgb.red, rgb.green, rgb.blue, opacity);
}

void paint(const drawing::Polygon& polygon) {
  colour(polygon.color, polygon.opacity);
  glBegin(GL_POLYGON);
  for (const drawing::Spot& s : polygon.corners) glVertex2d(s.x, s.y);
  glEnd();
}

void paint(const drawing::Line& line) {
  colour(line.color);
  glLineWidth(static_cast<GLfloat>(line.width));
  if (line.dash > 0.0) {
    // 8 pixels on, 8 off, each stretched by the factor.
    glLineStipple(std::clamp(static_cast<GLint>(std::lround(line.dash / 8.0)), 1, 256), 0x00FF);
    glEnable(GL_LINE_STIPPLE);
  }
  glBegin(GL_LINES);
  glVertex2d(line.from.x, line.from.y);
  glVertex2d(line.to.x, line.to.y);
  glEnd();
  glDisable(GL_LINE_STIPPLE);
}

void paint(const drawing::Dot& dot) {
  colour(dot.color);
  glBegin(GL_TRIANGLE_FAN);
  glVertex2d(dot.centre.x, dot.centre.y);
  for (int i = 0; i <= kDotSides; ++i) {
    const double angle = i * 2.0 * 3.14159265358979323846 / kDotSides;
    glVertex2d(dot.centre.x + dot.radius * std::cos(angle),
               dot.centre.y + dot.radius * std::sin(angle));
  }
  glEnd();
}

void strokeText(const drawing::Label& label, double scale) {
  glPushMatrix();
  glTranslated(label.at.x, label.at.y, 0.0);
  glScaled(scale, -scale, 1.0);  // the font's y grows upwards, the picture's downwards
  for (const char c : label.text) glutStrokeCharacter(kFont, static_cast<unsigned char>(c));
  glPopMatrix();
}

// The font at the label's height, or smaller where the text would run wider
// than the list allows; the halo first, then the letters.
void paint(const drawing::Label& label, const Rgb& halo) {
  if (needsOtherLetters(label.text)) {
    paintOtherLetters(label, halo);
    return;
  }
  const auto* text = reinterpret_cast<const unsigned char*>(label.text.c_str());
  const double length = glutStrokeLengthf(kFont, text);
  double scale = label.height / kFontCapHeight;
  if (length * scale > label.width && length > 0.0) scale = label.width / length;
  if (label.halo) {
    colour(halo);
    glLineWidth(static_cast<GLfloat>(kHaloWidth * label.height));
    strokeText(label, scale);
  }
  colour(label.color);
  glLineWidth(static_cast<GLfloat>(std::max(1.0, kLetterWeight * label.height)));
  strokeText(label, scale);
}

}  // namespace

void paintList(const drawing::List& list) {
  glClearColor(list.background.red, list.background.green, list.background.blue, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  // Window pixels from the top left corner.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, list.width, list.height, 0.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  // See-through faces; smooth lines where the display has no multisampling.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_LINE_SMOOTH);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  for (const drawing::Mark& mark : list.marks) {
    std::visit(
        [&list](const auto& m) {
          if constexpr (std::is_same_v<std::decay_t<decltype(m)>, drawing::Label>) {
            paint(m, list.halo);
          } else {
            paint(m);
          }
        },
        mark);
  }
}
