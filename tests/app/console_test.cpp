// The built programs run end to end on the console: prompts, the one report
// and the complaint about bad input, byte for byte. No display is given, so
// the window cannot open; everything checked here is printed before it.
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../support.h"

namespace {

struct ProgramOutput {
  std::string out;
  std::string err;
  int status = -1;  // the exit status, or -1 when ended by a signal
};

std::string slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

ProgramOutput runProgram(const std::string& program, const std::string& input,
                         const std::string& arguments = "", const std::string& locale = "") {
  // The process's number keeps builds that test side by side apart.
  const std::string base = ::testing::TempDir() + "trikros_console_" + std::to_string(getpid()) +
                           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::ofstream(base + ".in", std::ios::binary) << input;
  const std::string language =
      locale.empty() ? "" : "-u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=" + locale + " ";
  const std::string command = "env -u DISPLAY " + language + "'" + std::string(TRIKROS_BIN_DIR) +
                              "/" + program +
                              "' " + arguments + " < '" + base + ".in' > '" + base + ".out' 2> '" +
                              base + ".err'";
  // Without a display the programs end after the report.
  const int status = std::system(command.c_str());
  ProgramOutput run{slurp(base + ".out"), slurp(base + ".err"),
                    WIFEXITED(status) ? WEXITSTATUS(status) : -1};
  for (const char* suffix : {".in", ".out", ".err"}) std::remove((base + suffix).c_str());
  return run;
}

const std::string kPrompts =
    "Uneti tacke prvog trougla:\n"
    "a1.x = a1.y = a1.z = b1.x = b1.y = b1.z = c1.x = c1.y = c1.z = "
    "Uneti tacke drugog trougla:\n"
    "a2.x = a2.y = a2.z = b2.x = b2.y = b2.z = c2.x = c2.y = c2.z = ";

TEST(Console, AllEighteenNumbersOnOneLine) {
  const ProgramOutput run = runProgram("trikros", "4 5 0 4 1 0 1 5 0 4 3 0 4 6 3 2 3 5\n");
  EXPECT_EQ(run.out,
            kPrompts + "Presek zadatih trouglova je Tacka:\nM (4.000000, 3.000000, 0.000000).\n");
  EXPECT_EQ(run.err.find("Greska"), std::string::npos);
}

TEST(Console, OneNumberPerLineWithDecimals) {
  const ProgramOutput run =
      runProgram("trikros", "1\n1\n0\n4\n1\n0\n4\n4\n0\n5\n3\n0\n3\n0\n0\n3\n2\n0\n");
  EXPECT_EQ(run.out, kPrompts +
                         "Presek zadatih trouglova je petougao odredjen Tackama:\nM (3.000000, "
                         "2.000000, 0.000000), N (3.666667, 1.000000, 0.000000), P (3.000000, "
                         "1.000000, 0.000000), Q (4.000000, 1.500000, 0.000000), R (4.000000, "
                         "2.500000, 0.000000).\n");
}

// Decimals count as typed: 44.2 is not the float 44.200001. Read as floats,
// this pair's first corner came out (9.634233, 14.860319), 0.00015 off.
TEST(Console, DecimalsAreAnsweredAsTyped) {
  const ProgramOutput run =
      runProgram("trikros",
                 "44.2 -32.8 0.0 8.3 16.7 0.0 -36.9 1.6 0.0 -4.6 34.1 0.0 5.4 -45.0 0.0 40.9 "
                 "-27.4 0.0\n");
  EXPECT_EQ(run.out, kPrompts +
                         "Presek zadatih trouglova je sestougao odredjen Tackama:\nM (9.634122, "
                         "14.860473, 0.000000), N (40.446648, -27.624762, 0.000000), P (1.571743, "
                         "-14.718472, 0.000000), Q (36.551636, -29.555809, 0.000000), R "
                         "(-1.966650, 13.270212, 0.000000), S (8.278487, 16.692814, 0.000000).\n");
}

// In each language the locale names, every kind of answer and every complaint
// are said in it, whole; the numbers stay as they are.
TEST(Console, EachLanguageSaysEveryAnswerAndComplaint) {
  const char* const kLocales[3] = {"sr_RS.UTF-8", "sr_RS.UTF-8@latin", "en_US.UTF-8"};
  struct Row {
    const char* input;
    const char* said[3];  // the report's first line, or the complaint, in each locale
  } rows[] = {
      {"0 0 0 4 0 0 0 4 0 9 9 9 9 8 9 8 9 9",
       {"Задати троуглови се не секу.", "Zadati trouglovi se ne seku.",
        "The given triangles do not intersect."}},
      {"4 5 0 4 1 0 1 5 0 4 3 0 4 6 3 2 3 5",
       {"Пресек задатих троуглова је тачка:", "Presek zadatih trouglova je tačka:",
        "The intersection of the given triangles is a point:"}},
      {"0 0 0 4 0 0 0 4 0 1 1 -1 1 1 1 3 3 0",
       {"Пресек задатих троуглова је дуж:", "Presek zadatih trouglova je duž:",
        "The intersection of the given triangles is a segment:"}},
      {"0 0 0 4 0 0 0 4 0 1 1 0 5 1 0 1 5 0",
       {"Пресек задатих троуглова је троугао одређен тачкама:",
        "Presek zadatih trouglova je trougao određen tačkama:",
        "The intersection of the given triangles is a triangle with the vertices:"}},
      {"0 0 0 4 0 0 0 4 0 -1 1 0 3 1 0 1 3 0",
       {"Пресек задатих троуглова је четвороугао одређен тачкама:",
        "Presek zadatih trouglova je četvorougao određen tačkama:",
        "The intersection of the given triangles is a quadrilateral with the vertices:"}},
      {"1 1 0 4 1 0 4 4 0 5 3 0 3 0 0 3 2 0",
       {"Пресек задатих троуглова је петоугао одређен тачкама:",
        "Presek zadatih trouglova je petougao određen tačkama:",
        "The intersection of the given triangles is a pentagon with the vertices:"}},
      {"0 0 0 4 0 0 0 4 0 -1 1 0 3 -1 0 3 3 0",
       {"Пресек задатих троуглова је шестоугао одређен тачкама:",
        "Presek zadatih trouglova je šestougao određen tačkama:",
        "The intersection of the given triangles is a hexagon with the vertices:"}},
      {"1 2",
       {"Грешка: улаз је завршен код координате a1.z; задатак није решен.",
        "Greška: ulaz je završen kod koordinate a1.z; zadatak nije rešen.",
        "Error: the input ends at coordinate a1.z; the task is not solved."}},
      {"1 3,5",
       {"Грешка: код координате a1.y унето је \"3,5\", а децимале се одвајају тачком, не зарезом "
        "(3.5); задатак није решен.",
        "Greška: kod koordinate a1.y uneto je \"3,5\", a decimale se odvajaju tačkom, ne zarezom "
        "(3.5); zadatak nije rešen.",
        "Error: at coordinate a1.y \"3,5\" is entered, but decimals are separated by a point, not "
        "a comma (3.5); the task is not solved."}},
      {"nan",
       {"Грешка: код координате a1.x унето је \"nan\", што није коначан број; задатак није решен.",
        "Greška: kod koordinate a1.x uneto je \"nan\", što nije konačan broj; zadatak nije rešen.",
        "Error: at coordinate a1.x \"nan\" is entered, which is not a finite number; the task is "
        "not solved."}},
      {"1/0",
       {"Грешка: код координате a1.x унето је \"1/0\", а именилац разломка не сме бити 0; "
        "задатак није решен.",
        "Greška: kod koordinate a1.x uneto je \"1/0\", a imenilac razlomka ne sme biti 0; zadatak "
        "nije rešen.",
        "Error: at coordinate a1.x \"1/0\" is entered, but the denominator of a fraction must not "
        "be 0; the task is not solved."}},
      {"2e7",
       {"Грешка: код координате a1.x број 2e7 је по апсолутној вредности већи од 1000000; "
        "задатак није решен.",
        "Greška: kod koordinate a1.x broj 2e7 je po apsolutnoj vrednosti veći od 1000000; zadatak "
        "nije rešen.",
        "Error: at coordinate a1.x the number 2e7 is greater than 1000000 in absolute value; the "
        "task is not solved."}},
      {"12345678901234567890123456789012345678901",
       {"Грешка: код координате a1.x унето је \"1234567890123456789012345678901234567890...\", "
        "што је дуже од 40 знакова; задатак није решен.",
        "Greška: kod koordinate a1.x uneto je \"1234567890123456789012345678901234567890...\", što "
        "je duže od 40 znakova; zadatak nije rešen.",
        "Error: at coordinate a1.x \"1234567890123456789012345678901234567890...\" is entered, "
        "which is longer than 40 characters; the task is not solved."}},
      {"1x",
       {"Грешка: код координате a1.x унето је \"1x\", што није број (бројеви се пишу као 3, -2.5, "
        ".5, 1e3 или 1/3); задатак није решен.",
        "Greška: kod koordinate a1.x uneto je \"1x\", što nije broj (brojevi se pišu kao 3, -2.5, "
        ".5, 1e3 ili 1/3); zadatak nije rešen.",
        "Error: at coordinate a1.x \"1x\" is entered, which is not a number (numbers are written "
        "as 3, -2.5, .5, 1e3 or 1/3); the task is not solved."}},
  };
  for (const Row& row : rows) {
    for (int k = 0; k < 3; ++k) {
      const ProgramOutput run = runProgram("trikros", std::string(row.input) + "\n", "", kLocales[k]);
      const std::string text = run.status == 2 ? run.err : run.out.substr(run.out.rfind("= ") + 2);
      EXPECT_EQ(text.substr(0, text.find('\n')), row.said[k]) << kLocales[k] << ": " << row.input;
    }
  }
}

// The prompts up to and including that of coordinate index (0 a1.x ... 17 c2.z).
std::string promptsTo(int index) {
  const std::size_t heading = index < 9 ? 27 : 118;  // where the triangle's heading ends
  return kPrompts.substr(0, heading + static_cast<std::size_t>(index % 9 + 1) * 7);
}

// From a pipe, the first word that is not a number (or the end of the input)
// ends the program: one complaint naming the coordinate, status 2, nothing on
// standard output after the prompts, no window. Every form is read as typed.
TEST(Console, WordsAreReadWholeOrTheProgramStops) {
  const std::string kPair = "4 5 0 4 1 0 1 5 0 4 3 0 4 6 3 2 3 5";
  const std::string kCase02 =
      "Presek zadatih trouglova je Tacka:\nM (4.000000, 3.000000, 0.000000).\n";
  struct Row {
    std::string input;
    int stoppedAt;       // the coordinate refused, or -1
    std::string errors;  // standard error (the start of it when refused)
    std::string report;  // when the task is answered
  } rows[] = {
      {"", 0, "Greska: ulaz je zavrsen kod koordinate a1.x; zadatak nije resen.\n", ""},
      {"4 5 0 4 1 0 1 5 0 4 3,5 1\n", 10,
       "Greska: kod koordinate a2.y uneto je \"3,5\", a decimale se odvajaju tackom, ne zarezom "
       "(3.5); zadatak nije resen.\n",
       ""},
      {"4 5 0 4 1 0 1 5 0 4 3 0 4 1x", 13,
       "Greska: kod koordinate b2.y uneto je \"1x\", sto nije broj", ""},
      {"1.5.5", 0, "Greska: kod koordinate a1.x uneto je \"1.5.5\", sto nije broj", ""},
      {"0 0x10", 1, "Greska: kod koordinate a1.y uneto je \"0x10\", sto nije broj", ""},
      {"0 1/2/3", 1, "Greska: kod koordinate a1.y uneto je \"1/2/3\", sto nije broj", ""},
      {"0 0 1e1000", 2, "Greska: kod koordinate a1.z uneto je \"1e1000\", sto nije broj", ""},
      {"1 nan", 1, "Greska: kod koordinate a1.y uneto je \"nan\", sto nije konacan broj", ""},
      {"1 2 -Inf", 2, "Greska: kod koordinate a1.z uneto je \"-Inf\", sto nije konacan broj", ""},
      {"1 2 3 1/0", 3, "Greska: kod koordinate b1.x uneto je \"1/0\", a imenilac razlomka ne sme",
       ""},
      {"1 " + std::string(41, '1'), 1, "Greska: kod koordinate a1.y uneto je \"1111", ""},
      // The bound: a million in size is taken (next row), a little more is
      // not, even where the float would be a million.
      {"1000000.01", 0,
       "Greska: kod koordinate a1.x broj 1000000.01 je po apsolutnoj vrednosti veci od 1000000; "
       "zadatak nije resen.\n",
       ""},
      {"0 -1000000.5", 1, "Greska: kod koordinate a1.y broj -1000000.5 je po apsolutnoj", ""},
      {"1 2 3 2000001/2", 3, "Greska: kod koordinate b1.x broj 2000001/2 je po apsolutnoj", ""},
      {"1 2 3 4 -2e7", 4, "Greska: kod koordinate b1.y broj -2e7 je po apsolutnoj", ""},
      // Zero and a tiny number with a large exponent are within the bound.
      {"0e999 -1e-999 0 4 0 0 0 4 0 0 0 5 4 0 5 0 4 5\n", -1, "", "Zadati trouglovi se ne seku.\n"},
      {"-1000000 -1e6 0 1000000 -1000000 0 1e6 2000000/2 0 0 0 5 100 0 5 0 100 5\n", -1, "",
       "Zadati trouglovi se ne seku.\n"},
      // Every form of one point, a triangle whose corners coincide.
      {"-10 -10 0 10 -10 0 0 10 0  .5 -3 0  +5e-1 -3. 0E0  1/2 -6/2 -0.0\n", -1,
       "Napomena: drugi trougao nije pravi trougao (sva tri temena su ista tacka), pa je uzet kao "
       "tacka (0.500000, -3.000000, 0.000000).\n",
       "Presek zadatih trouglova je Tacka:\nM (0.500000, -3.000000, 0.000000).\n"},
      {kPair + " # the end\n", -1, "", kCase02},
      {"\xef\xbb\xbf" + kPair, -1, "", kCase02},  // a byte order mark from an editor
      {kPair + " 7 8 9 10\n", -1,
       "Napomena: ono sto je uneto posle osamnaestog broja je zanemareno (\"7 8 9 ...\").\n",
       kCase02},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.input);
    const ProgramOutput run = runProgram("trikros", row.input);
    const std::string errors = run.err.substr(0, run.err.find("Prozor sa slikom"));
    if (row.stoppedAt >= 0) {
      EXPECT_EQ(run.out, promptsTo(row.stoppedAt));
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(errors.rfind(row.errors, 0), 0u) << errors;
      EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line";
    } else {
      EXPECT_EQ(run.out, kPrompts + row.report);
      EXPECT_EQ(errors, row.errors);
      EXPECT_EQ(run.status, 1) << "no display here";
    }
  }
}

