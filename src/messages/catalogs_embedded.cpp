// The page's catalogs: the same compiled catalogs (.mo files) as the programs', built into the
// page, and looked up by binary search in each catalog's sorted table of texts.
#include <cstdint>
#include <cstring>
#include <string>

#include "catalogs.h"
#include "messages.h"

namespace {

const Catalog* current = nullptr;

std::uint32_t word(const Catalog& catalog, std::size_t at) {
  std::uint32_t value = 0;
  if (at + 4 <= catalog.size) std::memcpy(&value, catalog.bytes + at, 4);
  return value;  // the catalogs are written little-endian, as WebAssembly reads them
}

// The text at a table entry: its length, then its offset.
const char* entry(const Catalog& catalog, std::uint32_t table, std::uint32_t index) {
  const std::uint32_t offset = word(catalog, table + 8 * index + 4);
  return offset < catalog.size ? reinterpret_cast<const char*>(catalog.bytes + offset) : "";
}

}  // namespace

const char* translated(const char* text) {
  if (current == nullptr || text == nullptr || *text == '\0') return text;
  // A .mo file: its magic number, the count at 8, the originals' table at 12,
  // the translations' at 16.
  const Catalog& catalog = *current;
  if (word(catalog, 0) != 0x950412deu) return text;
  std::uint32_t low = 0, high = word(catalog, 8);
  const std::uint32_t originals = word(catalog, 12), translations = word(catalog, 16);
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    const int order = std::strcmp(text, entry(catalog, originals, middle));
    if (order == 0) return entry(catalog, translations, middle);
    if (order < 0) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return text;
}

void initMessages() {}

bool setLanguage(const std::string& code) {
  current = nullptr;
  for (const Catalog& catalog : kCatalogs) {
    if (code == catalog.code) current = &catalog;
  }
  return current != nullptr || code.empty();
}
