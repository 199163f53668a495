// What trikros prints for typed numbers, taken the way the program takes them: the words read
// from a stream as from a pipe, the task answered, the worked solution told.
#include <cstdio>
#include <string>

#include "app.h"
#include "explanation.h"
#include "scene.h"

bool printedAnswer(const std::string& typed, std::string& notes, std::string& report,
                   std::string& explanation) {
  std::string text = typed;
  std::FILE* input = fmemopen(text.data(), text.size(), "r");
  std::FILE* nowhere = std::fopen("/dev/null", "w");
  Task task;
  const bool read = input != nullptr && nowhere != nullptr &&
                    readTask(TaskSource{input, nowhere, nowhere, false}, task);
  if (input != nullptr) std::fclose(input);
  if (nowhere != nullptr) std::fclose(nowhere);
  if (!read) return false;
  scene = Scene{};
  const TaskAnswer answer = answerTask(task);
  notes = answer.notes;
  report = answer.report;
  explanation = explanationText(explain(task.words, answer.intersection));
  return true;
}