// A task file: no prompts, the triangles as read, comments after '#'; a
// complaint names the file and the line.
TEST(Console, TasksInFiles) {
  const std::string file = ::testing::TempDir() + "zadatak" + std::to_string(getpid()) + ".txt";
  const std::string folder = ::testing::TempDir();
  const std::string kCase02 =
      "Prvi trougao: a1 (4, 5, 0), b1 (4, 1, 0), c1 (1, 5, 0)\n"
      "Drugi trougao: a2 (4, 3, 0), b2 (4, 6, 3), c2 (2, 3, 5)\n"
      "Presek zadatih trouglova je Tacka:\nM (4.000000, 3.000000, 0.000000).\n";
  const std::string kNotUtf8 =
      "datoteka nije zapisana kao tekst UTF-8; sacuvajte je ponovo kao "
      "UTF-8 (ili ASCII); zadatak nije resen.\n";
  struct Row {
    std::string text;  // the file's content; empty: no file at all
    std::string out;
    std::string errors;  // the start of standard error
    int status;
  } rows[] = {
      {"# Zadatak 2: trougao dodiruje ravan drugog\n4 5 0  4 1 0  1 5 0   # prvi\n"
       "4 3 0  4 6 3  2 3 5   # drugi\n",
       kCase02, "Prozor sa slikom", 1},
      // Commas as in the address, from Notepad: a byte order mark, CRLF, trailing commas.
      {"\xef\xbb\xbf"
       "4,5,0,4,1,0,1,5,0,\r\n4,3,0,4,6,3,2,3,5,\r\n",
       kCase02, "Prozor sa slikom", 1},
      {"4;5;0;4;1;0;1;5;0\n2,5;5,5;0", "",
       "Greska: " + file + ", red 2: kod koordinate a2.x uneto je \"2,5\", a decimale", 2},
      {"4 5 0 4 1 0 3,5 2,1 0", "",
       "Greska: " + file + ", red 1: kod koordinate c1.x uneto je \"3,5\", a decimale", 2},
      {"4,5,0,4,,0", "",
       "Greska: " + file + ", red 1: kod koordinate b1.y nije unet broj; zadatak nije resen.\n", 2},
      {"4 5 0\n# \xe8"
       "etvorougao\n",
       "", "Greska: " + file + ", red 2: " + kNotUtf8, 2},
      {std::string("\xff\xfe"
                   "4\0",
                   4),
       "", "Greska: " + file + ", red 1: " + kNotUtf8, 2},
      {"4 5 0\n4 1 0\n1 5,5 0\n", "",
       "Greska: " + file + ", red 3: kod koordinate c1.y uneto je \"5,5\"", 2},
      {"4 5 0\n4 1 0\n", "",
       "Greska: " + file +
           ", red 3: datoteka je zavrsena kod koordinate c1.x; zadatak nije resen.\n",
       2},
      {"", "", "Greska: datoteka \"" + file + "\" ne moze da se otvori: ne postoji.\n", 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::remove(file.c_str());
    if (!row.text.empty()) std::ofstream(file, std::ios::binary) << row.text;
    const ProgramOutput run = runProgram("trikros", "9 9 9\n", "'" + file + "'");
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err.rfind(row.errors, 0), 0u) << run.err;
    EXPECT_EQ(run.status, row.status);
  }
  std::remove(file.c_str());
  const ProgramOutput directory = runProgram("trikros", "", "'" + folder + "'");
  EXPECT_EQ(directory.err, "Greska: datoteka \"" + folder +
                               "\" ne moze da se otvori: to je fascikla, a ne datoteka.\n");
}

