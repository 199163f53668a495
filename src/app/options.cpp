// --help and --version: the short usage in Serbian and the version, answered
// before a program reads its triangles or opens its window; and --slika.
#include <cstring>

#include "app.h"

namespace {

enum class Option { None, Help, Version };

// The first --help or --version on the command line. Every other argument is
// left for GLUT.
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
               "Upotreba: %s [opcije GLUT-a]\n"
               "          %s --slika SLIKA.png|.svg|.pdf\n"
               "          %s --help | --version\n",
               name, name, name);
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
               "  --slika SLIKA  crta pocetni pogled u datoteku umesto u prozor (PNG 1600x1200,\n"
               "                 SVG ili PDF na A4 strani), i bez ekrana\n"
               "  --help         ispisuje ovo uputstvo\n"
               "  --version      ispisuje verziju\n"
               "Izlazni status: 0 kad se prozor zatvori ili slika zapise, 1 kad prozor ne moze\n"
               "da se otvori, 2 kad slika ne moze da se zapise.\n"
               "Uputstvo: man %s\n",
               name);
}

}  // namespace

const char* pictureOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--slika") == 0) return i + 1 < argc ? argv[i + 1] : "";
  }
  return nullptr;
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
