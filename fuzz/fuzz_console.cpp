// Fuzz target: the whole console path of trikros without a window. The input
// bytes are what the user types; they go through the dialogue, the
// intersection and the report, which prints into a captured standard output
// and adds the answer to the scene.
//
// Checked on every input, beside the sanitizers:
//   - the dialogue prints its prompts in order; a refused word or the end of
//     the input stops it with one complaint and nothing is answered; words
//     after the eighteenth get one note;
//   - the corner count is 0 to 6, the first count result slots hold the
//     corners and the slots past the count are not touched;
//   - standard output holds exactly one report message, the one reportText
//     gives for the same answer, in the message's own format;
//   - the scene gains exactly the report's shapes, in colour 0, and a polygon's
//     outline is a closed cycle through all its corners;
//   - for finite coordinates within +-1000 and triangles that are not
//     degenerate, the message holds no "nan" and no "inf".
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app.h"
#include "fuzz_checks.h"
#include "intersection.h"
#include "scene.h"

namespace {

// ---- Streams ---------------------------------------------------------------

// A stream in memory that collects what is written to it.
struct MemoryStream {
  char* data = nullptr;
  std::size_t size = 0;
  std::FILE* file = open_memstream(&data, &size);

  MemoryStream() = default;
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  ~MemoryStream() {
    if (file) std::fclose(file);
    std::free(data);
  }
  std::string text() {
    std::fflush(file);
    return std::string(data, size);
  }
};

// Standard output goes to an anonymous file for the whole run, so that each
// report can be read back (libFuzzer itself writes to standard error).
void captureStandardOutput() {
  std::fflush(stdout);
  const int fd = memfd_create("trikros-report", 0);
  if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0) {
    std::perror("capturing standard output");
    std::abort();
  }
  close(fd);
}

void clearStandardOutput() {
  std::fflush(stdout);
  if (ftruncate(STDOUT_FILENO, 0) != 0 || lseek(STDOUT_FILENO, 0, SEEK_SET) != 0) std::abort();
}

std::string standardOutput() {
  std::fflush(stdout);
  const off_t end = lseek(STDOUT_FILENO, 0, SEEK_CUR);
  std::string text(static_cast<std::size_t>(end), '\0');
  if (end > 0 && pread(STDOUT_FILENO, text.data(), text.size(), 0) != end) std::abort();
  return text;
}

// ---- What the dialogue and the report print -----------------------------------

std::string dialogueText() {
  std::string text;
  const char* triangles[2][3] = {{"a1", "b1", "c1"}, {"a2", "b2", "c2"}};
  const char* headings[2] = {"Uneti tacke prvog trougla:\n", "Uneti tacke drugog trougla:\n"};
  for (int t = 0; t < 2; ++t) {
    text += headings[t];
    for (const char* corner : triangles[t]) {
      for (const char* axis : {"x", "y", "z"}) text += std::string(corner) + "." + axis + " = ";
    }
  }
  return text;
}

// The message format for an answer, with %f where printf puts a coordinate.
const char* messageFormat(const Intersection& answer) {
  switch (answer.count) {
    case 0:
      return "Zadati trouglovi se ne seku.\n";
    case 1:
      switch (answer.pointStyle) {
        case PointStyle::Touching:
          return "Presek zadatih trouglova je Tacka:\nM = (%f, %f, %f)\n";
        case PointStyle::OnCut:
          return "Presek zadatih trouglova je Tacka:\nM (%f, %f, %f).\n";
        case PointStyle::Crossing:
          return "Zadati trouglovi se seku u tacki:\nM (%f, %f, %f).\n";
      }
      return "";
    case 2:
      return answer.segmentStyle == SegmentStyle::Transversal
                 ? "Presek zadatih trouglova je duz:\nMN(%f -%f, %f - %f, %f - %f).\n"
                 : "Presek zadatih trouglova je duz:\nMN (%f - %f, %f - %f, %f - %f).\n";
    case 3:
      return "Presek zadatih trouglova je trougao odredjen Tackama:\nM (%f, %f, %f), N (%f, %f, "
             "%f), P (%f, %f, %f).\n";
    case 4:
      return "Presek zadatih trouglova je cetvorougao odredjen Tackama:\nM (%f, %f, %f), N (%f, "
             "%f, %f), P (%f, %f, %f), Q (%f, %f, %f).\n";
    case 5:
      return "Presek zadatih trouglova je petougao odredjen Tackama:\nM (%f, %f, %f), N (%f, %f, "
             "%f), P (%f, %f, %f), Q (%f, %f, %f), R (%f, %f, %f).\n";
    case 6:
      return "Presek zadatih trouglova je sestougao odredjen Tackama:\nM (%f, %f, %f), N (%f, %f, "
             "%f), P (%f, %f, %f), Q (%f, %f, %f), R (%f, %f, %f), S (%f, %f, %f).\n";
    default:
      return "";
  }
}

