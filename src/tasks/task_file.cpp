// The kinds of tasks by their words, and a task written as a task file.
#include <cstdio>

#include "messages.h"
#include "tasks.h"

namespace {

constexpr const char* kOnePlaneEnding = "-u-ravni";
constexpr const char* kSpaceEnding = "-u-prostoru";

bool endsWith(const std::string& word, const std::string& ending) {
  return word.size() > ending.size() &&
         word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

KindReading readTaskKind(const std::string& word) {
  TaskKind kind;
  std::string count = word;
  if (endsWith(word, kOnePlaneEnding)) {
    kind.setting = Setting::OnePlane;
    count.resize(word.size() - std::string(kOnePlaneEnding).size());
  } else if (endsWith(word, kSpaceEnding)) {
    kind.setting = Setting::Space;
    count.resize(word.size() - std::string(kSpaceEnding).size());
  }
  for (int n = 0; n <= 6; ++n) {
    if (count == kKindWords[n]) kind.count = n;
  }
  if (kind.count == kAnyCount) {
    return {std::nullopt,
            formatted(_("vrsta zadatka \"%s\" ne postoji; vrste su nema, tacka, duz, trougao, "
                        "cetvorougao, petougao i sestougao, i uz njih -u-ravni ili -u-prostoru"),
                      word.c_str())};
  }
  if (kind.count >= 3 && kind.setting == Setting::Space) {
    return {std::nullopt,
            formatted(_("vrsta zadatka \"%s\" ne postoji: trouglovi u dve razlicite ravni imaju "
                        "zajednicko najvise duz na pravoj u kojoj se ravni seku, pa je %s moguc "
                        "samo u jednoj ravni (%s-u-ravni)"),
                      word.c_str(), kKindWords[kind.count], kKindWords[kind.count])};
  }
  return {kind, ""};
}

std::string taskKindWord(const TaskKind& kind) {
  if (kind.count < 0 || kind.count > 6) return "";
  const std::string word = kKindWords[kind.count];
  switch (kind.setting) {
    case Setting::OnePlane:
      return word + kOnePlaneEnding;
    case Setting::Space:
      return word + kSpaceEnding;
    case Setting::Any:
      break;
  }
  return word;
}

std::string taskFileText(const PracticeTask& task) {
  const std::string kind = taskKindWord(task.kind);
  const std::string seed = std::to_string(task.seed);
  std::string text = _("# Zadatak: odrediti presek trouglova.\n");
  text += formatted(_("# Vrsta: %s, seme %s, opseg %d; isti zadatak daje trikros --zadatak %s "
                      "--seme %s --opseg %d.\n"),
                    kind.c_str(), seed.c_str(), task.range, kind.c_str(), seed.c_str(), task.range);
  const char* names[6] = {"a1", "b1", "c1", "a2", "b2", "c2"};
  for (std::size_t k = 0; k < 6; ++k) {
    if (k == 0) text += _("# Prvi trougao (temena a1, b1, c1):\n");
    if (k == 3) text += _("# Drugi trougao (temena a2, b2, c2):\n");
    char line[64];
    const std::string numbers = std::to_string(task.numbers[3 * k]) + " " +
                                std::to_string(task.numbers[3 * k + 1]) + " " +
                                std::to_string(task.numbers[3 * k + 2]);
    std::snprintf(line, sizeof line, "%-12s# %s\n", numbers.c_str(), names[k]);
    text += line;
  }
  return text;
}
