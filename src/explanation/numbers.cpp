// Typed words read as exact numbers, and exact numbers written as a student
// writes them.
#include <cmath>
#include <cstdint>

#include "exact.h"
#include "input.h"

namespace exact {

namespace {

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
  if (rounded != 0) return {withPoint(rounded, 6, negative, false), false};
  // Below 0.0000005 in size: two significant digits, "-1.2e-7", never 0.
  int exponent = -7;
  Integer scale = 10000000;  // 10^-exponent
  while (above * scale < below) scale *= 10, --exponent;
  // above / below = digits / 10 * 10^exponent, with digits from 10 to 99.
  Integer digits = (above * scale * 20 + below) / (2 * below);
  if (digits >= 100) digits /= 10, ++exponent;
  std::string text = digits.str();
  text = text.substr(0, 1) + (text[1] == '0' ? "" : "." + text.substr(1));
  return {(negative ? "-" : "") + text + "e" + std::to_string(exponent), false};
}

}  // namespace

std::optional<Rational> numberOfWord(const std::string& word) {
  // The console's own reading: the same forms, refused or taken alike.
  const WordReading reading = readNumberWord(word);
  if (reading.refusal != Refusal::None) return std::nullopt;
  const TypedNumber& n = reading.number;
  // digits / denominator * 10^exponent
  const Rational value =
      n.exponent >= 0
          ? Rational(integerOf(n.digits) * powerOf(10, n.exponent), integerOf(n.denominator))
          : Rational(integerOf(n.digits), integerOf(n.denominator) * powerOf(10, -n.exponent));
  return n.negative ? Rational(-value) : value;
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

std::string typedNumber(const std::string& word, const Rational& q) {
  if (word.find('/') != std::string::npos) return fraction(q);
  const Integer below = denominator(q);
  Integer ten = 1;
  int places = 0;
  while ((ten % below) != 0) ten *= 10, ++places;  // a decimal's denominator divides 10^places
  return withPoint(abs(numerator(q)) * (ten / below), places, q < 0, true);
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

std::string pointDecimals(const Vec& p) {
  return "(" + decimal(p.x) + ", " + decimal(p.y) + ", " + decimal(p.z) + ")";
}

bool isRounded(const Vec& p) {
  return !sixPlaces(p.x).exact || !sixPlaces(p.y).exact || !sixPlaces(p.z).exact;
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