// One number as "%f" prints it: -?digits.6digits, or -?nan / -?inf.
bool matchNumber(const std::string& text, std::size_t& at) {
  if (at < text.size() && text[at] == '-') ++at;
  if (text.compare(at, 3, "nan") == 0 || text.compare(at, 3, "inf") == 0) {
    at += 3;
    return true;
  }
  const std::size_t digits = at;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  if (at == digits || at >= text.size() || text[at] != '.') return false;
  ++at;
  for (int i = 0; i < 6; ++i, ++at) {
    if (at >= text.size() || text[at] < '0' || text[at] > '9') return false;
  }
  return true;
}

// True when text is exactly one message of the format, nothing before or after.
bool matchesFormat(const std::string& text, const char* format) {
  std::size_t at = 0;
  for (const char* f = format; *f != '\0'; ++f) {
    if (f[0] == '%' && f[1] == 'f') {
      if (!matchNumber(text, at)) return false;
      ++f;
    } else {
      if (at >= text.size() || text[at] != *f) return false;
      ++at;
    }
  }
  return at == text.size();
}

// ---- The input ---------------------------------------------------------------

// Twice the area of the triangle, in double precision; 0 when degenerate.
double doubledArea(Point a, Point b, Point c) {
  const double u[3] = {double(b.x) - a.x, double(b.y) - a.y, double(b.z) - a.z};
  const double v[3] = {double(c.x) - a.x, double(c.y) - a.y, double(c.z) - a.z};
  const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                       u[0] * v[1] - u[1] * v[0]};
  return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
}

// Finite, within +-1000 and two proper triangles: no excuse for nan or inf.
bool ordinaryInput(const std::array<Point, 6>& corners) {
  for (const Point& p : corners) {
    for (float c : {p.x, p.y, p.z}) {
      if (!std::isfinite(c) || std::fabs(c) > 1000.0f) return false;
    }
  }
  return doubledArea(corners[0], corners[1], corners[2]) > 0.0 &&
         doubledArea(corners[3], corners[4], corners[5]) > 0.0;
}

std::string describeInput(const std::array<Point, 6>& corners) {
  std::string text = "triangles:";
  for (const Point& p : corners) text += " " + describe(p);
  return text;
}

// ---- The checks on the answer -------------------------------------------------

// Each corner of the polygon ends exactly two of its outline edges, and no
// edge is repeated: the outline is closed and passes every corner.
void checkOutline(const Intersection& answer, const std::string& context) {
  const auto edges = outlineEdges(answer);
  CHECK(static_cast<int>(edges.size()) == answer.count, context);
  std::array<int, kMaxCorners> degree{};
  std::vector<std::pair<int, int>> seen;
  for (auto [from, to] : edges) {
    CHECK(from >= 0 && from < answer.count && to >= 0 && to < answer.count && from != to, context);
    const std::pair<int, int> key{std::min(from, to), std::max(from, to)};
    for (const auto& other : seen) CHECK(other != key, context);
    seen.push_back(key);
    ++degree[static_cast<std::size_t>(from)];
    ++degree[static_cast<std::size_t>(to)];
  }
  for (int i = 0; i < answer.count; ++i) CHECK(degree[static_cast<std::size_t>(i)] == 2, context);
}

void checkScene(const Intersection& answer, std::size_t segmentsBefore,
                const std::string& context) {
  const std::size_t added = answer.count == 2 ? 1 : answer.count >= 3 ? answer.count : 0;
  CHECK(scene.points.size() == (answer.count == 1 ? 1u : 0u), context);
  CHECK(scene.segments.size() == segmentsBefore + added, context);
  for (const Point& p : scene.points) {
    CHECK(p.color == 0, context);
    CHECK(sameBits(Point{p.x, p.y, p.z, answer.corners[0].color}, answer.corners[0]), context);
  }
  std::size_t index = 0;
  for (const Segment& s : scene.segments) {
    if (index++ >= segmentsBefore) CHECK(s.color == 0, context);
  }
  CHECK(scene.lines.empty() && scene.circles.empty(), context);
  // A polygon is filled as well: one face with every corner.
  CHECK(scene.faces.size() == (answer.count >= 3 ? 1u : 0u), context);
  for (const Face& face : scene.faces) {
    CHECK(face.color == 0 && face.corners.size() == static_cast<std::size_t>(answer.count),
          context);
  }
}