// Options that are neither ours nor the window toolkit's are refused before
// anything is read.
TEST(Console, UnknownOptionsAndSecondFilesAreRefused) {
  const struct Row {
    const char* program;
    const char* arguments;
    const char* errors;
  } rows[] = {
      {"trikros", "--helpp",
       "Greska: nepoznata opcija \"--helpp\"; uputstvo daje: trikros --help\n"},
      {"trikros", "a.txt b.txt",
       "Greska: zadat je vise od jednog zadatka (\"a.txt\", \"b.txt\"); uputstvo daje: trikros "
       "--help\n"},
      {"trikros-case03", "a.txt",
       "Greska: trikros-case03 ne cita zadatak iz datoteke (\"a.txt\"); uputstvo daje: "
       "trikros-case03 --help\n"},
      {"trikros", "-iconic -display",
       "Greska: opcija \"-display\" trazi vrednost; uputstvo daje: "
       "trikros --help\n"},
      {"trikros", "--zadatak trougao-u-prostoru",
       "Greska: vrsta zadatka \"trougao-u-prostoru\" ne postoji: trouglovi u dve razlicite ravni "
       "imaju zajednicko najvise duz na pravoj u kojoj se ravni seku, pa je trougao moguc samo u "
       "jednoj ravni (trougao-u-ravni); uputstvo daje: trikros --help\n"},
      {"trikros", "--zadatak duz tacka",
       "Greska: uz --zadatak ide najvise jedna vrsta (\"tacka\"); uputstvo daje: trikros --help\n"},
      {"trikros", "--seme 5",
       "Greska: opcije \"--seme\" i \"--opseg\" idu samo uz --zadatak ili --listic; uputstvo "
       "daje: trikros --help\n"},
      {"trikros", "--zadatak --opseg 31",
       "Greska: opcija \"--opseg\" trazi ceo broj od 3 do 30; uputstvo daje: trikros --help\n"},
      {"trikros", "--opseg 2 --zadatak",
       "Greska: opcija \"--opseg\" trazi ceo broj od 3 do 30; uputstvo daje: trikros --help\n"},
      {"trikros", "--zadatak --seme 18446744073709551616",
       "Greska: opcija \"--seme\" trazi ceo broj od 0 do 18446744073709551615; uputstvo daje: "
       "trikros --help\n"},
      {"trikros", "--listic 101 l.pdf",
       "Greska: opcija \"--listic\" trazi broj zadataka od 1 do 100 i ime datoteke, npr. --listic "
       "20 listic.pdf; uputstvo daje: trikros --help\n"},
      {"trikros", "--listic 2 l.pdf duz nema tacka",
       "Greska: zadato je vise vrsta (3) nego zadataka na listicu (2); uputstvo daje: trikros "
       "--help\n"},
      {"trikros", "--zadatak --objasni",
       "Greska: uz --zadatak i --listic ne idu ZADATAK, --objasni ni --slika (novi zadatak se "
       "resava sa trikros ZADATAK); uputstvo daje: trikros --help\n"},
      {"trikros-case03", "--zadatak",
       "Greska: nepoznata opcija \"--zadatak\"; uputstvo daje: trikros-case03 --help\n"},
      {"trikros", "--slika s.png --pogled gore",
       "Greska: opcija \"--pogled\" trazi kosi, odozgo, spreda ili sa-strane; uputstvo daje: "
       "trikros --help\n"},
      {"trikros-case03", "--pozadina ekran",
       "Greska: opcije \"--pogled\" i \"--pozadina\" idu samo uz --slika; uputstvo daje: "
       "trikros-case03 --help\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const ProgramOutput run =
        runProgram(row.program, "4 5 0 4 1 0 1 5 0 4 3 0 4 6 3 2 3 5", row.arguments);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, row.errors);
    EXPECT_EQ(run.status, 2);
  }
}

