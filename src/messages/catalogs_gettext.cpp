// The programs' catalogs, through GNU gettext: installed under the locale folder, or beside a
// program that runs from its build folder.
#include <libintl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <string>

#include "messages.h"

namespace {

constexpr const char* kDomain = "trikros";

// The folder of the running program, from /proc; "" where it cannot be read.
std::string programFolder() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "";
  const std::string whole(path, static_cast<std::size_t>(length));
  return whole.substr(0, whole.rfind('/'));
}

bool isFolder(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

const char* translated(const char* text) {
  return dgettext(kDomain, text);
}

void initMessages() {
  // 1. Only the messages and the character set follow the locale: numbers
  //    are printed and read with a point in every language.
  std::setlocale(LC_MESSAGES, "");
  std::setlocale(LC_CTYPE, "");
  // 2. The catalogs beside a program in its build folder, else where the
  //    package installs them.
  const std::string beside = programFolder() + "/locale";
  const int saved = errno;
  bindtextdomain(kDomain, isFolder(beside) ? beside.c_str() : TRIKROS_LOCALE_DIR);
  bind_textdomain_codeset(kDomain, "UTF-8");
  errno = saved;
}

bool setLanguage(const std::string&) {
  return false;
}
