// The entry of all thirteen programs. TRIKROS_FIXED_CASE is 0 for the
// interactive trikros, which asks for the triangles, and 1 to 12 for the
// demonstration programs trikros-case01 to trikros-case12.
#include <cstdio>
#include <string>

#include "app.h"
#include "explanation.h"
#include "messages.h"
#include "picture.h"
#include "scene.h"
#include "tasks.h"
#include "viewer.h"
#include "worksheet.h"

#ifndef TRIKROS_FIXED_CASE
#define TRIKROS_FIXED_CASE 0
#endif

// --zadatak: a new task, printed as a task file. Returns the exit status.
int printNewTask(const Options& options) {
  const std::uint64_t seed = options.seed ? *options.seed : freshSeed();
  const TaskKind kind = options.kinds.empty() ? TaskKind{} : options.kinds.front();
  const std::optional<PracticeTask> task = newTask(kind, seed, options.range);
  if (!task) {
    std::fputs(
        formatted(_("Greska: za seme %s nije nadjen zadatak; pokusajte sa drugim semenom.\n"),
                  std::to_string(seed).c_str())
            .c_str(),
        stderr);
    return 2;
  }
  std::fputs(taskFileText(*task).c_str(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

// --listic: a worksheet with its key, written to a PDF file. Returns the exit status.
int writeSheet(const Options& options) {
  const WorksheetRequest request{options.worksheetTasks, options.kinds,
                                 options.seed ? *options.seed : freshSeed(), options.range};
  const std::string error = writeWorksheet(request, options.worksheet);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  std::fputs(formatted(_("Listic je zapisan u \"%s\" (broj zadataka: %d, seme %s).\n"),
                       asShown(options.worksheet).c_str(), request.tasks,
                       std::to_string(request.seed).c_str())
                 .c_str(),
             stdout);
  return 0;
}

int main(int argc, char** argv) {
  // 0. The language of the messages, from the locale; then the command line.
  //    --help and --version are answered at once: nothing is read, no window
  //    opens. An unknown option is refused.
  initMessages();
  Options options = readOptions(argc, argv, TRIKROS_FIXED_CASE);
  switch (options.answer) {
    case Options::Answer::Refused:
      std::fputs(options.complaint.c_str(), stderr);
      return 2;
    case Options::Answer::Help:
    case Options::Answer::Version:
      return answerHelpOrVersion(options, TRIKROS_FIXED_CASE, stdout);
    case Options::Answer::NewTask:
      return printNewTask(options);
    case Options::Answer::Worksheet:
      return writeSheet(options);
    case Options::Answer::Run:
      break;
  }

  // 1. The task: typed in, from a file, or fixed. Without all eighteen
  //    numbers there is nothing to answer.
  Task task;
  if constexpr (TRIKROS_FIXED_CASE == 0) {
    if (const int status = readTaskOfProgram(options.taskFile, task); status != 0) {
      if (options.explain) std::printf("\n%s\n", _(kIncompleteTask));
      return status;
    }
  } else {
    task = fixedTask(TRIKROS_FIXED_CASE);
  }

  // 2. The scene: the axes, both triangles and the intersection. A triangle
  //    that is a point or a segment is named first, on standard error; then
  //    the one report message.
  const TaskAnswer answer = answerTask(task);
  std::fflush(stdout);
  std::fputs(answer.notes.c_str(), stderr);
  std::fputs(answer.report.c_str(), stdout);
  std::fflush(stdout);

  // 3. With --objasni, the worked solution follows the report.
  if (options.explain) {
    std::fputs(explanationText(explain(task.words, answer.intersection)).c_str(), stdout);
  }

  // 4. --slika FILE: the first view into the file instead of a window.
  if (options.picture != nullptr) {
    PictureLook look;
    look.screenBackground = options.screenBackground;
    if (options.pictureView != nullptr) {
      const std::string name = options.pictureView;
      look.standpoint = name == "odozgo"      ? Standpoint::Top
                        : name == "spreda"    ? Standpoint::Front
                        : name == "sa-strane" ? Standpoint::Side
                                              : Standpoint::Oblique;
    }
    const std::string error = writePicture(scene, options.picture, look);
    if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    return error.empty() ? 0 : 2;
  }

  // 5. The window, given the toolkit's options only; its event loop does not
  //    come back. Everything printed so far must reach a pipe or a file
  //    before it starts.
  std::fflush(stdout);
  options.toolkit.push_back(nullptr);
  startViewer(static_cast<int>(options.toolkit.size()) - 1, options.toolkit.data());
  return 0;
}
