// Checks shared by the fuzz targets: a failed check names itself, prints
// what it saw and aborts, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "geometry.h"

[[noreturn]] inline void fail(const char* check, const std::string& detail) {
  std::fprintf(stderr, "\nfuzz check failed: %s\n%s\n", check, detail.c_str());
  std::abort();
}

#define CHECK(condition, detail)                \
  do {                                          \
    if (!(condition)) fail(#condition, detail); \
  } while (false)

inline bool sameBits(const Point& a, const Point& b) {
  return std::memcmp(&a, &b, sizeof(Point)) == 0;
}

inline std::string describe(const Point& p) {
  char text[160];
  std::snprintf(text, sizeof text, "(%a, %a, %a; colour %d)", static_cast<double>(p.x),
                static_cast<double>(p.y), static_cast<double>(p.z), static_cast<int>(p.color));
  return text;
}
