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

}  // namespace