struct TerminalRun {
  std::string screen;  // what the terminal shows, the typed keys echoed
  int status = -1;
};

// Runs a program on a pseudo-terminal without a display. Each step waits
// until the screen ends with its first text, then types its second.
TerminalRun runAtTerminal(const std::string& program,
                          const std::vector<std::pair<std::string, std::string>>& steps) {
  TerminalRun run;
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    unsetenv("DISPLAY");
    const std::string path = std::string(TRIKROS_BIN_DIR) + "/" + program;
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::size_t step = 0;
  for (;;) {
    const std::string& ending = step < steps.size() ? steps[step].first : "";
    if (step < steps.size() && run.screen.size() >= ending.size() &&
        run.screen.compare(run.screen.size() - ending.size(), ending.size(), ending) == 0) {
      const std::string& keys = steps[step++].second;
      if (write(terminal, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size())) break;
      continue;
    }
    pollfd ready{terminal, POLLIN, 0};
    if (poll(&ready, 1, 30000) <= 0) break;  // a program that waits forever fails, not hangs
    char buffer[4096];
    const ssize_t got = read(terminal, buffer, sizeof buffer);
    if (got <= 0) break;  // the program has ended
    run.screen.append(buffer, static_cast<std::size_t>(got));
  }
  close(terminal);
  kill(child, SIGKILL);  // in case it still waits
  int status = 0;
  waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// At a terminal a refused word is asked for again; the end of the input
// (Ctrl-D) ends the program without a report, with status 2.
TEST(Console, AtATerminalARefusedWordIsAskedForAgain) {
  struct Row {
    std::vector<std::pair<std::string, std::string>> steps;
    std::string screen;
    int status;
  } rows[] = {
      {{{"a1.x = ", "4 5 0 4 1 0 1 5 0 4 3,5 7\n"}, {"ponovo.\r\na2.y = ", "3 0 4 6 3 2 3 5\n"}},
       "Uneti tacke prvog trougla:\r\na1.x = 4 5 0 4 1 0 1 5 0 4 3,5 7\r\na1.y = a1.z = b1.x = "
       "b1.y = "
       "b1.z = c1.x = c1.y = c1.z = Uneti tacke drugog trougla:\r\na2.x = a2.y = \r\nGreska: kod "
       "koordinate a2.y uneto je \"3,5\", a decimale se odvajaju tackom, ne zarezom (3.5); ostatak "
       "reda (\"7\") je odbacen. Unesite ponovo.\r\na2.y = 3 0 4 6 3 2 3 5\r\na2.z = b2.x = b2.y = "
       "b2.z = c2.x = c2.y = c2.z = Presek zadatih trouglova je Tacka:\r\nM (4.000000, 3.000000, "
       "0.000000).\r\n",
       1},
      // A word refused at the start of its line: no blank line before the
      // complaint, and the prompt again without its heading.
      {{{"a1.x = ", "x\n"}, {"ponovo.\r\na1.x = ", "\x04"}},
       "Uneti tacke prvog trougla:\r\na1.x = x\r\nGreska: kod koordinate a1.x uneto je \"x\", sto "
       "nije broj (brojevi se pisu kao 3, -2.5, .5, 1e3 ili 1/3). Unesite ponovo.\r\na1.x = \r\n"
       "Unos je prekinut kod koordinate a1.x; zadatak nije resen.\r\n",
       2},
      {{{"a1.x = ", "4\n"}, {"a1.y = ", "\x04"}},
       "Uneti tacke prvog trougla:\r\na1.x = 4\r\na1.y = \r\nUnos je prekinut kod koordinate a1.y; "
       "zadatak nije resen.\r\n",
       2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.screen);
    const TerminalRun run = runAtTerminal("trikros", row.steps);
    EXPECT_EQ(run.screen.substr(0, run.screen.find("Prozor sa slikom")), row.screen);
    EXPECT_EQ(run.status, row.status);
  }
}

TEST(Console, WithoutADisplayTheReportThenOneLineAndStatusOne) {
  const ProgramOutput run = runProgram("trikros-case02", "");
  EXPECT_EQ(run.out, "Presek zadatih trouglova je Tacka:\nM (4.000000, 3.000000, 0.000000).\n");
  EXPECT_EQ(run.err,
            "Prozor sa slikom ne moze da se otvori: nema ekrana (promenljiva DISPLAY nije "
            "postavljena). Izvestaj iznad je potpun; sliku i bez ekrana zapisuje opcija --slika, "
            "npr. " TRIKROS_BIN_DIR "/trikros-case02 --slika slika.png\n");
  EXPECT_EQ(run.status, 1);
}

// --help and --version answer before anything else: no prompt, no report, no
// attempt at a window (which would fail here and end with status 1).
TEST(Console, HelpAndVersionAnswerAtOnce) {
  struct Row {
    const char* program;
    const char* arguments;
    const char* firstLine;  // a regular expression
  };
  const Row rows[] = {
      {"trikros", "--help",
       "Upotreba: trikros \\[--objasni\\] \\[--slika SLIKA\\] \\[ZADATAK\\] \\[opcije GLUT-a\\]"},
      {"trikros-case07", "--help",
       "Upotreba: trikros-case07 \\[--objasni\\] \\[--slika SLIKA\\] \\[opcije GLUT-a\\]"},
      {"trikros", "--version", "trikros [0-9]+\\.[0-9]+\\.[0-9]+"},
      {"trikros-case12", "-geometry 300x200 --version --help", "trikros [0-9]+\\.[0-9]+\\.[0-9]+"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.program) + " " + row.arguments);
    const ProgramOutput run = runProgram(row.program, "1 2 3\n", row.arguments);
    const std::string firstLine = run.out.substr(0, run.out.find('\n'));
    EXPECT_TRUE(std::regex_match(firstLine, std::regex(row.firstLine))) << run.out;
    EXPECT_EQ(run.out.find("Uneti"), std::string::npos);
    EXPECT_EQ(run.out.find("Presek"), std::string::npos);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
  }
}