void run(const std::uint8_t* data, std::size_t size) {
  // 1. The dialogue, on the bytes as a pipe gives them.
  static char nothing[1];
  std::vector<char> typed(data, data + size);
  std::FILE* input = fmemopen(typed.empty() ? nothing : typed.data(), typed.size(), "r");
  if (input == nullptr) std::abort();
  MemoryStream prompts, complaints;
  Task task;
  const bool complete = readTask(TaskSource{input, prompts.file, complaints.file, false}, task);
  std::fclose(input);

  // Prompts only, in order; a refused word or the end of the input stops
  // them with one complaint, and nothing is answered.
  static const std::string kDialogue = dialogueText();
  const std::string shown = prompts.text(), complaint = complaints.text();
  CHECK(kDialogue.rfind(shown, 0) == 0, shown);
  if (!complete) {
    CHECK(complaint.rfind("Greska: ", 0) == 0, complaint);
    CHECK(complaint.find('\n') == complaint.size() - 1, complaint);
    return;
  }
  CHECK(shown == kDialogue, shown);
  if (!complaint.empty()) {
    CHECK(complaint.rfind("Napomena: ", 0) == 0, complaint);
    CHECK(complaint.find('\n') == complaint.size() - 1, complaint);
  }
  std::array<Point, 6>& corners = task.corners;
  auto& [a1, b1, c1, a2, b2, c2] = corners;
  const TypedCorners& typedCorners = task.typed;
  for (const Point& p : corners) CHECK(p.color == kDefaultColor, describe(p));
  const std::string context = describeInput(corners);

  // 2. The scene as main builds it before the intersection.
  scene = Scene{};
  addAxes(Point{});
  addTriangleEdges(a1, b1, c1, kFirstTriangleColor);
  addTriangleEdges(a2, b2, c2, kSecondTriangleColor);
  CHECK(scene.segments.size() == 9 && scene.points.empty(), context);

  // 3. The intersection, into slots that hold a sentinel.
  const Point sentinel{-12345.5f, 777.25f, 3.0e30f, 4242};
  std::array<Point, kMaxCorners> slots;
  slots.fill(sentinel);
  clearStandardOutput();
  const int count = intersectTriangles(a1, b1, c1, a2, b2, c2, slots[0], slots[1], slots[2],
                                       slots[3], slots[4], slots[5], typedCorners);
  const std::string printed = standardOutput();

  // 4. The answer.
  CHECK(count >= 0 && count <= kMaxCorners, context);
  const Intersection answer = findIntersection(a1, b1, c1, a2, b2, c2, typedCorners);
  CHECK(answer.count == count, context);
  const Intersection again = findIntersection(a1, b1, c1, a2, b2, c2, typedCorners);
  CHECK(std::memcmp(&again.corners, &answer.corners, sizeof answer.corners) == 0, context);
  for (int i = 0; i < kMaxCorners; ++i) {
    const Point& slot = slots[static_cast<std::size_t>(i)];
    if (i < count) {
      CHECK(sameBits(slot, answer.corners[static_cast<std::size_t>(i)]), context);
    } else {
      CHECK(sameBits(slot, sentinel),
            context + "\nslot " + std::to_string(i) + " " + describe(slot));
    }
  }

  // 5. Exactly one message, in its own format.
  CHECK(printed == reportText(answer), context + "\nprinted:\n" + printed);
  CHECK(matchesFormat(printed, messageFormat(answer)), context + "\nprinted:\n" + printed);
  if (ordinaryInput(corners)) {
    CHECK(printed.find("nan") == std::string::npos && printed.find("inf") == std::string::npos,
          context + "\nprinted:\n" + printed);
  }

  // 6. The shapes in the scene.
  checkScene(answer, 9, context);
  if (count >= 3) checkOutline(answer, context);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  captureStandardOutput();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  run(data, size);
  return 0;
}
