// The compiled catalogs built into the page (the build writes catalogs_data.cpp from po/).
#pragma once

#include <cstddef>

struct Catalog {
  const char* code;  // the page's code of the language: "sr-Cyrl", "sr-Latn", "en"
  const unsigned char* bytes;
  std::size_t size;
};

extern const Catalog kCatalogs[3];