// --zadatak prints a task file that trikros solves; --listic writes its PDF and says where. The
// range's bounds and a seed's largest value are taken.
TEST(Console, NewTasksAndWorksheets) {
  // Fontconfig keeps a few blocks until exit, as in the picture tests: named for the sanitizers.
  setenv("LSAN_OPTIONS",
         "suppressions=" TRIKROS_EXPLANATIONS "/../viewer/lsan.supp:print_suppressions=0", 1);
  const std::string sheet = ::testing::TempDir() + "trikros_listic_" + std::to_string(getpid());
  const struct {
    std::string arguments;
    int status;
    std::string out;  // its start
  } rows[] = {
      {"--zadatak duz-u-prostoru --seme 2", 0,
       "# Zadatak: odrediti presek trouglova.\n# Vrsta: duz-u-prostoru, seme 2, opseg 6;"},
      {"--opseg 30 --zadatak --seme 18446744073709551615", 0, "# Zadatak"},
      {"--zadatak sestougao-u-ravni --opseg 3", 0, "# Zadatak"},
      {"--listic 2 '" + sheet + ".pdf' --seme 9 tacka", 0,
       "Listic je zapisan u \"" + sheet + ".pdf\" (broj zadataka: 2, seme 9).\n"},
      {"--listic 1 '" + sheet + ".ps'", 2, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const ProgramOutput run = runProgram("trikros", "", row.arguments);
    EXPECT_EQ(run.out.substr(0, row.out.size()), row.out);
    EXPECT_EQ(run.status, row.status) << run.err;
  }
  EXPECT_EQ(std::remove((sheet + ".pdf").c_str()), 0);
  // The task printed is a task file: trikros reads it and answers a segment.
  const ProgramOutput task = runProgram("trikros", "", "--zadatak duz-u-prostoru --seme 2");
  std::ofstream(sheet + ".txt") << task.out;
  const ProgramOutput solved = runProgram("trikros", "", "'" + sheet + ".txt'");
  EXPECT_NE(solved.out.find("\nPresek zadatih trouglova je duz:\nMN("), std::string::npos) << solved.out;
  std::remove((sheet + ".txt").c_str());
}

// A usage that could not be written is not reported as success.
TEST(Console, HelpOnAFullDiskFails) {
  const std::string command = "'" + std::string(TRIKROS_BIN_DIR) + "/trikros' --help > /dev/full";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}

// --objasni adds the worked solution after the report (the same for the pair
// typed in); without it the output is the report alone, as it always was.
// A refused number leaves no task to explain: one line says so.
TEST(Console, TheWorkedSolutionOnlyWhenAsked) {
  const std::string report =
      "Presek zadatih trouglova je duz:\nMN(4.000000 -3.000000, 4.000000 - 5.000000, 0.000000 - "
      "0.000000).\n";
  const std::string worked = slurp(std::string(TRIKROS_EXPLANATIONS) + "/case06.txt");
  const std::string typed = "4 5 0 4 1 0 1 5 0 2.5 5.5 0 5 3 0 5 5.5 5\n";
  const struct {
    const char* program;
    const char* input;
    const char* arguments;
    std::string out;
    int status;  // 1: no display here, so no window after the report
  } rows[] = {
      {"trikros-case06", "", "", report, 1},
      {"trikros-case06", "", "--objasni", report + worked, 1},
      {"trikros", typed.c_str(), "--objasni", kPrompts + report + worked, 1},
      {"trikros", "4 5 0 4 1,5", "--objasni",
       promptsTo(4) + "\nZadatak nije potpun (neki broj nije prihvacen), pa objasnjenja nema.\n",
       2},
  };
  ASSERT_NE(worked.find("Resenje:"), std::string::npos);
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.program) + " " + row.arguments);
    const ProgramOutput run = runProgram(row.program, row.input, row.arguments);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.status, row.status);
  }
}

