// The console dialogue and the shapes that every program starts with.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>

#include "app.h"
#include "scene.h"

namespace {

struct Coordinate {
  const char* prompt;
  float* value;
  double* typed;  // the same number as typed, in double
};

struct Console {
  std::FILE* input;
  std::FILE* output;
  std::FILE* errors;
  bool failed = false;
};

// Tells the user once why reading stops here; the prompts so far reach the
// screen first.
__attribute__((format(printf, 2, 3))) void complain(Console& console, const char* format, ...) {
  console.failed = true;
  std::fflush(console.output);
  std::va_list arguments;
  va_start(arguments, format);
  std::vfprintf(console.errors, format, arguments);
  va_end(arguments);
}

// The next character of the input, left there; EOF at the end.
int peek(std::FILE* input) {
  const int next = std::fgetc(input);
  if (next != EOF) std::ungetc(next, input);
  return next;
}

// The float nearest a number read in double, as "%f" reads the same text (for
// decimals of up to twelve places the two agree; only a longer decimal can
// lie so close to halfway between two floats that its double falls on the
// halfway point): beyond the largest float, infinite.
float asFloat(double typed) {
  const double largest = std::numeric_limits<float>::max();
  if (!(std::fabs(typed) > largest)) return static_cast<float>(typed);  // NaN too
  // Rounded to nearest: up to halfway to the next power of two, the largest.
  const float beyond = std::fabs(typed) < 0x1.ffffffp+127 ? std::numeric_limits<float>::max()
                                                          : std::numeric_limits<float>::infinity();
  return typed < 0.0 ? -beyond : beyond;
}

// Reads one coordinate after its prompt, in double as typed and as the float
// nearest it. Reading stops for good at the first failure (the offending
// characters stay in the input, or the input is over), so only the first
// failure is worth telling the user about; the later prompts still appear,
// and their coordinates stay 0.
void readCoordinate(const Coordinate& coordinate, Console& console) {
  std::fprintf(console.output, "%s", coordinate.prompt);
  if (console.failed) return;
  const int read = std::fscanf(console.input, "%lf", coordinate.typed);
  if (read == 1) {
    const float value = asFloat(*coordinate.typed);
    *coordinate.value = value;
    if (std::isfinite(value) && std::fabs(value) <= kLargestCoordinate) {
      // A decimal comma is the usual slip: "3,5" reads as 3 and stops at ','.
      if (peek(console.input) != ',') return;
      complain(console,
               "Greska: kod %.4s procitano je %g; decimale se odvajaju tackom, ne zarezom. Sve "
               "sledece koordinate ostaju 0.\n",
               coordinate.prompt, static_cast<double>(value));
      return;
    }
    // Numbers the computation cannot work with are refused like text.
    *coordinate.value = 0.0f;
    *coordinate.typed = 0.0;
    if (!std::isfinite(value)) {
      complain(console,
               "Greska: kod koordinate %.4s procitano je %.8g, sto nije konacan broj; ona i sve "
               "sledece koordinate ostaju 0.\n",
               coordinate.prompt, static_cast<double>(value));
    } else {
      complain(console,
               "Greska: kod koordinate %.4s broj %.8g je po apsolutnoj vrednosti veci od %.0f; "
               "ona i sve sledece koordinate ostaju 0.\n",
               coordinate.prompt, static_cast<double>(value),
               static_cast<double>(kLargestCoordinate));
    }
    return;
  }
  if (read == EOF) {
    complain(console,
             "Greska: ulaz je zavrsen kod koordinate %.4s; ona i sve sledece koordinate "
             "ostaju 0.\n",
             coordinate.prompt);
    return;
  }
  complain(console,
           "Greska: kod koordinate %.4s uneti tekst nije broj%s; ona i sve sledece "
           "koordinate ostaju 0.\n",
           coordinate.prompt,
           peek(console.input) == ',' ? " (decimale se odvajaju tackom, ne zarezom)" : "");
}

void readTriangle(const char* heading, const Coordinate (&coordinates)[9], Console& console) {
  std::fprintf(console.output, "%s", heading);
  for (const Coordinate& coordinate : coordinates) readCoordinate(coordinate, console);
}

}  // namespace

void readTriangles(Point& a1, Point& b1, Point& c1, Point& a2, Point& b2, Point& c2,
                   TypedCorners& typed) {
  readTrianglesFrom(stdin, stdout, stderr, a1, b1, c1, a2, b2, c2, typed);
}

void readTrianglesFrom(std::FILE* input, std::FILE* output, std::FILE* errors, Point& a1, Point& b1,
                       Point& c1, Point& a2, Point& b2, Point& c2, TypedCorners& typed) {
  Console console{input, output, errors};
  typed = TypedCorners{};
  Wide &ta1 = typed[0], &tb1 = typed[1], &tc1 = typed[2];
  Wide &ta2 = typed[3], &tb2 = typed[4], &tc2 = typed[5];
  readTriangle("Uneti tacke prvog trougla:\n",
               {{"a1.x = ", &a1.x, &ta1.x},
                {"a1.y = ", &a1.y, &ta1.y},
                {"a1.z = ", &a1.z, &ta1.z},
                {"b1.x = ", &b1.x, &tb1.x},
                {"b1.y = ", &b1.y, &tb1.y},
                {"b1.z = ", &b1.z, &tb1.z},
                {"c1.x = ", &c1.x, &tc1.x},
                {"c1.y = ", &c1.y, &tc1.y},
                {"c1.z = ", &c1.z, &tc1.z}},
               console);
  readTriangle("Uneti tacke drugog trougla:\n",
               {{"a2.x = ", &a2.x, &ta2.x},
                {"a2.y = ", &a2.y, &ta2.y},
                {"a2.z = ", &a2.z, &ta2.z},
                {"b2.x = ", &b2.x, &tb2.x},
                {"b2.y = ", &b2.y, &tb2.y},
                {"b2.z = ", &b2.z, &tb2.z},
                {"c2.x = ", &c2.x, &tc2.x},
                {"c2.y = ", &c2.y, &tc2.y},
                {"c2.z = ", &c2.z, &tc2.z}},
               console);
}

void addAxes(Point origin) {
  addSegment(Segment(origin, Point{10.0f, 0.0f, 0.0f}), kAxisColor);
  addSegment(Segment(origin, Point{0.0f, 10.0f, 0.0f}), kAxisColor);
  addSegment(Segment(origin, Point{0.0f, 0.0f, 20.0f}), kAxisColor);
}

void addTriangleEdges(Point a, Point b, Point c, ColorIndex color) {
  addSegment(Segment(a, b), color);
  addSegment(Segment(a, c), color);
  addSegment(Segment(b, c), color);
}
