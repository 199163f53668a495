// A task's numbers, its answer (the notes on its triangles and the report) and the scene that
// shows it.
#include <string>

#include "app.h"
#include "intersection.h"
#include "scene.h"

void addTaskScene(const Task& task) {
  const auto& [a1, b1, c1, a2, b2, c2] = task.corners;

  // 1. The coordinate axes, named at the ends that addAxes draws.
  addAxes(Point{});
  addLabel(Point{10.0f, 0.0f, 0.0f}, "x", kAxisColor);
  addLabel(Point{0.0f, 10.0f, 0.0f}, "y", kAxisColor);
  addLabel(Point{0.0f, 0.0f, 20.0f}, "z", kAxisColor);

  // 2. The triangles' edges, corner names and faces: the first in blue, the
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
}

TaskAnswer answerTask(const Task& task) {
  const auto& [a1, b1, c1, a2, b2, c2] = task.corners;
  TaskAnswer answer;
  addTaskScene(task);

  // 3. The intersection, decided from the corners as typed: a note for a
  //    triangle that is a point or a segment, the report, and the shape.
  answer.notes = shapeNotes(a1, b1, c1, a2, b2, c2, task.typed);
  answer.intersection = findIntersection(a1, b1, c1, a2, b2, c2, task.typed);
  answer.report = reportText(answer.intersection);
  addAnswerShapes(answer.intersection);

  // 4. The line where the two planes meet, long enough to cross the scene;
  //    the picture shows it on request.
  if (const auto line = planesMeetingLine(a1, b1, c1, a2, b2, c2, sceneSize())) {
    addLine(*line, kLightGrey);
  }
  return answer;
}

void putNumber(Task& task, int index, const TypedNumber& number) {
  const int corner = index / 3, axis = index % 3;
  Point& point = task.corners[static_cast<std::size_t>(corner)];
  Wide& typed = task.typed[static_cast<std::size_t>(corner)];
  (axis == 0 ? point.x : axis == 1 ? point.y : point.z) = number.nearest;
  (axis == 0 ? typed.x : axis == 1 ? typed.y : typed.z) = number.value;
  task.words[static_cast<std::size_t>(index)] = number.word;
}

void addAxes(Point origin) {
  addSegment(Segment(origin, Point{10.0f, 0.0f, 0.0f}), kAxisColor);
  addSegment(Segment(origin, Point{0.0f, 10.0f, 0.0f}), kAxisColor);
  addSegment(Segment(origin, Point{0.0f, 0.0f, 20.0f}), kAxisColor);
}

void addTriangleEdges(Point a, Point b, Point c, ColorIndex color) {
  addSegment(Segment(a, b), color);
  addSegment(Segment(a, c), color);
  addSegment(Segment(b, c), color);
}
