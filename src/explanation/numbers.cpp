// Typed words read as exact numbers, and exact numbers written as a student
// writes them.
#include <cmath>
#include <cstdint>

#include "exact.h"

namespace exact {

namespace {

// Words and powers of ten beyond these are not numbers anyone typed into the
// console (it refuses magnitudes beyond a million): refusing them keeps the
// arithmetic small.
constexpr std::size_t kLongestWord = 1000;
constexpr long kLargestPower = 400;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits from `at` on; `at` ends after them.
std::string digitsFrom(const std::string& word, std::size_t& at) {
  const std::size_t start = at;
  while (at < word.size() && isDigit(word[at])) ++at;
  return word.substr(start, at - start);
}

// A string of decimal digits as an integer. (Built here rather than by
// cpp_int's own reading, which takes a leading 0 for an octal number.)
Integer integerOf(const std::string& digits) {
  Integer value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

Integer powerOf(long base, long exponent) {
  Integer result = 1;
  for (long i = 0; i < exponent; ++i) result *= base;
  return result;
}

// The integer `scaled` read with `places` decimals: "2.50" for (250, 2);
// trailing zeros of the decimals dropped when `shortest`.
std::string withPoint(const Integer& scaled, int places, bool negative, bool shortest) {
  std::string digits = scaled.str();
  if (digits.size() <= static_cast<std::size_t>(places)) {
    digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
  }
  std::string text = digits;
  if (places > 0) {
    text.insert(text.size() - static_cast<std::size_t>(places), ".");
    if (shortest) {
      while (text.back() == '0') text.pop_back();
      if (text.back() == '.') text.pop_back();
    }
  }
  return (negative ? "-" : "") + text;
}

// q rounded to six decimals (halves away from zero), and whether that is q
// itself.
struct SixPlaces {
  std::string text;
  bool exact;
};

SixPlaces sixPlaces(const Rational& q) {
  const bool negative = q < 0;
  const Integer above = abs(numerator(q));
  const Integer below = denominator(q);
  Integer ten = 1;
  for (int places = 0; places <= 6; ++places, ten *= 10) {
    if ((above * ten) % below == 0) {
      return {withPoint(above * ten / below, places, negative, true), true};
    }
  }
  const Integer rounded = (above * 2000000 + below) / (2 * below);
  return {withPoint(rounded, 6, negative, false), false};
}

}  // namespace

std::optional<Rational> numberOfWord(const std::string& word) {
  if (word.empty() || word.size() > kLongestWord) return std::nullopt;
  std::size_t at = 0;
  const bool negative = word[0] == '-';
  if (word[0] == '-' || word[0] == '+') ++at;
  const std::string whole = digitsFrom(word, at);
  // 1. A fraction: digits, a slash, digits.
  if (at < word.size() && word[at] == '/') {
    ++at;
    const std::string below = digitsFrom(word, at);
    if (whole.empty() || below.empty() || at != word.size()) return std::nullopt;
    const Integer denominator = integerOf(below);
    if (denominator == 0) return std::nullopt;
    const Rational value(integerOf(whole), denominator);
    return negative ? Rational(-value) : value;
  }
  // 2. Digits with an optional point and decimals, at least one digit.
  std::string decimals;
  if (at < word.size() && word[at] == '.') {
    ++at;
    decimals = digitsFrom(word, at);
  }
  if (whole.empty() && decimals.empty()) return std::nullopt;
  // 3. An optional exponent.
  long exponent = 0;
  if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
    ++at;
    const bool down = at < word.size() && word[at] == '-';
    if (at < word.size() && (word[at] == '-' || word[at] == '+')) ++at;
    std::string power = digitsFrom(word, at);
    if (power.empty()) return std::nullopt;
    power.erase(0, power.find_first_not_of('0'));
    if (power.size() > 6) return std::nullopt;
    exponent = power.empty() ? 0 : std::stol(power);
    if (down) exponent = -exponent;
  }
  if (at != word.size()) return std::nullopt;
  // The digits times a power of ten.
  const long power = exponent - static_cast<long>(decimals.size());
  if (power > kLargestPower || power < -kLargestPower) return std::nullopt;
  const Integer digits = integerOf(whole + decimals);
  const Rational value =
      power >= 0 ? Rational(digits * powerOf(10, power)) : Rational(digits, powerOf(10, -power));
  return negative ? Rational(-value) : value;
}

Rational ofDouble(double value) {
  if (!std::isfinite(value)) return 0;
  int exponent = 0;
  const double fraction = std::frexp(value, &exponent);  // value = fraction * 2^exponent
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
  const long power = static_cast<long>(exponent) - 53;
  const Integer whole = mantissa;
  if (power >= 0) return Rational(whole * powerOf(2, power));
  return Rational(whole, powerOf(2, -power));
}

std::string floatWord(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  int exponent = 0;
  const float fraction = std::frexp(value, &exponent);
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 24));
  const long power = static_cast<long>(exponent) - 24;
  const bool negative = mantissa < 0;
  const Integer above = negative ? -mantissa : mantissa;
  if (power >= 0) return withPoint(above * powerOf(2, power), 0, negative, true);
  // m / 2^k = m 5^k / 10^k: exactly k decimals.
  return withPoint(above * powerOf(5, -power), static_cast<int>(-power), negative, true);
}

std::string fraction(const Rational& q) {
  const Integer below = denominator(q);
  if (below == 1) return numerator(q).str();
  return numerator(q).str() + "/" + below.str();
}

std::string decimal(const Rational& q) {
  return sixPlaces(q).text;
}

std::string number(const Rational& q) {
  if (denominator(q) == 1) return fraction(q);
  return fraction(q) + " (" + decimal(q) + ")";
}

std::string pointText(const Vec& p) {
  return "(" + fraction(p.x) + ", " + fraction(p.y) + ", " + fraction(p.z) + ")";
}

std::string pointWithDecimals(const Vec& p) {
  if (denominator(p.x) == 1 && denominator(p.y) == 1 && denominator(p.z) == 1) {
    return pointText(p);
  }
  const SixPlaces x = sixPlaces(p.x), y = sixPlaces(p.y), z = sixPlaces(p.z);
  const bool rounded = !x.exact || !y.exact || !z.exact;
  return pointText(p) + (rounded ? " ~ (" : " = (") + x.text + ", " + y.text + ", " + z.text + ")";
}

std::string approximately(double value) {
  if (!(value > 0.0) || !std::isfinite(value)) return "0";
  // value ~ digits / 10^places with two significant digits.
  int places = 0;
  double scaled = value;
  while (scaled < 10.0 && places < 60) scaled *= 10.0, ++places;
  while (scaled >= 100.0 && places > -30) scaled /= 10.0, --places;
  long long digits = std::llround(scaled);
  if (digits >= 100) digits /= 10, --places;
  if (places >= 0) return withPoint(Integer(digits), places, false, true);
  return (Integer(digits) * powerOf(10, -places)).str();
}

}  // namespace exact
