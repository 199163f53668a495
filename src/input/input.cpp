// Reading a typed word as a coordinate: the accepted forms, the bound, and the reasons for refusal.
#include "input.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "messages.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Decimal digits without leading zeros; "0" for none.
std::string withoutLeadingZeros(const std::string& digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

// a > b, for digit strings without leading zeros.
bool greater(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() > b.size() : a > b;
}

// An optional sign at word[at]; moves past it.
bool readSign(const std::string& word, std::size_t& at) {
  if (at < word.size() && (word[at] == '+' || word[at] == '-')) return word[at++] == '-';
  return false;
}

// Digits at word[at], appended to digits; moves past them and counts them.
std::size_t readDigits(const std::string& word, std::size_t& at, std::string& digits) {
  const std::size_t start = at;
  while (at < word.size() && isDigit(word[at])) digits += word[at++];
  return at - start;
}

// The forms "-3", "2.5", ".5", "5." with an optional exponent "e-2" of at
// most three digits. Fills sign, digits and exponent.
bool readDecimal(const std::string& word, TypedNumber& number) {
  std::size_t at = 0;
  number.negative = readSign(word, at);
  std::string digits;
  std::size_t count = readDigits(word, at, digits);
  int decimals = 0;
  if (at < word.size() && word[at] == '.') {
    ++at;
    decimals = static_cast<int>(readDigits(word, at, digits));
    count += static_cast<std::size_t>(decimals);
  }
  if (count == 0) return false;
  int exponent = 0;
  if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
    ++at;
    const bool negative = readSign(word, at);
    std::string power;
    const std::size_t places = readDigits(word, at, power);
    if (places == 0 || places > 3) return false;
    exponent = negative ? -std::atoi(power.c_str()) : std::atoi(power.c_str());
  }
  if (at != word.size()) return false;
  number.digits = withoutLeadingZeros(digits);
  number.exponent = exponent - decimals;
  return true;
}

// The form "-7/2": two integers, a sign only in front.
bool readFraction(const std::string& word, TypedNumber& number) {
  std::size_t at = 0;
  number.negative = readSign(word, at);
  std::string numerator, denominator;
  if (readDigits(word, at, numerator) == 0 || at >= word.size() || word[at] != '/') return false;
  ++at;
  if (readDigits(word, at, denominator) == 0 || at != word.size()) return false;
  number.digits = withoutLeadingZeros(numerator);
  number.denominator = withoutLeadingZeros(denominator);
  return true;
}

// |digits / denominator * 10^exponent| > kLargestCoordinate, decided exactly
// on the digits (1000000.01 is refused although its float is 1000000).
bool beyondLargest(const TypedNumber& n) {
  if (n.digits == "0") return false;
  const int room = 6 - n.exponent;  // kLargestCoordinate is 10^6
  if (room < 0) return true;
  return greater(n.digits, withoutLeadingZeros(n.denominator) + std::string(room, '0'));
}

