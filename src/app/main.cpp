// The entry of all thirteen programs. TRIKROS_FIXED_CASE is 0 for the
// interactive trikros, which asks for the triangles, and 1 to 12 for the
// demonstration programs trikros-case01 to trikros-case12.
#include <cstdio>

#include "app.h"
#include "intersection.h"
#include "viewer.h"

#ifndef TRIKROS_FIXED_CASE
#define TRIKROS_FIXED_CASE 0
#endif

int main(int argc, char** argv) {
  // 0. --help and --version are answered at once: nothing is read, no window opens.
  if (asksForHelpOrVersion(argc, argv)) {
    return answerHelpOrVersion(argc, argv, TRIKROS_FIXED_CASE, stdout);
  }

  // 1. The six corners and the six result slots, all (0, 0, 0) in colour 9.
  Point a1, b1, c1, a2, b2, c2;
  Point M, N, P, Q, R, S;

  // 2. The coordinate axes.
  addAxes(Point{});

  // 3. The two triangles.
  if constexpr (TRIKROS_FIXED_CASE == 0) {
    readTriangles(a1, b1, c1, a2, b2, c2);
  } else {
    const TrianglePair pair = fixedCase(TRIKROS_FIXED_CASE);
    a1 = pair[0], b1 = pair[1], c1 = pair[2];
    a2 = pair[3], b2 = pair[4], c2 = pair[5];
  }

  // 4.-5. Their edges: the first triangle in blue, the second in magenta.
  addTriangleEdges(a1, b1, c1, kFirstTriangleColor);
  addTriangleEdges(a2, b2, c2, kSecondTriangleColor);

  // 6. The intersection: one message on the console, the shape in the scene.
  intersectTriangles(a1, b1, c1, a2, b2, c2, M, N, P, Q, R, S);

  // 7. The window; its event loop does not come back. Everything printed so
  //    far must reach a pipe or a file before it starts.
  std::fflush(stdout);
  startViewer(argc, argv);
  return 0;
}
