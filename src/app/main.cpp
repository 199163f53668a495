// The entry of all thirteen programs. TRIKROS_FIXED_CASE is 0 for the
// interactive trikros, which asks for the triangles, and 1 to 12 for the
// demonstration programs trikros-case01 to trikros-case12.
#include <cstdio>

#include "app.h"
#include "intersection.h"
#include "scene.h"
#include "viewer.h"

#ifndef TRIKROS_FIXED_CASE
#define TRIKROS_FIXED_CASE 0
#endif

int main(int argc, char** argv) {
  // 0. --help and --version are answered at once: nothing is read, no window opens.
  if (asksForHelpOrVersion(argc, argv)) {
    return answerHelpOrVersion(argc, argv, TRIKROS_FIXED_CASE, stdout);
  }

  // 1. The six corners and the six result slots, all (0, 0, 0) in colour 9,
  //    and the corners as typed, in double.
  Point a1, b1, c1, a2, b2, c2;
  Point M, N, P, Q, R, S;
  TypedCorners typed{};

  // 2. The coordinate axes, named at the ends that addAxes draws.
  addAxes(Point{});
  addLabel(Point{10.0f, 0.0f, 0.0f}, "x", kAxisColor);
  addLabel(Point{0.0f, 10.0f, 0.0f}, "y", kAxisColor);
  addLabel(Point{0.0f, 0.0f, 20.0f}, "z", kAxisColor);

  // 3. The two triangles.
  if constexpr (TRIKROS_FIXED_CASE == 0) {
    readTriangles(a1, b1, c1, a2, b2, c2, typed);
  } else {
    const TrianglePair pair = fixedCase(TRIKROS_FIXED_CASE);
    a1 = pair[0], b1 = pair[1], c1 = pair[2];
    a2 = pair[3], b2 = pair[4], c2 = pair[5];
    typed = typedOf(a1, b1, c1, a2, b2, c2);
  }

  // 4.-5. Their edges and corner names: the first triangle in blue, the
  //      second in magenta.
  addTriangleEdges(a1, b1, c1, kFirstTriangleColor);
  addTriangleEdges(a2, b2, c2, kSecondTriangleColor);
  addLabel(a1, "a1", kFirstTriangleColor);
  addLabel(b1, "b1", kFirstTriangleColor);
  addLabel(c1, "c1", kFirstTriangleColor);
  addLabel(a2, "a2", kSecondTriangleColor);
  addLabel(b2, "b2", kSecondTriangleColor);
  addLabel(c2, "c2", kSecondTriangleColor);

  // 6. The intersection: one message on the console, the shape in the scene;
  //    a triangle that is a point or a segment is named first on standard
  //    error. Both are decided from the corners as typed.
  std::fflush(stdout);
  std::fputs(shapeNotes(a1, b1, c1, a2, b2, c2, typed).c_str(), stderr);
  intersectTriangles(a1, b1, c1, a2, b2, c2, M, N, P, Q, R, S, typed);
  // 6a. With --objasni, the worked solution follows the report.
  if (asksForExplanation(argc, argv)) {
    printExplanation(a1, b1, c1, a2, b2, c2, typed, TRIKROS_FIXED_CASE != 0, stdout);
  }

  // 7. The line where the two planes meet, long enough to cross the scene;
  //    the window shows it on request.
  if (const auto line = planesMeetingLine(a1, b1, c1, a2, b2, c2, sceneSize())) {
    addLine(*line, kLightGrey);
  }

  // 8. The window; its event loop does not come back. Everything printed so
  //    far must reach a pipe or a file before it starts.
  std::fflush(stdout);
  startViewer(argc, argv);
  return 0;
}
