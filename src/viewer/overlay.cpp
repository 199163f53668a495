// Text over the picture, in window pixels: names beside points, the hint and the help.
#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "viewer_parts.h"

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_12;
constexpr int kTextHeight = 12;
constexpr int kGap = 6;             // pixels between a point and its name
constexpr double kSamePlace = 3.0;  // pixels: names closer than this share one line
constexpr ColorIndex kTextColor = 9;
constexpr const char* kHint = "H: pomoc";
constexpr const char* kHelp[] = {
    "Levi taster misa: pomeranje slike",
    "Desni taster: okretanje oko pravca pogleda",
    "Shift + desni taster: okretanje u prostoru",
    "Srednji taster (ili levi i desni zajedno): uvelicavanje",
    "Strelice: okretanje za 5 stepeni",
    "+ i -: uvelicavanje i umanjivanje",
    "F ili Home: pocetni pogled",
    "L: oznake tacaka",
    "P: prava u kojoj se seku ravni trouglova",
    "S: cuvanje slike prozora (PNG)",
    "H: ova pomoc",
    "Q ili Esc: kraj",
};

int textWidth(const std::string& text) {
  return glutBitmapLength(kFont, reinterpret_cast<const unsigned char*>(text.c_str()));
}

// Writes text with its baseline starting at window pixel (x, y), y upwards.
void writeAt(int x, int y, const std::string& text) {
  glRasterPos2i(x, y);
  for (const char c : text) glutBitmapCharacter(kFont, static_cast<unsigned char>(c));
}

// Names found at one place on the screen.
struct Group {
  double x, y;  // window pixels of the first point, y upwards
  std::vector<const Label*> names;
};

// Every label whose point is in view, gathered by where it appears, in the
// order the labels were added.
std::vector<Group> groupsInView(const GLint viewport[4]) {
  GLdouble modelView[16], projection[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  std::vector<Group> groups;
  for (const Label& label : scene.labels) {
    GLdouble x = 0, y = 0, depth = 0;
    const Point& p = label.point;
    if (gluProject(p.x, p.y, p.z, modelView, projection, viewport, &x, &y, &depth) != GL_TRUE) {
      continue;
    }
    // Outside the depth range lies what is clipped, or behind the camera.
    const bool inView =
        depth >= 0.0 && depth <= 1.0 && x >= 0.0 && y >= 0.0 && x < viewport[2] && y < viewport[3];
    if (!inView) continue;
    Group* same = nullptr;
    for (Group& group : groups) {
      if (std::hypot(group.x - x, group.y - y) < kSamePlace) same = &group;
    }
    if (same != nullptr) {
      same->names.push_back(&label);
    } else {
      groups.push_back(Group{x, y, {&label}});
    }
  }
  return groups;
}

struct Box {
  int left, bottom, right, top;
  // Closer than a few pixels, two names would read as one.
  bool meets(const Box& other) const {
    constexpr int kApart = 2;
    return left < other.right + kApart && other.left < right + kApart &&
           bottom < other.top + kApart && other.bottom < top + kApart;
  }
};

int lineWidth(const Group& group) {
  int width = textWidth(", ") * static_cast<int>(group.names.size() - 1);
  for (const Label* label : group.names) width += textWidth(label->text);
  return width;
}

// Where the names of a group go: up and to the right of the point, else the
// first other place beside it where they stay in the window and clear of the
// points and of the names placed before them; failing that, the place in
// the window that meets the fewest of those.
Box placeGroup(const Group& group, const GLint viewport[4], const std::vector<Box>& taken) {
  const int width = lineWidth(group);
  const int x = static_cast<int>(group.x), y = static_cast<int>(group.y);
  const int right = x + kGap, left = x - kGap - width;
  const int above = y + kGap, below = y - kGap - kTextHeight, level = y - kTextHeight / 2;
  const Box sides[] = {
      {right, above, right + width, above + kTextHeight},
      {left, above, left + width, above + kTextHeight},
      {right, below, right + width, below + kTextHeight},
      {left, below, left + width, below + kTextHeight},
      {right + kGap, level, right + kGap + width, level + kTextHeight},
      {left - kGap, level, left - kGap + width, level + kTextHeight},
  };
  const Box* best = &sides[0];
  std::size_t fewest = taken.size() + 1;
  for (const Box& side : sides) {
    const bool inWindow =
        side.left >= 0 && side.bottom >= 0 && side.right <= viewport[2] && side.top <= viewport[3];
    if (!inWindow) continue;
    const auto met = static_cast<std::size_t>(std::count_if(
        taken.begin(), taken.end(), [&side](const Box& other) { return side.meets(other); }));
    if (met < fewest) best = &side, fewest = met;
  }
  return *best;
}

// "a1, a2, M", each name in its colour, the commas in the colour before them.
void writeGroup(const Group& group, const Box& box) {
  int x = box.left;
  for (const Label* label : group.names) {
    if (label != group.names.front()) {
      writeAt(x, box.bottom, ", ");
      x += textWidth(", ");
    }
    setColor(label->color);
    writeAt(x, box.bottom, label->text);
    x += textWidth(label->text);
  }
}

void drawGroups(const std::vector<Group>& groups, const GLint viewport[4]) {
  constexpr int kMark = 3;  // half the size of a drawn point, and a pixel
  std::vector<Box> taken;
  for (const Group& group : groups) {
    const int x = static_cast<int>(group.x), y = static_cast<int>(group.y);
    taken.push_back({x - kMark, y - kMark, x + kMark + 1, y + kMark + 1});
  }
  for (const Group& group : groups) {
    const Box box = placeGroup(group, viewport, taken);
    writeGroup(group, box);
    taken.push_back(box);
  }
}

// A white box with a black frame and the help's lines, in the top left
// corner, where the first view leaves room.
void drawHelp(const GLint viewport[4]) {
  constexpr int kLine = kTextHeight + 6, kPadding = 12;
  int width = 0;
  for (const char* line : kHelp) width = std::max(width, textWidth(line));
  const int lines = static_cast<int>(std::size(kHelp));
  const int boxWidth = width + 2 * kPadding, boxHeight = lines * kLine + 2 * kPadding;
  const int left = kGap, bottom = viewport[3] - kGap - boxHeight;
  glColor3f(1.0f, 1.0f, 1.0f);
  glRecti(left, bottom, left + boxWidth, bottom + boxHeight);
  setColor(kTextColor);
  glBegin(GL_LINE_LOOP);
  glVertex2i(left, bottom);
  glVertex2i(left + boxWidth, bottom);
  glVertex2i(left + boxWidth, bottom + boxHeight);
  glVertex2i(left, bottom + boxHeight);
  glEnd();
  for (int i = 0; i < lines; ++i) {
    writeAt(left + kPadding, bottom + boxHeight - kPadding - (i + 1) * kLine + 6, kHelp[i]);
  }
}

}  // namespace

void drawOverlay() {
  GLint viewport[4], mode = GL_PROJECTION;
  glGetIntegerv(GL_VIEWPORT, viewport);
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  const std::vector<Group> groups = labelsShown ? groupsInView(viewport) : std::vector<Group>{};

  // Window pixels from the lower left corner, for this drawing only.
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(0.0, viewport[2], 0.0, viewport[3]);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  drawGroups(groups, viewport);
  setColor(kTextColor);
  writeAt(viewport[2] - kGap - textWidth(kHint), viewport[3] - kGap - kTextHeight, kHint);
  if (helpShown) drawHelp(viewport);

  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(static_cast<GLenum>(mode));
}
