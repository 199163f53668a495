// A worksheet for practice: new tasks on A4 pages for a class, and their key, as one PDF file
// written with cairo (no display needed).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tasks.h"

struct WorksheetRequest {
  int tasks = 0;                // how many, 1 to kMostWorksheetTasks
  std::vector<TaskKind> kinds;  // the kinds in turn, task by task; none: each kind by its seed
  std::uint64_t seed = 0;       // the sheet's seed, printed on it; each task's comes from it
  int range = kDefaultRange;    // corners within +-range
};

// Writes the worksheet into path (a name ending in .pdf, in either case): first the tasks, two
// to a page, numbered, each with the two triangles' corners, a small picture of the triangles
// alone and room to work, under a header for the name and the date and the seed; then the key:
// each task's exact answer, its picture with the answer, and the worked solution. An existing
// file is replaced only by a whole new one. Returns "" when it was written, else one Serbian line
// saying why not.
//
//   const std::string error = writeWorksheet(WorksheetRequest{20, {}, 123456, 6}, "listic.pdf");
std::string writeWorksheet(const WorksheetRequest& request, const std::string& path);

// The command that makes the same worksheet again, as printed on it:
// "trikros --listic 20 listic.pdf --seme 123456 duz trougao".
std::string worksheetCommand(const WorksheetRequest& request, const std::string& path);
