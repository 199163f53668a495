// --help and --version: the short usage in Serbian and the version, answered
// before a program reads its triangles or opens its window; --objasni: the
// worked solution, printed after the report.
#include <cstdlib>
#include <cstring>

#include "app.h"
#include "explanation.h"

namespace {

enum class Option { None, Help, Version };

// The first --help or --version on the command line. Every other argument
// (--objasni too) is left for GLUT, which passes over what it does not know.
Option firstOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) return Option::Help;
    if (std::strcmp(argv[i], "--version") == 0) return Option::Version;
  }
  return Option::None;
}

// The same summary as the synopsis and exit statuses of the manual pages.
void printUsage(int fixedCase, std::FILE* output) {
  char name[32] = "trikros";
  if (fixedCase != 0) std::snprintf(name, sizeof name, "trikros-case%02d", fixedCase);
  std::fprintf(output,
               "Upotreba: %s [--objasni] [opcije GLUT-a]\n"
               "          %s --help | --version\n",
               name, name);
  if (fixedCase == 0) {
    std::fputs(
        "Trazi temena dva trougla u prostoru, ispisuje sta trouglovi imaju zajednicko\n"
        "(nista, tacku, duz ili mnogougao) i otvara prozor sa osama, oba trougla i\n"
        "presekom. Ulaz: 18 brojeva, x, y i z temena a1, b1, c1, pa a2, b2, c2; jedan\n"
        "broj po upitu ili svi u jednom redu; decimale se odvajaju tackom (3.5).\n",
        output);
  } else {
    std::fprintf(output,
                 "Primer broj %d programa trikros: ispisuje presek jednog zadatog para\n"
                 "trouglova i otvara prozor sa osama, oba trougla i presekom. Ne cita ulaz.\n",
                 fixedCase);
  }
  std::fprintf(output,
               "  --objasni  posle izvestaja ispisuje postupak resavanja, korak po korak,\n"
               "             sa tacnim razlomcima\n"
               "  --help     ispisuje ovo uputstvo\n"
               "  --version  ispisuje verziju\n"
               "Izlazni status: 0 kad se prozor zatvori, 1 kad prozor ne moze da se otvori.\n"
               "Uputstvo: man %s\n",
               name);
}

// The typed numbers as words, until the console keeps the words themselves:
// the shortest decimal that reads back as the same double, which is the
// number typed for every decimal of up to fifteen digits ("2.5", not
// "2.5000000000000000").
ExplanationWords wordsOfTyped(const TypedCorners& typed) {
  ExplanationWords words;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const double coordinates[3] = {typed[i].x, typed[i].y, typed[i].z};
    for (std::size_t k = 0; k < 3; ++k) {
      char text[40];
      for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, coordinates[k]);
        if (std::strtod(text, nullptr) == coordinates[k]) break;
      }
      words[3 * i + k] = text;
    }
  }
  return words;
}

}  // namespace

bool asksForExplanation(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--objasni") == 0) return true;
  }
  return false;
}

void printExplanation(const Point& a1, const Point& b1, const Point& c1, const Point& a2,
                      const Point& b2, const Point& c2, const TypedCorners& typed, bool fixedCase,
                      std::FILE* output) {
  const ExplanationWords words =
      fixedCase ? wordsOfFloats({a1, b1, c1, a2, b2, c2}) : wordsOfTyped(typed);
  const Intersection reported = findIntersection(a1, b1, c1, a2, b2, c2, typed);
  std::fputs(explanationText(explain(words, reported)).c_str(), output);
  std::fflush(output);
}

bool asksForHelpOrVersion(int argc, char** argv) {
  return firstOption(argc, argv) != Option::None;
}

int answerHelpOrVersion(int argc, char** argv, int fixedCase, std::FILE* output) {
  if (firstOption(argc, argv) == Option::Help) {
    printUsage(fixedCase, output);
  } else {
    std::fputs("trikros " TRIKROS_VERSION "\n", output);
  }
  // A help text that never reached its reader (a full disk, a closed pipe) is
  // no success.
  return std::fflush(output) == 0 && !std::ferror(output) ? 0 : 1;
}
