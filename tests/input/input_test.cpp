// Words read as coordinates keep the number exactly as typed (the console table holds the forms
// and the complaints).
#include "input.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadNumberWord, KeepsTheNumberAsTyped) {
  const struct Row {
    const char* word;
    const char* exactly;  // sign digits/denominator e exponent
    double value;
  } rows[] = {
      {"-002.50e-1", "-250/1e-3", -0.25},
      {"06/04", "+6/4e0", 1.5},
      {"1/3", "+1/3e0", 1.0 / 3.0},  // the double nearest a third, not the float
      {"0.1", "+1/1e-1", 0.1},
      {"5.", "+5/1e0", 5.0},
      {"0.00000000000000000000000000000000000001", "+1/1e-38", 1e-38},  // the longest word taken
  };
  for (const Row& row : rows) {
    const TypedNumber n = readNumberWord(row.word).number;
    EXPECT_EQ((n.negative ? "-" : "+") + n.digits + "/" + n.denominator + "e" +
                  std::to_string(n.exponent),
              row.exactly);
    EXPECT_EQ(n.value, row.value) << row.word;
  }
}

// An escape sequence typed by mistake is not passed on to the terminal.
TEST(RefusalText, ShowsControlCharactersAsQuestionMarks) {
  EXPECT_EQ(
      refusalText("c1.z", readNumberWord("\x1b[2J")),
      "kod koordinate c1.z uneto je \"?[2J\", sto nije broj (brojevi se pisu kao 3, -2.5, .5, "
      "1e3 ili 1/3)");
}

// A task's text in words, "line:word" each: one kind of separator throughout, a
// decimal comma among blanks left to be refused with its advice.
TEST(SplitTask, OneKindOfSeparatorThroughout) {
  const std::pair<std::string, std::string> rows[] = {
      {"4 5\t0 # a1\r\n\n4,5", "1:4 1:5 1:0 3:4,5"},
      {"4,5,0,\r\n4,1,0,", "1:4 1:5 1:0 2:4 2:1 2:0"},  // a trailing comma is not a number
      {"4, 5 ,0 # a1, b1", "1:4 1:5 1:0"},
      {"4,,5,,", "1:4 1: 1:5 1:"},  // two in a row leave a word out
      {"2,5;5,5; 0;", "1:2,5 1:5,5 1:0"},
      {"3,5 2,1", "1:3,5 1:2,1"},
      {"2,5, 5,5", "1:2,5, 1:5,5"},    // commas between words and beside blanks: blanks separate
      {"4\n5,5\n0", "1:4 2:5,5 3:0"},  // a line without a comma: blanks separate
      {"4;5 6", "1:4;5 1:6"},
  };
  for (const auto& [text, expected] : rows) {
    std::string words;
    for (const TaskWord& word : splitTask(text).words) {
      words += (words.empty() ? "" : " ") + std::to_string(word.line) + ":" + word.text;
    }
    EXPECT_EQ(words, expected) << text;
  }
  EXPECT_EQ(splitTask("4\n5\n").lines, 3);
}

TEST(NotUtf8Line, NamesTheLineOfTheFirstByteThatIsNotUtf8) {
  const std::pair<std::string, int> rows[] = {
      {"\xef\xbb\xbf# \xc4\x8d is UTF-8\n4", 0},
      {"4\n# \xe8 is Windows-1250", 2},
      {std::string("4\0 \0", 4), 1},
      {"4 \xc4", 1},
      {"\xff\xfe 4", 1},
  };
  for (const auto& [bytes, line] : rows) EXPECT_EQ(notUtf8Line(bytes), line) << bytes;
}

}  // namespace
