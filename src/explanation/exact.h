// Exact numbers of the worked solution: rationals, points in space, and how
// both are written for a student. Used inside src/explanation only.
//
// Boost.Multiprecision's cpp_int and cpp_rational are header-only and plain
// C++, so the same code builds for the web. Nothing here prints through the
// C library: every digit is made from integers, whatever the locale.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <optional>
#include <string>

namespace exact {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

// A point or a vector in space.
struct Vec {
  Rational x, y, z;
};

inline Vec operator-(const Vec& b, const Vec& a) {
  return {b.x - a.x, b.y - a.y, b.z - a.z};
}
inline Vec operator+(const Vec& a, const Vec& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec operator*(const Rational& s, const Vec& v) {
  return {s * v.x, s * v.y, s * v.z};
}
inline bool operator==(const Vec& a, const Vec& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}
inline Rational dot(const Vec& u, const Vec& v) {
  return u.x * v.x + u.y * v.y + u.z * v.z;
}
inline Vec cross(const Vec& u, const Vec& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}
inline bool isZero(const Vec& v) {
  return v.x == 0 && v.y == 0 && v.z == 0;
}

// The number a typed word stands for, exactly: an integer or a decimal with
// a point ("-3", "2.5", ".5", "5."), with an exponent ("1e3", "-2.5E-2"), or
// a fraction of two integers ("1/3", "+4/6"), each with an optional sign.
// Nothing for any other word, a zero denominator, or a power of ten beyond
// 10^400 either way (far outside what the console accepts).
//
//   std::optional<Rational> value = numberOfWord("-7/2");  // -7/2
std::optional<Rational> numberOfWord(const std::string& word);

// The exact value of a double (every finite double is a fraction with a
// power of two below); 0 for infinities and NaN.
Rational ofDouble(double value);

// The exact decimal expansion of a float, shortest form: "5.5", "-0.25",
// "0.100000001490116119384765625"; "nan" or "inf" (not numbers) otherwise.
std::string floatWord(float value);

// A typed number as a student reads it: a decimal word ("-4.7", ".5",
// "1e3") as its exact decimal ("-4.7", "0.5", "1000"), a fraction word
// ("+4/6") as a reduced fraction ("2/3"). q is the word's value.
std::string typedNumber(const std::string& word, const Rational& q);

// "8/3", "-5/2", "7": a reduced fraction, or an integer.
std::string fraction(const Rational& q);

// The decimal value: exact when it has at most six decimals ("2.5",
// "-0.25", "7"), else rounded to six ("2.666667"); a nonzero value that
// would round to 0 with two significant digits ("-1.2e-7").
std::string decimal(const Rational& q);

// An integer as it is, a fraction with its decimal value beside it:
// "7", "8/3 (2.666667)", "5/2 (2.5)".
std::string number(const Rational& q);

// "(8/3, 1, 0)": exact coordinates, as the differential reference writes them.
std::string pointText(const Vec& p);

// "(2.666667, 1, 0)": the decimal values of the coordinates.
std::string pointDecimals(const Vec& p);

// True when a coordinate's decimal value is rounded (more than six places).
bool isRounded(const Vec& p);

// pointText followed, when a coordinate is not an integer, by the decimal
// values: "(5/2, 3, 0) = (2.5, 3, 0)", or with "~" where one is rounded:
// "(8/3, 1, 0) ~ (2.666667, 1, 0)".
std::string pointWithDecimals(const Vec& p);

// A small positive length with two significant digits: "0.00002",
// "0.0000031", "1.5".
std::string approximately(double value);

}  // namespace exact
