// --slika without a display: the programs report as usual, then write the
// first view as PNG, SVG or PDF, or say in one line why they cannot.
#include "picture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "xharness.h"

namespace {

using xharness::Color;

const std::string kCase10Report =
    "Presek zadatih trouglova je sestougao odredjen Tackama:\n"
    "M (3.666667, 1.000000, 0.000000), N (2.666667, 1.000000, 0.000000), "
    "P (3.000000, 3.000000, 0.000000), Q (2.250000, 2.250000, 0.000000), "
    "R (4.000000, 1.500000, 0.000000), S (4.000000, 3.000000, 0.000000).\n";

struct Row {
  const char* file;    // in a fresh folder
  int status;          // the program's exit status
  const char* errors;  // the start of its standard error
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << "'" << row.file << "'";
}

class Slika : public ::testing::TestWithParam<Row> {};

TEST_P(Slika, WritesTheFileOrSaysWhyNot) {
  const Row& row = GetParam();
  char folder[] = "/tmp/trikros-slika-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string path = std::string(folder) + "/" + row.file;
  const xharness::Exit run = xharness::run(
      {"env", "-u", "DISPLAY", TRIKROS_PROGRAM_DIR "/trikros-case10", "--slika", path});
  EXPECT_TRUE(run.exited) << "ended by signal " << run.code;
  EXPECT_EQ(run.code, row.status) << run.errors;
  EXPECT_EQ(run.output, kCase10Report);
  EXPECT_EQ(run.errors.rfind(row.errors, 0), 0u) << run.errors;
  if (row.status != 0) {
    // Nothing is left behind, not even a part.
    EXPECT_TRUE(std::filesystem::is_empty(folder));
  } else if (path.size() > 4 && path.substr(path.size() - 4) == ".png") {
    const xharness::Image image = xharness::pictureFile(path);
    EXPECT_EQ(image.width, 1600);
    EXPECT_EQ(image.height, 1200);
    // On white paper; the intersection's dark red, the triangles' edges and
    // the axes each stand apart in grey (by a tenth of the scale at least).
    const Color edges[] = {Color{179, 0, 0}, Color{0, 0, 255}, Color{204, 0, 204}, Color{0, 0, 0}};
    for (const Color color : edges) EXPECT_GT(image.count(color), 100) << color;
    EXPECT_EQ(image.at(0, 0), (Color{255, 255, 255}));
    EXPECT_EQ(image.at(1599, 1199), (Color{255, 255, 255}));
    const auto grey = [](Color c) { return 0.299 * c.red + 0.587 * c.green + 0.114 * c.blue; };
    for (const Color other : {edges[1], edges[2], edges[3]}) {
      EXPECT_GT(std::fabs(grey(edges[0]) - grey(other)), 20.0) << other;
    }
  } else if (path.substr(path.size() - 4) == ".SVG") {
    const xharness::Exit parsed = xharness::run({"xmllint", "--xpath", "name(/*)", path});
    EXPECT_EQ(parsed.code, 0) << parsed.errors;
    EXPECT_EQ(parsed.output, "svg\n");
    // The names are text that a drawing program can edit.
    std::ifstream file(path);
    const std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (const char* name : {"a1", "b1", "c1", "a2", "b2", "c2", "M", "S"}) {
      EXPECT_TRUE(svg.find(std::string(">") + name + "</text>") != std::string::npos ||
                  svg.find(std::string(">") + name + ",</text>") != std::string::npos)
          << name;
    }
  } else {
    // One A4 page in landscape, 842 x 595 points at 72 dots an inch.
    const xharness::Exit shown =
        xharness::run({"pdftoppm", "-r", "72", "-png", "-singlefile", path, path});
    EXPECT_EQ(shown.code, 0) << shown.errors;
    const xharness::Image page = xharness::pictureFile(path + ".png");
    EXPECT_EQ(page.width, 842);
    EXPECT_NEAR(page.height, 595, 1);              // 595.28 points
    EXPECT_GT(page.count(Color{178, 0, 0}), 100);  // the intersection, in print's dark red
  }
  std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Picture, Slika,
    ::testing::Values(
        Row{"slika.png", 0, ""}, Row{"slika.SVG", 0, ""}, Row{"slika.pdf", 0, ""},
        Row{"slika.gif", 2,
            "Greska: slika '/tmp/trikros-slika-"},  // ...' nije zapisana: ime datoteke treba da
        Row{"slika", 2, "Greska: slika '"},         // se zavrsava sa .png, .svg ili .pdf.
        Row{"nema/slika.png", 2, "Greska: slika '"}, Row{"", 2, "Greska: slika '"}),
    [](const ::testing::TestParamInfo<Row>& info) { return "row" + std::to_string(info.index); });

// --pozadina ekran keeps the screen's cream; --pogled chooses the view, and
// only with --slika.
TEST(Picture, TheBackgroundAndTheViewAreChosen) {
  const std::string path = "/tmp/trikros-pozadina-" + std::to_string(getpid()) + ".png";
  const xharness::Exit run =
      xharness::run({"env", "-u", "DISPLAY", TRIKROS_PROGRAM_DIR "/trikros-case10", "--slika", path,
                     "--pozadina", "ekran", "--pogled", "spreda"});
  EXPECT_EQ(run.code, 0) << run.errors;
  const xharness::Image image = xharness::pictureFile(path);
  EXPECT_EQ(image.at(0, 0), (Color{230, 230, 204}));
  EXPECT_EQ(image.count(Color{167, 87, 164}), 0);  // the hexagon seen edge-on has no fill
  std::filesystem::remove(path);
  for (const auto& arguments : {std::vector<std::string>{"--slika", path, "--pogled", "gore"},
                                std::vector<std::string>{"--pogled", "odozgo"}}) {
    std::vector<std::string> command{"env", "-u", "DISPLAY", TRIKROS_PROGRAM_DIR "/trikros-case10"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const xharness::Exit refused = xharness::run(command);
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.errors.rfind("Greska: opcij", 0), 0u) << refused.errors;
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

TEST(Picture, TheReasonIsSaidInSerbian) {
  EXPECT_EQ(writePicture(Scene{}, "x.jpg"),
            "Greska: slika 'x.jpg' nije zapisana: ime datoteke treba da se zavrsava sa .png, .svg "
            "ili .pdf.");
  EXPECT_EQ(writePicture(Scene{}, ""),
            "Greska: posle --slika treba ime datoteke slike, npr. --slika slika.png.");
  EXPECT_EQ(writePicture(Scene{}, "/nema/takve/fascikle/x.png"),
            "Greska: slika '/nema/takve/fascikle/x.png' nije zapisana: fascikla ne postoji.");
}

}  // namespace
