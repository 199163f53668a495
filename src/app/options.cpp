// The command line: our own options, a task file, the window toolkit's options, and the
// short usage in Serbian.
#include <cstdint>
#include <cstring>

#include "app.h"
#include "input.h"
#include "messages.h"

namespace {

// The window toolkit's options, with or without a value, as GLUT takes them.
constexpr const char* kToolkitWithValue[] = {"-display", "-geometry"};
constexpr const char* kToolkitAlone[] = {"-iconic", "-direct", "-indirect", "-sync", "-gldebug"};

// The views and backgrounds of a picture file.
constexpr const char* kPictureViews[] = {"kosi", "odozgo", "spreda", "sa-strane"};
constexpr const char* kBackgrounds[] = {"bela", "ekran"};

template <std::size_t n>
bool isOneOf(const char* argument, const char* const (&names)[n]) {
  for (const char* name : names) {
    if (std::strcmp(argument, name) == 0) return true;
  }
  return false;
}

// Whether --pozadina is among the arguments (before any "--").
bool backgroundGiven(int argc, char** argv) {
  for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--pozadina") == 0) return true;
  }
  return false;
}

std::string programName(int fixedCase) {
  char name[32] = "trikros";
  if (fixedCase != 0) std::snprintf(name, sizeof name, "trikros-case%02d", fixedCase);
  return name;
}