std::string lowered(const std::string& word) {
  std::string text = word;
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

bool spellsNotFinite(const std::string& word) {
  std::size_t at = 0;
  readSign(word, at);
  const std::string rest = lowered(word.substr(at));
  return rest == "nan" || rest == "inf" || rest == "infinity";
}

std::string withPoints(std::string word) {
  for (char& c : word) c = c == ',' ? '.' : c;
  return word;
}

// ---- Splitting a task's text ---------------------------------------------------

constexpr const char* kBlanks = " \t\r\v\f";

bool isBlank(char c) {
  return c != '\0' && std::strchr(kBlanks, c) != nullptr;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The lines of a text, each without its comment and the blanks around it.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
    lines.push_back(trimmed(line.substr(0, line.find('#'))));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

// The words of a line between separators, trimmed; a separator at its end
// is followed by none.
std::vector<std::string> piecesOf(const std::string& line, char separator) {
  std::vector<std::string> pieces;
  if (line.empty()) return pieces;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(separator, start);
    pieces.push_back(trimmed(line.substr(start, end == std::string::npos ? end : end - start)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (pieces.size() > 1 && pieces.back().empty()) pieces.pop_back();
  return pieces;
}

// Whether the separator alone separates the numbers of every line that has
// any: each such line holds it, and no word between two holds a blank. A
// comma between two words ("3,5") beside one with a blank by it ("2,5, 5,5")
// is a decimal comma among separators: then it does not.
bool separatesAll(const std::vector<std::string>& lines, char separator) {
  bool tight = false, loose = false;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (line.find(separator) == std::string::npos) return false;
    for (const std::string& piece : piecesOf(line, separator)) {
      if (piece.find_first_of(kBlanks) != std::string::npos) return false;
    }
    for (std::size_t at = line.find(separator); at != std::string::npos;
         at = line.find(separator, at + 1)) {
      if (at == 0 || at + 1 == line.size()) continue;
      (isBlank(line[at - 1]) || isBlank(line[at + 1]) ? loose : tight) = true;
    }
  }
  return !(separator == ',' && tight && loose);
}

std::vector<std::string> blankSeparated(const std::string& line) {
  std::vector<std::string> words;
  for (std::size_t at = line.find_first_not_of(kBlanks); at != std::string::npos;) {
    const std::size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
    words.push_back(line.substr(at, end - at));
    at = line.find_first_not_of(kBlanks, end);
  }
  return words;
}

// How many bytes follow a UTF-8 sequence's first byte; 0 for a byte that
// cannot start one.
std::size_t continuationBytes(unsigned char lead) {
  return lead >= 0xc2 && lead <= 0xdf   ? 1
         : lead >= 0xe0 && lead <= 0xef ? 2
         : lead >= 0xf0 && lead <= 0xf4 ? 3
                                        : 0;
}

}  // namespace

std::string asShown(const std::string& typed) {
  std::string text = typed.size() > kLongestWord ? typed.substr(0, kLongestWord) + "..." : typed;
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = '?';
  }
  return text;
}

float nearestFloat(double value) {
  const double largest = std::numeric_limits<float>::max();
  if (!(std::fabs(value) > largest)) return static_cast<float>(value);  // NaN too
  // Rounded to nearest: up to halfway to the next power of two, the largest.
  const float beyond = std::fabs(value) < 0x1.ffffffp+127 ? std::numeric_limits<float>::max()
                                                          : std::numeric_limits<float>::infinity();
  return value < 0.0 ? -beyond : beyond;
}

WordReading readNumberWord(const std::string& word) {
  WordReading reading;
  reading.number.word = word;
  TypedNumber& number = reading.number;
  // 1. Nothing, or too long to be a coordinate.
  if (word.empty()) {
    reading.refusal = Refusal::Missing;
    return reading;
  }
  if (word.size() > kLongestWord) {
    reading.refusal = Refusal::TooLong;
    return reading;
  }
  // 2. One of the forms, whole.
  const bool decimal = readDecimal(word, number);
  if (!decimal && !readFraction(word, number)) {
    reading.refusal = spellsNotFinite(word)                           ? Refusal::NotFinite
                      : readDecimal(withPoints(word), reading.number) ? Refusal::DecimalComma
                                                                      : Refusal::NotANumber;
    reading.number = TypedNumber{};
    reading.number.word = word;
    return reading;
  }
  if (number.denominator == "0") {
    reading.refusal = Refusal::ZeroDenominator;
    return reading;
  }
  // 3. Its value: the double nearest a decimal (strtod rounds correctly), or
  //    the quotient of a fraction's two integers.
  if (decimal) {
    number.value = std::strtod(word.c_str(), nullptr);
  } else {
    const std::size_t slash = word.find('/');
    number.value = std::strtod(word.substr(0, slash).c_str(), nullptr) /
                   std::strtod(word.substr(slash + 1).c_str(), nullptr);
  }
  number.nearest = nearestFloat(number.value);
  // 4. Within the bound.
  if (beyondLargest(number)) reading.refusal = Refusal::TooLarge;
  return reading;
}

std::string refusalText(const std::string& coordinate, const WordReading& reading) {
  const char* at = coordinate.c_str();
  const std::string typed = asShown(reading.number.word);
  switch (reading.refusal) {
    case Refusal::None:
      return "";
    case Refusal::Missing:
      return formatted(_("kod koordinate %s nije unet broj"), at);
    case Refusal::DecimalComma:
      return formatted(_("kod koordinate %s uneto je \"%s\", a decimale se odvajaju tackom, ne "
                         "zarezom (%s)"),
                       at, typed.c_str(), asShown(withPoints(reading.number.word)).c_str());
    case Refusal::NotFinite:
      return formatted(_("kod koordinate %s uneto je \"%s\", sto nije konacan broj"), at,
                       typed.c_str());
    case Refusal::ZeroDenominator:
      return formatted(_("kod koordinate %s uneto je \"%s\", a imenilac razlomka ne sme biti 0"),
                       at, typed.c_str());
    case Refusal::TooLarge:
      return formatted(_("kod koordinate %s broj %s je po apsolutnoj vrednosti veci od %.0f"), at,
                       typed.c_str(), kLargestCoordinate);
    case Refusal::TooLong:
      return formatted(_("kod koordinate %s uneto je \"%s\", sto je duze od %d znakova"), at,
                       typed.c_str(), static_cast<int>(kLongestWord));
    case Refusal::NotANumber:
      break;
  }
  return formatted(_("kod koordinate %s uneto je \"%s\", sto nije broj (brojevi se pisu kao 3, "
                     "-2.5, .5, 1e3 ili 1/3)"),
                   at, typed.c_str());
}

TaskText splitTask(const std::string& text) {
  TaskText task;
  const std::vector<std::string> lines = linesOf(text);
  task.lines = static_cast<int>(lines.size());
  // 1. The one kind of separator: semicolons first, since then a comma is a
  //    decimal comma; else commas; else blanks.
  char separator = ' ';
  if (text.find(';') != std::string::npos && separatesAll(lines, ';')) {
    separator = ';';
  } else if (text.find(',') != std::string::npos && separatesAll(lines, ',')) {
    separator = ',';
  }
  // 2. The words, line by line.
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::vector<std::string> words =
        separator == ' ' ? blankSeparated(lines[k]) : piecesOf(lines[k], separator);
    for (const std::string& word : words) task.words.push_back({word, static_cast<int>(k) + 1});
  }
  return task;
}

int notUtf8Line(const std::string& bytes) {
  int line = 1;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (byte == '\n') ++line;
    if (byte == 0) return line;  // UTF-16 and UTF-32 put zeros beside ASCII
    if (byte < 0x80) continue;
    const std::size_t more = continuationBytes(byte);
    if (more == 0 || at + more >= bytes.size()) return line;
    for (std::size_t k = 1; k <= more; ++k) {
      if ((static_cast<unsigned char>(bytes[at + k]) & 0xc0) != 0x80) return line;
    }
    at += more;
  }
  return 0;
}

std::string withoutByteOrderMark(const std::string& text) {
  return text.rfind("\xef\xbb\xbf", 0) == 0 ? text.substr(3) : text;
}
