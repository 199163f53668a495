// Filling a sentence's pattern with its values, the same for the programs and the page.
#include "messages.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string formatted(const char* pattern, ...) {
  std::va_list values;
  va_start(values, pattern);
  std::va_list again;
  va_copy(again, values);
  const int length = std::vsnprintf(nullptr, 0, pattern, values);
  va_end(values);
  std::string text;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), pattern, again);
    text.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(again);
  return text;
}
