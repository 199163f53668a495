// The entry of all thirteen programs. TRIKROS_FIXED_CASE is 0 for the
// interactive trikros, which asks for the triangles, and 1 to 12 for the
// demonstration programs trikros-case01 to trikros-case12.
#include <cstdio>
#include <string>

#include "app.h"
#include "explanation.h"
#include "intersection.h"
#include "picture.h"
#include "scene.h"
#include "viewer.h"

#ifndef TRIKROS_FIXED_CASE
#define TRIKROS_FIXED_CASE 0
#endif

int main(int argc, char** argv) {
  // 0. The command line. --help and --version are answered at once: nothing
  //    is read, no window opens. An unknown option is refused.
  Options options = readOptions(argc, argv, TRIKROS_FIXED_CASE);
  switch (options.answer) {
    case Options::Answer::Refused:
      std::fputs(options.complaint.c_str(), stderr);
      return 2;
    case Options::Answer::Help:
    case Options::Answer::Version:
      return answerHelpOrVersion(options, TRIKROS_FIXED_CASE, stdout);
    case Options::Answer::Run:
      break;
  }

  // 1. The task: typed in, from a file, or fixed. Without all eighteen
  //    numbers there is nothing to answer.
  Task task;
  if constexpr (TRIKROS_FIXED_CASE == 0) {
    if (const int status = readTaskOfProgram(options.taskFile, task); status != 0) {
      if (options.explain) std::printf("\n%s\n", kIncompleteTask);
      return status;
    }
  } else {
    task = fixedTask(TRIKROS_FIXED_CASE);
  }
  const auto& [a1, b1, c1, a2, b2, c2] = task.corners;

  // 2. The coordinate axes, named at the ends that addAxes draws.
  addAxes(Point{});
  addLabel(Point{10.0f, 0.0f, 0.0f}, "x", kAxisColor);
  addLabel(Point{0.0f, 10.0f, 0.0f}, "y", kAxisColor);
  addLabel(Point{0.0f, 0.0f, 20.0f}, "z", kAxisColor);

  // 3. The triangles' edges, corner names and faces: the first in blue, the
  //    second in magenta.
  addTriangleEdges(a1, b1, c1, kFirstTriangleColor);
  addTriangleEdges(a2, b2, c2, kSecondTriangleColor);
  addLabel(a1, "a1", kFirstTriangleColor);
  addLabel(b1, "b1", kFirstTriangleColor);
  addLabel(c1, "c1", kFirstTriangleColor);
  addLabel(a2, "a2", kSecondTriangleColor);
  addLabel(b2, "b2", kSecondTriangleColor);
  addLabel(c2, "c2", kSecondTriangleColor);
  addFace({a1, b1, c1}, kFirstTriangleColor);
  addFace({a2, b2, c2}, kSecondTriangleColor);

  // 4. The intersection: one message on the console, the shape in the scene;
  //    a triangle that is a point or a segment is named first on standard
  //    error. Both are decided from the corners as typed.
  std::fflush(stdout);
  std::fputs(shapeNotes(a1, b1, c1, a2, b2, c2, task.typed).c_str(), stderr);
  Point M, N, P, Q, R, S;
  intersectTriangles(a1, b1, c1, a2, b2, c2, M, N, P, Q, R, S, task.typed);

  // 5. With --objasni, the worked solution follows the report.
  if (options.explain) {
    const Intersection reported = findIntersection(a1, b1, c1, a2, b2, c2, task.typed);
    std::fputs(explanationText(explain(task.words, reported)).c_str(), stdout);
  }

  // 6. The line where the two planes meet, long enough to cross the scene;
  //    the window shows it on request.
  if (const auto line = planesMeetingLine(a1, b1, c1, a2, b2, c2, sceneSize())) {
    addLine(*line, kLightGrey);
  }

  // 7. --slika FILE: the first view into the file instead of a window.
  if (options.picture != nullptr) {
    const std::string error = writePicture(scene, options.picture);
    if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    return error.empty() ? 0 : 2;
  }

  // 8. The window, given the toolkit's options only; its event loop does not
  //    come back. Everything printed so far must reach a pipe or a file
  //    before it starts.
  std::fflush(stdout);
  options.toolkit.push_back(nullptr);
  startViewer(static_cast<int>(options.toolkit.size()) - 1, options.toolkit.data());
  return 0;
}