// A number of decimal digits alone, at most `largest`; nothing for anything else.
std::optional<std::uint64_t> wholeNumber(const char* text, std::uint64_t largest) {
  if (*text == '\0') return std::nullopt;
  std::uint64_t value = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(*c - '0');
    if (value > (largest - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

// The same summary as the synopsis and exit statuses of the manual pages.
void printUsage(int fixedCase, std::FILE* output) {
  const std::string name = programName(fixedCase);
  if (fixedCase == 0) {
    std::fprintf(output,
                 _("Upotreba: %s [--objasni] [--slika SLIKA] [ZADATAK] [opcije GLUT-a]\n"
                   "          %s --help | --version\n"),
                 name.c_str(), name.c_str());
    std::fputs(_("          trikros --zadatak [VRSTA] [--seme N] [--opseg K]\n"
                 "          trikros --listic N LISTIC.pdf [VRSTA ...] [--seme N] [--opseg K]\n"),
               output);
    std::fputs(
        _("Trazi temena dva trougla u prostoru, ispisuje sta trouglovi imaju zajednicko\n"
        "(nista, tacku, duz ili mnogougao) i otvara prozor sa osama, oba trougla i\n"
        "presekom. Ulaz: 18 brojeva, x, y i z temena a1, b1, c1, pa a2, b2, c2; jedan\n"
        "broj po upitu ili svi u jednom redu, razdvojeni razmacima. Broj se pise kao\n"
        "3, -2.5, .5, 1e3 ili razlomak 1/3, decimale tackom (3.5, ne 3,5), najvise\n"
        "1000000 po apsolutnoj vrednosti. Pogresno unet broj se na terminalu trazi\n"
        "ponovo; iz cevi ili datoteke program tada staje.\n"
        "ZADATAK: datoteka sa istih 18 brojeva; tekst posle # u redu je komentar.\n"),
        output);
    std::fputs(_("Vezba: --zadatak ispisuje novi zadatak kao datoteku ZADATAK, resiv rucno sa\n"
                 "malim razlomcima; --listic zapisuje listic za vezbu (A4, PDF) sa N zadataka,\n"
                 "slikama, mestom za rad i resenjima. VRSTA: nema, tacka, duz, trougao,\n"
                 "cetvorougao, petougao ili sestougao, i uz nju -u-ravni ili -u-prostoru (npr.\n"
                 "duz-u-prostoru); bez nje vrsta je slucajna, a vise vrsta na listicu ide redom.\n"
                 "--seme N daje isti zadatak ili listic ponovo; --opseg K: temena od -K do K\n"
                 "(podrazumevano 6, od 3 do 30).\n"),
               output);
  } else {
    std::fprintf(output,
                 _("Upotreba: %s [--objasni] [--slika SLIKA] [opcije GLUT-a]\n"
                   "          %s --help | --version\n"),
                 name.c_str(), name.c_str());
    std::fprintf(output,
                 _("Primer broj %d programa trikros: ispisuje presek jednog zadatog para\n"
                   "trouglova i otvara prozor sa osama, oba trougla i presekom. Ne cita ulaz.\n"),
                 fixedCase);
  }
  std::fprintf(output,
               _("  --objasni      posle izvestaja ispisuje postupak resavanja, korak po korak,\n"
               "                 sa tacnim razlomcima\n"
               "  --slika SLIKA  crta pocetni pogled u datoteku umesto u prozor (SLIKA.png\n"
               "                 1600x1200, .svg ili .pdf na A4 strani), i bez ekrana\n"
               "  --pogled POGLED  uz --slika: kosi, odozgo, spreda ili sa-strane umesto\n"
               "                 pocetnog pogleda\n"
               "  --pozadina ekran  uz --slika: krem pozadina ekrana umesto bele\n"
               "  --help         ispisuje ovo uputstvo\n"
               "  --version      ispisuje verziju\n"
               "Izlazni status: 0 kad se prozor zatvori ili se slika zapise, 1 kad prozor ne\n"
               "moze da se otvori, 2 kad je ulaz pogresan, opcija nepoznata ili slika ne moze\n"
               "da se zapise.\n"
               "Uputstvo: man %s\n"),
               name.c_str());
}

}  // namespace

Options readOptions(int argc, char** argv, int fixedCase) {
  Options options;
  options.toolkit.push_back(argv[0]);
  const std::string name = programName(fixedCase);
  auto refuse = [&](const std::string& why) {
    options.answer = Options::Answer::Refused;
    options.complaint =
        formatted(_("Greska: %s; uputstvo daje: %s --help\n"), why.c_str(), name.c_str());
    return options;
  };
  bool optionsEnded = false;  // after "--" every argument is a file
  bool rangeGiven = false;
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    const std::string quoted = "\"" + asShown(argument) + "\"";
    const bool practice =
        options.answer == Options::Answer::NewTask || options.answer == Options::Answer::Worksheet;
    if ((optionsEnded || argument[0] != '-') && practice) {
      const KindReading reading = readTaskKind(argument);
      if (!reading.kind) return refuse(reading.complaint);
      if (options.answer == Options::Answer::NewTask && !options.kinds.empty()) {
        return refuse(formatted(_("uz --zadatak ide najvise jedna vrsta (%s)"), quoted.c_str()));
      }
      options.kinds.push_back(*reading.kind);
    } else if (optionsEnded || argument[0] != '-') {
      if (fixedCase != 0) {
        return refuse(
            formatted(_("%s ne cita zadatak iz datoteke (%s)"), name.c_str(), quoted.c_str()));
      }
      if (options.taskFile != nullptr) {
        return refuse(formatted(_("zadat je vise od jednog zadatka (\"%s\", %s)"),
                                asShown(options.taskFile).c_str(), quoted.c_str()));
      }
      options.taskFile = argument;
    } else if (std::strcmp(argument, "--") == 0) {
      optionsEnded = true;
    } else if (std::strcmp(argument, "--help") == 0) {
      options.answer = Options::Answer::Help;
      return options;
    } else if (std::strcmp(argument, "--version") == 0) {
      options.answer = Options::Answer::Version;
      return options;
    } else if (std::strcmp(argument, "--objasni") == 0) {
      options.explain = true;
    } else if (std::strcmp(argument, "--slika") == 0) {
      if (i + 1 == argc) return refuse(_("opcija \"--slika\" trazi ime datoteke"));
      options.picture = argv[++i];
    } else if (std::strcmp(argument, "--pogled") == 0) {
      if (i + 1 == argc || !isOneOf(argv[i + 1], kPictureViews)) {
        return refuse(_("opcija \"--pogled\" trazi kosi, odozgo, spreda ili sa-strane"));
      }
      options.pictureView = argv[++i];
    } else if (std::strcmp(argument, "--pozadina") == 0) {
      if (i + 1 == argc || !isOneOf(argv[i + 1], kBackgrounds)) {
        return refuse(_("opcija \"--pozadina\" trazi bela ili ekran"));
      }
      options.screenBackground = std::strcmp(argv[++i], "ekran") == 0;
    } else if (fixedCase == 0 && (std::strcmp(argument, "--zadatak") == 0 ||
                                  std::strcmp(argument, "--listic") == 0)) {
      if (practice) return refuse(_("zadaje se samo jedno od --zadatak i --listic, jednom"));
      options.answer = Options::Answer::NewTask;
      if (std::strcmp(argument, "--listic") == 0) {
        const std::optional<std::uint64_t> count =
            i + 2 < argc ? wholeNumber(argv[i + 1], kMostWorksheetTasks) : std::nullopt;
        if (!count || *count == 0) {
          return refuse(formatted(_("opcija \"--listic\" trazi broj zadataka od 1 do %d i ime "
                                    "datoteke, npr. --listic 20 listic.pdf"),
                                  kMostWorksheetTasks));
        }
        options.answer = Options::Answer::Worksheet;
        options.worksheetTasks = static_cast<int>(*count);
        options.worksheet = argv[i + 2];
        i += 2;
      }
    } else if (fixedCase == 0 && std::strcmp(argument, "--seme") == 0) {
      options.seed = i + 1 < argc ? wholeNumber(argv[++i], UINT64_MAX) : std::nullopt;
      if (!options.seed) {
        return refuse(_("opcija \"--seme\" trazi ceo broj od 0 do 18446744073709551615"));
      }
    } else if (fixedCase == 0 && std::strcmp(argument, "--opseg") == 0) {
      const std::optional<std::uint64_t> range =
          i + 1 < argc ? wholeNumber(argv[++i], kLargestRange) : std::nullopt;
      if (!range || *range < kSmallestRange) {
        return refuse(formatted(_("opcija \"--opseg\" trazi ceo broj od %d do %d"), kSmallestRange,
                                kLargestRange));
      }
      options.range = static_cast<int>(*range);
      rangeGiven = true;
    } else if (isOneOf(argument, kToolkitWithValue)) {
      if (i + 1 == argc) return refuse(formatted(_("opcija %s trazi vrednost"), quoted.c_str()));
      options.toolkit.push_back(argv[i]);
      options.toolkit.push_back(argv[++i]);
    } else if (isOneOf(argument, kToolkitAlone)) {
      options.toolkit.push_back(argv[i]);
    } else {
      return refuse(formatted(_("nepoznata opcija %s"), quoted.c_str()));
    }
  }
  // A new task or a worksheet is made, not solved: no task file, explanation or picture.
  const bool practice =
      options.answer == Options::Answer::NewTask || options.answer == Options::Answer::Worksheet;
  if (!practice && (options.seed || rangeGiven)) {
    return refuse(_("opcije \"--seme\" i \"--opseg\" idu samo uz --zadatak ili --listic"));
  }
  if ((options.pictureView != nullptr || backgroundGiven(argc, argv)) &&
      options.picture == nullptr) {
    return refuse(_("opcije \"--pogled\" i \"--pozadina\" idu samo uz --slika"));
  }
  if (practice && (options.taskFile != nullptr || options.explain || options.picture != nullptr)) {
    return refuse(
        _("uz --zadatak i --listic ne idu ZADATAK, --objasni ni --slika (novi zadatak "
          "se resava sa trikros ZADATAK)"));
  }
  if (options.answer == Options::Answer::Worksheet &&
      options.kinds.size() > static_cast<std::size_t>(options.worksheetTasks)) {
    return refuse(formatted(_("zadato je vise vrsta (%d) nego zadataka na listicu (%d)"),
                            static_cast<int>(options.kinds.size()), options.worksheetTasks));
  }
  return options;
}

int answerHelpOrVersion(const Options& options, int fixedCase, std::FILE* output) {
  if (options.answer == Options::Answer::Help) {
    printUsage(fixedCase, output);
  } else {
    std::fputs("trikros " TRIKROS_VERSION "\n", output);
  }
  // A help text that never reached its reader (a full disk, a closed pipe) is
  // no success.
  return std::fflush(output) == 0 && !std::ferror(output) ? 0 : 1;
}