// Each fixed pair typed in gives what its own program prints without a prompt.
TEST(Console, FixedPairsTypedInMatchTheirPrograms) {
  const char* const typed[] = {
      "4 5 0 4 1 0 1 5 0 4 3 0 4 6 0 2 3 5",       "4 5 0 4 1 0 1 5 0 4 3 0 4 6 3 2 3 5",
      "4 5 0 4 1 0 1 5 0 4 5 0 5 3 0 5 5.5 0",     "4 5 0 4 1 0 1 5 0 3 4 0 4 6 3 2 3 5",
      "4 5 0 4 1 0 1 5 0 1.5 2 0 2.5 2 0 2.5 3 0", "4 5 0 4 1 0 1 5 0 2.5 5.5 0 5 3 0 5 5.5 5",
      "4 5 0 4 1 0 1 5 0 4 3 0 4 6 0 5 3 0",       "1 1 0 6 1 0 1 5 0 4 0 0 4 3 0 8 1 0",
      "1 1 0 4 1 0 4 4 0 5 2 0 4 0 0 3 2 0",       "1 1 0 4 1 0 4 4 0 5 3 0 3 0 0 2 3 0",
      "1 1 0 4 1 0 4 4 0 5 3 0 3 0 0 3 2 0",       "1 1 0 6 1 0 1 5 0 2 1 0 4 1 0 3 2 0",
  };
  for (int number = 1; number <= 12; ++number) {
    char name[32];
    std::snprintf(name, sizeof name, "trikros-case%02d", number);
    SCOPED_TRACE(name);
    const ProgramOutput fixed = runProgram(name, "");
    const ProgramOutput interactive = runProgram("trikros", typed[number - 1]);
    EXPECT_EQ(interactive.out, kPrompts + fixed.out);
    EXPECT_EQ(fixed.out.find("Uneti"), std::string::npos);
    EXPECT_EQ(fixed.err.find("Greska"), std::string::npos);
  }
}

}  // namespace
