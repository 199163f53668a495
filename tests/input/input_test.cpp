// Words read whole as coordinates: every accepted form with its value, every refusal, and the
// bound of 1,000,000 on both sides.
#include "input.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadNumberWord, FormsValuesAndRefusals) {
  struct Row {
    const char* word;
    Refusal refusal;
    double value;  // when accepted
  } rows[] = {
      {"-3", Refusal::None, -3.0},
      {"2.5", Refusal::None, 2.5},
      {".5", Refusal::None, 0.5},
      {"5.", Refusal::None, 5.0},
      {"+0.25", Refusal::None, 0.25},
      {"1e3", Refusal::None, 1000.0},
      {"-2.5E-2", Refusal::None, -0.025},
      {"1/3", Refusal::None, 1.0 / 3.0},
      {"-7/2", Refusal::None, -3.5},
      {"0.1", Refusal::None, 0.1},  // the double nearest 0.1, not the float
      {"1.5.5", Refusal::NotANumber, 0},
      {"0x10", Refusal::NotANumber, 0},
      {"1x", Refusal::NotANumber, 0},
      {"1/2/3", Refusal::NotANumber, 0},
      {"1/-2", Refusal::NotANumber, 0},
      {"1.5/2", Refusal::NotANumber, 0},
      {"1e", Refusal::NotANumber, 0},
      {"1e1000", Refusal::NotANumber, 0},  // at most three digits of exponent
      {"-", Refusal::NotANumber, 0},
      {"3,5", Refusal::DecimalComma, 0},
      {"-0,25", Refusal::DecimalComma, 0},
      {"nan", Refusal::NotFinite, 0},
      {"-Infinity", Refusal::NotFinite, 0},
      {"1/0", Refusal::ZeroDenominator, 0},
      {"0/00", Refusal::ZeroDenominator, 0},
      {"00000000000000000000000000000000000000001", Refusal::TooLong, 0},
      // The bound, exactly and just beyond, in both signs and every form.
      {"1000000", Refusal::None, 1e6},
      {"-1e6", Refusal::None, -1e6},
      {"2000000/2", Refusal::None, 1e6},
      {"1000000.01", Refusal::TooLarge, 0},  // its float is 1000000
      {"-1000000.5", Refusal::TooLarge, 0},
      {"2000001/2", Refusal::TooLarge, 0},
      {"-9999999", Refusal::TooLarge, 0},
      {"1e999", Refusal::TooLarge, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.word);
    const WordReading reading = readNumberWord(row.word);
    EXPECT_EQ(reading.refusal, row.refusal);
    if (row.refusal != Refusal::None) continue;
    EXPECT_EQ(reading.number.value, row.value);
    EXPECT_EQ(reading.number.nearest, static_cast<float>(row.value));
  }
}

// The exact number as typed, for the worked solution: digits / denominator * 10^exponent.
TEST(ReadNumberWord, KeepsTheNumberExactly) {
  const TypedNumber decimal = readNumberWord("-002.50e-1").number;
  EXPECT_TRUE(decimal.negative);
  EXPECT_EQ(decimal.digits, "250");
  EXPECT_EQ(decimal.exponent, -3);
  const TypedNumber fraction = readNumberWord("06/04").number;
  EXPECT_EQ(fraction.digits + "/" + fraction.denominator, "6/4");
}

TEST(RefusalText, NamesTheCoordinateAndShowsWhatWasTyped) {
  EXPECT_EQ(
      refusalText("a2.y", readNumberWord("3,5")),
      "kod koordinate a2.y uneto je \"3,5\", a decimale se odvajaju tackom, ne zarezom (3.5)");
  EXPECT_EQ(refusalText("b1.x", readNumberWord("1e30")),
            "kod koordinate b1.x broj 1e30 je po apsolutnoj vrednosti veci od 1000000");
  // An escape sequence is not passed to the terminal.
  EXPECT_EQ(
      refusalText("c1.z", readNumberWord("\x1b[2J")),
      "kod koordinate c1.z uneto je \"?[2J\", sto nije broj (brojevi se pisu kao 3, -2.5, .5, "
      "1e3 ili 1/3)");
}

}  // namespace
