// A worksheet renders page by page, holds the tasks asked and their key, and says why it cannot
// be written.
#include "worksheet.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "xharness.h"

namespace {

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST(Worksheet, RendersWithTheTasksAskedAndTheirKey) {
  char folder[] = "/tmp/trikros-listic-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string path = std::string(folder) + "/listic.PDF";
  const WorksheetRequest request{3, {*readTaskKind("duz-u-prostoru").kind, TaskKind{5}}, 7, 6};
  ASSERT_EQ(writeWorksheet(request, path), "");

  // Every page renders; two pages of tasks (two to a page), then the key.
  const xharness::Exit shown = xharness::run({"pdftoppm", "-r", "20", "-png", path, path});
  EXPECT_EQ(shown.code, 0) << shown.errors;
  const xharness::Exit text = xharness::run({"pdftotext", "-layout", path, "-"});
  ASSERT_EQ(text.code, 0) << text.errors;
  const std::size_t pages = occurrences(text.output, "\f");
  EXPECT_GE(pages, 3u);
  for (std::size_t page = 1; page <= pages; ++page) {
    EXPECT_TRUE(std::filesystem::exists(path + "-" + std::to_string(page) + ".png")) << page;
  }
  EXPECT_EQ(occurrences(text.output, "Zadatak 1."), 2u);  // the task and its key
  EXPECT_EQ(occurrences(text.output, "Zadatak 3."), 2u);
  EXPECT_EQ(occurrences(text.output, "Zadatak 4."), 0u);
  EXPECT_EQ(occurrences(text.output, "Ime i prezime:"), 1u);
  EXPECT_EQ(occurrences(text.output, "Resenja\n"), 1u);
  EXPECT_EQ(occurrences(text.output, "Odgovor: presek je duz sa krajevima M = "), 1u);
  EXPECT_EQ(occurrences(text.output, "Odgovor: presek je petougao"), 1u);
  EXPECT_EQ(occurrences(text.output, "Resenje:"), 3u);  // each worked solution's last step
  EXPECT_EQ(
      occurrences(text.output, "trikros --listic 3 " + path + " --seme 7 duz-u-prostoru petougao"),
      1u);
  EXPECT_EQ(occurrences(text.output, "Seme 7, strana " + std::to_string(pages) + " od " +
                                         std::to_string(pages) + "."),
            1u);
  std::filesystem::remove_all(folder);
}

TEST(Worksheet, SaysWhyItIsNotWritten) {
  const WorksheetRequest request{1, {}, 7, 6};
  EXPECT_EQ(writeWorksheet(request, "listic.png"),
            "Greska: listic \"listic.png\" nije zapisan: ime datoteke treba da se zavrsava sa "
            ".pdf.");
  EXPECT_EQ(writeWorksheet(request, "/nema/takve/fascikle/l.pdf"),
            "Greska: listic \"/nema/takve/fascikle/l.pdf\" nije zapisan: fascikla ne postoji.");
  EXPECT_FALSE(std::filesystem::exists("listic.png"));
}

}  // namespace
