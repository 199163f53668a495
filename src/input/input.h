// The numbers a user may type for a coordinate, read whole, and why a word is refused.
//
// A coordinate is one blank-separated word: an integer or a decimal with a
// point ("-3", "2.5", ".5", "5."), a number with an exponent ("1e3",
// "-2.5E-2"), or a fraction of two integers ("1/3", "-7/2"), with an optional
// sign in front. Anything else in the word refuses the whole word: "1.5.5",
// "0x10", "1x", "3,5", "1/0", "nan", "inf". So does a number larger than
// kLargestCoordinate in size.
#pragma once

#include <string>
#include <vector>

// The largest coordinate, in size, that the program takes. Far beyond
// classroom numbers, and small enough that every product in the computation
// stays finite and float coordinates (spacing 0.0625 at a million) stay well
// inside the tolerance (1 at a million).
inline constexpr double kLargestCoordinate = 1000000.0;

// A word longer than this is refused: no coordinate a class types needs more,
// and the exact arithmetic of the worked solution stays small.
inline constexpr std::size_t kLongestWord = 40;

// A word read as a number: exactly sign digits / denominator * 10^exponent.
struct TypedNumber {
  std::string word;               // as typed
  bool negative = false;          // a leading minus
  std::string digits = "0";       // the numerator's decimal digits, without the point
  std::string denominator = "1";  // a fraction's denominator, else "1"
  int exponent = 0;               // the power of ten
  double value = 0.0;             // the number in double, as the decisions take it
  float nearest = 0.0f;           // the float nearest it, as the printed answers take it
};

enum class Refusal {
  None,             // accepted
  Missing,          // "": no number where one belongs ("4,,5")
  NotANumber,       // "1.5.5", "0x10", "1x", ...
  DecimalComma,     // "3,5": a decimal written with a comma
  NotFinite,        // "nan", "inf", "infinity"
  ZeroDenominator,  // "1/0"
  TooLarge,         // beyond kLargestCoordinate in size
  TooLong,          // more than kLongestWord characters
};

struct WordReading {
  Refusal refusal = Refusal::None;
  TypedNumber number;  // complete when refusal is None; the word alone otherwise
};

// Reads one word as a coordinate.
//
//   const WordReading reading = readNumberWord("-7/2");
//   if (reading.refusal == Refusal::None) use(reading.number.value);
WordReading readNumberWord(const std::string& word);

// Why a word was refused, for the coordinate it was typed for, in Serbian:
// "kod koordinate a2.y uneto je 3,5, a decimale se odvajaju tackom, ne zarezom
// (3.5)". No full stop: the caller says what happens next.
//
//   std::string text = "Greska: " + refusalText("a2.y", reading);
std::string refusalText(const std::string& coordinate, const WordReading& reading);

// Typed text as it may be shown on a terminal: control characters (an escape
// sequence could move the cursor or change colours) become '?', and beyond
// kLongestWord characters it is cut short with "...".
//
//   std::fprintf(stderr, "uneto je \"%s\"\n", asShown(word).c_str());
std::string asShown(const std::string& typed);

// The float nearest a number in double, as "%f" reads the same text (for
// decimals of up to twelve places the two agree): beyond the largest float,
// infinite.
float nearestFloat(double value);

// ---- A task written as text -------------------------------------------------

// A word of a task's text and the line it stands on, 1 for the first.
struct TaskWord {
  std::string text;
  int line = 1;
};

// The words of a task's text (a task file, or the page's address) and the
// number of its lines.
struct TaskText {
  std::vector<TaskWord> words;
  int lines = 1;
};

// Splits a task's text into its words. The text after '#' on a line is a
// comment. Line breaks always separate; within a line the numbers are
// separated by one kind of separator throughout: blanks ("4 5 0"), commas
// ("4,5,0", "4, 5, 0", as an address holds them) or semicolons ("4;5;0", "2,5;
// 5,5" from a spreadsheet). Where blanks and commas mix ("3,5 2,1", "2,5, 5,5"),
// or a line with numbers lacks the separator ("5,5" alone on its line), the
// separators are the blanks, so that a decimal comma is refused with its
// advice, never read as two numbers. A separator at the end of a line is not
// followed by a number; two in a row leave an empty word between them.
//
//   for (const TaskWord& word : splitTask("4,5,0,\n4,1,0").words) use(word.text, word.line);
TaskText splitTask(const std::string& text);

// Where a task file's bytes are not text in UTF-8 (of which ASCII is a part):
// the line of the first byte that is not, 0 when all are. A UTF-8 byte order
// mark at the start belongs to the text; UTF-16 and the old one-byte code
// pages (Windows-1250 "\xe8") do not.
//
//   if (const int line = notUtf8Line(bytes)) complain(line);
int notUtf8Line(const std::string& bytes);

// The text without a UTF-8 byte order mark at its start, which some editors
// write and no one sees.
std::string withoutByteOrderMark(const std::string& text);
